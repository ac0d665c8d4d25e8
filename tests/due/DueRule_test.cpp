// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/due/DueRule.h"

#include <gtest/gtest.h>

namespace {

BoilerFacts Plant(std::optional<double> kw, PlantKind kind = PlantKind::Central) {
    BoilerFacts f;
    f.nominalOutputKw = kw;
    f.plant = kind;
    return f;
}

BoilerFacts Installed(int year, int month = 6, int day = 1) {
    BoilerFacts f = Plant(20.0);
    f.installed = Day{year, month, day};
    return f;
}

CardDate Measured(int year) {
    return CardDate{year, 3, 15};
}

} // namespace

TEST(DueRule, EachExemptionAndItsEdge) {
    struct Case {
        const char* what;
        BoilerFacts facts;
        FuelKind fuel;
        Exemption expected;
    };
    BoilerFacts condensing = Plant(20.0);
    condensing.condensing = Answer::Yes;
    BoilerFacts wallFlue = Installed(1984, 12, 31);
    wallFlue.outsideWallFlue = Answer::Yes;
    BoilerFacts wallFlue85 = Installed(1985, 1, 1);
    wallFlue85.outsideWallFlue = Answer::Yes;
    BoilerFacts wallFlueUnknownAge = Plant(20.0);
    wallFlueUnknownAge.outsideWallFlue = Answer::Yes;
    const Case cases[] = {
        {"3.9 kW", Plant(3.9), FuelKind::Oil, Exemption::BelowFourKw},
        {"4 kW", Plant(4.0), FuelKind::Oil, Exemption::None},
        {"output unknown", Plant(std::nullopt, PlantKind::WaterOnly), FuelKind::Gas,
         Exemption::None},
        {"oil room heater 11", Plant(11.0, PlantKind::RoomHeater), FuelKind::Oil,
         Exemption::OilRoomHeater},
        {"oil room heater 11.1", Plant(11.1, PlantKind::RoomHeater), FuelKind::Oil,
         Exemption::None},
        {"oil hot water 11", Plant(11.0, PlantKind::WaterOnly), FuelKind::Oil,
         Exemption::SmallWaterHeater},
        {"oil hot water 11.1", Plant(11.1, PlantKind::WaterOnly), FuelKind::Oil, Exemption::None},
        {"unknown fuel hot water 11", Plant(11.0, PlantKind::WaterOnly), FuelKind::Unknown,
         Exemption::SmallWaterHeater},
        {"gas wall flue 31.12.1984", wallFlue, FuelKind::Gas, Exemption::OldGasOutsideWall},
        {"gas wall flue 1.1.1985", wallFlue85, FuelKind::Gas, Exemption::None},
        {"gas wall flue, age unknown", wallFlueUnknownAge, FuelKind::Gas, Exemption::None},
        {"oil wall flue 1984", wallFlue, FuelKind::Oil, Exemption::None},
        {"gas condensing", condensing, FuelKind::Gas, Exemption::GasCondensing},
        {"oil condensing", condensing, FuelKind::Oil, Exemption::None},
        {"condensing, fuel unknown", condensing, FuelKind::Unknown, Exemption::None},
        {"gas room heater 11", Plant(11.0, PlantKind::RoomHeater), FuelKind::Gas,
         Exemption::GasRoomHeater},
        {"gas room heater 11.1", Plant(11.1, PlantKind::RoomHeater), FuelKind::Gas,
         Exemption::None},
        {"gas hot water 28", Plant(28.0, PlantKind::WaterOnly), FuelKind::Gas,
         Exemption::GasWaterHeater},
        {"gas hot water 28.1", Plant(28.1, PlantKind::WaterOnly), FuelKind::Gas, Exemption::None},
        {"gas heating with hot water 20", Plant(20.0, PlantKind::HeatingAndWater), FuelKind::Gas,
         Exemption::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExemptionOf(c.facts, c.fuel), c.expected) << c.what;
    }
    EXPECT_EQ(ExemptionText(Exemption::GasCondensing),
              "Gas-Brennwertger\xC3\xA4t (\xC2\xA7 14 Abs. 3 Nr. 4, \xC2\xA7 15 Abs. 4 Nr. 1)");
    EXPECT_EQ(ExemptionText(Exemption::GasWaterHeater),
              "Gas, nur Warmwasser, bis 28 kW (\xC2\xA7 10 Abs. 3 Nr. 2)");
}

TEST(DueRule, ThreeOrTwoYearsAtTheTwelveYearEdge) {
    // Measured 2020: in 2023 a boiler of 2011 is 12 years old, one of 2010 is 13.
    DueYear d = NextDueYear(Installed(2011), Measured(2020), 2026);
    EXPECT_EQ(d.year, 2023);
    EXPECT_EQ(d.reason, "alle 3 Jahre: Kessel 2011 errichtet");
    d = NextDueYear(Installed(2010), Measured(2020), 2026);
    EXPECT_EQ(d.year, 2022);
    EXPECT_EQ(d.reason, "alle 2 Jahre: Kessel 2010 errichtet");

    BoilerFacts selfCalibrating = Installed(2000);
    selfCalibrating.selfCalibrating = Answer::Yes;
    EXPECT_EQ(NextDueYear(selfCalibrating, Measured(2020), 2026).year, 2025);

    d = NextDueYear(Plant(20.0), Measured(2020), 2026);
    EXPECT_EQ(d.year, 2022);
    EXPECT_EQ(d.reason, "alle 2 Jahre: Kesselalter unbekannt");

    d = NextDueYear(Installed(2011), std::nullopt, 2026);
    EXPECT_EQ(d.year, 2026);
    EXPECT_EQ(d.reason, "keine Messung bekannt");
}

TEST(DueRule, NoticeAndReplacedBoiler) {
    BoilerFacts notice = Installed(2011);
    notice.dueYear = 2024;
    EXPECT_EQ(NextDueYear(notice, Measured(2020), 2026).year, 2024);
    EXPECT_EQ(NextDueYear(notice, std::nullopt, 2026).year, 2024);
    // Measured in the notice's year: the notice is answered, the rule takes over again.
    EXPECT_EQ(NextDueYear(notice, Measured(2024), 2026).year, 2026);

    // A boiler installed after the last measurement has not been measured yet.
    const DueYear d = NextDueYear(Installed(2021, 4, 2), Measured(2020), 2026);
    EXPECT_EQ(d.year, 2021);
    EXPECT_EQ(d.reason, "Kessel am 02.04.2021 errichtet, seitdem keine Messung");
    EXPECT_EQ(NextDueYear(Installed(2020, 3, 15), Measured(2020), 2026).year, 2023);
}

TEST(DueRule, OverdueIsNamedWithItsYear) {
    const DueYear d{2024, "alle 2 Jahre: Kessel 2005 errichtet"};
    EXPECT_EQ(DueReasonText(d, 2026),
              "\xC3\xBC"
              "berf\xC3\xA4llig seit 2024, alle 2 Jahre: Kessel 2005 errichtet");
    EXPECT_EQ(DueReasonText(d, 2024), d.reason);
}
