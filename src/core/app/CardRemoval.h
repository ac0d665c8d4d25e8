// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deleting a set of cards in one pass, however many there are and wherever they stand: the
// cards after a gap move up once, not once for every card deleted before them.

#include "core/files/CardTable.h"

#include <vector>

// Neighbouring table rows: `count` rows from `first` on.
struct RowRun {
    int first = 0;
    int count = 0;
    bool operator==(const RowRun& o) const { return first == o.first && count == o.count; }
};

// The card rows among `rows` (table rows 1 to rowCount - 1) as ascending runs of neighbouring
// rows. The caption row, rows outside the table and repeated rows are left out.
std::vector<RowRun> CardRowRuns(std::vector<int> rows, int rowCount);

// The number of rows in `runs`.
int RowsIn(const std::vector<RowRun>& runs);

// Removes the rows of `runs` (as CardRowRuns returns them) from the table; the other rows keep
// their order.
void RemoveRowRuns(CardTable& table, const std::vector<RowRun>& runs);

// Puts `removed` (the rows of `runs`, in order, as RemoveRowRuns took them) back where they were:
// the inverse of RemoveRowRuns, in one pass however many runs there are.
void InsertRowRuns(CardTable& table, const std::vector<RowRun>& runs,
                   std::vector<CardTable::Row> removed);
