// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history as a table: the measurement columns that tell how a boiler developed, and the
// file each card came from. The window, the printout and fendro-tool show the same columns.

#include "core/files/CardTable.h"
#include "core/history/MeasurementHistory.h"

#include <string>
#include <vector>

// The card columns of the table, in order: date, time, fuel, flue-gas temperature, O2, CO2, CO,
// flue-gas loss, efficiency, excess-air ratio, soot numbers 1 to 3 and oil derivatives.
const std::vector<int>& HistoryCardColumns();

// The captions, UTF-8: those of the column definition file (`captionRow`, row 0 of the card
// table) for the card columns, then "Datei".
std::vector<std::string> HistoryCaptions(const CardTable::Row& captionRow);

// "Name, Straße, Ort" of a card, blanks around each cut, UTF-8.
std::string CustomerLine(const CardTable::Row& card);

// One line of the table, UTF-8, blanks around the values cut; the file by its name.
std::vector<std::string> HistoryRowTexts(const HistoryEntry& entry);

// The table for spreadsheets: the captions and one line per entry, cells joined by ";", UTF-8,
// lines ended by CR LF. A cell holding ";" or a quote is put in quotes.
std::string HistoryCsv(const History& history, const CardTable::Row& captionRow);

// Appends one line of such a table.
void AppendCsvLine(std::string& out, const std::vector<std::string>& cells);

// A measured value of a card as a number ("9.5" or "9,5"); false for anything else.
bool ParseMeasuredValue(const std::string& text, double& value);
