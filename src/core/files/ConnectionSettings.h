// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The way to the measuring device as [Main] of the settings file keeps it: the device type, the
// memory-card file, the port and its baud rate. The main window holds the program's values and
// hands them to the connection dialog, the transfer commands and the serial link.

#include <string>

class IniFile;

struct ConnectionSettings {
    // "COM", "MMC" or a device's name ("T7Q", "XQ", ...); Windows-1252, as in the file.
    std::string DeviceType = "RV";
    // Native (UTF-8) here, Windows-1252 in the file.
    std::string MmcFileName = "C:\\";
    int ComPort = 0;
    int BaudRate = 9600;
};

// The values of [Main]; a missing key keeps its default.
ConnectionSettings ReadConnectionSettings(const IniFile& ini);
// Writes them into [Main]; keys that already hold the value stay as they are.
void WriteConnectionSettings(IniFile& ini, const ConnectionSettings& settings);
