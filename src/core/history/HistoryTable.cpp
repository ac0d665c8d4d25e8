// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryTable.h"

#include "core/files/Ansi.h"

#include <charconv>

namespace {

std::string TrimmedUtf8(const std::string& ansi) {
    size_t b = 0;
    size_t e = ansi.size();
    while (b < e && static_cast<unsigned char>(ansi[b]) <= 32) {
        ++b;
    }
    while (e > b && static_cast<unsigned char>(ansi[e - 1]) <= 32) {
        --e;
    }
    return AnsiToUtf8(std::string_view(ansi).substr(b, e - b));
}

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

void AppendCsvLine(std::string& out, const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += ';';
        }
        out += CsvCell(cells[i]);
    }
    out += "\r\n";
}

const std::vector<int>& HistoryCardColumns() {
    static const std::vector<int> cols = {14, 15, 3, 4, 7, 8, 9, 12, 13, 11, 20, 19, 18, 17};
    return cols;
}

std::vector<std::string> HistoryCaptions(const CardTable::Row& captionRow) {
    std::vector<std::string> captions;
    for (int col : HistoryCardColumns()) {
        captions.push_back(static_cast<size_t>(col) < captionRow.size()
                               ? TrimmedUtf8(captionRow[static_cast<size_t>(col)])
                               : std::string());
    }
    captions.emplace_back("Datei");
    return captions;
}

std::string CustomerLine(const CardTable::Row& card) {
    std::string line;
    for (size_t col = 0; col < 3; ++col) {
        if (col > 0) {
            line += ", ";
        }
        line += col < card.size() ? TrimmedUtf8(card[col]) : std::string();
    }
    return line;
}

std::vector<std::string> HistoryRowTexts(const HistoryEntry& entry) {
    std::vector<std::string> cells;
    for (int col : HistoryCardColumns()) {
        cells.push_back(static_cast<size_t>(col) < entry.card.size()
                            ? TrimmedUtf8(entry.card[static_cast<size_t>(col)])
                            : std::string());
    }
    cells.push_back(entry.file.empty() ? std::string("(ungespeichert)") : FileNameOf(entry.file));
    return cells;
}

std::string HistoryCsv(const History& history, const CardTable::Row& captionRow) {
    std::string out;
    AppendCsvLine(out, HistoryCaptions(captionRow));
    for (const HistoryEntry& e : history.entries) {
        AppendCsvLine(out, HistoryRowTexts(e));
    }
    return out;
}

bool ParseMeasuredValue(const std::string& text, double& value) {
    std::string s;
    for (char c : text) {
        if (static_cast<unsigned char>(c) > 32) {
            s += c == ',' ? '.' : c;
        }
    }
    // Whatever the process locale, and no exponents or words such as "inf".
    if (s.empty() || s.find_first_not_of("-.0123456789") != std::string::npos) {
        return false;
    }
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    // Nothing the device measures comes near a billion; larger is a typing slip, not a value.
    return ec == std::errc() && end == s.data() + s.size() && value > -1e9 && value < 1e9;
}
