// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardRemoval.h"

#include <algorithm>
#include <iterator>

std::vector<RowRun> CardRowRuns(std::vector<int> rows, int rowCount) {
    std::sort(rows.begin(), rows.end());
    std::vector<RowRun> runs;
    for (const int row : rows) {
        if (row < 1 || row >= rowCount) {
            continue;
        }
        if (!runs.empty() && row < runs.back().first + runs.back().count) {
            continue; // the same row again
        }
        if (!runs.empty() && row == runs.back().first + runs.back().count) {
            ++runs.back().count;
        } else {
            runs.push_back({row, 1});
        }
    }
    return runs;
}

int RowsIn(const std::vector<RowRun>& runs) {
    int n = 0;
    for (const RowRun& run : runs) {
        n += run.count;
    }
    return n;
}

void RemoveRowRuns(CardTable& table, const std::vector<RowRun>& runs) {
    if (runs.empty()) {
        return;
    }
    auto& rows = table.Rows();
    auto out = rows.begin() + runs.front().first;
    for (size_t i = 0; i < runs.size(); ++i) {
        const auto keepFrom = rows.begin() + runs[i].first + runs[i].count;
        const auto keepTo = i + 1 < runs.size() ? rows.begin() + runs[i + 1].first : rows.end();
        out = std::move(keepFrom, keepTo, out);
    }
    rows.erase(out, rows.end());
}

void InsertRowRuns(CardTable& table, const std::vector<RowRun>& runs,
                   std::vector<CardTable::Row> removed) {
    if (runs.empty() || static_cast<int>(removed.size()) != RowsIn(runs)) {
        return;
    }
    auto& rows = table.Rows();
    std::vector<CardTable::Row> merged;
    merged.reserve(rows.size() + removed.size());
    size_t kept = 0;
    size_t back = 0;
    for (const RowRun& run : runs) {
        // The rows that stayed before this run still stand before it.
        while (merged.size() < static_cast<size_t>(run.first) && kept < rows.size()) {
            merged.push_back(std::move(rows[kept++]));
        }
        for (int i = 0; i < run.count; ++i) {
            merged.push_back(std::move(removed[back++]));
        }
    }
    while (kept < rows.size()) {
        merged.push_back(std::move(rows[kept++]));
    }
    rows = std::move(merged);
}
