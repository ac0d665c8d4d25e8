// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seven German letters that differ between Windows-1252 and the device's DOS code page,
// and the other small text conversions of the device exchange. All keep the text's length.

#include <string>
#include <string_view>

// Each DOS byte of the seven letters becomes its Windows-1252 byte; every other byte stays.
std::string UmlautsFromDevice(std::string_view text);
// Each Windows-1252 byte of the seven letters becomes its DOS byte; every other byte stays.
std::string UmlautsToDevice(std::string_view text);

// Every "," becomes ".".
std::string CommaToPoint(std::string_view text);

// Removes leading and trailing blanks and control characters (every byte up to 32).
std::string_view TrimControls(std::string_view text);

// What a card line cannot hold: "," becomes ".", and CR, LF and byte 26 become blanks, so that
// one text always stays one field of one card.
std::string CardSafe(std::string_view text);
