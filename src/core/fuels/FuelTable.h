// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fuel table as the editor holds it, and the checks its "OK" button runs before saving.
// Cells are Windows-1252 byte strings, numbers kept as the texts the user typed.

#include <array>
#include <functional>
#include <string>
#include <string_view>

class IniFile;

constexpr int kFuelEntries = 16;
constexpr int kFuelFields = 5; // Name, CO2Max, A1, B, MaxEta
constexpr std::size_t kMaxFuelNameLength = 13;

// The keys of an entry's section, in the order they are written.
extern const char* const kFuelFieldKeys[kFuelFields];

using FuelEntryCells = std::array<std::string, kFuelFields>;
using FuelTableCells = std::array<FuelEntryCells, kFuelEntries>;

namespace FuelText {
std::string CommaToPoint(std::string_view text);
std::string PointToComma(std::string_view text);
// Blanks, an optional sign, digits with an optional "." and digits (either run may be empty),
// an optional exponent; nothing after it. Independent of any locale.
bool IsNumber(std::string_view text);
// The messages of the checks, UTF-8.
std::string NameTooLongMessage();
std::string NotANumberMessage(std::string_view cell);
} // namespace FuelText

struct FuelFault {
    int entry; // 0 to 15
    int field; // 0 name, 1 to 4 the numbers
    std::string message;
};

// Checks the entries in order. A name longer than 13 characters is reported, then cut, and ends
// the checks. In each number cell a comma becomes a point (written back, valid or not); an entry's
// first cell that is no number is reported and the entry's other cells are skipped. `report` sees
// the cells as they stand at that moment. Returns true when every check passed.
bool CheckFuelTable(FuelTableCells& cells, const std::function<void(const FuelFault&)>& report);

// Every key of sections "0" to "15", an empty text where one is missing.
void ReadFuelTable(const IniFile& ini, FuelTableCells& cells);
// Writes the 80 keys in order; the first failed write throws and ends it.
void WriteFuelTable(IniFile& ini, const FuelTableCells& cells);
