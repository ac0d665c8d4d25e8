// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who is due for a measurement in a year: every customer of the open table and of the card files
// of its folder once, judged by the newest card, and the customers the recurring measurement
// leaves out, apart.

#include "core/certificate/Verdict.h"
#include "core/due/DueRule.h"
#include "core/files/CardFolder.h"
#include "core/files/CardTable.h"
#include "core/files/Customer.h"
#include "core/history/CardDate.h"
#include "core/history/MeasurementHistory.h"

#include <optional>
#include <string>
#include <vector>

// A customer as the folder knows them: the newest card with a measurement date (the first card
// found when none has one), its plant facts filled in from the newest card that has any where
// its own are empty, since received cards carry none.
struct DueCustomer {
    CardTable::Row card;
    std::optional<CardDate> lastMeasurement;
};

struct DueCustomers {
    std::vector<DueCustomer> customers; // in the order first found
    std::vector<SkippedFile> skipped;
    int filesRead = 0;
};

// Reads the open table (null for none; `openFileName` its file, if any) and the card files of
// `folder` (none when empty) as the measurement history does, `colCount` columns a card but at
// least up to the last plant fact.
DueCustomers GatherDueCustomers(const CardTable* openTable, const std::string& openFileName,
                                const std::string& folder, int colCount,
                                const HistoryProgress& progress = {});

struct DueEntry {
    const DueCustomer* customer = nullptr;
    FuelKind fuel = FuelKind::Unknown;
    Exemption exemption = Exemption::None;
    DueYear due; // for a customer who is measured
};

struct DueList {
    int year = 0;
    std::vector<DueEntry> due;    // due in `year` or earlier, earliest first, then by name
    std::vector<DueEntry> exempt; // by name
};

// The list for `year`; `fuelNames` is the fuel table (Windows-1252), which tells oil from gas.
// The entries point into `customers`.
DueList BuildDueList(const DueCustomers& customers, int year,
                     const std::vector<std::string>& fuelNames);

// The captions of the table for spreadsheets, UTF-8: customer, street, town, last measurement,
// due year, reason.
std::vector<std::string> DueCaptions();
// One line of it, UTF-8; an exempt customer has no due year and the exemption as reason.
std::vector<std::string> DueRowTexts(const DueEntry& entry, int year);
// The fuel named on the card, UTF-8.
std::string DueFuelText(const DueEntry& entry);
// The captions and every line, the exempt customers after the due ones, cells joined by ";",
// lines ended by CR LF.
std::string DueCsv(const DueList& list);

// The customers' newest cards without their measured values (columns 3 to 24), ready to be sent.
CardTable::Row BlankRoundCard(const CardTable::Row& card);
