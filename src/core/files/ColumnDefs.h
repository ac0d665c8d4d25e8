// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The column definition file: section "CSVGER", one entry "key=caption,page,width" per column.

#include <string>
#include <string_view>
#include <vector>

std::string GetDefCaption(std::string_view value);
std::string GetDefPage(std::string_view value);
std::string GetDefWidth(std::string_view value);

// The definition values of the file in order: empty values skipped, repeated keys counted once,
// each cut to 255 characters.
std::vector<std::string> ReadColumnDefinitions(const std::string& fileName);

// What the definitions make of the grids.
struct GridLayout {
    std::vector<std::string> captions;      // one per column, row 0 of the card grid
    std::vector<int> provisionalWidths;     // width × 7 for "Page1" columns, -1 for the others
    std::vector<std::string> valueCaptions; // the "Page2" captions in order
};

// Throws EConvertError("'<width>' is not a valid integer value") for a bad "Page1" width.
GridLayout BuildGridLayout(const std::vector<std::string>& values);

// Delphi's StrToInt: decimal with an optional sign, or "$"/"0x" hexadecimal.
int StrToInt(std::string_view text);
