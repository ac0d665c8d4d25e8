// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The two transfer commands of the main window: they choose the route, ask for the files and,
// after a receive, save the received cards into the card file the user chose.

#include "core/files/AtomicFile.h"
#include "core/files/uGlobal.h"
#include "gui/app/uMainFrm.h"
#include "gui/exchange/uKuerzungFrm.h"
#include "gui/exchange/uTransferFrm.h"
#include "gui/files/uUeberschreibFrm.h"
#include "platform/EventPump.h"
#include "platform/TextCodec.h"

#include <QFileInfo>

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
    return UeberschreibFrm->Ask();
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
    // The device keeps only the start of long texts; the user decides before anything is sent.
    if (!MaySendCuts(Cards(), this)) {
        return;
    }
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
    TCardDocument& doc = document_;
    const std::string previousName = doc.FileName();
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
        target = doc.FileName();
    } else {
        PrepareCardSaveDialog();
        if (!SaveDialog1.Execute(this)) {
            StringGrid1SelectCell(0, 1);
            return;
        }
        target = ToUtf8(SaveDialog1.FileName);
        doc.SetFileName(target);
    }

    // The answer holds until the write, whatever Neu1Click asks in between.
    const TSaveMode answer = AskHowToWrite(target);
    if (answer == smCancel) {
        // Nothing happened, so the table keeps the file it belongs to.
        doc.SetFileName(previousName);
        return;
    }
    Neu1Click();
    HandlePendingMessages();
    if (doc.Changed()) {
        // The user wanted the typed changes saved and that did not happen (the save dialog was
        // cancelled, or "Abbruch"); the received cards would replace them unsaved.
        doc.SetFileName(previousName);
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

    doc.SetFileName(target);
    doc.SetWriteMode(answer);
    const bool written = WriteCardFile();
    ShowCardPage();
    if (!written) {
        // Only without a target: no name was given, or "Abbruch" for the one given. The cards
        // are in no file, so the table has none and counts as changed.
        doc.SetFileName(std::string());
        SetPlainTitle();
        doc.SetChanged(true);
        MarkHistoryUnsaved();
        TransferFrm->hide();
        StringGrid1SelectCell(0, 1);
        return;
    }
    SetTitleWithName(doc.FileName());
    RememberCardFileOnDisk();
    doc.SetChanged(false);

    // The last lines stay readable for a moment before the window goes.
    waits_.hold(1500);
    TransferFrm->hide();

    LoadCardFile();
    if (memoryCard) {
        HandlePendingMessages();
        doc.SetChanged(false);
        ShowFirstCard();
    }
    StringGrid1SelectCell(0, 1);
    PointToMatching();
}
