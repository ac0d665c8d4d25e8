// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed history: the customer, the chart and the table on portrait pages, more pages when
// the table needs them. The window's "Drucken..." and fendro-tool draw the same pages.

#include "core/files/CardTable.h"
#include "core/history/MeasurementHistory.h"
#include "core/printing/PrintCanvas.h"

#include <string>

// The title of the job and of every page, UTF-8.
extern const char* const kHistoryPrintTitle;

// `customer` is the customer line (UTF-8), `captionRow` the captions of the column definition
// file. Throws EPrinter when the paper has no room for the table, or what the canvas throws.
void PrintHistory(PrintCanvas& canvas, const History& history, const std::string& customer,
                  const CardTable::Row& captionRow);
