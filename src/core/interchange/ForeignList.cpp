// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/ForeignList.h"

#include "core/interchange/ColumnMapping.h"
#include "core/interchange/CsvReader.h"

bool LooksLikeForeignList(std::string_view head, const std::vector<std::string>& captions) {
    if (head.substr(0, 4) == "PK\x03\x04" || head.substr(0, 3) == "\xEF\xBB\xBF" ||
        head.substr(0, 2) == "\xFF\xFE" || head.substr(0, 2) == "\xFE\xFF") {
        return true;
    }
    head = head.substr(0, 64 * 1024);
    const size_t lf = head.find('\n');
    if (lf != std::string_view::npos && (lf == 0 || head[lf - 1] != '\r')) {
        return true;
    }
    // The first lines, as far as the start goes.
    const size_t lastEnd = head.find_last_of("\r\n");
    const std::string_view lines =
        lastEnd == std::string_view::npos ? head : head.substr(0, lastEnd);
    if (lines.find(';') != std::string_view::npos) {
        return true;
    }
    if (lines.substr(0, 1) == "\"" || lines.find(",\"") != std::string_view::npos ||
        lines.find("\n\"") != std::string_view::npos) {
        return true;
    }
    // A header of column names: two or more cells of the first line known.
    const SourceRows first =
        ReadCsvRows(DecodeText(head.substr(0, 4096), DetectEncoding(head)), ',', 1);
    if (first.empty()) {
        return false;
    }
    int known = 0;
    for (const std::string& cell : first.front()) {
        SourceRow one{cell};
        known += LooksLikeHeader(SourceRows{one}, captions) && !NormalizedName(cell).empty();
    }
    return known >= 2;
}
