// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The card file flows of the main window: open, save, save under a new name.

#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "core/files/FileErrors.h"
#include "core/files/ScopeExit.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "gui/files/uProgressFrm.h"
#include "gui/files/uUeberschreibFrm.h"
#include "platform/EventPump.h"
#include "platform/TextCodec.h"

#include <QFileInfo>
#include <QTabWidget>
#include <QTableView>

namespace {

const QString kCardFilter = QStringLiteral("*.CSV (*.CSV *.csv)");

void SetUpOpenDialog(TFileDialog& dialog) {
    dialog.Filter = kCardFilter;
    dialog.DefaultExt.clear();
    dialog.FileMustExist = true;
    dialog.OverwritePrompt = false;
}

void SetUpSaveDialog(TFileDialog& dialog) {
    dialog.Filter = kCardFilter;
    dialog.DefaultExt = QStringLiteral("CSV");
    dialog.FileMustExist = false;
    // The file-exists dialog asks instead.
    dialog.OverwritePrompt = false;
}

// Presets a dialog with the current card file, if there is one.
void PresetWithCardFile(TFileDialog& dialog, const std::string& cardFile) {
    if (FileExists(cardFile)) {
        dialog.FileName = FromUtf8(cardFile);
        dialog.InitialDir = QFileInfo(dialog.FileName).absolutePath();
    }
}

} // namespace

void TMainFrm::PrepareCardSaveDialog() {
    SetUpSaveDialog(SaveDialog1);
    PresetWithCardFile(SaveDialog1, document_.FileName());
}

bool TMainFrm::LoadCardFile() {
    return LoadCards(document_.FileName());
}

bool TMainFrm::LoadCards(const std::string& fileName) {
    TCardDocument::LoadHooks hooks;
    hooks.prepare = [this] { return SetupGrids(); };
    // Events get through every 25 lines, but at most every few milliseconds: repainting the
    // progress window 4000 times would cost more than reading 100,000 cards.
    unsigned int lastPump = TickCount();
    hooks.progress = [&lastPump](int lines) {
        if (TickCount() - lastPump >= 10) {
            HandlePendingMessages();
            lastPump = TickCount();
        }
        if (ProgressFrm != nullptr) {
            ProgressFrm->ShowProgress(lines);
        }
    };
    hooks.replace = [this](const std::function<void()>& swap) {
        gridModel_->BeginChange();
        swap();
        gridModel_->EndChange();
    };
    if (!document_.Load(fileName, hooks)) {
        return false;
    }
    SetCurrentCell(0, 1);
    return true;
}

bool TMainFrm::WriteCardFile() {
    TCardDocument& doc = document_;
    if (!FileExists(doc.FileName())) {
        doc.SetWriteMode(smOverwrite);
    }
    if (doc.FileName().empty()) {
        // A name chosen here may be an existing file; it is not overwritten without asking.
        if (AskCardFileName() && FileExists(doc.FileName())) {
            doc.SetWriteMode(UeberschreibFrm->Ask());
        }
    }
    if (doc.FileName().empty()) {
        ShowMsg(QStringLiteral("Dateiname fehlt"));
        return false;
    }
    if (doc.WriteMode() == smCancel) {
        return false;
    }
    // In a shared folder a colleague may have saved cards since; overwriting would drop them.
    if (doc.WriteMode() == smOverwrite && doc.ChangedOnDisk() &&
        !AskYesNo(ChangedOnDiskQuestion(doc.FileName()), QStringLiteral("Datei geändert"))) {
        return false;
    }
    doc.Write();
    return true;
}

TSaveMode TMainFrm::WriteModeForExistingFile() {
    // Adding the table to the file it holds would put every card into it twice.
    if (document_.HoldsItsFile()) {
        return smOverwrite;
    }
    return UeberschreibFrm->Ask();
}

QString TMainFrm::ChangedOnDiskQuestion(const std::string& fileName) {
    return QStringLiteral("Die Datei %1 wurde seit dem Öffnen oder letzten Speichern außerhalb "
                          "dieses Programms geändert, zum Beispiel an einem anderen Arbeitsplatz.\n"
                          "Beim Überschreiben gehen diese Änderungen verloren.\n\n"
                          "Datei trotzdem überschreiben?")
        .arg(QFileInfo(FromUtf8(fileName)).fileName());
}

