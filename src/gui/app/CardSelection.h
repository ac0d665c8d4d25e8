// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole cards selected in the card grid: by the row header (with Shift and Strg) or by Strg+A.
// The grid's rows are the table's rows 1 and on. Copy and paste of whole cards go through the
// grid's keys here, so that the keys of an open cell editor stay the editor's.

#include <QObject>

#include <functional>
#include <vector>

class QItemSelectionModel;
class QTableView;

// The table rows of the cards whose every cell is selected, ascending. Without reading cell by
// cell: a selection of thousands of rows is counted from its ranges.
std::vector<int> SelectedCardRows(const QItemSelectionModel& selection, int columnCount);

// Makes `count` cards from table row `first` on the selection, whole; the first is current.
void SelectCardRows(QTableView& grid, int first, int count);

// Selects the cards of these table rows whole, added to the selection or in its place; the first
// becomes current.
void SelectCards(QTableView& grid, const std::vector<int>& rows, bool add);

// Strg+C and Strg+V on the grid itself. Each returns false to leave the key to the grid.
class CardGridKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    std::function<bool()> onCopy;
    std::function<bool()> onPaste;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};
