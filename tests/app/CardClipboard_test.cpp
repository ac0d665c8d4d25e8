// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardClipboard.h"

#include "core/files/CardColumns.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kCols = kColNominalOutput + 5;

// The Windows-1252 bytes of a copy as the clipboard holds them: one code point a byte (the test
// texts keep to Latin-1).
std::u32string Latin1(const std::string& bytes) {
    std::u32string out;
    for (const char c : bytes) {
        out.push_back(static_cast<unsigned char>(c));
    }
    return out;
}

} // namespace

TEST(CardClipboard, CopiedCardsAreTabLinesAndComeBackAsTheyWere) {
    CardTable table;
    table.SetColCount(kCols);
    table.AppendRow(table.EmptyRow());
    CardTable::Row card = table.EmptyRow();
    card[kColName] = "M\xFCller";
    card[kColStreet] = "\"Zum Anker\" 3";
    card[kColTown] = "Ulm";
    card[kColO2] = "3.5";
    card[kColDate] = "12.03.24";
    card[kColNominalOutput] = "24.5";
    table.AppendRow(card);
    table.AppendRow(table.EmptyRow());
    table.SetCell(kColName, 2, "Abel");

    const std::string lines = CardLines(table, {1, 2});
    const std::string first = lines.substr(0, lines.find("\r\n"));
    EXPECT_EQ(first.substr(0, first.find("Ulm") + 4), "M\xFCller\t\"\"\"Zum Anker\"\" 3\"\tUlm\t");
    EXPECT_EQ(std::count(first.begin(), first.end(), '\t'), kCols - 1);
    EXPECT_EQ(lines.substr(first.size()), "\r\nAbel" + std::string(kCols - 1, '\t') + "\r\n");

    const std::vector<CardTable::Row> back = CardsFromLines(Latin1(lines), kCols);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0], card);
    EXPECT_EQ(back[1], table.RowAt(2));
}

TEST(CardClipboard, SpreadsheetLinesBecomeCardsByTheTypingRules) {
    // Too long, separators, characters Windows-1252 lacks; decimal commas; letters of the facts.
    std::u32string text = U"Ludwig-van-Beethoven-Stra\u00DFe 12\tM\u00FCller, Hans;\u4E2D\tAm Wald";
    text += U"\tHeiz\u00F6l EL\t180,5\t\t\t3,5";
    for (int col = 8; col < kColNominalOutput; ++col) {
        text += col == kColDate ? U"\t12.03.24" : U"\t";
    }
    text += U"\t24,5 kW\tz\tj\t01.02.1990\tn\tzu viel\r\n";
    // Line ends of every kind, an empty line, fields in quotes.
    text += U"Abel\tWeg\n\n\"Bauer\tund \"\"S\u00F6hne\"\"\r\nGmbH\"\tHof\rCaf\u00E9\t\"5\" Rohr\"";

    const std::vector<CardTable::Row> cards = CardsFromLines(text, kCols);
    ASSERT_EQ(cards.size(), 4u);
    const CardTable::Row& first = cards[0];
    ASSERT_EQ(first.size(), static_cast<size_t>(kCols));
    EXPECT_EQ(first[kColName], "Ludwig-van-Beethoven");
    EXPECT_EQ(first[kColStreet], "M\xFCller Hans");
    EXPECT_EQ(first[kColTown], "Am Wald");
    EXPECT_EQ(first[kColFuel], "Heiz\xF6l EL");
    EXPECT_EQ(first[4], "180.5");
    EXPECT_EQ(first[kColO2], "3.5");
    EXPECT_EQ(first[kColDate], "12.03.24");
    EXPECT_EQ(first[kColNominalOutput], "24.5");
    EXPECT_EQ(first[kColBurnerKind], "Z");
    EXPECT_EQ(first[kColStandardBoiler], "J");
    EXPECT_EQ(first[kColInstallDate], "01.02.1990");
    EXPECT_EQ(first[kColAccessionArea], "N");

    EXPECT_EQ(cards[1][kColName], "Abel");
    EXPECT_EQ(cards[1][kColStreet], "Weg");
    EXPECT_EQ(cards[1][kColTown], "");
    // A tab and a line end inside quotes stay in the field, where the cell drops them.
    EXPECT_EQ(cards[2][kColName], "Bauerund \"S\xF6hne\"GmbH");
    EXPECT_EQ(cards[2][kColStreet], "Hof");
    // A quote that does not close the field is a character.
    EXPECT_EQ(cards[3][kColName], "Caf\xE9");
    EXPECT_EQ(cards[3][kColStreet], "\"5\" Rohr\"");

    // A single value, also over several lines, is no card.
    EXPECT_FALSE(HoldsCardLines(U"M\u00FCller\r\nSchulz\r\n"));
    EXPECT_TRUE(HoldsCardLines(U"M\u00FCller\tWeg 1"));
}
