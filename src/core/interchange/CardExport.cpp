// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/CardExport.h"

#include "core/app/CardClipboard.h"
#include "core/files/Ansi.h"
#include "core/files/CardColumns.h"
#include "core/files/Trimmed.h"
#include "core/history/CardDate.h"
#include "core/interchange/CsvWriter.h"
#include "core/interchange/SheetDates.h"

#include <cmath>
#include <cstdlib>

namespace {

// A plain decimal number: digits, at most one point, an optional minus sign. No exponent, no
// hexadecimal, no "inf": only what a measured value looks like.
bool ParsePlainNumber(std::string_view text, double& value) {
    if (text.empty() || text.size() > 30) {
        return false;
    }
    size_t i = text[0] == '-' ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digits) {
        return false;
    }
    value = std::strtod(std::string(text).c_str(), nullptr);
    return std::isfinite(value);
}

bool IsDateColumn(int col) {
    return col == kColDate || col == kColInstallDate;
}

} // namespace

ExportCell ExportedCell(int col, std::string_view cell) {
    ExportCell out;
    out.text = AnsiToUtf8(cell);
    const std::string_view value = Trimmed(cell);
    const bool numberColumn =
        IsNumberColumn(col) || col == kColNominalOutput || col == kColMeasuredOutput;
    if (numberColumn && ParsePlainNumber(value, out.number)) {
        out.kind = ExportKind::Number;
        out.text = std::string(value);
        for (char& c : out.text) {
            if (c == '.') {
                c = ',';
            }
        }
        return out;
    }
    CardDate date;
    if (IsDateColumn(col) && ParseCardDate(value, date) && date.year >= 1900) {
        out.kind = ExportKind::Date;
        out.number = DateSerial(date.year, date.month, date.day);
        char text[48];
        std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
        out.text = text;
    }
    return out;
}

std::vector<int> RowsToExport(const CardTable& table, const std::vector<int>& selected) {
    if (!selected.empty()) {
        return selected;
    }
    std::vector<int> rows;
    for (int row = 1; row < table.RowCount(); ++row) {
        rows.push_back(row);
    }
    return rows;
}

std::string CardsCsv(const CardTable& table, const std::vector<int>& rows, bool header) {
    const char sep = ';';
    std::string out;
    std::vector<std::string> cells(static_cast<size_t>(table.ColCount()));
    if (header) {
        out = kCsvUtf8Mark;
        for (int col = 0; col < table.ColCount(); ++col) {
            cells[static_cast<size_t>(col)] = AnsiToUtf8(table.Cell(col, 0));
        }
        out += CsvLine(cells, sep);
    }
    for (const int row : rows) {
        for (int col = 0; col < table.ColCount(); ++col) {
            cells[static_cast<size_t>(col)] = ExportedCell(col, table.Cell(col, row)).text;
        }
        out += CsvLine(cells, sep);
    }
    return out;
}
