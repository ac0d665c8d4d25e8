// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chimney sweep's own name and address, set once with "Einstellung / Betrieb..." and kept in
// the settings file, section [Betrieb]; it stands at the top of every certificate. Texts are
// Windows-1252 like every other value of the settings file.

#include <array>
#include <optional>
#include <string>
#include <vector>

class IniFile;

constexpr int kBusinessLines = 4;
// The keys of section [Betrieb] in the order they are shown and written.
extern const char* const kBusinessKeys[kBusinessLines];

using SweepBusiness = std::array<std::string, kBusinessLines>; // name, street, town, phone

SweepBusiness ReadSweepBusiness(const IniFile& ini);
void WriteSweepBusiness(IniFile& ini, const SweepBusiness& business);

// The uncertainty of the analyser's flue-gas loss in tenths of a percentage point, kept in
// [Betrieb] with a point as its decimal sign; nothing when it is not set or not readable.
extern const char* const kLossUncertaintyKey;
std::optional<int> ReadLossUncertainty(const IniFile& ini);
void WriteLossUncertainty(IniFile& ini, std::optional<int> tenths);
// "0.6" for 6; empty for nothing.
std::string TenthsText(std::optional<int> tenths);

// The names of the fuel table entries 0 to 15; where the settings file has none, the names the
// program writes on its first start.
std::vector<std::string> ReadFuelNames(const IniFile& ini);
