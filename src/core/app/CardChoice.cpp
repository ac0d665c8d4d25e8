// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardChoice.h"

#include "core/files/Customer.h"

#include <string>

std::vector<int> CardsContaining(const CardTable& table, std::string_view text) {
    std::vector<int> rows;
    const std::string wanted = CustomerText(text);
    if (wanted.empty()) {
        return rows;
    }
    for (int row = 1; row < table.RowCount(); ++row) {
        const CardTable::Row& cells = table.RowAt(row);
        for (size_t col = 0; col < 3 && col < cells.size(); ++col) {
            if (CustomerText(cells[col]).find(wanted) != std::string::npos) {
                rows.push_back(row);
                break;
            }
        }
    }
    return rows;
}
