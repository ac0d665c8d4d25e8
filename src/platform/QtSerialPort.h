// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial link's port on top of QSerialPort, and the wiring of the link to the event pump
// and clock of the platform.

#include "core/exchange/SerialLink.h"

#include <memory>

class QSerialPort;
class TransferLines;

class QtSerialPort : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

    bool Open(const std::string& devicePath) override;
    void Close() override;
    void SetLineSettings(int baudRate) override;
    void SetQueueSizes(int inputBytes, int outputBytes) override;
    void SetDtr(bool on) override;
    void SetRts(bool on) override;
    void Purge() override;
    int BytesWaiting() override;
    int Read(char* buffer, int maxBytes) override;
    void Write(const char* data, int size) override;
    bool Lost() const override;

private:
    std::unique_ptr<QSerialPort> port_;
};

// The serial link's surroundings: one QtSerialPort, the platform's event pump and tick count,
// and `lines`. Needs a QCoreApplication.
SerialLinkSetup QtSerialLinkSetup(TransferLines& lines);
