// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Card operations of the main window: typing rules, insert, delete, copy, paste and sort.

#include "core/app/CardClipboard.h"
#include "core/app/CardRemoval.h"
#include "core/app/CardSort.h"
#include "core/app/CardTyping.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardCellEditor.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/CardSelection.h"
#include "gui/app/CardUndo.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "platform/TextCodec.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTableView>

#include <algorithm>

void TMainFrm::InstallCardEditor() {
    auto* delegate = new CardCellDelegate(StringGrid1);
    delegate->onKeyPress = [this](char32_t& key) { StringGrid1KeyPress(key); };
    delegate->onPaste = [](int col, const QString& remaining, const QString& pasted) {
        return FromAnsi(FilterPastedText(col, ToAnsiLossy(remaining), pasted.toStdU32String()));
    };
    delegate->acceptsText = [](int col, const QString& text) {
        return AcceptsFactText(col, ToAnsiLossy(text));
    };
    StringGrid1->setItemDelegate(delegate);

    auto* keys = new CardGridKeys(StringGrid1);
    keys->onCopy = [this] { return CopySelectedCards(); };
    keys->onPaste = [this] {
        bool pasted = false;
        RunGuarded([&] { pasted = PasteCards(QGuiApplication::clipboard()->text()); });
        return pasted;
    };
    StringGrid1->installEventFilter(keys);
}

void TMainFrm::StringGrid1KeyPress(char32_t& key) {
    const QModelIndex current = StringGrid1->currentIndex();
    if (!current.isValid()) {
        key = 0;
        return;
    }
    // The editor hands every change to the table at once, so the cell holds the edited text.
    const int col = current.column();
    key = TypedKey(col, Cards().Cell(col, current.row() + 1), key);
}

void TMainFrm::StringGrid1SelectCell(int, int row) {
    RefreshMeasurementView(row);
}

bool TMainFrm::StringGrid1SetEditText(int col, int row, const QString& text, std::string& stored) {
    if (!ToAnsi(text, stored)) {
        return false;
    }
    if (stored != Cards().Cell(col, row)) {
        document_.SetChanged(true);
    }
    return true;
}

void TMainFrm::InsertCard() {
    const int below = CurrentRow() + 1;
    PushCardChange(new InsertCardsCommand(*this, FromUtf8("Karteikarte hinzufügen"), below,
                                          {Cards().EmptyRow()}));
    CopyCardToValueList(below);
    FillMeasurementView();
}

void TMainFrm::DeleteCard() {
    DeleteCards({CurrentRow()});
}

std::vector<int> TMainFrm::CardsToDelete() const {
    std::vector<int> rows = SelectedCardRows(*StringGrid1->selectionModel(), Cards().ColCount());
    if (rows.empty() && CurrentRow() > 0) {
        rows.push_back(CurrentRow());
    }
    return rows;
}

void TMainFrm::DeleteCards(const std::vector<int>& rows) {
    // The caption row is not a card.
    const std::vector<RowRun> runs = CardRowRuns(rows, Cards().RowCount());
    if (runs.empty()) {
        return;
    }
    const int row = runs.front().first;
    const int col = std::max(0, StringGrid1->currentIndex().column());
    PushCardChange(new DeleteCardsCommand(*this, FromUtf8("Karteikarte löschen"), runs));
    SetCurrentCell(col, std::min(row, Cards().RowCount() - 1));
    CopyCardToValueList(row);
    FillMeasurementView();
}

bool TMainFrm::CopySelectedCards() {
    const std::vector<int> rows =
        SelectedCardRows(*StringGrid1->selectionModel(), Cards().ColCount());
    if (rows.empty()) {
        return false; // the grid copies its current cell
    }
    QGuiApplication::clipboard()->setText(FromAnsi(CardLines(Cards(), rows)));
    return true;
}

bool TMainFrm::PasteCards(const QString& text) {
    const std::u32string pasted = text.toStdU32String();
    if (!HoldsCardLines(pasted)) {
        return false;
    }
    std::vector<CardTable::Row> cards = CardsFromLines(pasted, Cards().ColCount());
    if (cards.empty()) {
        return true;
    }
    const int below = CurrentRow() + 1;
    const int count = static_cast<int>(cards.size());
    PushCardChange(new InsertCardsCommand(*this, FromUtf8("Einfügen"), below, std::move(cards)));
    document_.SetChanged(true);
    SelectCardRows(*StringGrid1, below, count);
    CopyCardToValueList(below);
    FillMeasurementView();
    return true;
}

void TMainFrm::SortCards(const std::vector<int>& keys) {
    PushCardChange(new SortCardsCommand(*this, FromUtf8("Sortieren"), keys));
    StringGrid1->viewport()->update();
}

void TMainFrm::KarteikarteEinfgen1Click() {
    InsertCard();
}

void TMainFrm::KarteikarteSuchen1Click() {
    ShowSearch();
}

void TMainFrm::nachName1Click() {
    SortCards(kSortByName);
}

void TMainFrm::nachStrasse1Click() {
    SortCards(kSortByStreet);
}

void TMainFrm::nachOrt1Click() {
    SortCards(kSortByTown);
}
