#pragma once
// The card file's byte format: Windows-1252, one card per line, fields split at "," with no
// quoting, CR LF written. On reading a CR ends a line, an LF right after it is skipped, byte 26
// ends the data and the last line needs no line end.

#include <string>
#include <string_view>
#include <vector>

// Splits `line` at every `separator` into `fields` (filled from its first element on, grown as
// needed) and returns the number of pieces, at least 1. Empty pieces count.
int SplitLine(std::vector<std::string>& fields, std::string_view separator, std::string_view line);

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
