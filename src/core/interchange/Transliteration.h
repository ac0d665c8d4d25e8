// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain letters for the characters Windows-1252 cannot hold: "ł" is "l", "Ș" is "S". A card
// keeps a name readable rather than losing the letter.

#include <string>

// The Windows-1252 text standing in for a character the code page cannot hold: its plain letter
// (or letters) where there is one, "?" otherwise.
std::string TransliteratedAnsi(char32_t c);
