// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

namespace {

int ByteOrder(const std::string& a, const std::string& b) {
    return a.compare(b);
}

CardTable Cards(const std::vector<CardTable::Row>& rows, int cols = 4) {
    CardTable t;
    t.SetColCount(cols);
    t.AppendRow({"Name", "Strasse", "Ort", "Wert"});
    for (const auto& r : rows) {
        t.AppendRow(r);
    }
    return t;
}

} // namespace

TEST(CardSort, KeysInOrderStableAndWholeRowsMove) {
    CardTable t = Cards({{"Meier", "B", "X", "1"},
                         {"Abel", "Z", "Y", "2"},
                         {"Meier", "A", "Y", "3"},
                         {"Meier", "A", "X", "4"},
                         {"Abel", "Z", "Y", "5"}});
    const std::vector<int> moved = SortGrid(t, kSortByName, ByteOrder);
    std::vector<std::string> values;
    for (int r = 1; r < t.RowCount(); ++r) {
        values.push_back(t.Cell(3, r));
    }
    // Equal keys (rows 2 and 5) keep their order; street before town.
    EXPECT_EQ(values, (std::vector<std::string>{"2", "5", "4", "3", "1"}));
    EXPECT_EQ(t.Cell(0, 0), "Name");
    EXPECT_EQ(moved, (std::vector<int>{0, 5, 1, 4, 3, 2}));

    SortGrid(t, kSortByTown, ByteOrder);
    EXPECT_EQ(t.Cell(3, 1), "4"); // X, Meier
    EXPECT_EQ(t.Cell(3, 2), "1");
}

TEST(CardSort, ComparatorDecidesAndFullTablesAreSorted) {
    // Far more than 2001 cards in reverse order: every card reaches its place.
    std::vector<CardTable::Row> rows;
    for (int i = 5000; i > 0; --i) {
        rows.push_back({std::to_string(100000 + i), "", "", ""});
    }
    CardTable t = Cards(rows);
    SortGrid(t, kSortByName, ByteOrder);
    for (int r = 1; r < t.RowCount(); ++r) {
        ASSERT_EQ(t.Cell(0, r), std::to_string(100000 + r));
    }
    // A reversed comparator reverses the order.
    SortGrid(t, kSortByName,
             [](const std::string& a, const std::string& b) { return b.compare(a); });
    EXPECT_EQ(t.Cell(0, 1), "105000");
}

TEST(CardSort, MissingKeyColumnChangesNothing) {
    CardTable t = Cards({{"B"}, {"A"}}, 2);
    EXPECT_TRUE(SortGrid(t, kSortByName, ByteOrder).empty());
    EXPECT_EQ(t.Cell(0, 1), "B");
    CardTable empty = Cards({});
    EXPECT_EQ(SortGrid(empty, kSortByName, ByteOrder), (std::vector<int>{0}));
}

TEST(CardSort, TextsEqualByTheComparatorAreEqualKeys) {
    // Compared without case, "abel" and "ABEL" are the same key and keep their order.
    const TextCompare noCase = [](const std::string& a, const std::string& b) {
        std::string x = a, y = b;
        for (auto* s : {&x, &y}) {
            for (char& c : *s) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
        }
        return x.compare(y);
    };
    CardTable t = Cards({{"abel", "1"}, {"Zorn", "1"}, {"ABEL", "1"}, {"Abel", "0"}});
    SortGrid(t, kSortByName, noCase);
    // The street decides between equal names, then the old order.
    EXPECT_EQ(t.Cell(0, 1), "Abel");
    EXPECT_EQ(t.Cell(0, 2), "abel");
    EXPECT_EQ(t.Cell(0, 3), "ABEL");
    EXPECT_EQ(t.Cell(0, 4), "Zorn");
    EXPECT_EQ(RankingFrom(noCase)({"b", "A", "a", "B"}), (std::vector<int>{1, 0, 0, 1}));
}

TEST(CardSort, AgreesWithAStableSortOfWholeRowsOnManyTies) {
    // Few distinct texts per column give ties on every key level, many give small tie groups.
    std::mt19937 gen(7);
    for (int round = 0; round < 40; ++round) {
        const unsigned spread = 2 + static_cast<unsigned>(round) * 3;
        std::vector<CardTable::Row> rows;
        for (int i = 0; i < 300; ++i) {
            rows.push_back({std::to_string(gen() % spread), std::to_string(gen() % spread),
                            std::to_string(gen() % spread), std::to_string(i)});
        }
        for (const auto* keys : {&kSortByName, &kSortByStreet, &kSortByTown}) {
            CardTable expected = Cards(rows);
            std::stable_sort(expected.Rows().begin() + 1, expected.Rows().end(),
                             [&](const CardTable::Row& a, const CardTable::Row& b) {
                                 for (const int col : *keys) {
                                     if (a[col] != b[col]) {
                                         return a[col] < b[col];
                                     }
                                 }
                                 return false;
                             });
            CardTable sorted = Cards(rows);
            SortGrid(sorted, *keys, ByteOrder);
            ASSERT_EQ(sorted.Rows(), expected.Rows()) << "round " << round;
        }
    }
}
