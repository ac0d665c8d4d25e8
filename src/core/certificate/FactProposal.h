// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The facts to propose for a card where they are missing: those of the same customer's most
// recent card with facts measured before it, from the open table or from the card files of its
// folder. On the way the customer's most recent earlier card of all is kept, the previous
// measurement that the legal basis looks at.

#include "core/files/CardTable.h"
#include "core/files/Customer.h"
#include "core/files/PlantFacts.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

using FactValues = std::array<std::string, kAllFactColumns>; // columns 25 to 47, as typed

// The fact cells of a row; missing cells are empty.
FactValues FactsOf(const CardTable::Row& row);

struct ProposedFacts {
    FactValues values;
    std::string date; // the measurement date of the card they come from, as on that card
};

class FactProposer {
public:
    explicit FactProposer(const CardTable::Row& card);

    // A card of the open table or of a file; cards of other customers, cards without facts and
    // cards not measured before the card (or without a readable date) are passed over.
    void Consider(const CardTable::Row& candidate);
    // Every card of a card file's bytes.
    void ConsiderCardFile(std::string_view data);
    // Every card of the card files of `folder` but `except` (the open file, whose table was
    // considered); files that cannot be read or are no card files are passed over.
    void ConsiderCardFolder(const std::string& folder, const std::string& except);

    const std::optional<ProposedFacts>& Result() const { return best_; }
    // The customer's most recent card measured before the card, with facts or without.
    const std::optional<CardTable::Row>& Previous() const { return previous_; }

private:
    CustomerKey customer_;
    long long before_;
    long long bestMoment_ = -1;
    std::optional<ProposedFacts> best_;
    long long previousMoment_ = -1;
    std::optional<CardTable::Row> previous_;
};

// A proposer for card `row` of `table` that has considered the table's other cards and, when
// `cardFileName` names a file that exists, the other card files of its folder.
FactProposer EarlierCardsOf(const CardTable& table, int row, const std::string& cardFileName);

// The previous measurement of many cards at once, as FactProposer::Previous finds it for one:
// the cards of the wanted customers kept by measurement moment.
class PreviousMeasurements {
public:
    // Only cards of the customers of `cards` will be kept.
    explicit PreviousMeasurements(const std::vector<CardTable::Row>& cards);
    void Add(const CardTable::Row& row);
    void AddCardFile(std::string_view data);
    // The customer's newest card measured before `card`.
    std::optional<CardTable::Row> Before(const CardTable::Row& card);

private:
    struct Dated {
        long long moment;
        CardTable::Row row;
    };
    std::unordered_map<std::string, std::vector<Dated>> byCustomer_;
    bool sorted_ = false;
};

// `facts` with every empty cell taken from `proposed`; sets `used` when one was.
FactValues WithProposed(const FactValues& facts, const FactValues& proposed, bool& used);

// Date (column 14) and time (column 15) as one ordered number; 0 when the date is unreadable.
long long MeasurementMoment(const CardTable::Row& row);
