// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The customers of a folder's card files that received cards may belong to, found by what the
// device keeps of name, street and town. Only the keys asked for are kept, so a folder of
// 100,000 cards costs one pass and a lookup a line.

#include "core/files/CardFolder.h"
#include "core/files/CardTable.h"
#include "core/files/Customer.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// One customer of the register: the cards whose full name, street and town compare equal.
struct RegisterCustomer {
    CustomerKey customer;
    CardTable::Row newest; // the newest card; its name, street and town are the full ones
    long long newestMoment = -1;
    CardTable::Row facts; // the newest card with a boiler fact; empty when none has one
    long long factsMoment = -1;
};

// Called between files with the files done and the files in all.
using RegisterProgress = std::function<void(int filesDone, int filesTotal)>;

class CustomerRegister {
public:
    // Cards are read `colCount` columns wide, at least up to the boiler facts.
    explicit CustomerRegister(int colCount);

    // A device key (DeviceCustomerOf) to collect the customers of.
    void Want(const CustomerKey& deviceKey);

    // A card of the register; kept when its device key is wanted.
    void AddCard(const CardTable::Row& card);
    // Every line of a card file's bytes.
    void AddCardData(std::string_view data);
    // The card files of `folder` but `except` (see CardFolder.h for the files passed over).
    void AddFolder(const std::string& folder, const std::string& except,
                   const RegisterProgress& progress = {});

    // The customers found for a wanted device key, in the order first met.
    const std::vector<RegisterCustomer>& CustomersOf(const CustomerKey& deviceKey) const;

    const std::vector<SkippedFile>& Skipped() const { return skipped_; }
    int FilesRead() const { return filesRead_; }

private:
    void Add(std::vector<RegisterCustomer>& customers, const CardTable::Row& card);

    size_t cols_;
    std::unordered_map<std::string, std::vector<RegisterCustomer>> byKey_;
    std::vector<SkippedFile> skipped_;
    int filesRead_ = 0;
    CardTable::Row row_; // reused by AddCardData
};
