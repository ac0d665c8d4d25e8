// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/LegalBasis.h"

#include "core/certificate/Verdict.h"
#include "core/files/CardColumns.h"

#include <algorithm>

std::string LegalBasisText(LegalBasis basis) {
    switch (basis) {
    case LegalBasis::FirstMeasurement:
        return "§ 14 Abs. 2 (erste Messung)";
    case LegalBasis::Repetition:
        return "§ 14 Abs. 5 (Wiederholung)";
    case LegalBasis::Recurring:
        return "§ 15 Abs. 3 (wiederkehrende Messung)";
    }
    return {};
}

long DayNumber(const Day& d) {
    // Days from civil: March-based years put the leap day last.
    const long y = d.year - (d.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

Day MonthsBefore(const Day& day, int months) {
    const int index = day.year * 12 + (day.month - 1) - months;
    Day d{index / 12, index % 12 + 1, day.day};
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    const int last = kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
    if (d.day > last) {
        d.day = last;
    }
    return d;
}

LegalBasis SuggestLegalBasis(const std::optional<Day>& measured,
                             const std::optional<Day>& installed,
                             const std::optional<Day>& previous, bool previousFailed) {
    if (!measured) {
        return LegalBasis::Recurring;
    }
    // A measurement before the boiler was installed or replaced was one of the old boiler.
    const bool sameBoiler = previous && !(installed && previous->Key() < installed->Key());
    if (sameBoiler) {
        const long gap = DayNumber(*measured) - DayNumber(*previous);
        if (previousFailed && gap >= 0 && gap <= 42) {
            return LegalBasis::Repetition;
        }
        return LegalBasis::Recurring;
    }
    if (installed && installed->Key() <= measured->Key() &&
        installed->Key() >= MonthsBefore(*measured, 3).Key()) {
        return LegalBasis::FirstMeasurement;
    }
    return LegalBasis::Recurring;
}

namespace {

std::string CellAt(const CardTable::Row& row, int col) {
    return static_cast<size_t>(col) < row.size() ? row[static_cast<size_t>(col)] : std::string();
}

} // namespace

LegalBasis SuggestLegalBasis(const CardTable::Row& card,
                             const std::optional<CardTable::Row>& previous,
                             const std::vector<std::string>& fuelNames,
                             std::optional<int> lossUncertaintyTenths) {
    const std::optional<Day> measured = ParseDay(CellAt(card, kColDate));
    const std::optional<Day> installed = ParseDay(CellAt(card, kColInstallDate));
    if (!previous) {
        return SuggestLegalBasis(measured, installed, std::nullopt, false);
    }
    CardTable::Row earlier = *previous;
    if (!HasAnyFact(earlier)) {
        // The same boiler, most likely: the facts of the card judge the earlier measurement.
        earlier.resize(std::max(earlier.size(), static_cast<size_t>(kFactColumnsEnd)));
        for (int c = kColNominalOutput; c < kFactColumnsEnd; ++c) {
            earlier[static_cast<size_t>(c)] = CellAt(card, c);
        }
    }
    const Assessment a = AssessCard(earlier, ClassifyFuel(CellAt(earlier, kColFuel), fuelNames),
                                    lossUncertaintyTenths);
    return SuggestLegalBasis(measured, installed, ParseDay(CellAt(earlier, kColDate)),
                             a.overall == OverallKind::NotKept);
}
