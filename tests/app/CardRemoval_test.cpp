// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardRemoval.h"

#include <gtest/gtest.h>

TEST(CardRemoval, ScatteredCardsGoInOnePassAndTheRestKeepItsOrder) {
    // Caption row, repeats and rows outside the table are no cards to delete.
    EXPECT_EQ(CardRowRuns({7, 2, 3, 0, 3, 9, 4, 10, -1}, 10),
              (std::vector<RowRun>{{2, 3}, {7, 1}, {9, 1}}));
    CardTable table;
    table.SetColCount(1);
    std::vector<int> rows;
    for (int i = 0; i <= 100000; ++i) {
        table.AppendRow({std::to_string(i)});
        if (i % 40 == 0 || i <= 2) {
            rows.push_back(i);
        }
    }
    const std::vector<RowRun> runs = CardRowRuns(rows, table.RowCount());
    EXPECT_EQ(RowsIn(runs), 2 + 2500);
    RemoveRowRuns(table, runs);
    ASSERT_EQ(table.RowCount(), 100001 - 2502);
    EXPECT_EQ(table.Cell(0, 0), "0");
    EXPECT_EQ(table.Cell(0, 1), "3");
    EXPECT_EQ(table.Cell(0, 37), "39");
    EXPECT_EQ(table.Cell(0, 38), "41");
    EXPECT_EQ(table.Cell(0, table.RowCount() - 1), "99999");

    // Undone, every card is back in its place: the runs at the start and the end included.
    std::vector<CardTable::Row> removed;
    for (const RowRun& run : runs) {
        for (int r = run.first; r < run.first + run.count; ++r) {
            removed.push_back({std::to_string(r)});
        }
    }
    InsertRowRuns(table, runs, removed);
    ASSERT_EQ(table.RowCount(), 100001);
    for (int i = 0; i <= 100000; ++i) {
        ASSERT_EQ(table.Cell(0, i), std::to_string(i));
    }
}
