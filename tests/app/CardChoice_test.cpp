// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardChoice.h"

#include <gtest/gtest.h>

TEST(CardChoice, NameStreetOrTownContainTheTextWhateverTheCase) {
    CardTable table;
    table.SetColCount(4);
    table.AppendRow({"Name", "Strasse", "Ort", "x"});
    table.AppendRow({"M\xDCLLER", "Weg 1", "Hof", "k\xF6ln"}); // the text in a measured value
    table.AppendRow({"Abel", "K\xD6LNER Str. 5", "Ulm", ""});  // in the street, upper case
    table.AppendRow({"Bauer", "Gasse 2", "  K\xF6ln  ", ""});  // the device's blanks
    table.AppendRow({"Koeln", "Weg 3", "Bonn", ""});           // no umlaut, no match
    table.AppendRow({"Kern"});                                 // a short card
    EXPECT_EQ(CardsContaining(table, " k\xF6ln "), (std::vector<int>{2, 3}));
    EXPECT_EQ(CardsContaining(table, "m\xFCll"), (std::vector<int>{1}));
    EXPECT_EQ(CardsContaining(table, "KE"), (std::vector<int>{5}));
    // Neither the caption row nor an empty text chooses anything.
    EXPECT_TRUE(CardsContaining(table, "Name").empty());
    EXPECT_TRUE(CardsContaining(table, "  ").empty());
}
