// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A customer list as read from a text file or a spreadsheet: rows of cells, UTF-8 text, before
// any of it is made to fit a card.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

using SourceRow = std::vector<std::string>;
using SourceRows = std::vector<SourceRow>;

// More cells than an import takes: a larger list is almost surely a hostile or broken file,
// and its rows would not fit in memory as cards anyway.
constexpr size_t kMaxSourceCells = 20'000'000;
// The most columns a row may have, as many as a spreadsheet program allows.
constexpr size_t kMaxSourceColumns = 16384;

// A list that cannot be read; the text is a German message for the user.
class EImportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The message for a list beyond kMaxSourceCells, or beyond what the readers let a sheet take.
std::string TooLargeMessage();
