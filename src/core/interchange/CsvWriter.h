// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing lists as spreadsheet programs read them: cells quoted where they hold the separator,
// a quote or a line break, quotes doubled, lines ended by CR LF.

#include <string>
#include <string_view>
#include <vector>

// The byte order mark that makes spreadsheet programs read a CSV file as UTF-8.
extern const char* const kCsvUtf8Mark;

std::string CsvCell(std::string_view text, char separator);

// The cells joined by `separator`, with CR LF at the end.
std::string CsvLine(const std::vector<std::string>& cells, char separator);
