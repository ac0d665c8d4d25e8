// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/due/DueRule.h"

#include "core/history/HistoryChart.h"

namespace {

bool AtMost(const std::optional<double>& kw, double limit) {
    return kw && *kw <= limit;
}

long DayKey(const CardDate& d) {
    return static_cast<long>(d.year) * 10000 + d.month * 100 + d.day;
}

} // namespace

Exemption ExemptionOf(const BoilerFacts& f, FuelKind fuel) {
    const bool gas = fuel == FuelKind::Gas;
    if (f.nominalOutputKw && *f.nominalOutputKw < 4.0) {
        return Exemption::BelowFourKw;
    }
    if (fuel == FuelKind::Oil && f.plant == PlantKind::RoomHeater &&
        AtMost(f.nominalOutputKw, 11.0)) {
        return Exemption::OilRoomHeater;
    }
    if (f.plant == PlantKind::WaterOnly && AtMost(f.nominalOutputKw, 11.0)) {
        return Exemption::SmallWaterHeater;
    }
    if (gas && f.outsideWallFlue == Answer::Yes && f.installed &&
        f.installed->Key() < kOutsideWallFlueCutOff.Key()) {
        return Exemption::OldGasOutsideWall;
    }
    // Oil keeps its soot and oil-derivative checks; for gas the loss was the only requirement.
    if (gas && f.condensing == Answer::Yes) {
        return Exemption::GasCondensing;
    }
    if (gas && f.plant == PlantKind::RoomHeater && AtMost(f.nominalOutputKw, 11.0)) {
        return Exemption::GasRoomHeater;
    }
    if (gas && f.plant == PlantKind::WaterOnly && AtMost(f.nominalOutputKw, 28.0)) {
        return Exemption::GasWaterHeater;
    }
    return Exemption::None;
}

std::string ExemptionText(Exemption exemption) {
    switch (exemption) {
    case Exemption::None:
        break;
    case Exemption::BelowFourKw:
        return "Nennw\xC3\xA4rmeleistung unter 4 kW (\xC2\xA7 15 Abs. 3)";
    case Exemption::OilRoomHeater:
        return "\xC3\x96l-Einzelraumfeuerung bis 11 kW (\xC2\xA7 14 Abs. 3 Nr. 1, "
               "\xC2\xA7 15 Abs. 4 Nr. 1)";
    case Exemption::SmallWaterHeater:
        return "nur Warmwasser, bis 11 kW (\xC2\xA7 14 Abs. 3 Nr. 2, \xC2\xA7 15 Abs. 4 Nr. 1)";
    case Exemption::OldGasOutsideWall:
        return "Gas mit Au\xC3\x9F"
               "enwandanschluss, errichtet vor dem 1.1.1985 (\xC2\xA7 15 Abs. 4 Nr. 2)";
    case Exemption::GasCondensing:
        return "Gas-Brennwertger\xC3\xA4t (\xC2\xA7 14 Abs. 3 Nr. 4, \xC2\xA7 15 Abs. 4 Nr. 1)";
    case Exemption::GasRoomHeater:
        return "Gas-Einzelraumfeuerung bis 11 kW (\xC2\xA7 10 Abs. 3 Nr. 1)";
    case Exemption::GasWaterHeater:
        return "Gas, nur Warmwasser, bis 28 kW (\xC2\xA7 10 Abs. 3 Nr. 2)";
    }
    return std::string();
}

DueYear NextDueYear(const BoilerFacts& f, const std::optional<CardDate>& last, int chosenYear) {
    // A notice the last measurement has already answered no longer says when the next is due.
    if (f.dueYear && (!last || *f.dueYear > last->year)) {
        return {*f.dueYear, "laut Feuerst\xC3\xA4ttenbescheid"};
    }
    if (!last) {
        return {chosenYear, "keine Messung bekannt"};
    }
    const int l = last->year;
    if (f.installed && f.installed->Key() > DayKey(*last)) {
        const CardDate d{f.installed->year, f.installed->month, f.installed->day};
        return {f.installed->year,
                "Kessel am " + DateText(d) + " errichtet, seitdem keine Messung"};
    }
    if (f.selfCalibrating == Answer::Yes) {
        return {l + 5, "alle 5 Jahre: selbstkalibrierende Regelung"};
    }
    if (!f.installed) {
        return {l + 2, "alle 2 Jahre: Kesselalter unbekannt"};
    }
    const int e = f.installed->year;
    const std::string built = "Kessel " + std::to_string(e) + " errichtet";
    if (l + 3 - e <= 12) {
        return {l + 3, "alle 3 Jahre: " + built};
    }
    return {l + 2, "alle 2 Jahre: " + built};
}

std::string DueReasonText(const DueYear& due, int chosenYear) {
    if (due.year < chosenYear) {
        return "\xC3\xBC"
               "berf\xC3\xA4llig seit " +
               std::to_string(due.year) + ", " + due.reason;
    }
    return due.reason;
}
