// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/CardFitting.h"

#include "core/app/CardClipboard.h"
#include "core/app/CardTyping.h"
#include "core/files/Ansi.h"
#include "core/files/CardColumns.h"
#include "core/interchange/Transliteration.h"

namespace {

bool IsFactColumn(int col) {
    return col >= kColNominalOutput && col < kFactColumnsEnd;
}

// The measured numbers, and the plant's outputs, where typing makes a comma a point.
bool TakesDecimalComma(int col) {
    return IsNumberColumn(col) || (IsFactColumn(col) && FactColumnCharacter(col, U',') == U'.');
}

bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

// Plain printable ASCII without separators, in a column without a rule on its characters and
// within the limit: as typing and pasting would take it, unchanged. Most fields are such.
bool FitsAsItStands(int col, std::string_view text) {
    if (IsFactColumn(col)) {
        return false;
    }
    const int limit = TypingLimit(col);
    if (limit > 0 && text.size() > static_cast<size_t>(limit)) {
        return false;
    }
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E || c == ',' || c == ';') {
            return false;
        }
    }
    return true;
}

} // namespace

FittedField FitField(int col, std::string_view text) {
    FittedField fitted;
    if (FitsAsItStands(col, text)) {
        fitted.value = std::string(text);
        return fitted;
    }
    // First what no cell can hold, each replaced rather than dropped.
    std::u32string wanted;
    wanted.reserve(text.size());
    const std::u32string codePoints = Utf8ToCodePoints(text);
    for (size_t i = 0; i < codePoints.size(); ++i) {
        const char32_t c = codePoints[i];
        if (c == U',' && TakesDecimalComma(col)) {
            wanted.push_back(U'.');
            fitted.changes |= kFitDecimal;
        } else if (c == U',' || c == U';' || c == U'\t' || c == U'\n' || c == U'\r') {
            // One blank where a blank is next to it already: "Hauptstraße, Hinterhaus" and a
            // CR LF inside a quoted cell.
            const bool blankBefore = !wanted.empty() && wanted.back() == U' ';
            const bool blankAfter = i + 1 < codePoints.size() && codePoints[i + 1] == U' ';
            if (!blankBefore && !blankAfter) {
                wanted.push_back(U' ');
            }
            fitted.changes |= kFitSeparator;
        } else if (IsControl(c)) {
            fitted.changes |= kFitCharacter;
        } else if (CodePointToAnsi(c) < 0) {
            for (const char plain : TransliteratedAnsi(c)) {
                wanted.push_back(static_cast<unsigned char>(plain));
            }
            fitted.changes |= kFitCharacter;
        } else {
            wanted.push_back(c);
        }
    }
    // A boiler fact that typing would not take at all stays empty.
    if (IsFactColumn(col)) {
        for (const char32_t c : wanted) {
            if (FactColumnCharacter(col, c) == 0) {
                fitted.changes = kFitInvalid;
                return fitted;
            }
        }
    }
    std::string whole;
    for (const char32_t c : wanted) {
        whole.push_back(static_cast<char>(CodePointToAnsi(c)));
    }
    fitted.value = PastedField(col, wanted);
    if (fitted.value.size() < whole.size()) {
        fitted.changes |= kFitCut;
    }
    if (fitted.value != whole.substr(0, fitted.value.size())) {
        fitted.changes |= kFitCharacter;
    }
    return fitted;
}

std::string FitChangeText(unsigned changes) {
    static const struct {
        unsigned bit;
        const char* text;
    } kTexts[] = {
        {kFitInvalid, "ungültig, leer gelassen"},
        {kFitCut, "gekürzt"},
        {kFitSeparator, "Trennzeichen oder Zeilenumbruch durch Leerzeichen ersetzt"},
        {kFitCharacter, "Zeichen ersetzt"},
        {kFitDecimal, "Dezimalkomma durch Punkt ersetzt"},
    };
    std::string out;
    for (const auto& t : kTexts) {
        if ((changes & t.bit) != 0) {
            out += (out.empty() ? "" : ", ") + std::string(t.text);
        }
    }
    return out;
}
