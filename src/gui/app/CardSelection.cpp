// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CardSelection.h"

#include "core/app/CardRemoval.h"

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

void SelectCards(QTableView& grid, const std::vector<int>& rows, bool add) {
    const QAbstractItemModel* model = grid.model();
    QItemSelectionModel* selection = grid.selectionModel();
    if (model == nullptr || selection == nullptr || model->columnCount() < 1) {
        return;
    }
    // Neighbouring cards as one range each: a town's thousand cards stay a few ranges.
    QItemSelection chosen;
    const int last = model->columnCount() - 1;
    for (const RowRun& run : CardRowRuns(rows, model->rowCount() + 1)) {
        chosen.select(model->index(run.first - 1, 0),
                      model->index(run.first + run.count - 2, last));
    }
    if (chosen.isEmpty()) {
        return;
    }
    const QModelIndex current = grid.currentIndex();
    const QModelIndex first = chosen.first().topLeft();
    // Moving the current cell must not clear the selection that is added to.
    selection->setCurrentIndex(model->index(first.row(), current.isValid() ? current.column() : 0),
                               QItemSelectionModel::NoUpdate);
    selection->select(chosen,
                      add ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
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
