// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card grid's model: row 0 of the card table is the header, table rows 1 and on are the
// model's rows 0 and on. Cells stay Windows-1252 bytes; they become QString only when shown.

#include "core/app/CardRemoval.h"
#include "core/files/CardTable.h"
#include "core/files/CellChange.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

class CardGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CardGridModel(CardTable& table, QObject* parent = nullptr);

    CardTable& Table() { return table_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Called with the table column and row and the edited text before it is stored; returns
    // the bytes to store, or false to refuse the edit.
    std::function<bool(int col, int row, const QString& text, std::string& stored)> onEdit;
    // Called instead of storing an accepted edit that changes the cell, so that the undo history
    // stores it (through SetCardCell).
    std::function<void(int col, int row, std::string stored)> onStore;

    // Sets one cell of a card (table column and row) and tells the view.
    void SetCardCell(int col, int row, std::string text);
    // Sets many cells at once and tells the view once, for the block that holds them all.
    void SetCardCells(const std::vector<CellChange>& cells);

    // Call around changes made to the table directly.
    void BeginChange() { beginResetModel(); }
    void EndChange() { endResetModel(); }
    void CellsChanged();

    // Card rows (table rows 1 and on) inserted or removed in the table, so that the view keeps
    // its current card instead of being reset.
    void InsertCardRow(int row);
    // Inserts `cards` (rows of the table's column count) before table row `row`.
    void InsertCardRows(int row, std::vector<CardTable::Row> cards);
    // Removes the rows of `runs` (as CardRowRuns returns them). One run keeps the view's state;
    // several reset the model once instead of announcing each run.
    void RemoveCardRuns(const std::vector<RowRun>& runs);
    // Puts the rows that RemoveCardRuns took back where they were.
    void InsertCardRuns(const std::vector<RowRun>& runs, std::vector<CardTable::Row> removed);
    // Reorders the card rows by `reorder`, which returns every old row's new row number;
    // the current card and the selection follow their rows.
    void ReorderCardRows(const std::function<std::vector<int>()>& reorder);

private:
    CardTable& table_;
};
