// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list made into cards: each row a card, each card column filled from its source columns
// (joined with a blank) and made to fit. A row that gives an empty card is skipped.

#include "core/files/CardTable.h"
#include "core/interchange/ColumnMapping.h"
#include "core/interchange/ImportReport.h"

#include <functional>
#include <vector>

struct ImportPlan {
    ColumnMapping mapping; // one entry per card column
    bool header = true;    // the first row names the columns and is no card
};

struct ImportResult {
    std::vector<CardTable::Row> cards; // Windows-1252 cells, ColCount each
    ImportReport report;
};

// Called now and then with the number of rows done.
using ImportProgress = std::function<void(size_t rowsDone)>;

// The cards of `rows` (from row 1 when the plan has a header), each of `colCount` cells.
ImportResult ImportCards(const SourceRows& rows, const ImportPlan& plan, int colCount,
                         const ImportProgress& progress = {});
