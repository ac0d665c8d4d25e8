// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An imported value made to fit a card cell by the rules of typing and pasting into the grid,
// with what had to change for it: nothing goes in silently changed.

#include <string>
#include <string_view>

// What changed in a field; several may.
enum FitChange : unsigned {
    kFitCut = 1,       // cut to the column's limit
    kFitSeparator = 2, // "," ";" tab or a line break became a blank
    kFitCharacter = 4, // a character outside Windows-1252 replaced, or a letter made capital
    kFitDecimal = 8,   // a decimal comma became a point
    kFitInvalid = 16,  // breaks the column's typing rule: left empty
};

struct FittedField {
    std::string value;    // Windows-1252, as the cell takes it
    unsigned changes = 0; // FitChange bits
};

// `text` (UTF-8, blanks around it already gone) as column `col` of a card takes it.
FittedField FitField(int col, std::string_view text);

// The changes in German, "gekürzt, Zeichen ersetzt".
std::string FitChangeText(unsigned changes);
