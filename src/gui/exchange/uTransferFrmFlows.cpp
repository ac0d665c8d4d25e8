// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The four transfer flows. They never touch the device formats: the card table travels through
// the temporary card file, and the conversions and the serial link do the rest.

#include "core/exchange/SerialLink.h"
#include "core/exchange/SerialRecords.h"
#include "core/exchange/TransferFile.h"

#include "core/files/CardDocument.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/FileErrors.h"
#include "core/files/ScopeExit.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardWindow.h"
#include "gui/exchange/uTransferFrm.h"
#include "platform/EventPump.h"
#include "platform/TempFileNames.h"
#include "platform/TextCodec.h"

std::string TempCardFile;
std::string TempDeviceFile;

namespace {

// The folder chosen at the start; the flows make their files there.
std::string TempFolder;

void EnsureTempFile(std::string& name, const char* prefix) {
    // A name of ours is a plain file that we own. Anything else under that name (a link) is not
    // written to.
    if (IsOwnPlainFile(name)) {
        return;
    }
    if (TempFolder.empty()) {
        TempFolder = OwnTempFolder();
    }
    name = MakeTempFileName(TempFolder, prefix);
    if (name.empty()) {
        throw EInOutError("Unable to create a temporary file");
    }
}

void EnsureTempFiles() {
    EnsureTempFile(TempCardFile, "tmp");
    EnsureTempFile(TempDeviceFile, "raw");
}

// The cards in these files are personal data: they go as soon as a flow is done with them.
void RemoveTempFile(std::string& name) {
    RemoveOwnTempFile(name);
    name.clear();
}

void RemoveTempFiles() {
    RemoveTempFile(TempCardFile);
    RemoveTempFile(TempDeviceFile);
}

bool ConvertsUmlauts(const ConnectionSettings& settings) {
    return settings.DeviceType == "XQ";
}

} // namespace

void MakeTransferTempFiles() {
    TempFolder = OwnTempFolder();
    RemoveStaleTempFiles(TempFolder);
    TempCardFile = MakeTempFileName(TempFolder, "tmp");
    TempDeviceFile = MakeTempFileName(TempFolder, "raw");
}

void RemoveTransferTempFiles() {
    RemoveTempFiles();
    TempFolder.clear();
}

void TTransferFrm::WriteTempCardFile() {
    // The table goes out whole, whatever the last answer to the file-exists question was.
    TCardDocument& doc = window_->Document();
    doc.SetWriteMode(smOverwrite);
    doc.WriteTo(TempCardFile);
}

void TTransferFrm::ShowForTransfer() {
    // Showing starts the list afresh; a window left open by the last send is shown anew.
    if (isVisible()) {
        hide();
    }
    show();
    activateWindow();
    HandlePendingMessages();
}

void TTransferFrm::SendViaCom() {
    setWindowTitle(QString::fromUtf8("Übertragung"));
    EnsureTempFiles();
    ScopeExit remove(RemoveTempFiles);
    WriteTempCardFile();
    BuildSendRecords(TempCardFile, TempDeviceFile, ConvertsUmlauts(settings_), PauseMs);
    link_.SendToDevice(TempDeviceFile);
}

bool TTransferFrm::ReceiveViaCom() {
    EnsureTempFiles();
    ScopeExit remove(RemoveTempFiles);
    if (!link_.ReceiveFromDevice(TempDeviceFile)) {
        return false;
    }
    ConvertReceivedRecords(TempDeviceFile, TempCardFile, ConvertsUmlauts(settings_), *this,
                           PauseMs);
    window_->LoadCards(TempCardFile);
    window_->ShowFirstCard();
    return true;
}

void TTransferFrm::WriteMmcFile() {
    EnsureTempFiles();
    ScopeExit remove(RemoveTempFiles);
    WriteTempCardFile();
    ExportTransferFile(settings_.MmcFileName, TempCardFile, *this);
    window_->ShowCardPage();
}

void TTransferFrm::ReadMmcFile() {
    EnsureTempFiles();
    ScopeExit remove(RemoveTempFiles);
    ImportTransferFile(settings_.MmcFileName, TempCardFile, *this, PauseMs);
    window_->LoadCards(TempCardFile);
    window_->ShowFirstCard();
}
