// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The list reader on arbitrary bytes: detection and splitting never fail, the rows written out
// again read back the same, and no cell made to fit a card holds what would break the card file.

#include "core/app/CardTyping.h"
#include "core/files/CardColumns.h"
#include "core/interchange/CardFitting.h"
#include "core/interchange/CsvReader.h"
#include "core/interchange/CsvWriter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = DecodeText(bytes, DetectEncoding(bytes));
    const char separator = DetectSeparator(text);
    SourceRows rows;
    try {
        rows = ReadCsvRows(text, separator);
    } catch (const EImportError&) {
        return 0;
    }
    std::string written;
    for (const SourceRow& row : rows) {
        written += CsvLine(row, separator);
    }
    if (ReadCsvRows(written, separator) != rows) {
        std::abort();
    }
    int col = 0;
    for (const SourceRow& row : rows) {
        for (const std::string& cell : row) {
            col = (col + 1) % kFactColumnsEnd;
            const FittedField fitted = FitField(col, cell);
            const int limit = TypingLimit(col);
            if (fitted.value.find_first_of(",;\r\n", 0) != std::string::npos ||
                (limit > 0 && fitted.value.size() > static_cast<size_t>(limit))) {
                std::abort();
            }
        }
    }
    return 0;
}
