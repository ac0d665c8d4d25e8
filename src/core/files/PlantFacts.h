// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the device does not measure but the limits depend on. The facts belong to the customer's
// boiler and are kept in every card after the measured values (columns 25 and on), which the
// card line of a received record leaves alone.

#include "core/files/CardColumns.h"
#include "core/files/CardTable.h"

#include <optional>
#include <string_view>

// Digits with at most one decimal after a comma or a point, blanks around it allowed, in tenths
// ("24,5" is 245). Nothing for anything else.
std::optional<long long> ParseTenths(std::string_view text);

// The nominal heat output typed into a card, as ParseTenths takes it, in kW.
std::optional<double> ParseNominalOutput(std::string_view text);

// The limit of the flue-gas loss in percent for a boiler of that nominal output (1. BImSchV
// § 10 Abs. 1): 11 up to 25 kW, 10 up to 50 kW, 9 above, one point more for a standard boiler.
// Nothing below 4 kW, where no limit applies.
std::optional<double> FlueGasLossLimit(double nominalOutputKw, bool standardBoiler);

// A fact that is either stated or not: an empty or unknown letter is "not known".
enum class Answer : unsigned char { Unknown, Yes, No };
// "V", "Z" (atomising, with a fan) and "A" (without a fan), the kinds of burner the certificate
// names.
enum class BurnerKind : unsigned char { Unknown, Vaporising, PressureJet, WithoutFan };
// "Z" central heating, "E" room heater, "H" heating with hot water, "W" hot water only.
enum class PlantKind : unsigned char { Unknown, Central, RoomHeater, HeatingAndWater, WaterOnly };

// A calendar day, ordered, so that it compares against the regulation's cut-off dates.
struct Day {
    int year = 0;
    int month = 0;
    int day = 0;
    long Key() const { return static_cast<long>(year) * 10000 + month * 100 + day; }
};

// Whether the text has the form "TT.MM.JJJJ" (digits, blanks around it allowed), whether or not
// the day exists.
bool HasDayForm(std::string_view text);
// "TT.MM.JJJJ" of a real calendar day (blanks around it allowed); nothing for anything else.
std::optional<Day> ParseDay(std::string_view text);

struct BoilerFacts {
    std::optional<double> nominalOutputKw;
    BurnerKind burner = BurnerKind::Unknown;
    Answer standardBoiler = Answer::Unknown;
    std::optional<Day> installed;
    Answer accessionArea = Answer::Unknown;
    std::optional<double> measuredOutputKw;
    PlantKind plant = PlantKind::Unknown;
    Answer condensing = Answer::Unknown;
    Answer selfCalibrating = Answer::Unknown;
    Answer outsideWallFlue = Answer::Unknown;
    std::optional<int> dueYear; // by the chimney-sweep notice
    Answer makerCertificate = Answer::Unknown;
};

// The facts in columns 25 to 29 and the coded ones after them (the texts are read as they stand);
// missing or unreadable cells are "not known".
// The letters compare without regard to case.
BoilerFacts ReadBoilerFacts(const CardTable::Row& row);

// Whether the row holds any text in the plant columns (25 to 47).
bool HasAnyFact(const CardTable::Row& row);
