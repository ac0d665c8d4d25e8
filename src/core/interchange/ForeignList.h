// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Telling a list from another program apart from a card file before it is opened as one.

#include <string>
#include <string_view>
#include <vector>

// Whether the start of a file is clearly no card file: a spreadsheet workbook, a byte order
// mark, a first line naming known columns (`captions` or the names the import proposes from),
// a ";" or a cell in quotes in the first lines, or lines ended by LF alone. A card file is
// Windows-1252, split by "," and ended by CR LF.
bool LooksLikeForeignList(std::string_view head, const std::vector<std::string>& captions);