void TMainFrm::RememberCardFileOnDisk() {
    document_.RememberOnDisk();
}

bool TMainFrm::AskCardFileName() {
    SetUpSaveDialog(SaveDialog1);
    if (!SaveDialog1.Execute(this)) {
        return false;
    }
    document_.SetFileName(ToUtf8(SaveDialog1.FileName));
    return true;
}

void TMainFrm::OpenCardFile() {
    SetUpOpenDialog(OpenDialog1);
    PresetWithCardFile(OpenDialog1, document_.FileName());
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    const std::string fileName = ToUtf8(OpenDialog1.FileName);
    // A customer list of another program would become cards holding whole lines.
    if (LooksLikeList(fileName) &&
        AskYesNo(QStringLiteral("Die Datei sieht nicht wie eine Kartei aus. Mit Import öffnen?"),
                 QStringLiteral("Öffnen"))) {
        // "Öffnen..." has asked about unsaved changes already.
        ImportList(fileName, false);
        return;
    }
    if (OpenNamedCardFile(fileName)) {
        RememberRecentFile(fileName);
    }
}

bool TMainFrm::OpenNamedCardFile(const std::string& fileName) {
    SetCommandsEnabled(false);
    ProgressFrm->show();
    ScopeExit restoreWindows([this] {
        ProgressFrm->hide();
        StringGrid1->show();
        SetCommandsEnabled(true);
    });
    ProgressFrm->StartProgress(CountLines(fileName));
    // Give the progress window time to appear before the work begins.
    ProgressFrm->ShowProgress(0);
    waits_.pause(300);
    StringGrid1->hide();
    // A load that fails leaves the table, and so the file it belongs to, as they were.
    if (!LoadCards(fileName)) {
        // Deleted between the dialog and the load; otherwise the layout failed and said so.
        if (!FileExists(fileName)) {
            throw EInOutError(UnableToReadMessage(fileName));
        }
        return false;
    }
    document_.SetFileName(fileName);
    RememberCardFileOnDisk();
    ProgressFrm->hide();
    StringGrid1->show();
    SetTitleWithShortPath(fileName);
    document_.SetChanged(false);
    ShowFirstCard();
    return true;
}

void TMainFrm::SaveCardFile() {
    if (!FileExists(document_.FileName())) {
        SaveCardFileAs();
        return;
    }
    document_.SetWriteMode(WriteModeForExistingFile());
    const bool written = WriteCardFile();
    SetTitleWithName(document_.FileName());
    // After "Abbruch" the typed changes are still unsaved.
    if (written) {
        RememberCardFileOnDisk();
        document_.SetChanged(false);
        MarkHistorySaved();
    }
    ShowCardPage();
}

void TMainFrm::SaveCardFileAs() {
    SetUpSaveDialog(SaveDialog1);
    PresetWithCardFile(SaveDialog1, document_.FileName());
    if (!SaveDialog1.Execute(this)) {
        return;
    }
    // A failed write leaves the name, like the title and the flag, as it was.
    const std::string previous = document_.FileName();
    document_.SetFileName(ToUtf8(SaveDialog1.FileName));
    if (FileExists(document_.FileName())) {
        document_.SetWriteMode(WriteModeForExistingFile());
    } else {
        document_.SetWriteMode(smOverwrite);
    }
    bool written = false;
    try {
        written = WriteCardFile();
    } catch (...) {
        document_.SetFileName(previous);
        throw;
    }
    SetTitleWithName(document_.FileName());
    if (written) {
        RememberCardFileOnDisk();
        document_.SetChanged(false);
        MarkHistorySaved();
    }
    ShowCardPage();
    if (written) {
        RememberRecentFile(document_.FileName());
    }
}

void TMainFrm::Oeffnen1Click() {
    if (AskSaveChanges()) {
        SaveCardFileAs();
    } else {
        OpenCardFile();
    }
}

void TMainFrm::Speichern1Click() {
    SaveCardFile();
}

void TMainFrm::Speichernunter1Click() {
    SaveCardFileAs();
}
