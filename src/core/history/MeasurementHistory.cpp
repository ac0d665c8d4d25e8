// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/MeasurementHistory.h"

#include "core/files/CardFile.h"
#include "core/files/PlantFacts.h"
#include "core/files/Trimmed.h"
#include "core/files/Utf8Path.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>

namespace {

// The measured values end where the boiler facts begin.
constexpr int kLastMeasuredCol = kColNominalOutput - 1;

const std::string& CellOf(const CardTable::Row& row, int col) {
    static const std::string empty;
    return static_cast<size_t>(col) < row.size() ? row[static_cast<size_t>(col)] : empty;
}

// What makes two cards the same measurement: date, time and every measured value. The
// customer's own cells may differ in blanks and case, the boiler facts may be filled in later.
std::string MeasurementKey(const CardTable::Row& row) {
    std::string key;
    for (int col = 3; col <= kLastMeasuredCol; ++col) {
        key.append(Trimmed(CellOf(row, col)));
        key += '\x1F';
    }
    return key;
}

class Gatherer {
public:
    Gatherer(const CustomerKey& customer, int colCount)
        : customer_(customer),
          cols_(static_cast<size_t>(std::max(colCount, kColStandardBoiler + 1))) {
        history_.customer = customer;
    }

    void AddTable(const CardTable& table, const std::string& fileName) {
        for (int r = 1; r < table.RowCount(); ++r) {
            if (IsCustomer(table.RowAt(r), customer_)) {
                Add(table.RowAt(r), fileName, true, r);
            }
        }
    }

    // A file that cannot be read, is no card file or is too large goes to the skipped list.
    void AddFile(const std::string& fileName, const std::function<void()>& tick) {
        std::string data;
        if (const auto skip = ReadFolderCardFile(fileName, data)) {
            history_.skipped.push_back({fileName, *skip});
            return;
        }
        ++history_.filesRead;
        int line = 0;
        CardTable::Row row;
        ForEachCardLine(data, [&](std::string_view text) {
            ++line;
            if (line % 4096 == 0 && tick) {
                tick();
            }
            // Most lines are other customers': the name alone rules them out.
            if (!IsCustomerText(text.substr(0, text.find(',')), customer_.name)) {
                return;
            }
            SplitCardFields(text, cols_, row);
            if (IsCustomer(row, customer_)) {
                Add(row, fileName, false, line);
            }
        });
    }

    History Finish() {
        std::unordered_set<std::string> seen;
        std::vector<HistoryEntry> kept;
        for (HistoryEntry& e : history_.entries) {
            // Without a date two cards cannot be told apart as one measurement: each counts.
            if (!ParseCardDate(CellOf(e.card, kColDate), e.date)) {
                ++history_.withoutDate;
                continue;
            }
            if (!seen.insert(MeasurementKey(e.card)).second) {
                continue;
            }
            e.minutes = ParseCardTime(CellOf(e.card, kColTime));
            kept.push_back(std::move(e));
        }
        std::stable_sort(kept.begin(), kept.end(),
                         [](const HistoryEntry& a, const HistoryEntry& b) {
                             return std::tie(a.date.year, a.date.month, a.date.day, a.minutes) >
                                    std::tie(b.date.year, b.date.month, b.date.day, b.minutes);
                         });
        history_.entries = std::move(kept);
        return std::move(history_);
    }

private:
    void Add(const CardTable::Row& card, const std::string& file, bool inOpenTable, int row) {
        HistoryEntry e;
        e.card = card;
        e.file = file;
        e.inOpenTable = inOpenTable;
        e.row = row;
        history_.entries.push_back(std::move(e));
    }

    CustomerKey customer_;
    size_t cols_;
    History history_;
};

} // namespace

History GatherHistory(const CustomerKey& customer, const CardTable* openTable,
                      const std::string& openFileName, const std::string& folder, int colCount,
                      const HistoryProgress& progress) {
    Gatherer gatherer(customer, colCount);
    // The open table first: of a measurement found twice, the copy at hand is the one kept.
    if (openTable != nullptr) {
        gatherer.AddTable(*openTable, openFileName);
    }
    const std::vector<std::string> files = CardFilesIn(folder, openFileName);
    const int total = static_cast<int>(files.size());
    for (int i = 0; i < total; ++i) {
        if (progress) {
            progress(i, total);
        }
        gatherer.AddFile(files[static_cast<size_t>(i)], [&] {
            if (progress) {
                progress(i, total);
            }
        });
    }
    if (progress) {
        progress(total, total);
    }
    return gatherer.Finish();
}

std::optional<double> HistoryLossLimit(const History& history) {
    for (const HistoryEntry& e : history.entries) {
        if (const auto output = ParseNominalOutput(CellOf(e.card, kColNominalOutput))) {
            const std::string_view standard = Trimmed(CellOf(e.card, kColStandardBoiler));
            return FlueGasLossLimit(*output, standard == "J" || standard == "j");
        }
    }
    return std::nullopt;
}

std::string WithoutDateText(int cards) {
    if (cards <= 0) {
        return std::string();
    }
    return std::to_string(cards) + (cards == 1 ? " Karte" : " Karten") + " ohne Messdatum";
}

std::string SkippedText(const std::vector<SkippedFile>& skipped) {
    if (skipped.empty()) {
        return std::string();
    }
    const size_t n = skipped.size();
    std::string text = std::to_string(n) + (n == 1 ? " Datei" : " Dateien") +
                       " \xC3\xBC"
                       "bersprungen: ";
    // One line: the first few files by name, the rest as a number.
    constexpr size_t kNamed = 3;
    for (size_t i = 0; i < n && i < kNamed; ++i) {
        if (i > 0) {
            text += ", ";
        }
        text += FileNameOf(skipped[i].file);
        switch (skipped[i].reason) {
        case SkipReason::Unreadable:
            text += " (nicht lesbar)";
            break;
        case SkipReason::NotCardFile:
            text += " (keine Kartei)";
            break;
        case SkipReason::TooLarge:
            text += " (zu gro\xC3\x9F)";
            break;
        }
    }
    if (n > kNamed) {
        text += " und " + std::to_string(n - kNamed) + " weitere";
    }
    return text;
}

std::string FileNameOf(const std::string& path) {
    return Utf8FromPath(PathFromUtf8(path).filename());
}
