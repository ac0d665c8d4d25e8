// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding cards by a search term: the comparison rule and the walk from hit to hit.

#include "core/files/CardTable.h"

#include <functional>
#include <string>
#include <string_view>

// Only "a" to "z" become upper case (umlauts stay as they are), then characters with codes up to
// 32 are trimmed from both ends.
std::string SearchKey(std::string_view text);

// True when the converted cell holds `key` (already converted). An empty key never hits.
bool SearchHit(std::string_view cell, std::string_view key);

// Visits the cells of rows 1 to the row count taken at the start, row by row, column by column,
// and calls `atHit` for each hit. The table may change inside `atHit`: rows and columns are
// counted afresh, and rows beyond the current end are never visited. Returns false as soon as
// `atHit` returns false, true when the walk reached its end.
bool WalkSearchHits(const CardTable& table, std::string_view key,
                    const std::function<bool(int col, int row)>& atHit);
