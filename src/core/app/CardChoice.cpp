// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardChoice.h"

#include "core/files/CardColumns.h"
#include "core/files/Customer.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

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

std::vector<int> CardsDueIn(const CardTable& table, const DueList& list) {
    auto id = [](const CustomerKey& k) { return k.name + '\x1F' + k.street + '\x1F' + k.town; };
    // Per due customer the best row so far and its date (year, month, day; -1 for none).
    std::map<std::string, std::pair<int, std::tuple<int, int, int>>> best;
    for (const DueEntry& e : list.due) {
        best.emplace(id(CustomerOf(e.customer->card)),
                     std::make_pair(0, std::make_tuple(-1, 0, 0)));
    }
    for (int row = 1; row < table.RowCount(); ++row) {
        const auto it = best.find(id(CustomerOf(table.RowAt(row))));
        if (it == best.end()) {
            continue;
        }
        CardDate d;
        const std::tuple<int, int, int> date = ParseCardDate(table.Cell(kColDate, row), d)
                                                   ? std::make_tuple(d.year, d.month, d.day)
                                                   : std::make_tuple(-1, 0, 0);
        if (it->second.first == 0 || date > it->second.second) {
            it->second = {row, date};
        }
    }
    std::vector<int> rows;
    for (const auto& [key, found] : best) {
        if (found.first > 0) {
            rows.push_back(found.first);
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}
