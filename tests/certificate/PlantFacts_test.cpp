// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/PlantFacts.h"

#include <gtest/gtest.h>

TEST(PlantFacts, NominalOutputTakesOneDecimalWithCommaOrPoint) {
    EXPECT_EQ(ParseNominalOutput(" 25,1 "), 25.1);
    EXPECT_EQ(ParseNominalOutput("25.0"), 25.0);
    EXPECT_EQ(ParseNominalOutput("18"), 18.0);
    EXPECT_EQ(ParseNominalOutput("18,"), 18.0);
    for (const char* bad : {"", " ", "---", ",5", "25,15", "1.000,0", "-4", "25 kW", "9999999"}) {
        EXPECT_FALSE(ParseNominalOutput(bad).has_value()) << bad;
    }
}

TEST(PlantFacts, FlueGasLossLimitSteps) {
    EXPECT_FALSE(FlueGasLossLimit(3.9, false).has_value());
    EXPECT_EQ(FlueGasLossLimit(4.0, false), 11.0);
    EXPECT_EQ(FlueGasLossLimit(*ParseNominalOutput("25,0"), false), 11.0);
    EXPECT_EQ(FlueGasLossLimit(*ParseNominalOutput("25,1"), false), 10.0);
    EXPECT_EQ(FlueGasLossLimit(50.0, false), 10.0);
    EXPECT_EQ(FlueGasLossLimit(50.1, false), 9.0);
    EXPECT_EQ(FlueGasLossLimit(25.0, true), 12.0);
    EXPECT_EQ(FlueGasLossLimit(120.0, true), 10.0);
}
