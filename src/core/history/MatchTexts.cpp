// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/MatchTexts.h"

#include "core/history/HistoryTable.h"

namespace {

std::string Head(const std::string& unit, int row, const CardTable& table) {
    return unit + " " + std::to_string(row) + ": " + CustomerLine(table.RowAt(row));
}

} // namespace

std::vector<std::string> MatchedLines(const CardTable& table, const MatchPlan& plan,
                                      const std::string& unit) {
    std::vector<std::string> lines;
    for (const MatchedCard& m : plan.matched) {
        std::string line = Head(unit, m.row, table);
        const std::string full = CustomerLine(m.card);
        if (full != CustomerLine(table.RowAt(m.row))) {
            line += " wird zu " + full;
        }
        if (m.factsFilled > 0) {
            line += ", " + std::to_string(m.factsFilled) +
                    (m.factsFilled == 1 ? " Angabe" : " Angaben") + " zur Anlage erg\xC3\xA4nzt";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> AmbiguousLines(const CardTable& table, const MatchPlan& plan,
                                        const std::string& unit) {
    std::vector<std::string> lines;
    for (const AmbiguousCard& a : plan.ambiguous) {
        std::string line = Head(unit, a.row, table) + " passt zu " +
                           std::to_string(a.customers.size()) + " Kunden: ";
        for (size_t i = 0; i < a.customers.size(); ++i) {
            line += (i > 0 ? "; " : "") + CustomerLine(a.customers[i]);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> NotFoundLines(const CardTable& table, const MatchPlan& plan,
                                       const std::string& unit) {
    std::vector<std::string> lines;
    for (const int row : plan.notFound) {
        lines.push_back(Head(unit, row, table));
    }
    return lines;
}
