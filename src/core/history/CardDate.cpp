// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/CardDate.h"

#include "core/files/Trimmed.h"

#include <algorithm>
#include <vector>

namespace {

// The numbers between `separator`s: each one to `maxDigits` digits, nothing else. Empty for
// anything else.
std::vector<int> Numbers(std::string_view text, char separator, size_t maxDigits) {
    std::vector<int> out;
    size_t pos = 0;
    for (;;) {
        const size_t stop = std::min(text.find(separator, pos), text.size());
        const std::string_view part = text.substr(pos, stop - pos);
        if (part.empty() || part.size() > maxDigits) {
            return {};
        }
        int value = 0;
        for (char c : part) {
            if (c < '0' || c > '9') {
                return {};
            }
            value = value * 10 + (c - '0');
        }
        out.push_back(value);
        if (stop == text.size()) {
            return out;
        }
        pos = stop + 1;
    }
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

bool ParseCardDate(std::string_view text, CardDate& date) {
    text = Trimmed(text);
    const std::vector<int> parts = Numbers(text, '.', 4);
    if (parts.size() != 3) {
        return false;
    }
    const size_t yearDigits = text.size() - text.rfind('.') - 1;
    if (yearDigits != 2 && yearDigits != 4) {
        return false;
    }
    const int year = yearDigits == 2 ? 2000 + parts[2] : parts[2];
    if (year < 1900 || parts[1] < 1 || parts[1] > 12 || parts[0] < 1 ||
        parts[0] > DaysInMonth(year, parts[1])) {
        return false;
    }
    date = {year, parts[1], parts[0]};
    return true;
}

int ParseCardTime(std::string_view text) {
    const std::vector<int> parts = Numbers(Trimmed(text), ':', 2);
    if (parts.size() != 2 && parts.size() != 3) {
        return -1;
    }
    if (parts[0] > 23 || parts[1] > 59 || (parts.size() == 3 && parts[2] > 59)) {
        return -1;
    }
    return parts[0] * 60 + parts[1];
}
