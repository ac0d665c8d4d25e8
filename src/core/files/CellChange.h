// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One cell of the card table and the text it is to hold.

#include <string>

struct CellChange {
    int col = 0;
    int row = 0; // table row: 1 and on are cards
    std::string text;
};
