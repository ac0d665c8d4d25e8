// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The card file flows of the main window: open, save, save under a new name.

#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "core/files/FileErrors.h"
#include "core/files/ScopeExit.h"
#include "core/files/uGlobal.h"
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
void PresetWithCardFile(TFileDialog& dialog) {
    if (FileExists(CardFileName)) {
        dialog.FileName = FromUtf8(CardFileName);
        dialog.InitialDir = QFileInfo(dialog.FileName).absolutePath();
    }
}

} // namespace

void TMainFrm::PrepareCardSaveDialog() {
    SetUpSaveDialog(SaveDialog1);
    PresetWithCardFile(SaveDialog1);
}

bool TMainFrm::LoadCardFile() {
    // Read before the table is touched: an unreadable file leaves the cards as they were.
    std::string contents;
    if (!ReadWholeFile(CardFileName, contents)) {
        return false;
    }
    if (!SetupGrids()) {
        return false;
    }
    CardTable loaded;
    loaded.SetColCount(cards_.ColCount());
    loaded.AppendRow(cards_.RowAt(0));
    // Events get through every 25 lines, but at most every few milliseconds: repainting the
    // progress window 4000 times would cost more than reading 100,000 cards.
    unsigned int lastPump = TickCount();
    ReadCards(contents, loaded, [&lastPump](int lines) {
        if (TickCount() - lastPump >= 10) {
            HandlePendingMessages();
            lastPump = TickCount();
        }
        if (ProgressFrm != nullptr) {
            ProgressFrm->ShowProgress(lines);
        }
    });
    contents.clear();
    gridModel_->BeginChange();
    cards_.Rows().swap(loaded.Rows());
    gridModel_->EndChange();
    SetCurrentCell(0, 1);
    return true;
}

bool TMainFrm::WriteCardFile() {
    if (!FileExists(CardFileName)) {
        SaveMode = smOverwrite;
    }
    if (CardFileName.empty()) {
        // A name chosen here may be an existing file; it is not overwritten without asking.
        if (AskCardFileName() && FileExists(CardFileName)) {
            UeberschreibFrm->exec();
        }
    }
    if (CardFileName.empty()) {
        ShowMsg(QStringLiteral("Dateiname fehlt"));
        return false;
    }
    if (SaveMode == smCancel) {
        return false;
    }
    // In a shared folder a colleague may have saved cards since; overwriting would drop them.
    if (SaveMode == smOverwrite && cardFileOnDisk_.ChangedOnDisk(CardFileName) &&
        !AskYesNo(ChangedOnDiskQuestion(CardFileName), QStringLiteral("Datei geändert"))) {
        return false;
    }
    WriteCards(CardFileName, cards_, SaveMode);
    return true;
}

QString TMainFrm::ChangedOnDiskQuestion(const std::string& fileName) {
    return QStringLiteral("Die Datei %1 wurde seit dem Öffnen oder letzten Speichern außerhalb "
                          "dieses Programms geändert, zum Beispiel an einem anderen Arbeitsplatz.\n"
                          "Beim Überschreiben gehen diese Änderungen verloren.\n\n"
                          "Datei trotzdem überschreiben?")
        .arg(QFileInfo(FromUtf8(fileName)).fileName());
}

void TMainFrm::RememberCardFileOnDisk() {
    cardFileOnDisk_.Remember(CardFileName);
}

bool TMainFrm::AskCardFileName() {
    SetUpSaveDialog(SaveDialog1);
    if (!SaveDialog1.Execute(this)) {
        return false;
    }
    CardFileName = ToUtf8(SaveDialog1.FileName);
    return true;
}

void TMainFrm::OpenCardFile() {
    SetUpOpenDialog(OpenDialog1);
    PresetWithCardFile(OpenDialog1);
    if (!OpenDialog1.Execute(this)) {
        return;
    }
    OpenNamedCardFile(ToUtf8(OpenDialog1.FileName));
}

void TMainFrm::OpenNamedCardFile(const std::string& fileName) {
    // A load that fails leaves the table, and so the file it belongs to, as they were.
    ScopeExit restoreName([previous = CardFileName] { CardFileName = previous; });
    CardFileName = fileName;

    SetCommandsEnabled(false);
    ProgressFrm->show();
    ScopeExit restoreWindows([this] {
        ProgressFrm->hide();
        StringGrid1->show();
        SetCommandsEnabled(true);
    });
    ProgressFrm->StartProgress(CountLines(CardFileName));
    // Give the progress window time to appear before the work begins.
    const unsigned int start = TickCount();
    while (TickCount() - start <= 300) {
        ProgressFrm->ShowProgress(0);
        WaitForEvents(10);
    }
    StringGrid1->hide();
    if (!LoadCardFile()) {
        // Deleted between the dialog and the load; otherwise the layout failed and said so.
        if (!FileExists(CardFileName)) {
            throw EInOutError(UnableToReadMessage(CardFileName));
        }
        return;
    }
    restoreName.Dismiss();
    RememberCardFileOnDisk();
    ProgressFrm->hide();
    StringGrid1->show();
    SetTitleWithShortPath(CardFileName);
    DataChanged = false;
    PageControl1->setCurrentWidget(TabSheet1);
    RefreshMeasurementView(1);
}

void TMainFrm::SaveCardFile() {
    if (!FileExists(CardFileName)) {
        SaveCardFileAs();
        return;
    }
    UeberschreibFrm->exec();
    const bool written = WriteCardFile();
    SetTitleWithName(CardFileName);
    // After "Abbruch" the typed changes are still unsaved.
    if (written) {
        RememberCardFileOnDisk();
        DataChanged = false;
    }
    PageControl1->setCurrentWidget(TabSheet1);
}

void TMainFrm::SaveCardFileAs() {
    SetUpSaveDialog(SaveDialog1);
    PresetWithCardFile(SaveDialog1);
    if (!SaveDialog1.Execute(this)) {
        return;
    }
    // A failed write leaves the name, like the title and the flag, as it was.
    ScopeExit restoreName([previous = CardFileName] { CardFileName = previous; });
    CardFileName = ToUtf8(SaveDialog1.FileName);
    if (FileExists(CardFileName)) {
        UeberschreibFrm->exec();
    } else {
        SaveMode = smOverwrite;
    }
    const bool written = WriteCardFile();
    restoreName.Dismiss();
    SetTitleWithName(CardFileName);
    if (written) {
        RememberCardFileOnDisk();
        DataChanged = false;
    }
    PageControl1->setCurrentWidget(TabSheet1);
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
