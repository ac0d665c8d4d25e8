// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Received measurements put back onto their customers: every card of a table that has a
// measurement date is looked up in the register (the other card files of its folder) by what the
// device keeps of name, street and town. A card of exactly one customer gets that customer's full
// texts and, where its own cells are empty, the boiler facts of the customer's newest card that
// has any. The plan is shown before anything changes.

#include "core/files/CardFolder.h"
#include "core/files/CardTable.h"
#include "core/files/CellChange.h"
#include "core/history/CustomerRegister.h"

#include <string>
#include <vector>

struct MatchedCard {
    int row = 0;         // table row
    CardTable::Row card; // the card as it becomes
    int factsFilled = 0; // empty fact cells that the register fills
};

struct AmbiguousCard {
    int row = 0;
    std::vector<CardTable::Row> customers; // the newest card of each customer it may be
};

struct MatchPlan {
    std::vector<MatchedCard> matched;
    std::vector<AmbiguousCard> ambiguous;
    std::vector<int> notFound; // table rows
    std::vector<SkippedFile> skipped;
    int filesRead = 0;
};

// The device keys of the table's cards with a measurement date: what the register must hold.
void WantRoundCustomers(const CardTable& table, CustomerRegister& reg);

// The plan for the table's cards with a measurement date against a register that wanted them.
MatchPlan PlanMatch(const CardTable& table, const CustomerRegister& reg);

// The same with the register read from the card files of `folder` but `ownFile`.
MatchPlan PlanMatchInFolder(const CardTable& table, const std::string& folder,
                            const std::string& ownFile, const RegisterProgress& progress = {});

// The cells that the plan changes in `table`, row by row.
std::vector<CellChange> MatchChanges(const CardTable& table, const MatchPlan& plan);

// "38 zugeordnet, 1 mehrdeutig, 1 nicht gefunden".
std::string MatchSummary(const MatchPlan& plan);
