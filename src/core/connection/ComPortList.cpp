// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/connection/ComPortList.h"

#include "core/exchange/ComPortMap.h"
#include "core/files/Utf8Path.h"

#include <filesystem>
#include <system_error>

namespace {

std::string Resolved(const std::string& path) {
    std::error_code ec;
    const auto p = std::filesystem::weakly_canonical(PathFromUtf8(path), ec);
    return ec ? path : Utf8FromPath(p);
}

} // namespace

std::vector<int> AvailableComPorts(const std::function<bool(int)>& available) {
    std::vector<int> ports;
    for (int n = kFirstComPort; n <= kLastComPort; ++n) {
        if (available(n)) {
            ports.push_back(n);
        }
    }
    return ports;
}

std::string ComItemText(int n) {
    return "COM" + std::to_string(n);
}

int ComNumberOfItem(std::string_view item) {
    int n = 0;
    for (size_t i = 3; i < item.size() && i < 6; ++i) {
        const char c = item[i];
        if (c < '0' || c > '9') {
            break;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

int ComNumberOfDevice(const std::string& path, const IniFile* settings) {
    if (path.empty()) {
        return 0;
    }
    const std::string wanted = Resolved(path);
    for (int n = kFirstComPort; n <= kLastComPort; ++n) {
        const std::string mapped = ComDevicePath(n, settings);
        if (!mapped.empty() && (mapped == path || Resolved(mapped) == wanted)) {
            return n;
        }
    }
    return 0;
}
