// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/customer/CustomerCards.h"

#include "core/files/CardFile.h"
#include "core/history/MeasurementHistory.h"

#include <algorithm>

const char* const kErasureLogName = "Loeschprotokoll.csv";

namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// The log's lines name the customer in their last three fields.
int CountLogEntries(const std::string& folder, const CustomerKey& customer) {
    std::string data;
    if (ReadFolderCardFile(folder + "/" + kErasureLogName, data)) {
        return 0;
    }
    int count = 0;
    CardTable::Row fields;
    ForEachCardLine(data, [&](std::string_view text) {
        const int n = SplitLine(fields, ";", text);
        if (n >= 3 &&
            IsCustomer({fields[size_t(n) - 3], fields[size_t(n) - 2], fields[size_t(n) - 1]},
                       customer)) {
            ++count;
        }
    });
    return count;
}

} // namespace

int CustomerCards::Count() const {
    int n = 0;
    for (const CustomerPlace& p : places) {
        n += static_cast<int>(p.cards.size());
    }
    return n;
}

bool IsErasureLog(const std::string& path) {
    return SameName(FileNameOf(path), kErasureLogName);
}

std::vector<std::string> RequestFiles(const std::string& folder) {
    std::vector<std::string> files = CardFilesIn(folder, std::string());
    files.erase(std::remove_if(files.begin(), files.end(), IsErasureLog), files.end());
    return files;
}

bool IsCustomerLine(std::string_view text, const CustomerKey& customer) {
    // Most lines are other customers': the name alone rules them out.
    if (!IsCustomerText(text.substr(0, text.find(',')), customer.name)) {
        return false;
    }
    CardTable::Row row;
    SplitCardFields(text, 3, row);
    return IsCustomer(row, customer);
}

CustomerCards FindCustomerCards(const CustomerKey& customer, const CardTable* openTable,
                                const std::string& openFileName, bool tableIsFile,
                                const std::string& folder, int colCount) {
    CustomerCards found;
    found.customer = customer;
    const size_t cols = static_cast<size_t>(std::max(colCount, 3));
    if (openTable != nullptr) {
        CustomerPlace place{openFileName, true, {}};
        for (int r = 1; r < openTable->RowCount(); ++r) {
            if (IsCustomer(openTable->RowAt(r), customer)) {
                found.tableRows.push_back(r);
                place.cards.push_back({openTable->RowAt(r), r});
            }
        }
        if (!tableIsFile && !place.cards.empty()) {
            found.places.push_back(std::move(place));
        }
    }
    if (folder.empty()) {
        return found;
    }
    for (const std::string& file : RequestFiles(folder)) {
        std::string data;
        if (const auto skip = ReadFolderCardFile(file, data)) {
            found.skipped.push_back({file, *skip});
            continue;
        }
        ++found.filesRead;
        CustomerPlace place{file, false, {}};
        int line = 0;
        ForEachCardLine(data, [&](std::string_view text) {
            ++line;
            if (IsCustomerLine(text, customer)) {
                CustomerCard card{{}, line};
                SplitCardFields(text, cols, card.card);
                place.cards.push_back(std::move(card));
            }
        });
        if (!place.cards.empty()) {
            found.places.push_back(std::move(place));
        }
    }
    found.logEntries = CountLogEntries(folder, customer);
    return found;
}
