// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardClipboard.h"

#include "core/files/CardColumns.h"

#include <gtest/gtest.h>

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
    card[kColStreet] = "\"Zum Anker\" 3"; // quoted, or a spreadsheet would take the quotes away
    card[kColO2] = "3.5";
    card[kColNominalOutput] = "24.5";
    table.AppendRow(card);
    const std::string line = "M\xFCller\t\"\"\"Zum Anker\"\" 3\"" + std::string(kColO2 - 1, '\t') +
                             "3.5" + std::string(kColNominalOutput - kColO2, '\t') + "24.5" +
                             std::string(kCols - 1 - kColNominalOutput, '\t') + "\r\n";
    const std::string lines = CardLines(table, {1, 1});
    EXPECT_EQ(lines, line + line);
    EXPECT_EQ(CardsFromLines(Latin1(lines), kCols), (std::vector<CardTable::Row>{card, card}));
}

TEST(CardClipboard, SpreadsheetLinesBecomeCardsByTheTypingRules) {
    // Too long, separators, characters Windows-1252 lacks, a decimal comma; then line ends of
    // every kind, an empty line, fields in quotes.
    const std::u32string text =
        U"Ludwig-van-Beethoven-Stra\u00DFe 12\tM\u00FCller, Hans;\u4E2D\tUlm\t\t180,5\r\n"
        U"Abel\tWeg\n\n\"Bauer\tund \"\"S\u00F6hne\"\"\r\nGmbH\"\tHof\rCaf\u00E9\t\"5\" Rohr\"";
    const std::vector<CardTable::Row> cards = CardsFromLines(text, kCols);
    ASSERT_EQ(cards.size(), 4u);
    ASSERT_EQ(cards[0].size(), static_cast<size_t>(kCols));
    EXPECT_EQ(cards[0][kColName], "Ludwig-van-Beethoven");
    EXPECT_EQ(cards[0][kColStreet], "M\xFCller Hans");
    EXPECT_EQ(cards[0][4], "180.5");
    EXPECT_EQ(cards[1][kColStreet], "Weg");
    // A tab and a line end inside quotes stay in the field, where the cell drops them.
    EXPECT_EQ(cards[2][kColName], "Bauerund \"S\xF6hne\"GmbH");
    EXPECT_EQ(cards[2][kColStreet], "Hof");
    // A quote that does not close the field is a character.
    EXPECT_EQ(cards[3][kColStreet], "\"5\" Rohr\"");
    // Fields beyond the columns go; a comma is a decimal point only in a number.
    EXPECT_EQ(CardsFromLines(U"a\tb\tc", 2), (std::vector<CardTable::Row>{{"a", "b"}}));
    EXPECT_EQ(PastedField(kColNominalOutput, U"24,55 kW"), "24.5");
    EXPECT_EQ(PastedField(kColDate, U"12,03.24"), "1203.24");

    // A single value, also over several lines, is no card.
    EXPECT_FALSE(HoldsCardLines(U"M\u00FCller\r\nSchulz\r\n"));
    EXPECT_TRUE(HoldsCardLines(U"M\u00FCller\tWeg 1"));
}
