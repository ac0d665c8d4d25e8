// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PortProbe.h"

#include "core/exchange/ComPortMap.h"
#include "core/files/Utf8Path.h"

#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

bool CanOpenPortExclusively(const std::string& devicePath) {
    if (devicePath.empty()) {
        return false;
    }
#ifndef _WIN32
    // Most numbers of the fixed table name no file; skip them without Qt's lock file work.
    std::error_code ec;
    if (!std::filesystem::exists(PathFromUtf8(devicePath), ec)) {
        return false;
    }
#endif
    QString name = QString::fromStdString(devicePath);
#ifdef _WIN32
    // Qt adds its own "\\.\" prefix to a bare port name.
    if (name.startsWith(QStringLiteral("\\\\?\\"))) {
        name = name.mid(4);
    }
#endif
    QSerialPort port;
    port.setPortName(name);
    if (!port.open(QIODevice::ReadWrite)) {
        return false;
    }
    port.close();
    return true;
}

bool ComPortAvailable(int n, const IniFile* settings) {
    return CanOpenPortExclusively(ComDevicePath(n, settings));
}

std::vector<SerialDeviceInfo> ListSerialDevices() {
    std::vector<SerialDeviceInfo> out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        out.push_back({info.systemLocation().toStdString(), info.description().toStdString()});
    }
    std::sort(out.begin(), out.end(),
              [](const SerialDeviceInfo& a, const SerialDeviceInfo& b) { return a.path < b.path; });
    return out;
}
