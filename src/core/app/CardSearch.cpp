// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardSearch.h"

#include "core/files/Trimmed.h"

namespace {

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string SearchKey(std::string_view text) {
    const std::string_view t = Trimmed(text);
    std::string out(t);
    for (char& c : out) {
        c = Upper(c);
    }
    return out;
}

bool SearchHit(std::string_view cell, std::string_view key) {
    if (key.empty()) {
        return false;
    }
    // Compares in place: cells are many and most do not hit.
    const std::string_view c = Trimmed(cell);
    if (c.size() < key.size()) {
        return false;
    }
    const size_t last = c.size() - key.size();
    for (size_t i = 0; i <= last; ++i) {
        size_t k = 0;
        while (k < key.size() && Upper(c[i + k]) == key[k]) {
            ++k;
        }
        if (k == key.size()) {
            return true;
        }
    }
    return false;
}

bool WalkSearchHits(const CardTable& table, std::string_view key,
                    const std::function<bool(int col, int row)>& atHit) {
    const int lastRow = table.RowCount() - 1;
    for (int row = 1; row <= lastRow && row < table.RowCount(); ++row) {
        for (int col = 0; col < table.ColCount() && row < table.RowCount(); ++col) {
            if (SearchHit(table.Cell(col, row), key) && !atHit(col, row)) {
                return false;
            }
        }
    }
    return true;
}
