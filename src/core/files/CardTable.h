// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contents of the card grid: row 0 the column captions, rows 1 and on one card each.
// Cells are Windows-1252 byte strings.

#include <string>
#include <vector>

class CardTable {
public:
    using Row = std::vector<std::string>;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColCount() const { return cols_; }

    // An empty text for a cell outside the table.
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);

    void SetColCount(int cols);
    void SetRowCount(int rows);

    const Row& RowAt(int row) const { return rows_[static_cast<size_t>(row)]; }
    Row& RowAt(int row) { return rows_[static_cast<size_t>(row)]; }
    std::vector<Row>& Rows() { return rows_; }
    const std::vector<Row>& Rows() const { return rows_; }

    // A row of ColCount empty cells.
    Row EmptyRow() const { return Row(static_cast<size_t>(cols_)); }
    void AppendRow(Row row);

private:
    int cols_ = 0;
    std::vector<Row> rows_;
};
