// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/CardFile.h"

#include "core/files/AtomicFile.h"
#include "core/files/CardTable.h"
#include "core/files/FileErrors.h"

int SplitLine(std::vector<std::string>& fields, std::string_view separator, std::string_view line) {
    size_t count = 0;
    auto put = [&](std::string_view piece) {
        if (fields.size() <= count) {
            fields.emplace_back(piece);
        } else {
            fields[count].assign(piece.data(), piece.size());
        }
        ++count;
    };
    if (separator.empty()) {
        put(line);
        return 1;
    }
    size_t pos = 0;
    for (;;) {
        const size_t hit = line.find(separator, pos);
        if (hit == std::string_view::npos) {
            put(line.substr(pos));
            break;
        }
        put(line.substr(pos, hit - pos));
        pos = hit + separator.size();
    }
    return static_cast<int>(count);
}

void SplitCardFields(std::string_view line, size_t cols, std::vector<std::string>& row) {
    row.assign(cols, std::string());
    size_t pos = 0;
    for (size_t col = 0; col < cols; ++col) {
        const size_t comma = line.find(',', pos);
        if (comma == std::string_view::npos) {
            row[col].assign(line.data() + pos, line.size() - pos);
            break;
        }
        row[col].assign(line.data() + pos, comma - pos);
        pos = comma + 1;
    }
}

std::vector<std::string> SplitCardLines(std::string_view data) {
    std::vector<std::string> lines;
    ForEachCardLine(data, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

int CountLines(const std::string& fileName) {
    std::string data;
    if (!ReadWholeFile(fileName, data)) {
        return 0;
    }
    int n = 0;
    ForEachCardLine(data, [&](std::string_view) { ++n; });
    return n;
}

std::string CardLineText(const std::vector<std::string>& cells) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += cells[i];
    }
    return line;
}

void ReadCards(std::string_view data, CardTable& table, const LoadProgress& progress) {
    const auto cols = static_cast<size_t>(table.ColCount());
    auto& rows = table.Rows();
    if (rows.empty()) {
        rows.push_back(table.EmptyRow()); // a table without caption row gets an empty one
    }
    rows.resize(1);
    int line = 0;
    ForEachCardLine(data, [&](std::string_view text) {
        // Split as SplitLine does, straight into the cells; fields beyond the columns are
        // never copied.
        CardTable::Row row;
        row.reserve(cols);
        size_t pos = 0;
        while (row.size() < cols) {
            const size_t comma = text.find(',', pos);
            if (comma == std::string_view::npos) {
                row.emplace_back(text.data() + pos, text.size() - pos);
                break;
            }
            row.emplace_back(text.data() + pos, comma - pos);
            pos = comma + 1;
        }
        row.resize(cols);
        rows.push_back(std::move(row));
        ++line;
        if (line % 25 == 0 && progress) {
            progress(line);
        }
    });
}

std::string CardsText(const CardTable& table) {
    size_t size = 0;
    for (int r = 1; r < table.RowCount(); ++r) {
        for (const std::string& cell : table.RowAt(r)) {
            size += cell.size() + 1;
        }
        size += 2;
    }
    std::string text;
    text.reserve(size);
    for (int r = 1; r < table.RowCount(); ++r) {
        const CardTable::Row& row = table.RowAt(r);
        for (size_t c = 0; c < row.size(); ++c) {
            if (c > 0) {
                text += ',';
            }
            text += row[c];
        }
        text += "\r\n";
    }
    return text;
}

std::string AppendedText(std::string_view oldContents, std::string_view newLines) {
    std::string_view kept = oldContents.substr(0, oldContents.find('\x1A'));
    std::string text;
    text.reserve(kept.size() + newLines.size() + 2);
    text.append(kept);
    const bool endsLine =
        kept.empty() || kept.back() == '\r' ||
        (kept.size() >= 2 && kept[kept.size() - 2] == '\r' && kept.back() == '\n');
    if (!endsLine) {
        text += "\r\n";
    }
    text.append(newLines);
    return text;
}

void WriteCards(const std::string& fileName, const CardTable& table, TSaveMode mode) {
    if (mode == smCancel) {
        return;
    }
    std::string contents = CardsText(table);
    if (mode == smAppend) {
        std::string old;
        try {
            ReadWholeFile(fileName, old);
        } catch (const EInOutError&) {
            throw EInOutError(UnableToWriteMessage(fileName));
        }
        contents = AppendedText(old, contents);
    }
    ReplaceFileContents(fileName, contents);
}
