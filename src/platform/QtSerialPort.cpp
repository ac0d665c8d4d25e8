// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtSerialPort.h"

#include "platform/EventPump.h"
#include "platform/TextCodec.h"

#include <QSerialPort>

#ifndef _WIN32
#include <poll.h>
#endif

QtSerialPort::QtSerialPort() : port_(std::make_unique<QSerialPort>()) {}

QtSerialPort::~QtSerialPort() = default;

bool QtSerialPort::Open(const std::string& devicePath) {
    if (port_->isOpen()) {
        port_->close();
    }
    QString name = FromUtf8(devicePath);
#ifdef _WIN32
    // QSerialPort builds the system path from the bare name itself.
    if (name.startsWith(QStringLiteral("\\\\?\\"))) {
        name = name.mid(4);
    }
#endif
    port_->setPortName(name);
    port_->clearError();
    // QSerialPort opens exclusively: a second opener is refused.
    return port_->open(QIODevice::ReadWrite);
}

void QtSerialPort::Close() {
    port_->close();
    port_->clearError();
}

// A pseudo-terminal or a simple adapter refuses some settings; the device decides anyway
// whether the link works, so refusals are dropped.
void QtSerialPort::SetLineSettings(int baudRate) {
    port_->setBaudRate(baudRate);
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::TwoStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    port_->clearError();
}

void QtSerialPort::SetQueueSizes(int inputBytes, int) {
    // Qt keeps the input queue itself; the output is written out frame by frame.
    port_->setReadBufferSize(inputBytes);
}

void QtSerialPort::SetDtr(bool on) {
    port_->setDataTerminalReady(on);
    port_->clearError();
}

void QtSerialPort::SetRts(bool on) {
    port_->setRequestToSend(on);
    port_->clearError();
}

void QtSerialPort::Purge() {
    port_->clear(QSerialPort::AllDirections);
    if (!Lost()) {
        port_->clearError();
    }
}

int QtSerialPort::BytesWaiting() {
    if (!port_->isOpen()) {
        return 0;
    }
    const qint64 n = port_->bytesAvailable();
    return n > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(n);
}

int QtSerialPort::Read(char* buffer, int maxBytes) {
    const qint64 n = port_->read(buffer, maxBytes);
    return n > 0 ? static_cast<int>(n) : 0;
}

void QtSerialPort::Write(const char* data, int size) {
    port_->write(data, size);
    // Hand the frame to the driver now instead of at the next event.
    port_->flush();
}

bool QtSerialPort::Lost() const {
    if (!port_->isOpen()) {
        return true;
    }
    const QSerialPort::SerialPortError e = port_->error();
    if (e == QSerialPort::ResourceError || e == QSerialPort::ReadError) {
        return true;
    }
#ifndef _WIN32
    // A hung-up line (unplugged adapter, closed pseudo-terminal) reads as an endless end of
    // file without an error of its own.
    pollfd p{static_cast<int>(port_->handle()), POLLIN, 0};
    if (p.fd >= 0 && ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
        return true;
    }
#endif
    return false;
}

namespace {
QtSerialPort& ThePort() {
    static QtSerialPort port;
    return port;
}
} // namespace

SerialLinkSetup QtSerialLinkSetup(TransferLines& lines) {
    SerialLinkSetup setup;
    setup.port = &ThePort();
    setup.lines = &lines;
    setup.handlePendingMessages = [] { HandlePendingMessages(); };
    setup.waitForEvents = [](int ms) { WaitForEvents(ms); };
    setup.tickCount = [] { return TickCount(); };
    return setup;
}
