// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the main window: "Karteikarte / Rückgängig" (Strg+Z) and "Wiederherstellen"
// (Strg+Y) over every change of the card table. The changes themselves are in CardUndo.cpp.

#include "gui/app/CardCellEditor.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/CardSelection.h"
#include "gui/app/CardUndo.h"
#include "gui/app/uMainFrm.h"
#include "platform/TextCodec.h"

#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>

void TMainFrm::AddUndoCommands() {
    undo_ = new QUndoStack(this);
    // After the sort, before the round's commands, which stay last.
    Karteikarte1->addSeparator()->setObjectName(QStringLiteral("N6"));
    Rueckgaengig1 = AddCommand(Karteikarte1, "Rueckgaengig1", FromUtf8("Rückgängig"),
                               &TMainFrm::Rueckgaengig1Click);
    Wiederherstellen1 = AddCommand(Karteikarte1, "Wiederherstellen1", FromUtf8("Wiederherstellen"),
                                   &TMainFrm::Wiederherstellen1Click);
    Rueckgaengig1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Wiederherstellen1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QUndoStack::canUndoChanged, this, [this] { UpdateUndoCommands(); });
    connect(undo_, &QUndoStack::canRedoChanged, this, [this] { UpdateUndoCommands(); });
    UpdateUndoCommands();

    // Typing reaches the table through the history, one step per cell while its editor is open.
    gridModel_->onStore = [this](int col, int row, std::string stored) {
        const auto* delegate = qobject_cast<CardCellDelegate*>(StringGrid1->itemDelegate());
        const int typing = delegate != nullptr ? delegate->EditorsCreated() : 0;
        PushCardChange(new CellsCommand(*this, FromUtf8("Eingabe"), {{col, row, std::move(stored)}},
                                        typing > 0 ? typing : 1));
    };
}

void TMainFrm::UpdateUndoCommands() {
    if (Rueckgaengig1 == nullptr) {
        return;
    }
    Rueckgaengig1->setEnabled(commandsEnabled_ && undo_->canUndo());
    Wiederherstellen1->setEnabled(commandsEnabled_ && undo_->canRedo());
}

void TMainFrm::PushCardChange(QUndoCommand* command) {
    undo_->push(command);
}

void TMainFrm::SetCardCells(const std::vector<CellChange>& cells, const QString& caption) {
    std::vector<CellChange> changes;
    for (const CellChange& c : cells) {
        if (c.row >= 1 && c.row < Cards().RowCount() && c.col >= 0 && c.col < Cards().ColCount() &&
            Cards().Cell(c.col, c.row) != c.text) {
            changes.push_back(c);
        }
    }
    if (changes.empty()) {
        return;
    }
    PushCardChange(new CellsCommand(*this, caption, std::move(changes)));
    document_.SetChanged(true);
}

void TMainFrm::SetCardCell(int col, int row, const std::string& text) {
    SetCardCells({{col, row, text}}, FromUtf8("Eingabe"));
}

void TMainFrm::StartNewHistory() {
    if (undo_ != nullptr) {
        undo_->clear();
    }
    // What the status bar said was about the table before.
    statusBar()->clearMessage();
}

void TMainFrm::MarkHistorySaved() {
    undo_->setClean();
}

void TMainFrm::MarkHistoryUnsaved() {
    undo_->resetClean();
}

void TMainFrm::DropHistory() {
    undo_->clear();
    if (document_.Changed()) {
        MarkHistoryUnsaved();
    }
}

void TMainFrm::ShowChangedCell(int col, int row) {
    SetCurrentCell(col, std::min(row, Cards().RowCount() - 1));
    RefreshMeasurementView(CurrentRow());
}

void TMainFrm::ShowChangedCards(const std::vector<int>& rows) {
    if (!rows.empty()) {
        SelectCards(*StringGrid1, rows, false);
    }
    RefreshMeasurementView(CurrentRow());
}

void TMainFrm::CloseCellEditor() {
    // The editor is the current cell's; every change of it is in the table already.
    if (QWidget* editor = StringGrid1->indexWidget(StringGrid1->currentIndex())) {
        emit StringGrid1->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TMainFrm::Rueckgaengig1Click() {
    CloseCellEditor();
    if (!undo_->canUndo()) {
        return;
    }
    undo_->undo();
    // Back at the state of the file the table is unchanged again.
    document_.SetChanged(!undo_->isClean());
}

void TMainFrm::Wiederherstellen1Click() {
    CloseCellEditor();
    if (!undo_->canRedo()) {
        return;
    }
    undo_->redo();
    document_.SetChanged(!undo_->isClean());
}
