// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/CardImport.h"

#include "core/files/Ansi.h"
#include "core/interchange/CardFitting.h"

#include <string_view>

namespace {

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The non-empty cells of `sources` in `row`, joined by a blank.
std::string Joined(const SourceRow& row, const ColumnSources& sources) {
    std::string out;
    for (const int j : sources) {
        if (j < 0 || static_cast<size_t>(j) >= row.size()) {
            continue;
        }
        const std::string_view cell = Trim(row[static_cast<size_t>(j)]);
        if (cell.empty()) {
            continue;
        }
        if (!out.empty()) {
            out += ' ';
        }
        out += cell;
    }
    return out;
}

} // namespace

ImportResult ImportCards(const SourceRows& rows, const ImportPlan& plan, int colCount,
                         const ImportProgress& progress) {
    ImportResult result;
    const size_t first = plan.header ? 1 : 0;
    if (rows.size() > first) {
        result.cards.reserve(rows.size() - first);
    }
    std::vector<FieldChange> changes;
    for (size_t r = first; r < rows.size(); ++r) {
        if (progress && r % 1000 == 0) {
            progress(r);
        }
        CardTable::Row card(static_cast<size_t>(colCount));
        bool empty = true;
        changes.clear();
        for (int col = 0; col < colCount && static_cast<size_t>(col) < plan.mapping.size(); ++col) {
            const std::string text = Joined(rows[r], plan.mapping[static_cast<size_t>(col)]);
            if (text.empty()) {
                continue;
            }
            empty = false;
            FittedField fitted = FitField(col, text);
            if (fitted.changes != 0) {
                changes.push_back(FieldChange{static_cast<int>(r + 1), col, text,
                                              AnsiToUtf8(fitted.value), fitted.changes});
            }
            card[static_cast<size_t>(col)] = std::move(fitted.value);
        }
        if (empty) {
            ++result.report.skippedEmpty;
            continue;
        }
        for (FieldChange& change : changes) {
            result.report.Add(std::move(change));
        }
        result.cards.push_back(std::move(card));
    }
    result.report.imported = static_cast<int>(result.cards.size());
    return result;
}
