// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/MeasurementMatch.h"

#include "core/files/CardFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr int kCols = 31; // the device's 25 and six facts

// A card 31 columns wide: customer, date and the facts from column 25 on.
CardTable::Row Card(const std::string& name, const std::string& street, const std::string& town,
                    const std::string& date, std::vector<std::string> facts = {}) {
    CardTable::Row row(kCols);
    row[0] = name;
    row[1] = street;
    row[2] = town;
    row[3] = "Heiz\xF6l EL";
    row[14] = date;
    row[15] = "09:30";
    for (size_t i = 0; i < facts.size(); ++i) {
        row[25 + i] = facts[i];
    }
    return row;
}

// The device's copy: texts cut to 20, 20 and 16 and padded with blanks.
CardTable::Row Received(const CardTable::Row& card, const std::string& date) {
    CardTable::Row row =
        Card(card[0].substr(0, 20), card[1].substr(0, 20), card[2].substr(0, 16), date);
    row[0].resize(20, ' ');
    row[1].resize(20, ' ');
    row[2].resize(16, ' ');
    row[7] = "5.2";
    return row;
}

CardTable Table(const std::vector<CardTable::Row>& cards) {
    CardTable table;
    table.SetColCount(kCols);
    table.AppendRow(CardTable::Row(kCols, "Spalte"));
    for (const CardTable::Row& c : cards) {
        table.AppendRow(c);
    }
    return table;
}

MatchPlan Plan(const CardTable& round, const std::vector<CardTable::Row>& registerCards) {
    CustomerRegister reg(kCols);
    WantRoundCustomers(round, reg);
    for (const CardTable::Row& c : registerCards) {
        reg.AddCard(c);
    }
    return PlanMatch(round, reg);
}

const CardTable::Row kHeydt = Card("von der Heydt-Ostermann", "Ludwig-van-Beethoven-Str. 12",
                                   "M\xFCnchen-Obermenzing", "03.02.2024", {"24.5", "", "J"});

} // namespace

TEST(MeasurementMatch, CutPaddedAndOtherCaseFindTheFullCustomer) {
    CardTable::Row lower = Received(kHeydt, "05.02.2025");
    lower[0] = "VON DER HEYDT-OSTERM  ";
    lower[2] = "M\xDCNCHEN-OBERMENZ";
    const CardTable round = Table({Received(kHeydt, "05.02.2025"), lower});
    const MatchPlan plan = Plan(round, {kHeydt});
    ASSERT_EQ(plan.matched.size(), 2u);
    for (const MatchedCard& m : plan.matched) {
        EXPECT_EQ(m.card[0], kHeydt[0]);
        EXPECT_EQ(m.card[1], kHeydt[1]);
        EXPECT_EQ(m.card[2], kHeydt[2]);
        EXPECT_EQ(m.card[7], "5.2"); // the measurement stays
        EXPECT_EQ(m.card[14], "05.02.2025");
    }
    EXPECT_EQ(MatchSummary(plan), "2 zugeordnet, 0 mehrdeutig, 0 nicht gefunden");
    // Blanks around the register's texts do not count either.
    const CardTable::Row abel = Card("  Abel ", "Weg 1", "Hof", "01.01.2024");
    EXPECT_EQ(
        Plan(Table({Card("Abel", " Weg 1", "Hof  ", "05.02.2025")}), {abel}).matched.at(0).card[0],
        "  Abel ");
    // A different inner text is another customer.
    CardTable::Row other = Received(kHeydt, "05.02.2025");
    other[2] = "M\xFCnchen";
    EXPECT_EQ(Plan(Table({other}), {kHeydt}).notFound, std::vector<int>{1});
}

TEST(MeasurementMatch, FactsOfTheNewestCardFillOnlyEmptyCells) {
    CardTable::Row own = Received(kHeydt, "05.02.2025");
    own[27] = "N"; // typed at the measurement: stays
    const CardTable::Row older = Card(kHeydt[0], kHeydt[1], kHeydt[2], "01.02.2020",
                                      {"18.0", "Z", "J", "01.01.1990", "", "alt"});
    const CardTable::Row newestWithout = Card(kHeydt[0], kHeydt[1], kHeydt[2], "01.02.2025");
    const MatchPlan plan = Plan(Table({own}), {older, kHeydt, newestWithout});
    ASSERT_EQ(plan.matched.size(), 1u);
    const MatchedCard& m = plan.matched.front();
    EXPECT_EQ(m.card[25], "24.5"); // from the newest card that has facts, not the older one
    EXPECT_EQ(m.card[26], "");
    EXPECT_EQ(m.card[27], "N");
    EXPECT_EQ(m.card[30], "");
    EXPECT_EQ(m.factsFilled, 1);

    // Only the cells that differ are changes.
    const std::vector<CellChange> changes = MatchChanges(Table({own}), plan);
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[0].col, 0);
    EXPECT_EQ(changes[3].col, 25);
    EXPECT_EQ(changes[3].text, "24.5");
}

