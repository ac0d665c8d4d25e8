// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/due/DueList.h"

#include "core/files/Ansi.h"
#include "core/files/CardFile.h"
#include "core/files/Trimmed.h"
#include "core/history/HistoryChart.h"
#include "core/history/HistoryTable.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace {

// The measured values, which a card for the next visit leaves empty.
constexpr int kFirstMeasuredCol = kColFuel;
constexpr int kLastMeasuredCol = kColNominalOutput - 1;

std::string_view CellAt(const CardTable::Row& row, int col) {
    return static_cast<size_t>(col) < row.size() ? std::string_view(row[static_cast<size_t>(col)])
                                                 : std::string_view();
}

std::string TextOf(const CardTable::Row& row, int col) {
    return AnsiToUtf8(Trimmed(CellAt(row, col)));
}

bool HasPlantFact(const CardTable::Row& row) {
    for (int c = kColNominalOutput; c < kFactColumnsEnd; ++c) {
        if (!Trimmed(CellAt(row, c)).empty()) {
            return true;
        }
    }
    return false;
}

// A card with its date, ordered: any dated card before an undated one, the later date first;
// among undated cards the first found stays.
struct Dated {
    CardTable::Row card;
    std::optional<CardDate> date;
    int minutes = -1;

    bool NewerThan(const Dated& other) const {
        if (!date) {
            return false;
        }
        if (!other.date) {
            return true;
        }
        return std::tie(date->year, date->month, date->day, minutes) >
               std::tie(other.date->year, other.date->month, other.date->day, other.minutes);
    }
};

Dated DatedOf(const CardTable::Row& row) {
    Dated d;
    d.card = row;
    CardDate date;
    if (ParseCardDate(CellAt(row, kColDate), date)) {
        d.date = date;
        d.minutes = ParseCardTime(CellAt(row, kColTime));
    }
    return d;
}

class Collector {
public:
    explicit Collector(int colCount)
        : cols_(static_cast<size_t>(std::max(colCount, kFactColumnsEnd))) {}

    void Add(const CardTable::Row& row) {
        const CustomerKey key = CustomerOf(row);
        if (key == CustomerKey()) {
            return; // an empty card belongs to nobody
        }
        std::string id = key.name + '\x1F' + key.street + '\x1F' + key.town;
        const auto [it, added] = index_.emplace(std::move(id), found_.size());
        if (added) {
            found_.emplace_back();
        }
        Found& f = found_[it->second];
        Dated card = DatedOf(row);
        card.card.resize(cols_);
        const bool facts = HasPlantFact(card.card);
        if (facts && (!f.facts || card.NewerThan(*f.facts))) {
            f.facts = card;
        }
        if (!f.newest || card.NewerThan(*f.newest)) {
            f.newest = std::move(card);
        }
    }

    void AddText(std::string_view text) {
        SplitCardFields(text, cols_, row_);
        Add(row_);
    }

    std::vector<DueCustomer> Finish() {
        std::vector<DueCustomer> customers;
        customers.reserve(found_.size());
        for (Found& f : found_) {
            DueCustomer c;
            c.card = std::move(f.newest->card);
            c.lastMeasurement = f.newest->date;
            if (f.facts) {
                for (int col = kColNominalOutput; col < static_cast<int>(cols_); ++col) {
                    std::string& cell = c.card[static_cast<size_t>(col)];
                    if (Trimmed(cell).empty()) {
                        cell = f.facts->card[static_cast<size_t>(col)];
                    }
                }
            }
            customers.push_back(std::move(c));
        }
        return customers;
    }

private:
    struct Found {
        std::optional<Dated> newest;
        std::optional<Dated> facts;
    };

    size_t cols_;
    std::unordered_map<std::string, size_t> index_;
    std::vector<Found> found_;
    CardTable::Row row_;
};

std::string SortName(const DueEntry& e) {
    const CustomerKey k = CustomerOf(e.customer->card);
    return k.name + '\x1F' + k.street + '\x1F' + k.town;
}

} // namespace

