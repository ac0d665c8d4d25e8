#include "app/CardSort.h"

#include <algorithm>
#include <numeric>

const std::vector<int> kSortByName = {0, 1, 2};
const std::vector<int> kSortByStreet = {1, 0, 2};
const std::vector<int> kSortByTown = {2, 0, 1};

int CompareRows(const CardTable& table, int a, int b, const std::vector<int>& keys,
                const TextCompare& compare) {
    for (const int col : keys) {
        const std::string& x = table.Cell(col, a);
        const std::string& y = table.Cell(col, b);
        if (x == y) {
            continue; // equal bytes collate equal; spares the comparator
        }
        const int result = compare(x, y);
        if (result != 0) {
            return result;
        }
    }
    return 0;
}

std::vector<int> SortGrid(CardTable& table, const std::vector<int>& keys,
                          const TextCompare& compare) {
    for (const int col : keys) {
        if (col < 0 || col >= table.ColCount()) {
            return {};
        }
    }
    const int rows = table.RowCount();
    std::vector<int> order(static_cast<size_t>(rows > 1 ? rows - 1 : 0));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return CompareRows(table, a, b, keys, compare) < 0; });

    std::vector<int> newRowOf(static_cast<size_t>(rows > 0 ? rows : 0), 0);
    std::vector<CardTable::Row> sorted;
    sorted.reserve(static_cast<size_t>(rows));
    if (rows > 0) {
        sorted.push_back(std::move(table.RowAt(0)));
    }
    for (size_t i = 0; i < order.size(); ++i) {
        newRowOf[static_cast<size_t>(order[i])] = static_cast<int>(i) + 1;
        sorted.push_back(std::move(table.RowAt(order[i])));
    }
    table.Rows().swap(sorted);
    return newRowOf;
}
