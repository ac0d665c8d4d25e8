// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A customer's measurements: the cards of the customer in the open table and in every card file
// of a folder, the same measurement found twice kept once, newest first.

#include "core/files/CardFolder.h"
#include "core/files/CardTable.h"
#include "core/files/Customer.h"
#include "core/history/CardDate.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct HistoryEntry {
    CardTable::Row card;
    std::string file; // UTF-8 path of the card file, empty for the open table without a file
    bool inOpenTable = false;
    int row = 0; // the card's row in the open table, or its line in the file, from 1 on
    CardDate date;
    int minutes = -1; // time of day, -1 when the card has none
};

struct History {
    CustomerKey customer;
    std::vector<HistoryEntry> entries; // newest first
    int withoutDate = 0;               // cards of the customer whose date does not parse
    std::vector<SkippedFile> skipped;
    int filesRead = 0;
};

// Called between files and now and then within one with the files done and the files in all.
using HistoryProgress = std::function<void(int filesDone, int filesTotal)>;

// The history of `customer` from `openTable` (null for none; `openFileName` is the file it came
// from, if any) and the card files of `folder` (none when empty; see CardFolder.h for the files
// passed over). Files are read as "Öffnen..." reads them, `colCount` columns a card but at least
// up to the boiler facts.
History GatherHistory(const CustomerKey& customer, const CardTable* openTable,
                      const std::string& openFileName, const std::string& folder, int colCount,
                      const HistoryProgress& progress = {});

// The limit of the flue-gas loss for the customer's boiler, from the newest card that has a
// nominal heat output.
std::optional<double> HistoryLossLimit(const History& history);

// The notes below the table, UTF-8: "2 Karten ohne Messdatum" and "1 Datei übersprungen: a.csv
// (nicht lesbar)". Empty when there is nothing to say.
std::string WithoutDateText(int cards);
std::string SkippedText(const std::vector<SkippedFile>& skipped);

// The name part of a path.
std::string FileNameOf(const std::string& path);
