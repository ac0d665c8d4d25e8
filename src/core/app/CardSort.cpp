// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardSort.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

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

TextRanking RankingFrom(const TextCompare& compare) {
    return [compare](const std::vector<std::string>& texts) {
        std::vector<size_t> order(texts.size());
        std::iota(order.begin(), order.end(), size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return compare(texts[a], texts[b]) < 0; });
        std::vector<int> ranks(texts.size());
        int rank = 0;
        for (size_t i = 0; i < order.size(); ++i) {
            if (i > 0 && compare(texts[order[i - 1]], texts[order[i]]) != 0) {
                ++rank;
            }
            ranks[order[i]] = rank;
        }
        return ranks;
    };
}

std::vector<int> SortGrid(CardTable& table, const std::vector<int>& keys,
                          const TextCompare& compare) {
    return SortGridRanked(table, keys, RankingFrom(compare));
}

std::vector<int> SortGridRanked(CardTable& table, const std::vector<int>& keys,
                                const TextRanking& rank) {
    for (const int col : keys) {
        if (col < 0 || col >= table.ColCount()) {
            return {};
        }
    }
    const int rows = table.RowCount();
    const size_t cards = static_cast<size_t>(rows > 1 ? rows - 1 : 0);
    const size_t width = keys.size();

    // Each card's key as numbers: the rank of its text in each key column. A later column only
    // matters for cards whose earlier keys tie with another card, so only their texts are
    // collated; the others keep 0 there.
    std::vector<int> key(cards * width);
    std::vector<int> group(cards, 0); // cards with equal earlier keys share a group
    std::vector<int> groupSize(1, static_cast<int>(cards));
    for (size_t k = 0; k < width; ++k) {
        std::unordered_map<std::string_view, int> ids;
        std::vector<std::string> distinct;
        std::vector<int> idOfCard(cards, -1);
        for (size_t i = 0; i < cards; ++i) {
            if (groupSize[static_cast<size_t>(group[i])] < 2) {
                continue;
            }
            const std::string& text = table.Cell(keys[k], static_cast<int>(i) + 1);
            const auto [it, added] = ids.emplace(text, static_cast<int>(distinct.size()));
            if (added) {
                distinct.push_back(text);
            }
            idOfCard[i] = it->second;
        }
        const std::vector<int> ranks = distinct.empty() ? std::vector<int>() : rank(distinct);
        std::unordered_map<long long, int> nextGroupOf;
        std::vector<int> nextSize;
        for (size_t i = 0; i < cards; ++i) {
            const int r = idOfCard[i] < 0 ? 0 : ranks[static_cast<size_t>(idOfCard[i])];
            key[i * width + k] = r;
            const long long pair =
                (static_cast<long long>(group[i]) << 32) | static_cast<unsigned>(r);
            const auto [it, added] = nextGroupOf.emplace(pair, static_cast<int>(nextSize.size()));
            if (added) {
                nextSize.push_back(0);
            }
            ++nextSize[static_cast<size_t>(it->second)];
            group[i] = it->second;
        }
        groupSize.swap(nextSize);
    }

    std::vector<int> order(cards);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int* x = &key[static_cast<size_t>(a) * width];
        const int* y = &key[static_cast<size_t>(b) * width];
        return std::lexicographical_compare(x, x + width, y, y + width);
    });

    std::vector<int> newRowOf(static_cast<size_t>(rows > 0 ? rows : 0), 0);
    std::vector<CardTable::Row> sorted;
    sorted.reserve(static_cast<size_t>(rows));
    if (rows > 0) {
        sorted.push_back(std::move(table.RowAt(0)));
    }
    for (size_t i = 0; i < order.size(); ++i) {
        const int old = order[i] + 1;
        newRowOf[static_cast<size_t>(old)] = static_cast<int>(i) + 1;
        sorted.push_back(std::move(table.RowAt(old)));
    }
    table.Rows().swap(sorted);
    return newRowOf;
}

void ApplyRowOrder(CardTable& table, const std::vector<int>& newRowOf) {
    auto& rows = table.Rows();
    if (newRowOf.size() != rows.size()) {
        return;
    }
    for (const int to : newRowOf) {
        if (to < 0 || static_cast<size_t>(to) >= rows.size()) {
            return;
        }
    }
    std::vector<CardTable::Row> moved(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        moved[static_cast<size_t>(newRowOf[r])] = std::move(rows[r]);
    }
    rows = std::move(moved);
}

std::vector<int> InverseRowOrder(const std::vector<int>& newRowOf) {
    std::vector<int> inverse(newRowOf.size());
    for (size_t r = 0; r < newRowOf.size(); ++r) {
        inverse[static_cast<size_t>(newRowOf[r])] = static_cast<int>(r);
    }
    return inverse;
}

bool KeepsRowOrder(const std::vector<int>& newRowOf) {
    for (size_t r = 0; r < newRowOf.size(); ++r) {
        if (newRowOf[r] != static_cast<int>(r)) {
            return false;
        }
    }
    return true;
}
