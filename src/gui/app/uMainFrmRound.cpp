// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a round: the cards of a town, a street or a name selected, and the selection opened
// as a table of its own, to be sent to the device and saved where the user wants.

#include "core/app/CardChoice.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/CardSelection.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uAuswahlFrm.h"
#include "gui/app/uMainFrm.h"
#include "platform/TextCodec.h"

#include <QMenu>
#include <QTableView>

#include <iterator>

void TMainFrm::AddRoundCommands() {
    // After every existing command of the menu, so that none moves.
    Karteikarte1->addSeparator()->setObjectName(QStringLiteral("N5"));
    KartenAuswaehlen1 =
        AddCommand(Karteikarte1, "KartenAuswaehlen1", FromUtf8("Karten auswählen..."),
                   &TMainFrm::KartenAuswaehlen1Click);
    AuswahlNeueKartei1 =
        AddCommand(Karteikarte1, "AuswahlNeueKartei1", FromUtf8("Auswahl als neue Kartei"),
                   &TMainFrm::AuswahlNeueKartei1Click);
}

int TMainFrm::SelectCardsContaining(const QString& text, bool add) {
    const std::vector<int> rows = CardsContaining(Cards(), ToAnsiLossy(text));
    if (!rows.empty()) {
        SelectCards(*StringGrid1, rows, add);
        RefreshMeasurementView(CurrentRow());
    }
    return static_cast<int>(rows.size());
}

void TMainFrm::OpenSelectionAsNewTable() {
    const std::vector<int> rows =
        SelectedCardRows(*StringGrid1->selectionModel(), Cards().ColCount());
    if (rows.empty()) {
        ShowMsg(FromUtf8("Keine Karteikarte ausgewählt. Karten werden über den Zeilenkopf "
                         "oder mit \"Karten auswählen...\" ausgewählt."));
        return;
    }
    // Copied before the question: saving runs through dialogs the selection need not outlive.
    std::vector<CardTable::Row> round;
    round.reserve(rows.size());
    for (const int row : rows) {
        round.push_back(Cards().RowAt(row));
    }
    OpenCardsAsNewTable(std::move(round));
}

void TMainFrm::OpenCardsAsNewTable(std::vector<CardTable::Row> round) {
    if (AskSaveChanges()) {
        SaveCardFileAs();
        if (document_.Changed()) {
            return; // not saved: the typed changes are not given up
        }
    }
    NewCardFile();
    if (Cards().RowCount() < 2) {
        return; // the new table could not be set up
    }
    for (CardTable::Row& card : round) {
        card.resize(static_cast<size_t>(Cards().ColCount()));
    }
    // The new table's empty card gives way to the round.
    gridModel_->BeginChange();
    std::vector<CardTable::Row>& table = Cards().Rows();
    table.resize(1);
    table.insert(table.end(), std::make_move_iterator(round.begin()),
                 std::make_move_iterator(round.end()));
    gridModel_->EndChange();
    document_.SetChanged(true);
    SetCurrentCell(0, 1);
    RefreshMeasurementView(1);
}

void TMainFrm::KartenAuswaehlen1Click() {
    TAuswahlFrm dialog(this);
    if (!dialog.Execute()) {
        return;
    }
    if (dialog.ByDueYear()) {
        const int year = dialog.DueYear();
        if (year == 0) {
            ShowMsg(FromUtf8("Bitte ein Jahr mit vier Ziffern angeben."));
        } else if (SelectCardsDueBy(year, dialog.AddsToSelection()) == 0) {
            ShowMsg(FromUtf8("Kein Kunde der Kartei ist %1 oder früher fällig.").arg(year));
        }
        return;
    }
    if (SelectCardsContaining(dialog.Text(), dialog.AddsToSelection()) == 0) {
        ShowMsg(FromUtf8("Keine Karteikarte enthält \"%1\".").arg(dialog.Text().trimmed()));
    }
}

void TMainFrm::AuswahlNeueKartei1Click() {
    OpenSelectionAsNewTable();
}
