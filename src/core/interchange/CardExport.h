// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cards written out for spreadsheet and office programs: a header of the column captions, then
// one row per card, numbers as numbers and dates as dates where the cell holds one.

#include "core/files/CardTable.h"

#include <string>
#include <string_view>
#include <vector>

// What a cell is in a spreadsheet.
enum class ExportKind { Text, Number, Date };

struct ExportCell {
    ExportKind kind = ExportKind::Text;
    std::string text;  // UTF-8
    double number = 0; // the number, or the date's serial in the 1900 system
};

// Cell `col` of a card (Windows-1252) as it goes out: a number in a number column (the measured
// values and the outputs in kW) when the whole cell is one, a date in the date columns when it is a
// real day, text otherwise.
ExportCell ExportedCell(int col, std::string_view cell);

// The table rows to export: `selected` where cards are selected, else every card.
std::vector<int> RowsToExport(const CardTable& table, const std::vector<int>& selected);

// The cards of `rows` as CSV for German spreadsheet programs: UTF-8 with a byte order mark,
// ";", the captions of row 0 as header line, decimal commas in numbers. Without `header` only
// the card lines, for adding to an existing file.
std::string CardsCsv(const CardTable& table, const std::vector<int>& rows, bool header = true);
