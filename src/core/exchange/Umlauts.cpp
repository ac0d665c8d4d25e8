// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/Umlauts.h"

namespace {

struct Letter {
    unsigned char ansi;
    unsigned char dos;
};

// ä ö ü Ä Ö Ü ß
constexpr Letter kLetters[7] = {{228, 132}, {246, 148}, {252, 129}, {196, 142},
                                {214, 153}, {220, 154}, {223, 225}};

std::string MapBytes(std::string_view text, bool toDevice) {
    std::string out(text);
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        for (const Letter& l : kLetters) {
            if (b == (toDevice ? l.ansi : l.dos)) {
                c = static_cast<char>(toDevice ? l.dos : l.ansi);
                break;
            }
        }
    }
    return out;
}

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string UmlautsFromDevice(std::string_view text) {
    return MapBytes(text, false);
}

std::string UmlautsToDevice(std::string_view text) {
    return MapBytes(text, true);
}

std::string CommaToPoint(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == ',') {
            c = '.';
        }
    }
    return out;
}

std::string_view TrimControls(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && IsControlOrBlank(text[b])) {
        ++b;
    }
    while (e > b && IsControlOrBlank(text[e - 1])) {
        --e;
    }
    return text.substr(b, e - b);
}

std::string CardSafe(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == ',') {
            c = '.';
        } else if (c == '\r' || c == '\n' || c == '\x1A') {
            c = ' ';
        }
    }
    return out;
}
