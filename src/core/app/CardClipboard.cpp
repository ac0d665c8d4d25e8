// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardClipboard.h"

#include "core/app/CardTyping.h"
#include "core/files/CardColumns.h"

namespace {

using Fields = std::vector<std::u32string>;

void AppendCell(std::string& out, const std::string& cell) {
    const bool quote =
        cell.find_first_of("\t\r\n") != std::string::npos || (!cell.empty() && cell.front() == '"');
    if (!quote) {
        out += cell;
        return;
    }
    out += '"';
    for (const char c : cell) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

bool EndsField(std::u32string_view text, size_t i) {
    return i == text.size() || text[i] == U'\t' || text[i] == U'\r' || text[i] == U'\n';
}

// A quoted field starting at text[i]: its contents, and i moved past the closing quote. False
// when the quotes do not close right before a field's end; the quote is then a character.
bool ReadQuoted(std::u32string_view text, size_t& i, std::u32string& field) {
    std::u32string inner;
    for (size_t j = i + 1; j < text.size(); ++j) {
        if (text[j] != U'"') {
            inner.push_back(text[j]);
        } else if (j + 1 < text.size() && text[j + 1] == U'"') {
            inner.push_back(U'"');
            ++j;
        } else if (EndsField(text, j + 1)) {
            field = std::move(inner);
            i = j + 1;
            return true;
        } else {
            return false;
        }
    }
    return false;
}

std::vector<Fields> SplitLines(std::u32string_view text) {
    std::vector<Fields> lines;
    Fields fields;
    std::u32string field;
    bool atFieldStart = true;
    const auto endLine = [&] {
        fields.push_back(std::move(field));
        field.clear();
        if (fields.size() > 1 || !fields.front().empty()) {
            lines.push_back(std::move(fields));
        }
        fields.clear();
        atFieldStart = true;
    };
    size_t i = 0;
    while (i < text.size()) {
        const char32_t c = text[i];
        if (atFieldStart && c == U'"' && ReadQuoted(text, i, field)) {
            atFieldStart = false;
            continue;
        }
        atFieldStart = false;
        ++i;
        if (c == U'\t') {
            fields.push_back(std::move(field));
            field.clear();
            atFieldStart = true;
        } else if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i < text.size() && text[i] == U'\n') {
                ++i;
            }
            endLine();
        } else {
            field.push_back(c);
        }
    }
    if (!atFieldStart || !fields.empty()) {
        endLine();
    }
    return lines;
}

} // namespace

bool IsNumberColumn(int col) {
    return col > kColFuel && col < kColNominalOutput && col != kColDate && col != kColTime &&
           col != kColOilDerivatives;
}

std::string CardLines(const CardTable& table, const std::vector<int>& rows) {
    std::string out;
    for (const int row : rows) {
        for (int col = 0; col < table.ColCount(); ++col) {
            if (col > 0) {
                out += '\t';
            }
            AppendCell(out, table.Cell(col, row));
        }
        out += "\r\n";
    }
    return out;
}

bool HoldsCardLines(std::u32string_view text) {
    return text.find(U'\t') != std::u32string_view::npos;
}

std::string PastedField(int col, std::u32string_view field) {
    if (TypingLimit(col) > 0) {
        std::string text = FilterPastedText(col, {}, field);
        // Cut like a length limit: a second decimal of the output does not fit.
        while (!AcceptsFactText(col, text)) {
            text.pop_back();
        }
        return text;
    }
    std::string out;
    for (char32_t c : field) {
        if (c == U',' && IsNumberColumn(col)) {
            c = U'.';
        }
        const int b = PastedByte(c);
        if (b >= 0) {
            out.push_back(static_cast<char>(b));
        }
    }
    return out;
}

std::vector<CardTable::Row> CardsFromLines(std::u32string_view text, int colCount) {
    std::vector<CardTable::Row> cards;
    for (const Fields& fields : SplitLines(text)) {
        CardTable::Row row(static_cast<size_t>(colCount));
        for (size_t col = 0; col < fields.size() && col < row.size(); ++col) {
            row[col] = PastedField(static_cast<int>(col), fields[col]);
        }
        cards.push_back(std::move(row));
    }
    return cards;
}
