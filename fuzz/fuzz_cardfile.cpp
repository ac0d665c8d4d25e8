// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The card file reader on arbitrary bytes: every line becomes one card, fields land in their
// columns, and writing the table and reading it again gives the same table.

#include "FuzzSupport.h"
#include "core/files/CardFile.h"
#include "core/files/CardTable.h"

#include <algorithm>
#include <cstdint>

namespace {

// What loading a card file does with its lines: one row per line, field j to column j.
CardTable ReadTable(std::string_view data, int cols) {
    CardTable table;
    table.SetColCount(cols);
    table.SetRowCount(1);
    std::vector<std::string> fields;
    ForEachCardLine(data, [&](std::string_view line) {
        const int n = SplitLine(fields, ",", line);
        FUZZ_CHECK(n >= 1 && static_cast<size_t>(n) <= fields.size());
        FUZZ_CHECK(static_cast<size_t>(n) ==
                   static_cast<size_t>(std::count(line.begin(), line.end(), ',')) + 1);
        CardTable::Row row = table.EmptyRow();
        for (int j = 0; j < n && j < cols; ++j) {
            row[static_cast<size_t>(j)] = fields[static_cast<size_t>(j)];
        }
        table.AppendRow(std::move(row));
    });
    return table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the column count, the rest is the file.
    const int cols = 1 + data[0] % 40;
    const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::vector<std::string> lines = SplitCardLines(file);
    const CardTable table = ReadTable(file, cols);
    FUZZ_CHECK(table.RowCount() == static_cast<int>(lines.size()) + 1);
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find('\r') == std::string::npos);
        FUZZ_CHECK(line.find('\x1A') == std::string::npos);
    }

    // Cells hold no CR, byte 26 or comma, so the written file reads back as the same table.
    std::string written;
    for (int r = 1; r < table.RowCount(); ++r) {
        written += CardLineText(table.RowAt(r));
        written += "\r\n";
    }
    const CardTable again = ReadTable(written, cols);
    FUZZ_CHECK(again.Rows() == table.Rows());

    static const std::string path = FuzzFile("csv");
    WriteFuzzFile(path, data + 1, size - 1);
    FUZZ_CHECK(CountLines(path) == static_cast<int>(lines.size()));
    return 0;
}
