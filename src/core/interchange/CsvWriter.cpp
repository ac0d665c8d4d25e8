// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/CsvWriter.h"

const char* const kCsvUtf8Mark = "\xEF\xBB\xBF";

std::string CsvCell(std::string_view text, char separator) {
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    // A leading blank would be lost by some readers; quoting keeps it.
    const bool quote = text.find_first_of(special) != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) {
        return std::string(text);
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
    return out;
}

std::string CsvLine(const std::vector<std::string>& cells, char separator) {
    std::string out;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        out += CsvCell(cells[i], separator);
    }
    out += "\r\n";
    return out;
}
