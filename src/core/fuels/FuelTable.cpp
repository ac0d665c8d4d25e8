// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fuels/FuelTable.h"

#include "core/files/Ansi.h"
#include "core/files/IniFile.h"

const char* const kFuelFieldKeys[kFuelFields] = {"Name", "CO2Max", "A1", "B", "MaxEta"};

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Replaced(std::string_view text, char from, char to) {
    std::string out(text);
    for (char& c : out) {
        if (c == from) {
            c = to;
        }
    }
    return out;
}

} // namespace

namespace FuelText {

std::string CommaToPoint(std::string_view text) {
    return Replaced(text, ',', '.');
}

std::string PointToComma(std::string_view text) {
    return Replaced(text, '.', ',');
}

bool IsNumber(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const size_t mantissaStart = i;
    while (i < n && IsDigit(text[i])) {
        ++i;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) {
            ++i;
        }
    }
    const bool hasMantissa = i > mantissaStart;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const size_t expStart = i;
        while (i < n && IsDigit(text[i])) {
            ++i;
        }
        if (i == expStart) {
            return false;
        }
        return i == n;
    }
    // Without an exponent something has to stand after the blanks and the sign.
    return hasMantissa && i == n;
}

std::string NameTooLongMessage() {
    return "Brennstoffarten-Bezeichnung ist zu lang und wird auf 13 Zeichen gek\xC3\xBCrzt";
}

std::string NotANumberMessage(std::string_view cell) {
    return AnsiToUtf8(PointToComma(cell)) + " ist kein g\xC3\xBCltiger numerischer Wert.";
}

} // namespace FuelText

bool CheckFuelTable(FuelTableCells& cells, const std::function<void(const FuelFault&)>& report) {
    bool passed = true;
    for (int n = 0; n < kFuelEntries; ++n) {
        FuelEntryCells& entry = cells[static_cast<size_t>(n)];
        if (entry[0].size() > kMaxFuelNameLength) {
            report({n, 0, FuelText::NameTooLongMessage()});
            entry[0].resize(kMaxFuelNameLength);
            return false;
        }
        for (int f = 1; f < kFuelFields; ++f) {
            std::string& cell = entry[static_cast<size_t>(f)];
            cell = FuelText::CommaToPoint(cell);
            if (!FuelText::IsNumber(cell)) {
                report({n, f, FuelText::NotANumberMessage(cell)});
                passed = false;
                break;
            }
        }
    }
    return passed;
}

void ReadFuelTable(const IniFile& ini, FuelTableCells& cells) {
    for (int n = 0; n < kFuelEntries; ++n) {
        const std::string section = std::to_string(n);
        for (int f = 0; f < kFuelFields; ++f) {
            cells[static_cast<size_t>(n)][static_cast<size_t>(f)] =
                ini.ReadString(section, kFuelFieldKeys[f], "");
        }
    }
}

void WriteFuelTable(IniFile& ini, const FuelTableCells& cells) {
    for (int n = 0; n < kFuelEntries; ++n) {
        const std::string section = std::to_string(n);
        for (int f = 0; f < kFuelFields; ++f) {
            ini.WriteString(section, kFuelFieldKeys[f],
                            cells[static_cast<size_t>(n)][static_cast<size_t>(f)]);
        }
    }
}
