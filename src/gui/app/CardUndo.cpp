// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/CardUndo.h"

#include "core/app/CardSort.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/uMainFrm.h"
#include "platform/LocaleCollation.h"

#include <QTableView>

#include <algorithm>

CardCommand::CardCommand(TMainFrm& frm, const QString& text) : QUndoCommand(text), frm_(frm) {}

void CardCommand::redo() {
    Apply();
    if (done_) {
        Show(false);
    }
    done_ = true;
}

void CardCommand::undo() {
    Revert();
    Show(true);
}

CellsCommand::CellsCommand(TMainFrm& frm, const QString& text, std::vector<CellChange> after,
                           int typing)
    : CardCommand(frm, text), after_(std::move(after)), typing_(typing) {
    before_.reserve(after_.size());
    for (const CellChange& c : after_) {
        before_.push_back({c.col, c.row, frm.Cards().Cell(c.col, c.row)});
    }
}

int CellsCommand::id() const {
    return typing_ != 0 ? 1 : -1;
}

bool CellsCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const CellsCommand*>(other);
    if (next == nullptr || next->typing_ != typing_ || after_.size() != 1 ||
        next->after_.size() != 1 || next->after_[0].col != after_[0].col ||
        next->after_[0].row != after_[0].row) {
        return false;
    }
    after_ = next->after_;
    // Typed back to what it was: nothing is left to undo.
    setObsolete(after_[0].text == before_[0].text);
    return true;
}

void CellsCommand::Apply() {
    if (after_.size() == 1) {
        frm_.GridModel()->SetCardCell(after_[0].col, after_[0].row, after_[0].text);
    } else {
        frm_.GridModel()->SetCardCells(after_);
    }
}

void CellsCommand::Revert() {
    // Each cell once: a cell listed twice gets the text it had before the first change.
    std::vector<CellChange> back(before_.rbegin(), before_.rend());
    frm_.GridModel()->SetCardCells(back);
}

void CellsCommand::Show(bool) {
    if (!after_.empty()) {
        frm_.ShowChangedCell(after_.front().col, after_.front().row);
    }
}

InsertCardsCommand::InsertCardsCommand(TMainFrm& frm, const QString& text, int row,
                                       std::vector<CardTable::Row> cards)
    : CardCommand(frm, text), row_(row), cards_(std::move(cards)) {}

void InsertCardsCommand::Apply() {
    frm_.GridModel()->InsertCardRows(row_, cards_);
}

void InsertCardsCommand::Revert() {
    const int count = static_cast<int>(cards_.size());
    if (row_ >= 1 && row_ + count <= frm_.Cards().RowCount()) {
        frm_.GridModel()->RemoveCardRuns({{row_, count}});
    }
}

void InsertCardsCommand::Show(bool undone) {
    if (undone) {
        frm_.ShowChangedCell(0, std::max(1, row_ - 1));
        return;
    }
    std::vector<int> rows;
    for (size_t i = 0; i < cards_.size(); ++i) {
        rows.push_back(row_ + static_cast<int>(i));
    }
    frm_.ShowChangedCards(rows);
}

DeleteCardsCommand::DeleteCardsCommand(TMainFrm& frm, const QString& text, std::vector<RowRun> runs)
    : CardCommand(frm, text), runs_(std::move(runs)) {
    removed_.reserve(static_cast<size_t>(RowsIn(runs_)));
    for (const RowRun& run : runs_) {
        for (int r = run.first; r < run.first + run.count; ++r) {
            removed_.push_back(frm.Cards().RowAt(r));
        }
    }
}

void DeleteCardsCommand::Apply() {
    frm_.GridModel()->RemoveCardRuns(runs_);
}

void DeleteCardsCommand::Revert() {
    frm_.GridModel()->InsertCardRuns(runs_, removed_);
}

void DeleteCardsCommand::Show(bool undone) {
    if (!undone) {
        frm_.ShowChangedCell(0, std::min(runs_.front().first, frm_.Cards().RowCount() - 1));
        return;
    }
    std::vector<int> rows;
    rows.reserve(removed_.size());
    for (const RowRun& run : runs_) {
        for (int r = run.first; r < run.first + run.count; ++r) {
            rows.push_back(r);
        }
    }
    frm_.ShowChangedCards(rows);
}

SortCardsCommand::SortCardsCommand(TMainFrm& frm, const QString& text, std::vector<int> keys)
    : CardCommand(frm, text), keys_(std::move(keys)) {}

void SortCardsCommand::Apply() {
    CardTable& table = frm_.Cards();
    if (newRowOf_.empty()) {
        const TextRanking rank = LocaleRanking(CollationLocale());
        frm_.GridModel()->ReorderCardRows([&] {
            newRowOf_ = SortGridRanked(table, keys_, rank);
            return newRowOf_;
        });
        setObsolete(KeepsRowOrder(newRowOf_));
        return;
    }
    frm_.GridModel()->ReorderCardRows([&] {
        ApplyRowOrder(table, newRowOf_);
        return newRowOf_;
    });
}

void SortCardsCommand::Revert() {
    const std::vector<int> back = InverseRowOrder(newRowOf_);
    frm_.GridModel()->ReorderCardRows([&] {
        ApplyRowOrder(frm_.Cards(), back);
        return back;
    });
}

void SortCardsCommand::Show(bool) {
    frm_.StringGrid1->viewport()->update();
    frm_.RefreshMeasurementView(frm_.CurrentRow());
}
