// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/CustomerRegister.h"

#include "core/certificate/FactProposal.h"
#include "core/exchange/DeviceTexts.h"
#include "core/files/CardColumns.h"
#include "core/files/CardFile.h"
#include "core/files/PlantFacts.h"
#include "core/files/Trimmed.h"

#include <algorithm>

namespace {

// One text for the three parts; the separator is no card text byte.
std::string KeyText(const CustomerKey& key) {
    std::string text;
    text.reserve(key.name.size() + key.street.size() + key.town.size() + 2);
    text.append(key.name).append(1, '\x1F').append(key.street).append(1, '\x1F').append(key.town);
    return text;
}

// The first three fields of a line, without splitting the rest.
CustomerKey DeviceKeyOfLine(std::string_view line) {
    std::string_view fields[3];
    size_t pos = 0;
    for (int i = 0; i < 3 && pos <= line.size(); ++i) {
        const size_t comma = line.find(',', pos);
        const size_t end = comma == std::string_view::npos ? line.size() : comma;
        fields[i] = line.substr(pos, end - pos);
        pos = end + 1;
    }
    return DeviceCustomerOf(fields[0], fields[1], fields[2]);
}

// Whether any cell from the boiler facts on holds something: the facts are every column the
// column file defines after the device's.
bool HasFacts(const CardTable::Row& row) {
    for (size_t col = kColNominalOutput; col < row.size(); ++col) {
        if (!Trimmed(row[col]).empty()) {
            return true;
        }
    }
    return false;
}

} // namespace

CustomerRegister::CustomerRegister(int colCount)
    : cols_(static_cast<size_t>(std::max(colCount, kColNominalOutput + kPlantFactColumns))) {}

void CustomerRegister::Want(const CustomerKey& deviceKey) {
    byKey_.emplace(KeyText(deviceKey), std::vector<RegisterCustomer>());
}

void CustomerRegister::AddCard(const CardTable::Row& card) {
    const auto it = byKey_.find(KeyText(DeviceCustomerOf(card)));
    if (it != byKey_.end()) {
        Add(it->second, card);
    }
}

void CustomerRegister::AddCardData(std::string_view data) {
    ForEachCardLine(data, [&](std::string_view line) {
        const auto it = byKey_.find(KeyText(DeviceKeyOfLine(line)));
        if (it == byKey_.end()) {
            return; // another customer's card: most of the folder
        }
        SplitCardFields(line, cols_, row_);
        Add(it->second, row_);
    });
}

void CustomerRegister::AddFolder(const std::string& folder, const std::string& except,
                                 const RegisterProgress& progress) {
    const std::vector<std::string> files = CardFilesIn(folder, except);
    const int total = static_cast<int>(files.size());
    std::string data;
    for (int i = 0; i < total; ++i) {
        if (progress) {
            progress(i, total);
        }
        const std::string& file = files[static_cast<size_t>(i)];
        if (const auto skip = ReadFolderCardFile(file, data)) {
            skipped_.push_back({file, *skip});
            continue;
        }
        ++filesRead_;
        AddCardData(data);
    }
    if (progress) {
        progress(total, total);
    }
}

const std::vector<RegisterCustomer>&
CustomerRegister::CustomersOf(const CustomerKey& deviceKey) const {
    static const std::vector<RegisterCustomer> none;
    const auto it = byKey_.find(KeyText(deviceKey));
    return it == byKey_.end() ? none : it->second;
}

void CustomerRegister::Add(std::vector<RegisterCustomer>& customers, const CardTable::Row& card) {
    const CustomerKey customer = CustomerOf(card);
    auto it = std::find_if(customers.begin(), customers.end(),
                           [&](const RegisterCustomer& c) { return c.customer == customer; });
    if (it == customers.end()) {
        customers.push_back({customer, {}, -1, {}, -1});
        it = customers.end() - 1;
    }
    // Of cards measured at the same moment, or both undated, the one read last counts.
    const long long moment = MeasurementMoment(card);
    if (moment >= it->newestMoment) {
        it->newest = card;
        it->newest.resize(cols_);
        it->newestMoment = moment;
    }
    if (moment >= it->factsMoment && HasFacts(card)) {
        it->facts = card;
        it->facts.resize(cols_);
        it->factsMoment = moment;
    }
}
