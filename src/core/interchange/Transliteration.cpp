// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/Transliteration.h"

namespace {

// U+0100 to U+017F, the letters of Central and Eastern European languages, by their plain
// letter. The few that Windows-1252 holds (Œ, Š, Ÿ, Ž) never come here.
constexpr char kLatinExtendedA[129] = "AaAaAaCcCcCcCcDd"
                                      "DdEeEeEeEeEeGgGg"
                                      "GgGgHhHhIiIiIiIi"
                                      "IiIiJjKkkLlLlLlL"
                                      "lLlNnNnNnnNnOoOo"
                                      "OoOoRrRrRrSsSsSs"
                                      "SsTtTtTtUuUuUuUu"
                                      "UuUuWwYyYZzZzZzs";

} // namespace

std::string TransliteratedAnsi(char32_t c) {
    switch (c) {
    case 0x0132:
        return "IJ";
    case 0x0133:
        return "ij";
    case 0x0218: // Romanian letters with a comma below
        return "S";
    case 0x0219:
        return "s";
    case 0x021A:
        return "T";
    case 0x021B:
        return "t";
    case 0x1E9E: // capital sharp s
        return "SS";
    case 0x2010: // hyphens and the minus sign
    case 0x2011:
    case 0x2012:
    case 0x2212:
        return "-";
    case 0x2032:
        return "'";
    case 0x2033:
        return "\"";
    case 0x2000: // blanks of other widths
    case 0x2002:
    case 0x2003:
    case 0x2009:
    case 0x202F:
        return " ";
    default:
        break;
    }
    if (c >= 0x0100 && c <= 0x017F) {
        return std::string(1, kLatinExtendedA[c - 0x0100]);
    }
    return "?";
}
