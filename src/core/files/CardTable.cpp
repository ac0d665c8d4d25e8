// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/CardTable.h"

namespace {
const std::string kEmpty;
}

const std::string& CardTable::Cell(int col, int row) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= cols_) {
        return kEmpty;
    }
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void CardTable::SetCell(int col, int row, std::string text) {
    if (row < 0 || row >= RowCount() || col < 0 || col >= cols_) {
        return;
    }
    rows_[static_cast<size_t>(row)][static_cast<size_t>(col)] = std::move(text);
}

void CardTable::SetColCount(int cols) {
    cols_ = cols < 0 ? 0 : cols;
    for (auto& r : rows_) {
        r.resize(static_cast<size_t>(cols_));
    }
}

void CardTable::SetRowCount(int rows) {
    rows_.resize(static_cast<size_t>(rows < 0 ? 0 : rows), EmptyRow());
}

void CardTable::AppendRow(Row row) {
    row.resize(static_cast<size_t>(cols_));
    rows_.push_back(std::move(row));
}
