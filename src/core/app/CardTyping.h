// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What may be typed or pasted into a card cell. A cell must never take a character that would
// break the card file (a separator or a line end) or that Windows-1252 cannot hold, and the
// name, street and town must fit the fields of the device record.

#include <string>
#include <string_view>

// The longest text that can be typed into a column: 20, 20, 16, nothing in the measured values
// (columns 3 to 24), and in the plant facts after them 7 for an output, 10 for the date of
// installation, 4 for a year, 11 for an output range, 40 for owner, address and site, 30 for a
// maker or type, and one letter for each of the others.
int TypingLimit(int col);

// The character that a typed or pasted character becomes in a column, or 0 when it may not go
// in at all. The boiler facts take only what they can hold: digits and one decimal point for the
// output (a comma becomes a point, as the card file separates its fields by commas), digits and
// points for the date, digits for a year, digits, points, "-" and blanks for a range, V, Z or A
// for the burner, Z, E, H or W for the kind of plant, J or N for the answers (small letters go
// up); the texts take what any cell takes.
char32_t FactColumnCharacter(int col, char32_t key);

// Whether a fact column may hold the whole `text` as it is being typed: the nominal output
// and the output during the measurement take at most one decimal, as the certificate reads them
// ("24." is on its way, "24.55" is not). The other columns are held by their characters and limits
// alone.
bool AcceptsFactText(int col, std::string_view text);

// The length of `text` without its trailing blanks.
size_t TrimmedLength(std::string_view text);

constexpr char32_t kBackspace = 8;

// Whether a typed character key reaches a cell of column `col` that holds `cellText` (bytes).
// Backspace is always accepted; "," and ";" never; other characters only while the text, without
// trailing blanks, is shorter than the column's limit.
bool AcceptsTypedKey(int col, std::string_view cellText, char32_t key);

// The character that reaches the cell for a typed key, or 0 when the key is dropped; differs from
// `key` only where FactColumnCharacter changes it.
char32_t TypedKey(int col, std::string_view cellText, char32_t key);

// The Windows-1252 byte of a pasted character, or -1 when no cell may take it: a separator, a
// control character, or one the code page cannot hold.
int PastedByte(char32_t c);

// The part of a pasted text that typing would have let in, as Windows-1252 bytes: separators,
// control characters and what the code page cannot hold are dropped, and the rest is cut so that
// `remainingText` (the cell's text without the part the paste replaces) stays within the limit.
std::string FilterPastedText(int col, std::string_view remainingText, std::u32string_view pasted);
