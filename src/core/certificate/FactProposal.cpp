// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/FactProposal.h"

#include "core/certificate/Verdict.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "core/files/CardFolder.h"

#include <algorithm>
#include <limits>
#include <vector>

FactValues FactsOf(const CardTable::Row& row) {
    FactValues values;
    for (int i = 0; i < kAllFactColumns; ++i) {
        const size_t col = static_cast<size_t>(kColNominalOutput + i);
        if (col < row.size()) {
            values[static_cast<size_t>(i)] = row[col];
        }
    }
    return values;
}

long long MeasurementMoment(const CardTable::Row& row) {
    const auto cell = [&](int col) {
        return static_cast<size_t>(col) < row.size() ? row[static_cast<size_t>(col)]
                                                     : std::string();
    };
    const std::optional<Day> day = ParseDay(cell(kColDate));
    if (!day) {
        return 0;
    }
    // "HH:MM"; an unreadable time counts as midnight.
    const std::string time = cell(kColTime);
    int minutes = 0;
    if (time.size() == 5 && time[2] == ':') {
        const std::string digits = time.substr(0, 2) + time.substr(3, 2);
        if (digits.find_first_not_of("0123456789") == std::string::npos) {
            minutes = std::stoi(digits);
        }
    }
    return static_cast<long long>(day->Key()) * 10000 + minutes;
}

FactProposer::FactProposer(const CardTable::Row& card) : customer_(CustomerOf(card)) {
    const long long moment = MeasurementMoment(card);
    before_ = moment > 0 ? moment : std::numeric_limits<long long>::max();
}

void FactProposer::Consider(const CardTable::Row& candidate) {
    if (!IsCustomer(candidate, customer_)) {
        return;
    }
    // A card without a readable date was not measured before anything, and the dialog could
    // not say which card it proposes from.
    const long long moment = MeasurementMoment(candidate);
    if (moment <= 0 || moment >= before_) {
        return;
    }
    if (moment > previousMoment_) {
        previousMoment_ = moment;
        previous_ = candidate;
    }
    if (moment <= bestMoment_ || !HasAnyFact(candidate)) {
        return;
    }
    bestMoment_ = moment;
    const std::string date = static_cast<size_t>(kColDate) < candidate.size()
                                 ? candidate[static_cast<size_t>(kColDate)]
                                 : std::string();
    best_ = ProposedFacts{FactsOf(candidate), date};
}

void FactProposer::ConsiderCardFile(std::string_view data) {
    std::vector<std::string> fields;
    CardTable::Row row;
    ForEachCardLine(data, [&](std::string_view line) {
        const int n = SplitLine(fields, ",", line);
        row.assign(fields.begin(), fields.begin() + n);
        Consider(row);
    });
}

void FactProposer::ConsiderCardFolder(const std::string& folder, const std::string& except) {
    std::string data;
    for (const std::string& file : CardFilesIn(folder, except)) {
        if (!ReadFolderCardFile(file, data)) {
            ConsiderCardFile(data);
        }
    }
}

FactProposer EarlierCardsOf(const CardTable& table, int row, const std::string& cardFileName) {
    FactProposer proposer(table.RowAt(row));
    for (int r = 1; r < table.RowCount(); ++r) {
        if (r != row) {
            proposer.Consider(table.RowAt(r));
        }
    }
    // Only the folder of a card file that exists: the default name "C:\" names no folder.
    if (!cardFileName.empty() && FileExists(cardFileName)) {
        proposer.ConsiderCardFolder(FolderOf(cardFileName), cardFileName);
    }
    return proposer;
}

FactValues WithProposed(const FactValues& facts, const FactValues& proposed, bool& used) {
    FactValues out = facts;
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i].find_first_not_of(' ') == std::string::npos &&
            proposed[i].find_first_not_of(' ') != std::string::npos) {
            out[i] = proposed[i];
            used = true;
        }
    }
    return out;
}

namespace {

std::string KeyText(const CustomerKey& key) {
    return key.name + '\n' + key.street + '\n' + key.town;
}

} // namespace

PreviousMeasurements::PreviousMeasurements(const std::vector<CardTable::Row>& cards) {
    for (const CardTable::Row& card : cards) {
        byCustomer_.emplace(KeyText(CustomerOf(card)), std::vector<Dated>());
    }
}

void PreviousMeasurements::Add(const CardTable::Row& row) {
    const auto it = byCustomer_.find(KeyText(CustomerOf(row)));
    const long long moment = it == byCustomer_.end() ? 0 : MeasurementMoment(row);
    if (moment > 0) {
        it->second.push_back(Dated{moment, row});
        sorted_ = false;
    }
}

void PreviousMeasurements::AddCardFile(std::string_view data) {
    std::vector<std::string> fields;
    CardTable::Row row;
    ForEachCardLine(data, [&](std::string_view line) {
        const int n = SplitLine(fields, ",", line);
        row.assign(fields.begin(), fields.begin() + n);
        Add(row);
    });
}

std::optional<CardTable::Row> PreviousMeasurements::Before(const CardTable::Row& card) {
    if (!sorted_) {
        for (auto& [key, cards] : byCustomer_) {
            std::stable_sort(cards.begin(), cards.end(),
                             [](const Dated& a, const Dated& b) { return a.moment < b.moment; });
        }
        sorted_ = true;
    }
    const auto it = byCustomer_.find(KeyText(CustomerOf(card)));
    const long long moment = MeasurementMoment(card);
    if (it == byCustomer_.end() || moment <= 0) {
        return std::nullopt;
    }
    const std::vector<Dated>& cards = it->second;
    auto at = std::lower_bound(cards.begin(), cards.end(), moment,
                               [](const Dated& d, long long m) { return d.moment < m; });
    if (at == cards.begin()) {
        return std::nullopt;
    }
    // Of cards measured at the same moment the first added counts, as for FactProposer.
    --at;
    while (at != cards.begin() && std::prev(at)->moment == at->moment) {
        --at;
    }
    return at->row;
}
