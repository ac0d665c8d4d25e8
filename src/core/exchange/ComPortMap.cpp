// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/ComPortMap.h"

#include "core/files/IniFile.h"

std::string DefaultComDevicePath(int n) {
#ifdef _WIN32
    return n >= 1 ? "\\\\?\\COM" + std::to_string(n) : std::string();
#else
    if (n >= 1 && n <= 32) {
        return "/dev/ttyS" + std::to_string(n - 1);
    }
    if (n >= 33 && n <= 64) {
        return "/dev/ttyUSB" + std::to_string(n - 33);
    }
    if (n >= 65 && n <= 96) {
        return "/dev/ttyACM" + std::to_string(n - 65);
    }
    return {};
#endif
}

std::string ComDevicePath(int n, const IniFile* settings) {
#ifndef _WIN32
    if (settings != nullptr) {
        const std::string entry = settings->ReadString("Ports", "COM" + std::to_string(n), "");
        if (!entry.empty()) {
            return entry;
        }
    }
#else
    (void)settings;
#endif
    return DefaultComDevicePath(n);
}
