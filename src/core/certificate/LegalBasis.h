// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a measurement was made, as the certificate must state it: the first measurement of a new
// or replaced boiler (§ 14 Abs. 2), the repetition after a failed one (§ 14 Abs. 5), or the
// recurring one (§ 15 Abs. 3). The cards suggest it; the certificate dialog may change it.

#include "core/files/CardTable.h"
#include "core/files/PlantFacts.h"

#include <optional>
#include <string>
#include <vector>

enum class LegalBasis : unsigned char { FirstMeasurement, Repetition, Recurring };

constexpr LegalBasis kLegalBases[3] = {LegalBasis::FirstMeasurement, LegalBasis::Repetition,
                                       LegalBasis::Recurring};

// "§ 14 Abs. 2 (erste Messung)", "§ 14 Abs. 5 (Wiederholung)", "§ 15 Abs. 3 (wiederkehrende
// Messung)"; UTF-8.
std::string LegalBasisText(LegalBasis basis);

// Days since a fixed day, so that two days can be subtracted.
long DayNumber(const Day& day);
// The same day `months` earlier; a day the month lacks becomes its last ("31.05." gives "28.02.").
Day MonthsBefore(const Day& day, int months);

// A repetition when the previous measurement, at most 6 weeks before, failed; a first
// measurement when the boiler was installed or replaced at most 3 months before (both bounds
// included) and no measurement of it is known, one before that day being of the old boiler
// (§ 2 Nr. 16 b); recurring otherwise.
LegalBasis SuggestLegalBasis(const std::optional<Day>& measured,
                             const std::optional<Day>& installed,
                             const std::optional<Day>& previous, bool previousFailed);

// The suggestion for `card` with the customer's `previous` card, whose verdict is taken with its
// own facts or, where it has none, the card's. Fuel names and uncertainty as for the verdict.
LegalBasis SuggestLegalBasis(const CardTable::Row& card,
                             const std::optional<CardTable::Row>& previous,
                             const std::vector<std::string>& fuelNames,
                             std::optional<int> lossUncertaintyTenths);
