// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1252, the code page of every file and record the program exchanges.
// Texts of data are kept as such byte strings; UI messages are UTF-8.

#include <string>
#include <string_view>

// The Unicode code point of one Windows-1252 byte. The five bytes that the code page leaves
// unassigned map to the C1 controls of the same value, so every byte survives a round trip.
char32_t AnsiToCodePoint(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when the code page cannot hold it.
int CodePointToAnsi(char32_t codePoint);

std::string AnsiToUtf8(std::string_view ansi);

// Converts UTF-8 to Windows-1252. Returns false, leaving `out` unspecified, when the text is not
// valid UTF-8 or holds a character the code page cannot hold.
bool Utf8ToAnsi(std::string_view utf8, std::string& out);

// As above, with '?' for every character that does not convert.
std::string Utf8ToAnsiLossy(std::string_view utf8);

// Appends the UTF-8 bytes of one code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// Whether `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// The code points of UTF-8 text; a byte that starts no valid sequence becomes U+FFFD.
std::u32string Utf8ToCodePoints(std::string_view utf8);
