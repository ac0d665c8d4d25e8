// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Today's date for the decoding, from the system clock or from a test.

#include <functional>
#include <string>

struct CivilDate {
    int year = 2000;
    int month = 1; // 1-12
    int day = 1;   // 1-31
};

using TodayFunction = std::function<CivilDate()>;

// The local date now.
CivilDate SystemToday();

// Reads "YYYY-MM-DD" of a real calendar day; false for anything else.
bool ParseIsoDate(const std::string& text, CivilDate& date);
