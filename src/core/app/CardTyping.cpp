// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardTyping.h"

#include "core/exchange/DeviceTexts.h"
#include "core/files/Ansi.h"
#include "core/files/PlantFacts.h"

int TypingLimit(int col) {
    switch (col) {
    case 0:
    case 1:
    case 2:
        return static_cast<int>(kDeviceTextWidths[col]);
    case kColNominalOutput:
    case kColMeasuredOutput:
        return 7;
    case kColInstallDate:
        return 10;
    case kColBurnerKind:
    case kColStandardBoiler:
    case kColAccessionArea:
    case kColPlantKind:
    case kColCondensing:
    case kColSelfCalibrating:
    case kColOutsideWallFlue:
    case kColMakerCertificate:
        return 1;
    case kColOwner:
    case kColOwnerAddress:
    case kColSite:
        return 40;
    case kColExchangerMaker:
    case kColExchangerType:
    case kColBurnerMaker:
    case kColBurnerType:
        return 30;
    case kColExchangerYear:
    case kColBurnerYear:
    case kColDueYear:
        return 4;
    case kColExchangerRange:
    case kColBurnerRange:
        return 11;
    default:
        return 0;
    }
}

namespace {
bool IsFactColumn(int col) {
    return col >= kColNominalOutput && col < kFactColumnsEnd;
}

bool OneOf(char32_t key, std::u32string_view letters) {
    return letters.find(key) != std::u32string_view::npos;
}

char32_t Upper(char32_t c) {
    return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
}
} // namespace

char32_t FactColumnCharacter(int col, char32_t key) {
    const bool digit = key >= U'0' && key <= U'9';
    switch (col) {
    case kColNominalOutput:
    case kColMeasuredOutput:
        if (key == U',') {
            return U'.';
        }
        return digit || key == U'.' ? key : 0;
    case kColExchangerRange:
    case kColBurnerRange:
        if (key == U',') {
            return U'.';
        }
        return digit || OneOf(key, U".- ") ? key : 0;
    case kColInstallDate:
        return digit || key == U'.' ? key : 0;
    case kColExchangerYear:
    case kColBurnerYear:
    case kColDueYear:
        return digit ? key : 0;
    case kColBurnerKind:
        return OneOf(Upper(key), U"VZA") ? Upper(key) : 0;
    case kColPlantKind:
        return OneOf(Upper(key), U"ZEHW") ? Upper(key) : 0;
    case kColStandardBoiler:
    case kColAccessionArea:
    case kColCondensing:
    case kColSelfCalibrating:
    case kColOutsideWallFlue:
    case kColMakerCertificate:
        return OneOf(Upper(key), U"JN") ? Upper(key) : 0;
    default:
        return key;
    }
}

bool AcceptsFactText(int col, std::string_view text) {
    if (col != kColNominalOutput && col != kColMeasuredOutput) {
        return true;
    }
    const std::string_view typed = text.substr(0, TrimmedLength(text));
    const size_t point = typed.find('.');
    if (point == std::string_view::npos) {
        return true;
    }
    const std::string_view decimals = typed.substr(point + 1);
    return decimals.size() <= 1 && decimals.find('.') == std::string_view::npos;
}

size_t TrimmedLength(std::string_view text) {
    size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ') {
        --n;
    }
    return n;
}

namespace {
bool IsSeparator(char32_t c) {
    return c == U',' || c == U';';
}
} // namespace

char32_t TypedKey(int col, std::string_view cellText, char32_t key) {
    if (IsFactColumn(col) && key != kBackspace) {
        key = FactColumnCharacter(col, key);
        if (key == 0) {
            return 0;
        }
    }
    return AcceptsTypedKey(col, cellText, key) ? key : 0;
}

bool AcceptsTypedKey(int col, std::string_view cellText, char32_t key) {
    if (IsFactColumn(col) && key != kBackspace && FactColumnCharacter(col, key) != key) {
        return false;
    }
    if (IsSeparator(key)) {
        return false;
    }
    if (key == kBackspace) {
        return true;
    }
    if (key >= 0x20 && CodePointToAnsi(key) < 0) {
        return false;
    }
    return TrimmedLength(cellText) < static_cast<size_t>(TypingLimit(col));
}

int PastedByte(char32_t c) {
    if (IsSeparator(c) || c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
        return -1;
    }
    return CodePointToAnsi(c);
}

std::string FilterPastedText(int col, std::string_view remainingText, std::u32string_view pasted) {
    const size_t limit = static_cast<size_t>(TypingLimit(col));
    const size_t used = TrimmedLength(remainingText);
    std::string out;
    if (used >= limit) {
        return out;
    }
    const size_t room = limit - used;
    for (char32_t c : pasted) {
        if (out.size() >= room) {
            break;
        }
        if (IsFactColumn(col) && (c = FactColumnCharacter(col, c)) == 0) {
            continue;
        }
        const int b = PastedByte(c);
        if (b < 0) {
            continue;
        }
        out.push_back(static_cast<char>(b));
    }
    return out;
}
