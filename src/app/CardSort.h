#pragma once
// Sorting the cards of a table by key columns, with the text order given from outside (the
// user's locale collation in the program, plain orders in tests).

#include "files/CardTable.h"

#include <functional>
#include <string>
#include <vector>

// Compares two cell texts (Windows-1252 bytes): negative, 0 or positive.
using TextCompare = std::function<int(const std::string& a, const std::string& b)>;

// Compares two card rows by the key columns in list order; the first result that is not 0.
int CompareRows(const CardTable& table, int a, int b, const std::vector<int>& keys,
                const TextCompare& compare);

// Sorts the card rows (1 and on) ascending and stably by the key columns; whole rows move, the
// caption row stays. Returns for every old row its new row number (entry 0 is 0), or an empty
// list, changing nothing, when a key column is outside the table.
std::vector<int> SortGrid(CardTable& table, const std::vector<int>& keys,
                          const TextCompare& compare);

// The keys of the three sort commands.
extern const std::vector<int> kSortByName;   // 0, 1, 2
extern const std::vector<int> kSortByStreet; // 1, 0, 2
extern const std::vector<int> kSortByTown;   // 2, 0, 1
