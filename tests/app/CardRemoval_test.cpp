// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardRemoval.h"

#include <gtest/gtest.h>

namespace {

// A caption row and the cards "1" to "n" in one column.
CardTable Numbered(int n) {
    CardTable table;
    table.SetColCount(1);
    table.AppendRow({"Name"});
    for (int i = 1; i <= n; ++i) {
        table.AppendRow({std::to_string(i)});
    }
    return table;
}

} // namespace

TEST(CardRemoval, RunsLeaveOutTheCaptionRowRepeatsAndRowsOutsideTheTable) {
    const std::vector<RowRun> runs = CardRowRuns({7, 2, 3, 0, 3, 9, 4, 10, -1}, 10);
    EXPECT_EQ(runs, (std::vector<RowRun>{{2, 3}, {7, 1}, {9, 1}}));
    EXPECT_EQ(RowsIn(runs), 5);
    EXPECT_TRUE(CardRowRuns({0, 1}, 1).empty());
}

TEST(CardRemoval, RemovesScatteredRunsAndKeepsTheOrderOfTheRest) {
    CardTable table = Numbered(9);
    RemoveRowRuns(table, CardRowRuns({1, 2, 5, 9}, table.RowCount()));
    std::vector<std::string> left;
    for (const CardTable::Row& row : table.Rows()) {
        left.push_back(row[0]);
    }
    EXPECT_EQ(left, (std::vector<std::string>{"Name", "3", "4", "6", "7", "8"}));

    // Every card, and then nothing at all.
    table = Numbered(3);
    RemoveRowRuns(table, CardRowRuns({3, 1, 2}, table.RowCount()));
    EXPECT_EQ(table.RowCount(), 1);
    RemoveRowRuns(table, {});
    EXPECT_EQ(table.RowCount(), 1);
}

TEST(CardRemoval, ThousandsOfScatteredCardsOfALargeTable) {
    CardTable table = Numbered(100000);
    std::vector<int> rows;
    for (int row = 40; row <= 100000; row += 40) {
        rows.push_back(row);
    }
    RemoveRowRuns(table, CardRowRuns(rows, table.RowCount()));
    ASSERT_EQ(table.RowCount(), 100001 - 2500);
    EXPECT_EQ(table.Cell(0, 39), "39");
    EXPECT_EQ(table.Cell(0, 40), "41");
    EXPECT_EQ(table.Cell(0, table.RowCount() - 1), "99999");
}
