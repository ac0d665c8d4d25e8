// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measurement date and time of a card as the device writes them ("07.12.2005", "09:45") and
// as users type them ("7.12.05", "9:45").

#include <string_view>

struct CardDate {
    int year = 0;
    int month = 0; // 1-12
    int day = 0;   // 1-31
};

// Day, month and year joined by points, blanks around allowed; a two-digit year is 20yy. False
// for anything that is not a real calendar day, "00.00.2000" and blanks among them.
bool ParseCardDate(std::string_view text, CardDate& date);

// Hour and minute joined by a colon, seconds allowed after another colon. The minutes of the day,
// or -1 when the text is no time of day.
int ParseCardTime(std::string_view text);
