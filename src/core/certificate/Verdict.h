// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks of one measurement against the limits of the 1. BImSchV. Every verdict is a value,
// so the page, the dialog and fendro-tool show the same thing; the texts are made elsewhere.

#include "core/files/CardColumns.h"
#include "core/files/CardTable.h"
#include "core/files/PlantFacts.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class FuelKind : unsigned char { Oil, Gas, Unknown };

// Entry 0 of the fuel table is oil, entries 1 to 4 are the gases; the card's fuel name is
// compared with the table's names without the blanks around it and without regard to case.
// Anything else (a fuel of the user's own entries, a code without a name) cannot be placed.
FuelKind ClassifyFuel(std::string_view cardFuel, const std::vector<std::string>& fuelNames);

enum class CheckKind : unsigned char { FlueGasLoss, SootNumber, OilDerivatives };

enum class Outcome : unsigned char {
    Kept,
    NotKept,
    NotMeasured, // the value is missing or unreadable
    NoLimit,     // no loss limit applies to the boiler (see LossExemption)
    Undecided,   // the value lies where a missing fact decides
};

// A pressure-jet burner keeps the old soot limit when built up to the first day, or in the
// accession area up to the second (both days included).
constexpr Day kPressureJetLastDay{1988, 10, 1};
constexpr Day kAccessionAreaLastDay{1990, 10, 3};

// Par7Or8 where the burner kind does not tell vaporising from atomising. The last three name
// why the loss has no limit.
enum class Paragraph : unsigned char {
    Par10Abs1,
    Par7,
    Par8,
    Par7Or8,
    Par10Abs3Nr1,
    Par10Abs3Nr2,
    Par14Abs3Nr4,
};

// Why § 10 sets no limit for the loss: below 4 kW the table of § 10 Abs. 1 begins; a room heater
// of at most 11 kW and a hot-water-only plant of at most 28 kW (§ 10 Abs. 3); a condensing boiler
// (§ 14 Abs. 3 Nr. 4, as far as § 10 goes; soot and oil derivatives are still checked).
enum class LossExemption : unsigned char { None, Below4Kw, RoomHeater, WaterOnly, Condensing };

struct Check {
    Check(CheckKind k, Paragraph p) : kind(k), paragraph(p) {}

    CheckKind kind;
    Paragraph paragraph;
    Outcome outcome = Outcome::NotMeasured;
    // Loss in percent, soot number, or 1 / 0 for oil derivatives present / absent.
    std::optional<double> measured;
    std::optional<double> limit;
    bool relaxedLimit = false;      // the limit shown includes the standard-boiler point or the
                                    // old-boiler soot limit
    Answer relaxation = Answer::No; // whether that relaxation applies to the boiler
    std::vector<int> sootReadings;  // the soot numbers the mean was taken of
    // The flue-gas loss only: the analyser's uncertainty in percentage points, and whether the
    // verdict waits for it because the loss lies above the limit.
    std::optional<double> uncertainty;
    bool uncertaintyMissing = false;
    LossExemption exemption = LossExemption::None; // the loss only, with Outcome::NoLimit
};

enum class OverallKind : unsigned char {
    Kept,         // every check that applies passed
    NotKept,      // at least one check failed
    Incomplete,   // nothing failed, but not every check could be decided
    NoAssessment, // the nominal heat output is not known
    NoLimits,     // no check has a limit for this plant (a gas plant exempt from § 10)
};

struct Assessment {
    FuelKind fuel = FuelKind::Unknown;
    BoilerFacts facts;
    std::vector<Check> checks; // the loss first, then for oil the soot number and derivatives
    OverallKind overall = OverallKind::NoAssessment;
};

// Checks the card row (columns as above, facts in 25 to 29). The loss is kept when it minus
// the uncertainty (in tenths of a percentage point) does not exceed the limit; without an
// uncertainty only a loss at or below the limit is decided.
Assessment AssessCard(const CardTable::Row& row, FuelKind fuel,
                      std::optional<int> lossUncertaintyTenths = std::nullopt);

// The soot number of a measurement: the mean of the readings rounded half up.
int SootNumberOf(const std::vector<int>& readings);

// A number on the card with "." or "," as its decimal point, exact to six decimals; nothing for
// "---", blanks or anything else.
std::optional<double> ParseCardDecimal(std::string_view text);

// A number on the card in tenths, rounded by DIN 1333 on its digits: half away from zero at the
// first dropped digit, so "11.05" is 111 whatever a double would make of it.
std::optional<long long> RoundedTenths(std::string_view text);
