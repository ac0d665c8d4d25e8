// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lists in text files as spreadsheets and office programs write them: cells separated by ";",
// "," or tabs, quoted where they hold a separator, a quote or a line break, lines ended by
// CR LF, LF or CR; UTF-8 with or without a byte order mark, UTF-16 with one, or Windows-1252.

#include "core/interchange/SourceTable.h"

#include <string>
#include <string_view>

enum class TextEncoding { Utf8, Windows1252, Utf16LE, Utf16BE };

// The encoding of the file's bytes: the byte order mark where there is one, UTF-8 when every
// byte fits it, otherwise Windows-1252.
TextEncoding DetectEncoding(std::string_view bytes);

// The file's text as UTF-8, without a byte order mark. Bytes that are no valid UTF-8 (or
// UTF-16) become U+FFFD.
std::string DecodeText(std::string_view bytes, TextEncoding encoding);

// The separator of the first lines of `text`: the one of ";", tab and "," that splits the most
// of them into the same number of cells, more than one; ";" when none does.
char DetectSeparator(std::string_view text);

// The rows of `text` (UTF-8), at most `maxRows`. A quoted cell may hold separators, doubled
// quotes and line breaks; text after its closing quote is kept. An empty line is a row with one
// empty cell; a line end at the end of the text starts no row. Throws EImportError beyond
// kMaxSourceCells; cells beyond kMaxSourceColumns are dropped.
SourceRows ReadCsvRows(std::string_view text, char separator, size_t maxRows = SIZE_MAX);
