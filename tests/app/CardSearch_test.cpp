// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardSearch.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

CardTable Cards(const std::vector<std::vector<std::string>>& rows) {
    CardTable t;
    t.SetColCount(3);
    t.AppendRow({"Name", "Strasse", "Ort"});
    for (const auto& r : rows) {
        t.AppendRow(r);
    }
    return t;
}

using Hits = std::vector<std::pair<int, int>>; // column, row

Hits AllHits(const CardTable& t, const std::string& term) {
    Hits hits;
    EXPECT_TRUE(WalkSearchHits(t, SearchKey(term), [&](int col, int row) {
        hits.emplace_back(col, row);
        return true;
    }));
    return hits;
}

} // namespace

TEST(SearchRule, OnlyPlainLettersChangeCaseAndLowCodesAreTrimmed) {
    EXPECT_EQ(SearchKey("m\xFCller"), "M\xFCLLER");
    EXPECT_EQ(SearchKey("M\xDCLLER"), "M\xDCLLER");
    EXPECT_EQ(SearchKey(" ber "), "BER");
    EXPECT_EQ(SearchKey("\t\x01 a b\r\n"), "A B");
    EXPECT_EQ(SearchKey("   "), "");
    // Code 160 (no-break space) is above 32 and stays.
    EXPECT_EQ(SearchKey("\xA0x"), "\xA0X");
}

TEST(SearchRule, HitsAreSubstringsOfTheConvertedCell) {
    EXPECT_TRUE(SearchHit("M\xFCller", SearchKey("m\xFCller")));
    // The capital umlaut differs from the small one.
    EXPECT_FALSE(SearchHit("M\xFCller", SearchKey("M\xDCLLER")));
    EXPECT_TRUE(SearchHit("Bergstrasse 4", SearchKey(" ber ")));
    EXPECT_TRUE(SearchHit("  xx", SearchKey("XX")));
    EXPECT_TRUE(SearchHit("abcabd", SearchKey("abd")));
    EXPECT_FALSE(SearchHit("ab", SearchKey("abc")));
    EXPECT_FALSE(SearchHit("anything", SearchKey("")));
    EXPECT_FALSE(SearchHit("", SearchKey("   ")));
}

TEST(SearchWalk, VisitsRowsThenColumnsAndStopsTwiceInOneRow) {
    const CardTable t =
        Cards({{"Berg", "Talweg", "Bergheim"}, {"Tal", "Bergstr", "X"}, {"", "", ""}});
    EXPECT_EQ(AllHits(t, "berg"), (Hits{{0, 1}, {2, 1}, {1, 2}}));
    // The caption row is never searched.
    EXPECT_TRUE(AllHits(t, "strasse").empty());
    EXPECT_TRUE(AllHits(Cards({}), "x").empty());
}

TEST(SearchWalk, EndsWhenAskedAndFollowsChangesMadeAtAHit) {
    CardTable t = Cards({{"a1", "", ""}, {"a2", "", ""}, {"a3", "", ""}, {"a4", "", ""}});
    int calls = 0;
    EXPECT_FALSE(WalkSearchHits(t, SearchKey("a"), [&](int, int) { return ++calls < 2; }));
    EXPECT_EQ(calls, 2);

    // Cards lost while waiting at a hit end the walk at the new end; edits are seen.
    Hits hits;
    EXPECT_TRUE(WalkSearchHits(t, SearchKey("a"), [&](int col, int row) {
        hits.emplace_back(col, row);
        if (row == 1) {
            t.SetCell(2, 1, "A later");
            t.SetCell(0, 2, "gone");
            t.SetRowCount(3);
        }
        return true;
    }));
    EXPECT_EQ(hits, (Hits{{0, 1}, {2, 1}}));

    // Cards added while waiting are not visited: the count is taken at the start.
    CardTable u = Cards({{"a", "", ""}});
    hits.clear();
    WalkSearchHits(u, SearchKey("a"), [&](int col, int row) {
        hits.emplace_back(col, row);
        u.AppendRow({"a", "", ""});
        return true;
    });
    EXPECT_EQ(hits, (Hits{{0, 1}}));
}
