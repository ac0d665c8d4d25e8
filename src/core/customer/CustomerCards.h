// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every card of one customer in the open table and in the card files of its folder, undated ones
// and repeats included: what a request for information shows and a deletion removes.

#include "core/files/CardFolder.h"
#include "core/files/CardTable.h"
#include "core/files/Customer.h"

#include <string>
#include <string_view>
#include <vector>

struct CustomerCard {
    CardTable::Row card; // the card's cells as a load puts them into the table
    int line = 0;        // the card's line in the file, or its row in the open table, from 1 on
};

// Where cards of the customer are.
struct CustomerPlace {
    std::string file;       // UTF-8 path; empty for the open table without a file
    bool openTable = false; // read from the open table, not from the file on disk
    std::vector<CustomerCard> cards;
};

struct CustomerCards {
    CustomerKey customer;
    std::vector<int> tableRows;        // the customer's rows of the open table
    std::vector<CustomerPlace> places; // with cards only: the open table first, then the files
    std::vector<SkippedFile> skipped;  // card files that could not be searched
    int filesRead = 0;
    int logEntries = 0; // lines of the deletion log naming the customer

    int Count() const;
};

// The log of deletions in a folder; it holds names, and is no card file.
extern const char* const kErasureLogName;

// Whether `path` names the deletion log.
bool IsErasureLog(const std::string& path);

// The card files of `folder` a customer request covers: all of them, the open one included,
// except the deletion log.
std::vector<std::string> RequestFiles(const std::string& folder);

// The cards of `customer`. `openTable` is null for none; when `tableIsFile` the table holds its
// file (`openFileName`) as it is on disk, so its cards are listed once, from the file. Files are
// read as "Öffnen..." reads them, `colCount` columns a card.
CustomerCards FindCustomerCards(const CustomerKey& customer, const CardTable* openTable,
                                const std::string& openFileName, bool tableIsFile,
                                const std::string& folder, int colCount);

// Whether a card line belongs to `customer`, without splitting the lines of others.
bool IsCustomerLine(std::string_view text, const CustomerKey& customer);
