#pragma once
// What may be typed or pasted into a card cell. A cell must never take a character that would
// break the card file (a separator or a line end) or that Windows-1252 cannot hold, and the
// name, street and town must fit the fields of the device record.

#include <string>
#include <string_view>

// The longest text that can be typed into a column: 20, 20, 16, and nothing from column 3 on.
int TypingLimit(int col);

// The length of `text` without its trailing blanks.
size_t TrimmedLength(std::string_view text);

constexpr char32_t kBackspace = 8;

// Whether a typed character key reaches a cell of column `col` that holds `cellText` (bytes).
// Backspace is always accepted; "," and ";" never; other characters only while the text, without
// trailing blanks, is shorter than the column's limit.
bool AcceptsTypedKey(int col, std::string_view cellText, char32_t key);

// The part of a pasted text that typing would have let in, as Windows-1252 bytes: separators,
// control characters and what the code page cannot hold are dropped, and the rest is cut so that
// `remainingText` (the cell's text without the part the paste replaces) stays within the limit.
std::string FilterPastedText(int col, std::string_view remainingText, std::u32string_view pasted);
