// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether and when a boiler is due for its recurring measurement (1. BImSchV §§ 14, 15): the
// plants the recurring measurement leaves out, and the year of the next one.

#include "core/certificate/Verdict.h"
#include "core/files/PlantFacts.h"
#include "core/history/CardDate.h"

#include <optional>
#include <string>

enum class Exemption : unsigned char {
    None,
    BelowFourKw,       // § 15 Abs. 3 covers 4 kW and more
    OilRoomHeater,     // § 14 Abs. 3 Nr. 1
    SmallWaterHeater,  // § 14 Abs. 3 Nr. 2, any fuel
    OldGasOutsideWall, // § 15 Abs. 4 Nr. 2
    GasCondensing,     // § 14 Abs. 3 Nr. 4: § 10 is gas's only requirement
    GasRoomHeater,     // § 10 Abs. 3 Nr. 1
    GasWaterHeater,    // § 10 Abs. 3 Nr. 2
};

// Gas plants with an outside-wall flue installed before this day are not measured.
constexpr Day kOutsideWallFlueCutOff{1985, 1, 1};

// Why the plant is not measured under § 15, or None. A fact that is not known never exempts.
Exemption ExemptionOf(const BoilerFacts& facts, FuelKind fuel);

// The reason in words with its paragraph, UTF-8; empty for None.
std::string ExemptionText(Exemption exemption);

struct DueYear {
    int year = 0;
    std::string reason; // UTF-8, e.g. "alle 3 Jahre: Kessel 2015 errichtet"
};

// The year of the next measurement: the notice's year while it lies after the last measurement;
// a boiler installed after the last measurement in the year it was installed; otherwise from the
// last measurement L and the year E the boiler was installed: L + 5 with a self-calibrating
// control, L + 3 while the boiler is at most 12 years old in that year, else L + 2. Without a
// measurement the plant is due in `chosenYear`.
DueYear NextDueYear(const BoilerFacts& facts, const std::optional<CardDate>& lastMeasurement,
                    int chosenYear);

// The reason as listed for `chosenYear`: "überfällig seit 2024, " before it for an earlier year.
std::string DueReasonText(const DueYear& due, int chosenYear);
