// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/SheetDates.h"

#include <cmath>
#include <cstdio>

namespace {

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
long DaysFromCivil(long y, long m, long d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, long& y, long& m, long& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp + (mp < 10 ? 3 : -9);
    y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

// Serial 0 of the 1900 system, 30 December 1899, as counted from serial 61 on.
const long kEpoch1900 = DaysFromCivil(1899, 12, 30);
const long kEpoch1904 = DaysFromCivil(1904, 1, 1);

} // namespace

std::string SerialDateText(double serial, bool from1904) {
    if (!std::isfinite(serial) || serial < (from1904 ? 0 : 1) || serial > 2958466) {
        return std::string();
    }
    const long days = static_cast<long>(std::floor(serial));
    long y = 0;
    long m = 0;
    long d = 0;
    if (from1904) {
        CivilFromDays(kEpoch1904 + days, y, m, d);
    } else if (days == 60) {
        y = 1900;
        m = 2;
        d = 29;
    } else {
        // Before the false leap day every serial is one day further on.
        CivilFromDays(kEpoch1900 + days + (days < 60 ? 1 : 0), y, m, d);
    }
    if (y > 9999) {
        return std::string();
    }
    char text[48];
    std::snprintf(text, sizeof text, "%02ld.%02ld.%04ld", d, m, y);
    return text;
}

double DateSerial(int year, int month, int day) {
    const long days = DaysFromCivil(year, month, day) - kEpoch1900;
    return static_cast<double>(days < 61 ? days - 1 : days);
}
