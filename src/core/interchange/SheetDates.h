// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spreadsheet dates: a number of days, day 1 being 1 January 1900 (with the leap day 29 February
// 1900 that never was, kept for old spreadsheets), or day 0 being 1 January 1904 in workbooks
// made that way.

#include <string>

// The day as "TT.MM.JJJJ", or an empty text for a serial outside the years 1900 to 9999.
std::string SerialDateText(double serial, bool from1904 = false);

// The serial of a day in the 1900 system.
double DateSerial(int year, int month, int day);
