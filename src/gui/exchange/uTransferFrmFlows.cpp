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

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

std::string TempCardFile;
std::string TempDeviceFile;

namespace {

// A name of ours is a plain file that we own. Anything else under that name (a link someone
// put there, a file of another user after a clean-up of the temporary folder) is not written to.
bool IsOwnTempFile(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    const QFileInfo info(FromUtf8(name));
    if (info.isSymLink() || !info.isFile()) {
        return false;
    }
#ifdef Q_OS_UNIX
    return info.ownerId() == ::geteuid();
#else
    return true;
#endif
}

void EnsureTempFile(std::string& name, const char* prefix) {
    if (IsOwnTempFile(name)) {
        return;
    }
    name = MakeTempFileName(prefix);
    if (name.empty()) {
        throw EInOutError("Unable to create a temporary file");
    }
}

void EnsureTempFiles() {
    EnsureTempFile(TempCardFile, "tmp");
    EnsureTempFile(TempDeviceFile, "raw");
}

// Takes the contents away but keeps the file: a name that stays ours cannot be taken over by
// someone else between two transfers.
void DiscardTempFile(const std::string& name) {
    if (IsOwnTempFile(name)) {
        QFile(FromUtf8(name)).resize(0);
    }
}

bool ConvertsUmlauts(const ConnectionSettings& settings) {
    return settings.DeviceType == "XQ";
}

} // namespace

void MakeTransferTempFiles() {
    TempCardFile = MakeTempFileName("tmp");
    TempDeviceFile = MakeTempFileName("raw");
}

void ForgetTransferTempFiles() {
    TempCardFile.clear();
    TempDeviceFile.clear();
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
    ScopeExit discard([] {
        DiscardTempFile(TempDeviceFile);
        DiscardTempFile(TempCardFile);
    });
    WriteTempCardFile();
    BuildSendRecords(TempCardFile, TempDeviceFile, ConvertsUmlauts(settings_), PauseMs);
    link_.SendToDevice(TempDeviceFile);
}

bool TTransferFrm::ReceiveViaCom() {
    EnsureTempFiles();
    // The received data stay in the temporary files until the next transfer.
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
    ScopeExit discard([] { DiscardTempFile(TempCardFile); });
    WriteTempCardFile();
    ExportTransferFile(settings_.MmcFileName, TempCardFile, *this);
    window_->ShowCardPage();
}

void TTransferFrm::ReadMmcFile() {
    EnsureTempFiles();
    ScopeExit discard([] { DiscardTempFile(TempCardFile); });
    ImportTransferFile(settings_.MmcFileName, TempCardFile, *this, PauseMs);
    window_->LoadCards(TempCardFile);
    window_->ShowFirstCard();
}
