// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The two transfer commands of the main window: they choose the route, ask for the files and,
// after a receive, save the received cards into the card file the user chose.

#include "core/files/AtomicFile.h"
#include "core/files/ScopeExit.h"
#include "core/files/uGlobal.h"
#include "gui/app/uMainFrm.h"
#include "gui/exchange/uTransferFrm.h"
#include "gui/files/uUeberschreibFrm.h"
#include "platform/EventPump.h"
#include "platform/TextCodec.h"

#include <QFileInfo>
#include <QTabWidget>
#include <QThread>

namespace {

const QString kTransferFilter = QStringLiteral("*.TXT (*.TXT *.txt)");

bool MemoryCardRoute(const ConnectionSettings& settings) {
    return settings.DeviceType == "MMC";
}

// The file-exists question for an existing target; a missing target takes a new file.
TSaveMode AskHowToWrite(const std::string& target) {
    if (!FileExists(target)) {
        return smOverwrite;
    }
    UeberschreibFrm->exec();
    return SaveMode;
}

// Keeps the main window's commands off while a flow runs, so that no second command starts
// inside it; the transfer window stays usable.
class CommandsOff {
public:
    explicit CommandsOff(TMainFrm& frm) : frm_(frm) { frm_.SetCommandsEnabled(false); }
    ~CommandsOff() { frm_.SetCommandsEnabled(true); }
    CommandsOff(const CommandsOff&) = delete;
    CommandsOff& operator=(const CommandsOff&) = delete;

private:
    TMainFrm& frm_;
};

} // namespace

void TMainFrm::PCzuMessgert1Click() {
    if (MemoryCardRoute(connection_)) {
        SaveDialog2.Filter = kTransferFilter;
        SaveDialog2.DefaultExt = QStringLiteral("TXT");
        SaveDialog2.FileMustExist = false;
        SaveDialog2.OverwritePrompt = true;
        SaveDialog2.Title.clear();
        // The device looks for this name, so it is proposed every time.
        SaveDialog2.FileName = QStringLiteral("T7QKX.TXT");
        if (!SaveDialog2.Execute(this)) {
            return;
        }
        connection_.MmcFileName = ToUtf8(SaveDialog2.FileName);
        CommandsOff off(*this);
        TransferFrm->ShowForTransfer();
        TransferFrm->WriteMmcFile();
    } else {
        CommandsOff off(*this);
        TransferFrm->ShowForTransfer();
        TransferFrm->SendViaCom();
    }
}

void TMainFrm::MessgertzuPC1Click() {
    const bool memoryCard = MemoryCardRoute(connection_);
    const std::string previousName = CardFileName;
    std::string target;
    if (memoryCard) {
        OpenDialog2.Filter = kTransferFilter;
        OpenDialog2.DefaultExt = QStringLiteral("TXT");
        OpenDialog2.FileMustExist = true;
        OpenDialog2.OverwritePrompt = false;
        OpenDialog2.InitialDir = QFileInfo(FromUtf8(connection_.MmcFileName)).absolutePath();
        if (FileExists(connection_.MmcFileName)) {
            OpenDialog2.FileName = FromUtf8(connection_.MmcFileName);
        }
        OpenDialog2.Title = QString::fromUtf8("MMC-Datei auswählen");
        if (!OpenDialog2.Execute(this)) {
            StringGrid1SelectCell(0, 1);
            return;
        }
        connection_.MmcFileName = ToUtf8(OpenDialog2.FileName);
        target = CardFileName;
    } else {
        PrepareCardSaveDialog();
        if (!SaveDialog1.Execute(this)) {
            StringGrid1SelectCell(0, 1);
            return;
        }
        target = ToUtf8(SaveDialog1.FileName);
        CardFileName = target;
    }

    // The answer holds until the write, whatever Neu1Click asks in between.
    const TSaveMode answer = AskHowToWrite(target);
    if (answer == smCancel) {
        // Nothing happened, so the table keeps the file it belongs to.
        CardFileName = previousName;
        return;
    }
    Neu1Click();
    HandlePendingMessages();
    if (DataChanged) {
        // The user wanted the typed changes saved and that did not happen (the save dialog was
        // cancelled, or "Abbruch"); the received cards would replace them unsaved.
        CardFileName = previousName;
        return;
    }

    CommandsOff off(*this);
    TransferFrm->ShowForTransfer();
    if (memoryCard) {
        TransferFrm->ReadMmcFile();
    } else if (!TransferFrm->ReceiveViaCom()) {
        // Nothing is saved; the window keeps the lines of the serial link.
        return;
    }

    CardFileName = target;
    SaveMode = answer;
    const bool written = WriteCardFile();
    PageControl1->setCurrentWidget(TabSheet1);
    if (!written) {
        // Only without a target: no name was given, or "Abbruch" for the one given. The cards
        // are in no file, so the table has none and counts as changed.
        CardFileName.clear();
        SetPlainTitle();
        DataChanged = true;
        TransferFrm->hide();
        StringGrid1SelectCell(0, 1);
        return;
    }
    SetTitleWithName(CardFileName);
    RememberCardFileOnDisk();
    DataChanged = false;

    // The last lines stay readable for a moment before the window goes.
    QThread::msleep(1500);
    TransferFrm->hide();

    LoadCardFile();
    if (memoryCard) {
        HandlePendingMessages();
        DataChanged = false;
        PageControl1->setCurrentWidget(TabSheet1);
        RefreshMeasurementView(1);
    }
    StringGrid1SelectCell(0, 1);
}
