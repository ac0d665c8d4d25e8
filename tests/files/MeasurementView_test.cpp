// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/MeasurementView.h"

#include <gtest/gtest.h>

TEST(MeasurementView, TwentyTwoFieldsFillFifteenThenSeven) {
    CardTable table;
    table.SetColCount(25);
    table.SetRowCount(2);
    ValueList list;
    for (int i = 0; i < 22; ++i) {
        list.push_back({"c" + std::to_string(i), ""});
        table.SetCell(i + 3, 1, "v" + std::to_string(i));
    }
    CopyCardToValueList(table, 1, list);
    ViewCells view;
    FillMeasurementView(list, view);
    EXPECT_EQ(view[0][0], "c0");
    EXPECT_EQ(view[1][14], "v14");
    EXPECT_EQ(view[2][0], "c15");
    EXPECT_EQ(view[3][6], "v21");
    EXPECT_EQ(view[2][7], "");
    ClearValueList(list);
    EXPECT_EQ(list[5].value, "");
    EXPECT_EQ(list[5].caption, "c5");
}

TEST(MeasurementView, EntriesBeyondThirtyOverwriteTheSecondPair) {
    ValueList list;
    for (int i = 0; i < 31; ++i) {
        list.push_back({"c" + std::to_string(i), "v" + std::to_string(i)});
    }
    ViewCells view;
    FillMeasurementView(list, view);
    EXPECT_EQ(view[2][0], "c30");
    EXPECT_EQ(view[3][0], "v30");
    EXPECT_EQ(view[2][1], "c16");
}

TEST(MeasurementView, ValueListShorterThanTheCardTakesWhatFits) {
    CardTable table;
    table.SetColCount(6);
    table.SetRowCount(2);
    table.SetCell(3, 1, "a");
    table.SetCell(5, 1, "c");
    ValueList list{{"x", ""}};
    CopyCardToValueList(table, 1, list);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].value, "a");
}
