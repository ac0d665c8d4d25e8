// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole cards on the clipboard, the way spreadsheets exchange rows: one line a card, its fields
// separated by tabs. Pasted lines become cards by the rules of typing, so nothing reaches the
// table that the card file or the device could not hold.

#include "core/files/CardTable.h"

#include <string>
#include <string_view>
#include <vector>

// The cards of `rows` as Windows-1252 text: every cell of each card, separated by tabs, each
// line ended by CR LF. A cell holding a tab or a line end, or starting with a double quote, is
// quoted as spreadsheets do it.
std::string CardLines(const CardTable& table, const std::vector<int>& rows);

// The measured values that are numbers; fuel, date, time and oil derivatives are texts.
bool IsNumberColumn(int col);

// Whether a pasted text is card lines (a line of several fields) rather than a single value.
bool HoldsCardLines(std::u32string_view text);

// A pasted field as it goes into column `col`, as Windows-1252 bytes: name, street, town and the
// boiler facts as a paste into the cell would take it, cut where it would not fit (the output
// after its first decimal); in the measured values a decimal comma
// of a number becomes a point, and separators, control characters and what the code page
// cannot hold are dropped.
std::string PastedField(int col, std::u32string_view field);

// The cards of `text`, each of `colCount` cells (fields beyond are dropped, missing ones stay
// empty). Lines end in CR LF, LF or CR; empty lines are no cards. A field in double quotes may
// hold tabs, line ends and doubled quotes.
std::vector<CardTable::Row> CardsFromLines(std::u32string_view text, int colCount);
