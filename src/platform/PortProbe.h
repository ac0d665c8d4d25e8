// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a serial port can be opened now, and which serial devices the system knows.

#include <string>
#include <vector>

class IniFile;

// Opens the device exclusively, as a transfer would, and closes it at once. A device that is
// missing, not a serial port, or held by another program gives false.
bool CanOpenPortExclusively(const std::string& devicePath);

// Port "COM<n>" under the mapping of the settings' [Ports] section (`settings` may be null).
bool ComPortAvailable(int n, const IniFile* settings);

struct SerialDeviceInfo {
    std::string path;        // UTF-8
    std::string description; // UTF-8, empty when the system gives none
};

// The serial devices the system lists, ordered by path.
std::vector<SerialDeviceInfo> ListSerialDevices();
