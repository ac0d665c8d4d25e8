// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CardSelection.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>

std::vector<int> SelectedCardRows(const QItemSelectionModel& selection, int columnCount) {
    std::vector<int> rows;
    std::vector<int> partial;
    for (const QItemSelectionRange& range : selection.selection()) {
        auto& into = range.left() == 0 && range.right() == columnCount - 1 ? rows : partial;
        for (int row = range.top(); row <= range.bottom(); ++row) {
            into.push_back(row + 1);
        }
    }
    // A row whose cells were selected in pieces; rare, so asked row by row.
    std::sort(partial.begin(), partial.end());
    partial.erase(std::unique(partial.begin(), partial.end()), partial.end());
    for (const int row : partial) {
        if (selection.isRowSelected(row - 1, QModelIndex())) {
            rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void SelectCardRows(QTableView& grid, int first, int count) {
    const QAbstractItemModel* model = grid.model();
    QItemSelectionModel* selection = grid.selectionModel();
    if (model == nullptr || selection == nullptr || count < 1 || model->columnCount() < 1) {
        return;
    }
    const QModelIndex top = model->index(first - 1, 0);
    const QModelIndex bottom = model->index(first - 1 + count - 1, model->columnCount() - 1);
    if (!top.isValid() || !bottom.isValid()) {
        return;
    }
    QModelIndex current = grid.currentIndex();
    current = model->index(top.row(), current.isValid() ? current.column() : 0);
    grid.setCurrentIndex(current);
    selection->select(QItemSelection(top, bottom), QItemSelectionModel::ClearAndSelect);
}

bool CardGridKeys::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->matches(QKeySequence::Copy) && onCopy && onCopy()) ||
            (key->matches(QKeySequence::Paste) && onPaste && onPaste())) {
            return true;
        }
    }
    return QObject::eventFilter(object, event);
}
