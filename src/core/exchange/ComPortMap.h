// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which device file a port number "COM<n>" means. On Windows the system's own name; elsewhere
// an entry "COM<n>=<path>" of the section [Ports] in the settings file wins, otherwise a fixed
// table: COM1-32 /dev/ttyS0-31, COM33-64 /dev/ttyUSB0-31, COM65-96 /dev/ttyACM0-31.

#include <string>

class IniFile;

// The device path for port `n`, or an empty text when the number maps to nothing.
// `settings` may be null (no [Ports] entries).
std::string ComDevicePath(int n, const IniFile* settings);

// The fixed table alone.
std::string DefaultComDevicePath(int n);
