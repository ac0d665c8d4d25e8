// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Customer.h"

#include "core/files/Trimmed.h"

namespace {

// Windows-1252: ASCII, the Latin-1 letters (not the multiplication sign), and the four pairs that
// the code page adds in 0x80-0x9F.
char Lower(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) {
        return static_cast<char>(u + 0x20);
    }
    switch (u) {
    case 0x8A: // S caron
    case 0x8C: // OE
    case 0x8E: // Z caron
        return static_cast<char>(u + 0x10);
    case 0x9F: // Y diaeresis
        return static_cast<char>(0xFF);
    default:
        return c;
    }
}

const std::string& CellOrEmpty(const CardTable::Row& row, size_t col) {
    static const std::string empty;
    return col < row.size() ? row[col] : empty;
}

} // namespace

std::string CustomerText(std::string_view text) {
    std::string out(Trimmed(text));
    for (char& c : out) {
        c = Lower(c);
    }
    return out;
}

bool IsCustomerText(std::string_view text, std::string_view key) {
    text = Trimmed(text);
    if (text.size() != key.size()) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (Lower(text[i]) != key[i]) {
            return false;
        }
    }
    return true;
}

CustomerKey CustomerOf(std::string_view name, std::string_view street, std::string_view town) {
    return {CustomerText(name), CustomerText(street), CustomerText(town)};
}

CustomerKey CustomerOf(const CardTable::Row& row) {
    return CustomerOf(CellOrEmpty(row, 0), CellOrEmpty(row, 1), CellOrEmpty(row, 2));
}

bool IsCustomer(const CardTable::Row& row, const CustomerKey& key) {
    // Most cards of a folder belong to someone else: the name alone decides for them.
    return IsCustomerText(CellOrEmpty(row, 0), key.name) &&
           IsCustomerText(CellOrEmpty(row, 1), key.street) &&
           IsCustomerText(CellOrEmpty(row, 2), key.town);
}
