// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/PlantFacts.h"

#include <gtest/gtest.h>

TEST(PlantFacts, CodedFactsAreReadAndTheRestIsUnknown) {
    CardTable::Row row(kFactColumnsEnd);
    row[kColBurnerKind] = "a";
    row[kColMeasuredOutput] = "18,5";
    row[kColPlantKind] = " W ";
    row[kColCondensing] = "j";
    row[kColSelfCalibrating] = "N";
    row[kColDueYear] = "2027";
    row[kColMakerCertificate] = "x";
    const BoilerFacts f = ReadBoilerFacts(row);
    EXPECT_EQ(f.burner, BurnerKind::WithoutFan);
    EXPECT_DOUBLE_EQ(f.measuredOutputKw.value_or(0), 18.5);
    EXPECT_EQ(f.plant, PlantKind::WaterOnly);
    EXPECT_EQ(f.condensing, Answer::Yes);
    EXPECT_EQ(f.selfCalibrating, Answer::No);
    EXPECT_EQ(f.outsideWallFlue, Answer::Unknown);
    EXPECT_EQ(f.dueYear, 2027);
    EXPECT_EQ(f.makerCertificate, Answer::Unknown);

    row[kColDueYear] = "27";
    EXPECT_FALSE(ReadBoilerFacts(row).dueYear);
    // A card of an older file ends after the five facts the limits need.
    EXPECT_EQ(ReadBoilerFacts(CardTable::Row(30)).plant, PlantKind::Unknown);
}
