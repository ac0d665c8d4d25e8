// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/CertificateText.h"
#include "core/certificate/Verdict.h"

#include <gtest/gtest.h>

namespace {

struct CardSpec {
    std::string loss = "7.5";
    std::string o2 = "3.5";
    std::string soot1, soot2, soot3;
    std::string derivatives = "NEIN";
    std::string output, burner, standard, installed, area;
};

CardTable::Row Card(const CardSpec& s) {
    CardTable::Row row(30);
    row[kColFuel] = "Heiz\xF6l";
    row[kColO2] = s.o2;
    row[kColFlueGasLoss] = s.loss;
    row[kColDate] = "07.12.2025";
    row[kColSoot[0]] = s.soot1;
    row[kColSoot[1]] = s.soot2;
    row[kColSoot[2]] = s.soot3;
    row[kColOilDerivatives] = s.derivatives;
    row[kColNominalOutput] = s.output;
    row[kColBurnerKind] = s.burner;
    row[kColStandardBoiler] = s.standard;
    row[kColInstallDate] = s.installed;
    row[kColAccessionArea] = s.area;
    return row;
}

const Check& Find(const Assessment& a, CheckKind kind) {
    for (const Check& c : a.checks) {
        if (c.kind == kind) {
            return c;
        }
    }
    throw std::runtime_error("check missing");
}

// The uncertainty in tenths; zero lets the loss alone decide, as at the output steps.
Outcome Loss(const std::string& output, const std::string& loss, const std::string& standard = "N",
             std::optional<int> uncertainty = 0) {
    CardSpec s;
    s.output = output;
    s.loss = loss;
    s.standard = standard;
    return Find(AssessCard(Card(s), FuelKind::Gas, uncertainty), CheckKind::FlueGasLoss).outcome;
}

bool Says(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines) {
        if (line.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

Check Soot(CardSpec s) {
    s.soot1 = s.soot1.empty() ? "0" : s.soot1;
    return Find(AssessCard(Card(s), FuelKind::Oil), CheckKind::SootNumber);
}

} // namespace

TEST(Verdict, FlueGasLossAtTheOutputSteps) {
    EXPECT_EQ(Loss("25.0", "11.0"), Outcome::Kept); // exactly the limit is kept
    EXPECT_EQ(Loss("25,0", "11.1"), Outcome::NotKept);
    EXPECT_EQ(Loss("25.1", "10.0"), Outcome::Kept);
    EXPECT_EQ(Loss("25.1", "10.1"), Outcome::NotKept);
    EXPECT_EQ(Loss("50.0", "10.0"), Outcome::Kept);
    EXPECT_EQ(Loss("50.1", "9.1"), Outcome::NotKept);
    EXPECT_EQ(Loss("3.9", "40.0"), Outcome::NoLimit);
    EXPECT_EQ(Loss("4.0", "11.1"), Outcome::NotKept);
    // One decimal, rounded by DIN 1333 on the digits.
    EXPECT_EQ(Loss("20", "11.04"), Outcome::Kept);
    EXPECT_EQ(Loss("20", "11.05"), Outcome::NotKept);
}

TEST(Verdict, LossMinusUncertaintyAgainstTheLimit) {
    // 20 kW: the limit is 11 %.
    EXPECT_EQ(Loss("20", "11.4", "N", 5), Outcome::Kept);
    EXPECT_EQ(Loss("20", "11.5", "N", 5), Outcome::Kept); // exactly the limit
    EXPECT_EQ(Loss("20", "11.6", "N", 5), Outcome::NotKept);
    // 11.35 is 11.4 by its digits; a double holds 11.3499... and would print 11.3.
    EXPECT_EQ(Loss("20", "11.35", "N", 3), Outcome::NotKept);
    EXPECT_EQ(RoundedTenths(" 11,05"), 111);
    EXPECT_EQ(RoundedTenths("11.049"), 110);
    EXPECT_EQ(RoundedTenths("-0.05"), -1); // away from zero

    // Without an uncertainty only a loss at or below the limit is decided.
    EXPECT_EQ(Loss("20", "11.0", "N", std::nullopt), Outcome::Kept);
    CardSpec s;
    s.output = "20";
    s.standard = "N";
    s.loss = "11.1";
    const Assessment a = AssessCard(Card(s), FuelKind::Gas);
    EXPECT_EQ(a.checks[0].outcome, Outcome::Undecided);
    EXPECT_EQ(LossStatement(a.checks[0]), "11,1 % (Messunsicherheit nicht angegeben)");
    EXPECT_TRUE(Says(NoteLines(a, "Erdgas"), "Abgasverlust: Messunsicherheit nicht angegeben"));
    EXPECT_EQ(OverallText(a),
              "Keine vollständige Beurteilung möglich: Abgasverlust nicht beurteilbar.");
}

TEST(Verdict, StandardBoilerPoint) {
    EXPECT_EQ(Loss("20", "12.0", "J"), Outcome::Kept);
    EXPECT_EQ(Loss("20", "12.1", "J"), Outcome::NotKept);
    EXPECT_EQ(Loss("20", "11.5", "N"), Outcome::NotKept);
    // Not stated: only the point decides.
    EXPECT_EQ(Loss("20", "11.0", ""), Outcome::Kept);
    EXPECT_EQ(Loss("20", "11.5", ""), Outcome::Undecided);
    EXPECT_EQ(Loss("20", "12.1", ""), Outcome::NotKept);
}

TEST(Verdict, SootNumberIsTheMeanRoundedHalfUp) {
    EXPECT_EQ(SootNumberOf({1, 2}), 2); // 1.5
    EXPECT_EQ(SootNumberOf({2, 3}), 3); // 2.5
    EXPECT_EQ(SootNumberOf({1, 1, 2}), 1);
    CardSpec s;
    s.output = "20";
    s.burner = "Z";
    s.installed = "01.01.2000";
    s.soot1 = "1";
    s.soot3 = "2"; // the second reading is missing
    const Check c = Soot(s);
    EXPECT_EQ(c.sootReadings.size(), 2u);
    EXPECT_EQ(c.measured, 2.0);
    EXPECT_EQ(c.outcome, Outcome::NotKept); // 1.5 counts as 2 against the pressure-jet 1
    s.burner = "V";
    EXPECT_EQ(Soot(s).outcome, Outcome::Kept);
    const Assessment a = AssessCard(Card(s), FuelKind::Oil);
    bool said = false;
    for (const std::string& line : NoteLines(a, "Heizöl")) {
        said = said || line.find("nur 2 von 3") != std::string::npos;
    }
    EXPECT_TRUE(said);
}

TEST(Verdict, VaporisingBurnerOldBoilerException) {
    CardSpec s;
    s.burner = "V";
    s.soot1 = "2";
    s.soot2 = "3"; // mean 2.5 gives 3
    s.output = "11.0";
    s.installed = "31.10.1996";
    EXPECT_EQ(Soot(s).outcome, Outcome::Kept);
    EXPECT_EQ(Soot(s).limit, 3.0);
    s.installed = "01.11.1996";
    EXPECT_EQ(Soot(s).outcome, Outcome::NotKept);
    s.installed = "31.10.1996";
    s.output = "11.1";
    EXPECT_EQ(Soot(s).outcome, Outcome::NotKept);
    s.output = "11";
    s.installed = "";
    EXPECT_EQ(Soot(s).outcome, Outcome::Undecided);
    s.soot1 = "4";
    s.soot2 = "4";
    EXPECT_EQ(Soot(s).outcome, Outcome::NotKept);
}

TEST(Verdict, PressureJetOldBoilerException) {
    CardSpec s;
    s.burner = "z";
    s.soot1 = "2";
    s.output = "30";
    s.installed = "30.09.1988";
    s.area = "J";
    EXPECT_EQ(Soot(s).outcome, Outcome::Kept);
    // Built up to 1.10.1988 anywhere, or up to 3.10.1990 in the accession area.
    s.installed = "01.10.1988";
    s.area = "N";
    EXPECT_EQ(Soot(s).outcome, Outcome::Kept);
    s.installed = "02.10.1988";
    EXPECT_EQ(Soot(s).outcome, Outcome::NotKept);
    s.area = "";
    EXPECT_EQ(Soot(s).outcome, Outcome::Undecided);
    s.area = "J";
    s.installed = "03.10.1990";
    EXPECT_EQ(Soot(s).outcome, Outcome::Kept);
    EXPECT_TRUE(Says(NoteLines(AssessCard(Card(s), FuelKind::Oil), "Heizöl"),
                     "im Beitrittsgebiet errichtet bis zum 3.10.1990"));
    s.installed = "04.10.1990";
    EXPECT_EQ(Soot(s).outcome, Outcome::NotKept);
    s.soot1 = "1";
    EXPECT_EQ(Soot(s).outcome, Outcome::Kept);
}

TEST(Verdict, MissingValuesAreNeverAPass) {
    CardSpec s;
    s.output = "20";
    s.burner = "V";
    s.standard = "N";
    s.installed = "01.01.2000";
    s.soot1 = "1";
    EXPECT_EQ(AssessCard(Card(s), FuelKind::Oil).overall, OverallKind::Kept);

    CardSpec lossMissing = s;
    lossMissing.loss = "---";
    const Assessment a = AssessCard(Card(lossMissing), FuelKind::Oil);
    EXPECT_EQ(Find(a, CheckKind::FlueGasLoss).outcome, Outcome::NotMeasured);
    EXPECT_EQ(a.overall, OverallKind::Incomplete);
    EXPECT_EQ(OverallText(a),
              "Keine vollständige Beurteilung möglich: Abgasverlust nicht gemessen.");

    CardSpec noOxygen = s; // the device computes a loss even without an oxygen reading
    noOxygen.o2 = "0.0";
    EXPECT_EQ(Find(AssessCard(Card(noOxygen), FuelKind::Oil), CheckKind::FlueGasLoss).outcome,
              Outcome::NotMeasured);

    CardSpec noSoot = s;
    noSoot.soot1 = " ";
    EXPECT_EQ(Find(AssessCard(Card(noSoot), FuelKind::Oil), CheckKind::SootNumber).outcome,
              Outcome::NotMeasured);

    CardSpec derivatives = s;
    derivatives.derivatives = "---";
    EXPECT_EQ(Find(AssessCard(Card(derivatives), FuelKind::Oil), CheckKind::OilDerivatives).outcome,
              Outcome::NotMeasured);
    derivatives.derivatives = "JA";
    const Assessment failed = AssessCard(Card(derivatives), FuelKind::Oil);
    EXPECT_EQ(failed.overall, OverallKind::NotKept);
    EXPECT_EQ(OverallText(failed),
              "Die Grenzwerte der 1. BImSchV werden nicht eingehalten: Ölderivate (§ 7).");

    CardSpec noOutput = s;
    noOutput.output = "";
    EXPECT_EQ(OverallText(AssessCard(Card(noOutput), FuelKind::Oil)),
              "Keine Beurteilung möglich: die Nennwärmeleistung ist nicht bekannt.");
    // Oil derivatives fail whatever the output.
    noOutput.derivatives = "JA";
    EXPECT_EQ(OverallText(AssessCard(Card(noOutput), FuelKind::Oil)),
              "Die Grenzwerte der 1. BImSchV werden nicht eingehalten: Ölderivate (§ 7).");
}

TEST(Verdict, FuelPlacedByTheFuelTable) {
    std::vector<std::string> names = {"Heiz\xF6l",  "Erdgas",        "Stadtgas",
                                      "Kokereigas", "Fl\xFCssiggas", "Holz"};
    EXPECT_EQ(ClassifyFuel(" HEIZ\xD6L ", names), FuelKind::Oil);
    EXPECT_EQ(ClassifyFuel("Fl\xFCssiggas", names), FuelKind::Gas);
    EXPECT_EQ(ClassifyFuel("Holz", names), FuelKind::Unknown); // an entry of the user's own
    EXPECT_EQ(ClassifyFuel("7", names), FuelKind::Unknown);
    EXPECT_EQ(ClassifyFuel("", {"", "Erdgas"}), FuelKind::Unknown);

    CardSpec s;
    s.output = "20";
    s.standard = "N";
    s.soot1 = "9";
    const Assessment a = AssessCard(Card(s), FuelKind::Unknown);
    ASSERT_EQ(a.checks.size(), 1u); // the loss only: no soot verdict for an unplaced fuel
    EXPECT_EQ(a.checks[0].outcome, Outcome::Kept);
    EXPECT_EQ(a.overall, OverallKind::Incomplete);
    EXPECT_NE(NoteLines(a, "Holz")[0].find("„Holz“ ist weder Heizöl noch Gas"), std::string::npos);
    EXPECT_EQ(NoteLines(a, "")[0].find("Kein Brennstoff angegeben: nur der Abgasverlust"), 0u);
    EXPECT_EQ(FuelText("", FuelKind::Unknown), "kein Brennstoff angegeben");
}

namespace {
// A card of `fuel` with a loss of 14 % (over every limit) and the soot readings 3, 3, 3.
Assessment Plant(FuelKind fuel, const std::string& output, const std::string& plant,
                 const std::string& condensing, const std::string& burner = "Z") {
    CardSpec s;
    s.loss = "14.0";
    s.output = output;
    s.standard = "N";
    s.burner = burner;
    s.installed = "01.01.2015";
    s.soot1 = s.soot2 = s.soot3 = "3";
    CardTable::Row row = Card(s);
    row.resize(kFactColumnsEnd);
    row[kColPlantKind] = plant;
    row[kColCondensing] = condensing;
    return AssessCard(row, fuel, 0);
}
} // namespace

TEST(Verdict, WhereParagraph10SetsNoLimit) {
    // Room heaters up to 11 kW, hot water only up to 28 kW, both bounds included.
    const struct {
        const char* output;
        const char* plant;
        Outcome outcome;
        Paragraph paragraph;
    } cases[] = {
        {"10.9", "E", Outcome::NoLimit, Paragraph::Par10Abs3Nr1},
        {"11.0", "E", Outcome::NoLimit, Paragraph::Par10Abs3Nr1},
        {"11.1", "E", Outcome::NotKept, Paragraph::Par10Abs1},
        {"28.0", "W", Outcome::NoLimit, Paragraph::Par10Abs3Nr2},
        {"28.1", "W", Outcome::NotKept, Paragraph::Par10Abs1},
        {"11.0", "Z", Outcome::NotKept, Paragraph::Par10Abs1},
        {"20.0", "H", Outcome::NotKept, Paragraph::Par10Abs1},
    };
    for (const auto& c : cases) {
        const Check loss = Plant(FuelKind::Gas, c.output, c.plant, "N").checks[0];
        EXPECT_EQ(loss.outcome, c.outcome) << c.output << c.plant;
        EXPECT_EQ(loss.paragraph, c.paragraph) << c.output << c.plant;
    }
    const Assessment room = Plant(FuelKind::Gas, "11.0", "E", "");
    EXPECT_EQ(LimitText(room.checks[0]), "keiner");
    EXPECT_EQ(OutcomeText(room.checks[0].outcome), "kein Grenzwert");
    EXPECT_EQ(ParagraphText(room.checks[0].paragraph), "§ 10 Abs. 3 Nr. 1");
    EXPECT_EQ(room.overall, OverallKind::NoLimits);

    // A condensing boiler needs no output for it; an oil one still has its soot checked.
    const Assessment gas = Plant(FuelKind::Gas, "", "Z", "J");
    EXPECT_EQ(gas.checks[0].outcome, Outcome::NoLimit);
    EXPECT_EQ(ParagraphText(gas.checks[0].paragraph), "§ 14 Abs. 3 Nr. 4");
    EXPECT_EQ(gas.overall, OverallKind::NoLimits);
    const Assessment oil = Plant(FuelKind::Oil, "20", "Z", "J");
    EXPECT_EQ(oil.checks[0].outcome, Outcome::NoLimit);
    EXPECT_EQ(Find(oil, CheckKind::SootNumber).outcome, Outcome::NotKept);
    EXPECT_EQ(oil.overall, OverallKind::NotKept);
    EXPECT_TRUE(Says(NoteLines(oil, "Heizöl"), "kein Grenzwert für ein Brennwertgerät"));
}

TEST(Verdict, BurnerWithoutFanIsNeitherParagraph7Nor8) {
    // § 7 (vaporising, soot 2, old ones 3) or § 8 (atomising, soot 1, old ones 2): only what
    // every limit keeps or fails is decided.
    for (const auto& [soot, outcome] : {std::pair{"1", Outcome::Kept},
                                        {"2", Outcome::Undecided},
                                        {"3", Outcome::Undecided},
                                        {"4", Outcome::NotKept}}) {
        CardSpec s;
        s.output = "20";
        s.burner = "A";
        s.installed = "01.01.1985";
        s.area = "N";
        s.soot1 = s.soot2 = s.soot3 = soot;
        const Check c = Soot(s);
        EXPECT_EQ(c.outcome, outcome) << soot;
        EXPECT_EQ(c.paragraph, Paragraph::Par7Or8);
    }
}
