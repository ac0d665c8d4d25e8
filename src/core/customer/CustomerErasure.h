// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Removing a customer from card files, or making the cards anonymous: the customer's lines go
// (or get other name, street and town), every other byte of a file stays as it was. Each file is
// replaced as a whole, so a failure leaves it untouched; one file that fails never stops the
// others.

#include "core/exchange/CivilDate.h"
#include "core/files/CardColumns.h"
#include "core/files/CardFolder.h"
#include "core/files/CardTable.h"
#include "core/files/Customer.h"

#include <string>
#include <string_view>
#include <vector>

enum class ErasureKind { Delete, Anonymise };

// The columns of a card that name a person: the customer's name, street and town, and the
// owner's name and address and the site of the plant.
constexpr int kPersonalColumns[] = {0, 1, 2, kColOwner, kColOwnerAddress, kColSite};

// The personal columns of an anonymised card, Windows-1252: "gelöscht TT.MM.JJJJ", "gelöscht",
// "gelöscht", and the owner and the site empty.
CardTable::Row AnonymousCustomer(const CivilDate& today);

// `data` (a card file's bytes) without the customer's lines, or with their personal columns
// replaced by `anonymous`. `count` gets the number of lines concerned.
std::string EraseCustomerLines(std::string_view data, const CustomerKey& customer, ErasureKind kind,
                               const CardTable::Row& anonymous, int& count);

// What became of one file.
struct ErasureOutcome {
    enum State { Done, Unwritable, Unreadable };
    std::string file; // UTF-8 path
    int cards = 0;    // the customer's cards in it
    State state = Done;
    SkipReason reason = SkipReason::Unreadable; // for Unreadable
};

// Erases the customer in `files` (UTF-8 paths). Files without the customer are left alone and not
// listed; files that cannot be read are listed as Unreadable, those that cannot be written as
// Unwritable with their cards counted. Never throws for a file's sake.
std::vector<ErasureOutcome> EraseInFiles(const std::vector<std::string>& files,
                                         const CustomerKey& customer, ErasureKind kind,
                                         const CardTable::Row& anonymous);

// Whether every file that may hold cards was searched and written.
bool AllDone(const std::vector<ErasureOutcome>& outcomes);

// The German message on the files that were not done, UTF-8, one line each; empty when all were.
std::string ErasureProblems(const std::vector<ErasureOutcome>& outcomes);
