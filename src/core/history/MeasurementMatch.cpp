// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/MeasurementMatch.h"

#include "core/certificate/CertificatePage.h"
#include "core/exchange/DeviceTexts.h"
#include "core/files/CardColumns.h"
#include "core/files/Trimmed.h"

namespace {

// A customer whose texts are no longer than the device keeps may be an earlier round that was
// saved without matching: the device's copy of a customer with the longer texts, not a second
// customer. Such copies give way to the one customer they can stand for.
std::vector<const RegisterCustomer*> Candidates(const std::vector<RegisterCustomer>& customers,
                                                const CustomerKey& deviceKey) {
    std::vector<const RegisterCustomer*> full;
    const RegisterCustomer* copy = nullptr;
    for (const RegisterCustomer& c : customers) {
        if (c.customer == deviceKey) {
            copy = &c;
        } else {
            full.push_back(&c);
        }
    }
    if (full.empty() && copy != nullptr) {
        full.push_back(copy);
    }
    return full;
}

// The newest card with facts among the customer and the device's copy of it.
const CardTable::Row& FactsOf(const RegisterCustomer& customer,
                              const std::vector<RegisterCustomer>& all,
                              const CustomerKey& deviceKey) {
    const RegisterCustomer* best = &customer;
    for (const RegisterCustomer& c : all) {
        if (c.customer == deviceKey && c.factsMoment > best->factsMoment) {
            best = &c;
        }
    }
    return best->facts;
}

MatchedCard Matched(const CardTable& table, int row, const RegisterCustomer& customer,
                    const CardTable::Row& facts) {
    MatchedCard m;
    m.row = row;
    m.card = table.RowAt(row);
    for (size_t col = 0; col < 3 && col < m.card.size(); ++col) {
        m.card[col] = customer.newest[col];
    }
    for (size_t col = kColNominalOutput; col < m.card.size() && col < facts.size(); ++col) {
        if (Trimmed(m.card[col]).empty() && !Trimmed(facts[col]).empty()) {
            m.card[col] = facts[col];
            ++m.factsFilled;
        }
    }
    return m;
}

} // namespace

void WantRoundCustomers(const CardTable& table, CustomerRegister& reg) {
    for (const int row : MeasuredRows(table)) {
        reg.Want(DeviceCustomerOf(table.RowAt(row)));
    }
}

MatchPlan PlanMatch(const CardTable& table, const CustomerRegister& reg) {
    MatchPlan plan;
    for (const int row : MeasuredRows(table)) {
        const CustomerKey key = DeviceCustomerOf(table.RowAt(row));
        const std::vector<RegisterCustomer>& all = reg.CustomersOf(key);
        const std::vector<const RegisterCustomer*> candidates = Candidates(all, key);
        if (candidates.empty()) {
            plan.notFound.push_back(row);
        } else if (candidates.size() == 1) {
            const RegisterCustomer& c = *candidates.front();
            plan.matched.push_back(Matched(table, row, c, FactsOf(c, all, key)));
        } else {
            AmbiguousCard a;
            a.row = row;
            for (const RegisterCustomer* c : candidates) {
                a.customers.push_back(c->newest);
            }
            plan.ambiguous.push_back(std::move(a));
        }
    }
    plan.skipped = reg.Skipped();
    plan.filesRead = reg.FilesRead();
    return plan;
}

MatchPlan PlanMatchInFolder(const CardTable& table, const std::string& folder,
                            const std::string& ownFile, const RegisterProgress& progress) {
    CustomerRegister reg(table.ColCount());
    WantRoundCustomers(table, reg);
    reg.AddFolder(folder, ownFile, progress);
    return PlanMatch(table, reg);
}

std::vector<CellChange> MatchChanges(const CardTable& table, const MatchPlan& plan) {
    std::vector<CellChange> changes;
    for (const MatchedCard& m : plan.matched) {
        for (size_t col = 0; col < m.card.size(); ++col) {
            const int c = static_cast<int>(col);
            if (table.Cell(c, m.row) != m.card[col]) {
                changes.push_back({c, m.row, m.card[col]});
            }
        }
    }
    return changes;
}

std::string MatchSummary(const MatchPlan& plan) {
    return std::to_string(plan.matched.size()) + " zugeordnet, " +
           std::to_string(plan.ambiguous.size()) + " mehrdeutig, " +
           std::to_string(plan.notFound.size()) + " nicht gefunden";
}
