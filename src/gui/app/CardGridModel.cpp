// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CardGridModel.h"

#include "platform/TextCodec.h"

#include <algorithm>
#include <iterator>

CardGridModel::CardGridModel(CardTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int CardGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return table_.RowCount() > 0 ? table_.RowCount() - 1 : 0;
}

int CardGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.ColCount();
}

QVariant CardGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return FromAnsi(table_.Cell(index.column(), index.row() + 1));
}

QVariant CardGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return FromAnsi(table_.Cell(section, 0));
    }
    // The row header is only there to select whole cards.
    return {};
}

Qt::ItemFlags CardGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

bool CardGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    const QString text = value.toString();
    std::string stored;
    if (onEdit) {
        if (!onEdit(index.column(), index.row() + 1, text, stored)) {
            return false;
        }
    } else if (!ToAnsi(text, stored)) {
        return false;
    }
    if (stored == table_.Cell(index.column(), index.row() + 1)) {
        return true;
    }
    if (onStore) {
        onStore(index.column(), index.row() + 1, std::move(stored));
    } else {
        SetCardCell(index.column(), index.row() + 1, std::move(stored));
    }
    return true;
}

void CardGridModel::SetCardCell(int col, int row, std::string text) {
    if (row < 1 || row >= table_.RowCount() || col < 0 || col >= table_.ColCount()) {
        return;
    }
    table_.SetCell(col, row, std::move(text));
    const QModelIndex cell = index(row - 1, col);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

void CardGridModel::SetCardCells(const std::vector<CellChange>& cells) {
    int top = table_.RowCount();
    int bottom = 0;
    int left = table_.ColCount();
    int right = -1;
    for (const CellChange& c : cells) {
        if (c.row < 1 || c.row >= table_.RowCount() || c.col < 0 || c.col >= table_.ColCount()) {
            continue;
        }
        table_.SetCell(c.col, c.row, c.text);
        top = std::min(top, c.row);
        bottom = std::max(bottom, c.row);
        left = std::min(left, c.col);
        right = std::max(right, c.col);
    }
    if (right >= 0) {
        emit dataChanged(index(top - 1, left), index(bottom - 1, right),
                         {Qt::DisplayRole, Qt::EditRole});
    }
}

void CardGridModel::CellsChanged() {
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() > 0 ? columnCount() - 1 : 0);
}

void CardGridModel::InsertCardRow(int row) {
    if (row < 1 || row > table_.RowCount()) {
        return;
    }
    beginInsertRows(QModelIndex(), row - 1, row - 1);
    auto& rows = table_.Rows();
    rows.insert(rows.begin() + row, table_.EmptyRow());
    endInsertRows();
}

void CardGridModel::InsertCardRows(int row, std::vector<CardTable::Row> cards) {
    if (row < 1 || row > table_.RowCount() || cards.empty()) {
        return;
    }
    const int count = static_cast<int>(cards.size());
    beginInsertRows(QModelIndex(), row - 1, row - 1 + count - 1);
    auto& rows = table_.Rows();
    rows.insert(rows.begin() + row, std::make_move_iterator(cards.begin()),
                std::make_move_iterator(cards.end()));
    endInsertRows();
}

void CardGridModel::RemoveCardRuns(const std::vector<RowRun>& runs) {
    if (runs.empty()) {
        return;
    }
    if (runs.size() == 1) {
        const RowRun& run = runs.front();
        beginRemoveRows(QModelIndex(), run.first - 1, run.first - 1 + run.count - 1);
        RemoveRowRuns(table_, runs);
        endRemoveRows();
        return;
    }
    beginResetModel();
    RemoveRowRuns(table_, runs);
    endResetModel();
}

void CardGridModel::InsertCardRuns(const std::vector<RowRun>& runs,
                                   std::vector<CardTable::Row> removed) {
    if (runs.empty()) {
        return;
    }
    if (runs.size() == 1) {
        const RowRun& run = runs.front();
        if (run.first < 1 || run.first > table_.RowCount()) {
            return;
        }
        beginInsertRows(QModelIndex(), run.first - 1, run.first - 1 + run.count - 1);
        InsertRowRuns(table_, runs, std::move(removed));
        endInsertRows();
        return;
    }
    beginResetModel();
    InsertRowRuns(table_, runs, std::move(removed));
    endResetModel();
}

void CardGridModel::ReorderCardRows(const std::function<std::vector<int>()>& reorder) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    const std::vector<int> newRowOf = reorder();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) {
        const auto oldRow = static_cast<size_t>(old.row() + 1);
        const int row = oldRow < newRowOf.size() ? newRowOf[oldRow] : old.row() + 1;
        after << index(row - 1, old.column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
