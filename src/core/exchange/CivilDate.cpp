// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/CivilDate.h"

#include <ctime>

CivilDate SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool ParseIsoDate(const std::string& text, CivilDate& date) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    int parts[3] = {0, 0, 0};
    const size_t starts[3] = {0, 5, 8};
    const size_t lengths[3] = {4, 2, 2};
    for (int k = 0; k < 3; ++k) {
        for (size_t i = starts[k]; i < starts[k] + lengths[k]; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
            parts[k] = parts[k] * 10 + (text[i] - '0');
        }
    }
    const int y = parts[0];
    const int m = parts[1];
    const int d = parts[2];
    if (m < 1 || m > 12 || d < 1) {
        return false;
    }
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const int maxDay = (m == 2 && leap) ? 29 : kDays[m - 1];
    if (d > maxDay) {
        return false;
    }
    date = CivilDate{y, m, d};
    return true;
}
