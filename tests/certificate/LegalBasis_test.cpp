// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/LegalBasis.h"
#include "core/files/CardColumns.h"

#include <gtest/gtest.h>

namespace {

CardTable::Row Card(const std::string& date, const std::string& loss,
                    const std::string& installed = "") {
    CardTable::Row row(kFactColumnsEnd);
    row[0] = "Meier";
    row[kColFuel] = "Erdgas";
    row[kColO2] = "3.5";
    row[kColFlueGasLoss] = loss;
    row[kColDate] = date;
    row[kColInstallDate] = installed;
    return row;
}

} // namespace

TEST(LegalBasis, FirstMeasurementRepetitionOrRecurringAtTheirEdges) {
    const Day measured{2025, 12, 7};
    const auto basis = [&](std::optional<Day> installed, std::optional<Day> previous, bool failed) {
        return SuggestLegalBasis(measured, installed, previous, failed);
    };
    // Installed at most 3 months before, and no measurement known.
    EXPECT_EQ(basis(Day{2025, 9, 7}, std::nullopt, false), LegalBasis::FirstMeasurement);
    EXPECT_EQ(basis(Day{2025, 9, 6}, std::nullopt, false), LegalBasis::Recurring);
    EXPECT_EQ(basis(Day{2025, 12, 8}, std::nullopt, false), LegalBasis::Recurring);
    EXPECT_EQ(basis(Day{2025, 10, 1}, Day{2025, 10, 20}, false), LegalBasis::Recurring);
    // A replaced boiler: the failed measurement before was of the old one.
    EXPECT_EQ(basis(Day{2025, 11, 1}, Day{2025, 10, 31}, true), LegalBasis::FirstMeasurement);
    EXPECT_EQ(basis(Day{2025, 11, 1}, Day{2025, 11, 1}, true), LegalBasis::Repetition);
    EXPECT_EQ(basis(std::nullopt, std::nullopt, false), LegalBasis::Recurring);
    // A failed measurement at most 6 weeks (42 days) before.
    EXPECT_EQ(basis(std::nullopt, Day{2025, 10, 26}, true), LegalBasis::Repetition);
    EXPECT_EQ(basis(std::nullopt, Day{2025, 10, 25}, true), LegalBasis::Recurring);
    EXPECT_EQ(basis(std::nullopt, Day{2025, 10, 26}, false), LegalBasis::Recurring);
    // Three months before the last of May is the last of February.
    EXPECT_EQ(MonthsBefore(Day{2025, 5, 31}, 3).Key(), (Day{2025, 2, 28}).Key());
    EXPECT_EQ(MonthsBefore(Day{2024, 2, 15}, 3).Key(), (Day{2023, 11, 15}).Key());
    EXPECT_EQ(LegalBasisText(LegalBasis::Repetition), "§ 14 Abs. 5 (Wiederholung)");
}

TEST(LegalBasis, ThePreviousCardIsJudgedWithTheFactsOfTheCard) {
    const std::vector<std::string> fuels = {"Heiz\xF6l", "Erdgas"};
    CardTable::Row card = Card("07.12.2025", "8.0");
    card[kColNominalOutput] = "20";
    card[kColStandardBoiler] = "N";
    // The earlier card has no facts: at 20 kW its 12 % fail the limit of 11 %.
    EXPECT_EQ(SuggestLegalBasis(card, Card("01.12.2025", "12.0"), fuels, 0),
              LegalBasis::Repetition);
    EXPECT_EQ(SuggestLegalBasis(card, Card("01.12.2025", "10.0"), fuels, 0), LegalBasis::Recurring);
    // Its own facts count where it has them: as a condensing boiler it had no limit.
    CardTable::Row condensing = Card("01.12.2025", "12.0");
    condensing[kColCondensing] = "J";
    EXPECT_EQ(SuggestLegalBasis(card, condensing, fuels, 0), LegalBasis::Recurring);
    card[kColInstallDate] = "01.11.2025";
    EXPECT_EQ(SuggestLegalBasis(card, std::nullopt, fuels, 0), LegalBasis::FirstMeasurement);
}
