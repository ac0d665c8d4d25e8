// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/CsvReader.h"

#include "core/files/Ansi.h"

#include <algorithm>
#include <map>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string DecodeUtf16(std::string_view bytes, bool little) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(little ? a | (b << 8) : (a << 8) | b);
    };
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::string CleanUtf8(std::string_view text) {
    if (IsValidUtf8(text)) {
        return std::string(text);
    }
    std::string out;
    for (const char32_t c : Utf8ToCodePoints(text)) {
        AppendUtf8(out, c);
    }
    return out;
}

} // namespace

std::string TooLargeMessage() {
    return "Die Liste ist zu groß für den Import. Bitte teilen Sie sie in kleinere Listen.";
}

TextEncoding DetectEncoding(std::string_view bytes) {
    if (StartsWith(bytes, kUtf8Mark)) {
        return TextEncoding::Utf8;
    }
    if (StartsWith(bytes, "\xFF\xFE")) {
        return TextEncoding::Utf16LE;
    }
    if (StartsWith(bytes, "\xFE\xFF")) {
        return TextEncoding::Utf16BE;
    }
    // A long file is judged by its start; a sequence cut at the end of that start is no error.
    std::string_view head = bytes.substr(0, 1 << 20);
    if (head.size() < bytes.size()) {
        size_t keep = head.size();
        while (keep > 0 && keep > head.size() - 4 &&
               (static_cast<unsigned char>(head[keep - 1]) & 0xC0) == 0x80) {
            --keep;
        }
        if (keep > 0 && static_cast<unsigned char>(head[keep - 1]) >= 0xC0) {
            --keep;
        }
        head = head.substr(0, keep);
    }
    return IsValidUtf8(head) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::string DecodeText(std::string_view bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1252:
        return AnsiToUtf8(bytes);
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        if (!StartsWith(bytes, "\xFF\xFE") && !StartsWith(bytes, "\xFE\xFF")) {
            // Chosen by hand for a file without a mark: decode from its first byte.
            return DecodeUtf16(std::string("\0\0", 2) + std::string(bytes),
                               encoding == TextEncoding::Utf16LE);
        }
        return DecodeUtf16(bytes, encoding == TextEncoding::Utf16LE);
    case TextEncoding::Utf8:
    default:
        if (StartsWith(bytes, kUtf8Mark)) {
            bytes.remove_prefix(kUtf8Mark.size());
        }
        return CleanUtf8(bytes);
    }
}

char DetectSeparator(std::string_view text) {
    constexpr size_t kSample = 50;
    char best = ';';
    size_t bestScore = 0;
    for (const char separator : {';', '\t', ','}) {
        SourceRows rows;
        try {
            rows = ReadCsvRows(text, separator, kSample);
        } catch (const EImportError&) {
            continue;
        }
        std::map<size_t, size_t> lineCounts; // cells per line -> lines
        for (const SourceRow& row : rows) {
            if (row.size() > 1) {
                ++lineCounts[row.size()];
            }
        }
        size_t score = 0;
        for (const auto& [cells, lines] : lineCounts) {
            score = std::max(score, lines);
        }
        if (score > bestScore) {
            best = separator;
            bestScore = score;
        }
    }
    return best;
}

SourceRows ReadCsvRows(std::string_view text, char separator, size_t maxRows) {
    SourceRows rows;
    SourceRow row;
    std::string cell;
    size_t cells = 0;
    bool rowStarted = false;
    const auto endCell = [&] {
        if (++cells > kMaxSourceCells) {
            throw EImportError(TooLargeMessage());
        }
        if (row.size() < kMaxSourceColumns) {
            row.push_back(std::move(cell));
        }
        cell.clear();
    };
    const auto endRow = [&] {
        endCell();
        const size_t width = row.size();
        rows.push_back(std::move(row));
        row = SourceRow();
        // Rows of a list are alike: the next one takes as many cells.
        row.reserve(width);
        rowStarted = false;
    };
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && rows.size() < maxRows) {
        rowStarted = true;
        if (text[i] == '"') {
            // A quoted cell, up to the quote that is not doubled.
            ++i;
            while (i < n) {
                const size_t quote = text.find('"', i);
                if (quote == std::string_view::npos) {
                    cell.append(text.substr(i));
                    i = n;
                    break;
                }
                cell.append(text.substr(i, quote - i));
                i = quote + 1;
                if (i < n && text[i] == '"') {
                    cell.push_back('"');
                    ++i;
                } else {
                    break;
                }
            }
        }
        // The unquoted cell, or what follows a closing quote, up to a separator or a line end.
        size_t end = i;
        while (end < n && text[end] != separator && text[end] != '\r' && text[end] != '\n') {
            ++end;
        }
        cell.append(text.substr(i, end - i));
        i = end;
        if (i >= n) {
            break;
        }
        if (text[i] == separator) {
            endCell();
            ++i;
            continue;
        }
        if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') {
            ++i;
        }
        ++i;
        endRow();
    }
    if (rowStarted && rows.size() < maxRows) {
        endRow();
    }
    return rows;
}
