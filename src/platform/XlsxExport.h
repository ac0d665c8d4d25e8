// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cards into an Excel workbook: one sheet, the captions as a bold, frozen header row, numbers as
// numbers, dates as dates shown TT.MM.JJJJ, text as text, columns as wide as their contents.

#include "core/files/CardTable.h"

#include <string>
#include <vector>

// The workbook's bytes for the cards of `rows` of `table`. Throws EInOutError when the
// library fails.
std::string CardsXlsx(const CardTable& table, const std::vector<int>& rows);
