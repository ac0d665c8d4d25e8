// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The port numbers the connection dialog offers, and which number a device file has.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class IniFile;

constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 255;

// The numbers 1 to 255, ascending, for which `available` is true.
std::vector<int> AvailableComPorts(const std::function<bool(int)>& available);

// "COM" followed by the number in decimal.
std::string ComItemText(int n);

// The number in an item text: the characters 4 to 6 (the digits after "COM"); 0 without digits.
int ComNumberOfItem(std::string_view item);

// The lowest COM number that the mapping gives the device file `path` (links resolved),
// or 0 when none does.
int ComNumberOfDevice(const std::string& path, const IniFile* settings);