DueCustomers GatherDueCustomers(const CardTable* openTable, const std::string& openFileName,
                                const std::string& folder, int colCount,
                                const HistoryProgress& progress) {
    DueCustomers result;
    Collector collector(colCount);
    if (openTable != nullptr) {
        for (int r = 1; r < openTable->RowCount(); ++r) {
            collector.Add(openTable->RowAt(r));
        }
    }
    const std::vector<std::string> files = CardFilesIn(folder, openFileName);
    const int total = static_cast<int>(files.size());
    for (int i = 0; i < total; ++i) {
        if (progress) {
            progress(i, total);
        }
        std::string data;
        const std::string& file = files[static_cast<size_t>(i)];
        if (const auto skip = ReadFolderCardFile(file, data)) {
            result.skipped.push_back({file, *skip});
            continue;
        }
        ++result.filesRead;
        int line = 0;
        ForEachCardLine(data, [&](std::string_view text) {
            if (++line % 4096 == 0 && progress) {
                progress(i, total);
            }
            collector.AddText(text);
        });
    }
    if (progress) {
        progress(total, total);
    }
    result.customers = collector.Finish();
    return result;
}

DueList BuildDueList(const DueCustomers& customers, int year,
                     const std::vector<std::string>& fuelNames) {
    DueList list;
    list.year = year;
    for (const DueCustomer& c : customers.customers) {
        DueEntry e;
        e.customer = &c;
        e.fuel = ClassifyFuel(CellAt(c.card, kColFuel), fuelNames);
        const BoilerFacts facts = ReadBoilerFacts(c.card);
        e.exemption = ExemptionOf(facts, e.fuel);
        if (e.exemption != Exemption::None) {
            list.exempt.push_back(std::move(e));
            continue;
        }
        e.due = NextDueYear(facts, c.lastMeasurement, year);
        if (e.due.year <= year) {
            list.due.push_back(std::move(e));
        }
    }
    std::stable_sort(list.due.begin(), list.due.end(), [](const DueEntry& a, const DueEntry& b) {
        return std::make_pair(a.due.year, SortName(a)) < std::make_pair(b.due.year, SortName(b));
    });
    std::stable_sort(
        list.exempt.begin(), list.exempt.end(),
        [](const DueEntry& a, const DueEntry& b) { return SortName(a) < SortName(b); });
    return list;
}

std::vector<std::string> DueCaptions() {
    return {"Kunde",
            "Stra\xC3\x9F"
            "e",
            "Ort",
            "Letzte Messung",
            "F\xC3\xA4llig",
            "Grund"};
}

std::vector<std::string> DueRowTexts(const DueEntry& e, int year) {
    const CardTable::Row& card = e.customer->card;
    const bool exempt = e.exemption != Exemption::None;
    return {TextOf(card, kColName),
            TextOf(card, kColStreet),
            TextOf(card, kColTown),
            e.customer->lastMeasurement ? DateText(*e.customer->lastMeasurement) : std::string(),
            exempt ? std::string() : std::to_string(e.due.year),
            exempt ? ExemptionText(e.exemption) : DueReasonText(e.due, year)};
}

std::string DueFuelText(const DueEntry& entry) {
    return TextOf(entry.customer->card, kColFuel);
}

std::string DueCsv(const DueList& list) {
    std::string out;
    AppendCsvLine(out, DueCaptions());
    for (const auto* part : {&list.due, &list.exempt}) {
        for (const DueEntry& e : *part) {
            AppendCsvLine(out, DueRowTexts(e, list.year));
        }
    }
    return out;
}

CardTable::Row BlankRoundCard(const CardTable::Row& card) {
    CardTable::Row blank = card;
    for (int col = kFirstMeasuredCol; col <= kLastMeasuredCol; ++col) {
        if (static_cast<size_t>(col) < blank.size()) {
            blank[static_cast<size_t>(col)].clear();
        }
    }
    return blank;
}
