// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sorting the cards of a table by key columns, with the text order given from outside (the
// user's locale collation in the program, plain orders in tests).

#include "core/files/CardTable.h"

#include <functional>
#include <string>
#include <vector>

// Compares two cell texts (Windows-1252 bytes): negative, 0 or positive.
using TextCompare = std::function<int(const std::string& a, const std::string& b)>;

// Places every text of a list in the text order: the same number for texts that compare equal,
// smaller numbers for texts that come first. Lets a collation be applied once per text instead
// of once per comparison.
using TextRanking = std::function<std::vector<int>(const std::vector<std::string>& texts)>;

// A ranking that orders the texts with `compare`.
TextRanking RankingFrom(const TextCompare& compare);

// Compares two card rows by the key columns in list order; the first result that is not 0.
int CompareRows(const CardTable& table, int a, int b, const std::vector<int>& keys,
                const TextCompare& compare);

// Sorts the card rows (1 and on) ascending and stably by the key columns; whole rows move, the
// caption row stays. Returns for every old row its new row number (entry 0 is 0), or an empty
// list, changing nothing, when a key column is outside the table.
std::vector<int> SortGrid(CardTable& table, const std::vector<int>& keys,
                          const TextCompare& compare);
// The same with the text order given as a ranking.
std::vector<int> SortGridRanked(CardTable& table, const std::vector<int>& keys,
                                const TextRanking& rank);

// The keys of the three sort commands.
extern const std::vector<int> kSortByName;   // 0, 1, 2
extern const std::vector<int> kSortByStreet; // 1, 0, 2
extern const std::vector<int> kSortByTown;   // 2, 0, 1

// Moves every card row r to row newRowOf[r] (as a sort returns them; entry 0 is 0). Changes
// nothing when the list does not fit the table.
void ApplyRowOrder(CardTable& table, const std::vector<int>& newRowOf);
// The list that moves every row back: the inverse of `newRowOf`.
std::vector<int> InverseRowOrder(const std::vector<int>& newRowOf);
// Whether the order moves no row.
bool KeepsRowOrder(const std::vector<int>& newRowOf);