TEST(MeasurementMatch, AmbiguousNotFoundAndUndatedCards) {
    const CardTable::Row a = Card("Gartenbau Schmidt-Meier KG", "Hauptstr. 1", "Hof", "");
    const CardTable::Row b = Card("Gartenbau Schmidt-Meier GmbH", "Hauptstr. 1", "Hof", "");
    const CardTable::Row sameAsA = Card(" gartenbau schmidt-meier kg", "HAUPTSTR. 1", "Hof", "");
    CardTable::Row undated = Received(kHeydt, "");
    const CardTable round =
        Table({Received(a, "01.03.2025"), Card("Niemand", "Weg 2", "Ulm", "01.03.2025"), undated,
               Received(kHeydt, "01.03.2025")});

    const MatchPlan plan = Plan(round, {a, sameAsA, b, kHeydt});
    ASSERT_EQ(plan.ambiguous.size(), 1u);
    EXPECT_EQ(plan.ambiguous[0].row, 1);
    ASSERT_EQ(plan.ambiguous[0].customers.size(), 2u);
    EXPECT_EQ(plan.ambiguous[0].customers[1][0], b[0]);
    EXPECT_EQ(plan.notFound, std::vector<int>{2});
    ASSERT_EQ(plan.matched.size(), 1u);
    EXPECT_EQ(plan.matched[0].row, 4); // the card without a date is left out
    EXPECT_EQ(MatchSummary(plan), "1 zugeordnet, 1 mehrdeutig, 1 nicht gefunden");

    // Two spellings of one customer are one customer.
    const MatchPlan one = Plan(round, {a, sameAsA});
    ASSERT_EQ(one.matched.size(), 1u);
    EXPECT_EQ(one.matched[0].row, 1);
}

TEST(MeasurementMatch, AnEarlierUnmatchedRoundIsNoSecondCustomer) {
    // Last year's round saved as received, with facts typed onto it since.
    CardTable::Row lastYear = Received(kHeydt, "01.02.2025");
    lastYear[26] = "V";
    const CardTable::Row withoutFacts = Card(kHeydt[0], kHeydt[1], kHeydt[2], "03.02.2024");
    const MatchPlan plan = Plan(Table({Received(kHeydt, "04.02.2026")}), {withoutFacts, lastYear});
    ASSERT_EQ(plan.matched.size(), 1u);
    EXPECT_EQ(plan.matched[0].card[0], kHeydt[0]);
    EXPECT_EQ(plan.matched[0].card[26], "V");
    // Alone, the copy is the customer.
    EXPECT_EQ(Plan(Table({Received(kHeydt, "04.02.2026")}), {lastYear}).matched.size(), 1u);
}

TEST(MeasurementMatch, TheRegisterIsTheFolderWithoutTheTablesOwnFile) {
    TempDir dir;
    const CardTable round = Table({Received(kHeydt, "04.02.2026")});
    WriteBytes(dir.File("runde.csv"), CardsText(Table({kHeydt})));
    WriteBytes(dir.File("kunden.CSV"), "x,y\r\n" + CardLineText(kHeydt) + "\r\n");
    WriteBytes(dir.File("notiz.txt"), CardLineText(kHeydt) + "\r\n");
    WriteBytes(dir.File("bild.csv"), std::string("\x89PNG\0\0", 6));

    MatchPlan plan = PlanMatchInFolder(round, dir.Path(), dir.File("runde.csv"));
    EXPECT_EQ(plan.filesRead, 1);
    ASSERT_EQ(plan.skipped.size(), 1u);
    EXPECT_EQ(plan.skipped[0].reason, SkipReason::NotCardFile);
    ASSERT_EQ(plan.matched.size(), 1u);
    EXPECT_EQ(plan.matched[0].card[25], "24.5");

    std::remove(dir.File("kunden.CSV").c_str());
    plan = PlanMatchInFolder(round, dir.Path(), dir.File("runde.csv"));
    EXPECT_EQ(plan.notFound, std::vector<int>{1});
}
