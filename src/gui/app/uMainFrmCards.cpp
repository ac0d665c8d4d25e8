// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Card operations of the main window: typing rules, insert, delete and sort.

#include "core/app/CardSort.h"
#include "core/app/CardTyping.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardCellEditor.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/uMainFrm.h"
#include "platform/LocaleCollation.h"
#include "platform/TextCodec.h"

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
    gridModel_->InsertCardRow(below);
    CopyCardToValueList(below);
    FillMeasurementView();
}

void TMainFrm::DeleteCard() {
    // The caption row is not a card.
    if (Cards().RowCount() <= 1) {
        return;
    }
    const int row = CurrentRow();
    const int col = std::max(0, StringGrid1->currentIndex().column());
    gridModel_->RemoveCardRow(row);
    SetCurrentCell(col, std::min(row, Cards().RowCount() - 1));
    CopyCardToValueList(row);
    FillMeasurementView();
}

void TMainFrm::SortCards(const std::vector<int>& keys) {
    const TextRanking rank = LocaleRanking(CollationLocale());
    gridModel_->ReorderCardRows([&] { return SortGridRanked(Cards(), keys, rank); });
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
