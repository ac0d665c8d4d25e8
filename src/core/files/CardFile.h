// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card file's byte format: Windows-1252, one card per line, fields split at "," with no
// quoting, CR LF written. On reading a CR ends a line, an LF right after it is skipped, byte 26
// ends the data and the last line needs no line end.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CardTable;

// How a write treats an existing file: the answer of the file-exists question.
enum TSaveMode : unsigned char { smAppend = 0, smOverwrite = 1, smCancel = 2 };

// Splits `line` at every `separator` into `fields` (filled from its first element on, grown as
// needed) and returns the number of pieces, at least 1. Empty pieces count.
int SplitLine(std::vector<std::string>& fields, std::string_view separator, std::string_view line);

// The fields of a card line as a load puts them into a card `cols` wide: missing ones empty, the
// ones beyond the last column dropped (the last kept field holds no comma: it ends at the next).
void SplitCardFields(std::string_view line, size_t cols, std::vector<std::string>& row);

// Calls `onLine` for every line of `data` as the reading rule above yields them.
template <typename OnLine> void ForEachCardLine(std::string_view data, OnLine&& onLine) {
    size_t pos = 0;
    const size_t end =
        data.find('\x1A') == std::string_view::npos ? data.size() : data.find('\x1A');
    while (pos < end) {
        const size_t cr = data.find('\r', pos);
        const size_t stop = (cr == std::string_view::npos || cr > end) ? end : cr;
        onLine(data.substr(pos, stop - pos));
        pos = stop + 1;
        if (stop < end && pos < end && data[pos] == '\n') {
            ++pos;
        }
    }
}

// The lines of `data` as a list.
std::vector<std::string> SplitCardLines(std::string_view data);

// The number of lines reading the file yields; 0 for an empty or missing file.
int CountLines(const std::string& fileName);

// One card as a line of the file, without its line end.
std::string CardLineText(const std::vector<std::string>& cells);

// Called after every 25th line of a load with the number of lines read so far.
using LoadProgress = std::function<void(int linesRead)>;

// Replaces the cards of `table` (rows 1 and on; the caption row and the columns stay) by the
// lines of `data`: field j goes to column j, missing fields stay empty, extra ones are dropped.
void ReadCards(std::string_view data, CardTable& table, const LoadProgress& progress = {});

// The cards of `table` as the file's bytes, every line ended by CR LF.
std::string CardsText(const CardTable& table);

// What an append makes of the old contents and the new lines: the data after a byte 26 is never
// read, so the new lines go before it; and a last line without line end gets one, so that it
// does not run into the first new card.
std::string AppendedText(std::string_view oldContents, std::string_view newLines);

// Writes the cards of `table` to `fileName`: smOverwrite replaces the file (or creates it),
// smAppend keeps its lines and adds the cards after them, smCancel writes nothing. Both build
// the new file beside the old one first, so a failure leaves the old file as it was. Throws
// EInOutError("Unable to write to <fileName>").
void WriteCards(const std::string& fileName, const CardTable& table, TSaveMode mode);
