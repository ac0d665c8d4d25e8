// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The changes of the card table that "Rückgängig" takes back and "Wiederherstellen" makes again.
// Each keeps only what it changes: the cells before and after, the cards inserted or deleted,
// or the order of a sort. The first redo is the change itself, made when the command is pushed;
// the caller shows its outcome as before. Later undos and redos show the cards they touch.

#include "core/app/CardRemoval.h"
#include "core/files/CardTable.h"
#include "core/files/CellChange.h"

#include <QUndoCommand>

#include <vector>

class TMainFrm;

// Base: the window the change belongs to, and whether the change was made once.
class CardCommand : public QUndoCommand {
public:
    CardCommand(TMainFrm& frm, const QString& text);
    void redo() final;
    void undo() final;

protected:
    virtual void Apply() = 0;
    virtual void Revert() = 0;
    // Shows the cards touched after an undo (`undone`) or a later redo.
    virtual void Show(bool undone) = 0;
    TMainFrm& frm_;

private:
    bool done_ = false;
};

// Cells set to new texts. Typing into one cell merges into one command while its editor is open
// (`typing` names that editing session; 0 for a change that never merges).
class CellsCommand : public CardCommand {
public:
    CellsCommand(TMainFrm& frm, const QString& text, std::vector<CellChange> after, int typing = 0);
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    void Apply() override;
    void Revert() override;
    void Show(bool undone) override;
    std::vector<CellChange> before_;
    std::vector<CellChange> after_;
    int typing_;
};

// Cards inserted before table row `row`: an empty card or pasted ones.
class InsertCardsCommand : public CardCommand {
public:
    InsertCardsCommand(TMainFrm& frm, const QString& text, int row,
                       std::vector<CardTable::Row> cards);

private:
    void Apply() override;
    void Revert() override;
    void Show(bool undone) override;
    int row_;
    std::vector<CardTable::Row> cards_;
};

// Cards deleted, wherever they stand; the undo puts them back in their places.
class DeleteCardsCommand : public CardCommand {
public:
    DeleteCardsCommand(TMainFrm& frm, const QString& text, std::vector<RowRun> runs);

private:
    void Apply() override;
    void Revert() override;
    void Show(bool undone) override;
    std::vector<RowRun> runs_;
    std::vector<CardTable::Row> removed_;
};

// A sort: the first redo sorts and keeps where every card went; the undo moves them back.
// A sort that moves no card leaves nothing to undo.
class SortCardsCommand : public CardCommand {
public:
    SortCardsCommand(TMainFrm& frm, const QString& text, std::vector<int> keys);

private:
    void Apply() override;
    void Revert() override;
    void Show(bool undone) override;
    std::vector<int> keys_;
    std::vector<int> newRowOf_;
};
