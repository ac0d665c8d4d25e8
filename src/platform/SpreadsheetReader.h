// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the sheets of spreadsheet workbooks: Excel's .xlsx and OpenDocument's .ods, both zip
// files of XML. Cells come as the import wants them: text as it stands, numbers with a decimal
// point, dates as "TT.MM.JJJJ". Every file may be hostile: a broken zip, broken XML, entries
// that unpack to gigabytes or cells repeated a million times end in an EImportError with a
// German message, never in a crash or a hang.

#include "core/interchange/SourceTable.h"

#include <string>
#include <vector>

// Whether the name ends in ".xlsx" or ".ods" (any case).
bool IsSpreadsheetFile(const std::string& fileName);

// The names of the sheets in their order.
std::vector<std::string> SpreadsheetSheets(const std::string& fileName);

// The rows of sheet `sheet`; an empty name means the first sheet.
SourceRows ReadSpreadsheet(const std::string& fileName, const std::string& sheet);

// The same for each format.
std::vector<std::string> XlsxSheets(const std::string& fileName);
SourceRows ReadXlsx(const std::string& fileName, const std::string& sheet);
std::vector<std::string> OdsSheets(const std::string& fileName);
SourceRows ReadOds(const std::string& fileName, const std::string& sheet);
