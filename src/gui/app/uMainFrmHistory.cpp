// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The measurement history command of the main window and the way back from its window.

#include "core/files/ScopeExit.h"
#include "core/files/Utf8Path.h"
#include "core/files/uGlobal.h"
#include "core/history/MeasurementHistory.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "gui/history/uMessverlaufFrm.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTableView>

#include <filesystem>

namespace {

// One history window for the main window's lifetime, made when first asked for.
QPointer<TMessverlaufFrm> gHistoryFrm;

bool SameCardFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return a == b;
    }
    std::error_code ec;
    const bool same = std::filesystem::equivalent(PathFromUtf8(a), PathFromUtf8(b), ec);
    return !ec && same;
}

// The row of `table` that holds the measurement: `hint` when it still does, else the first
// such card; 0 for none.
int FindCard(const CardTable& table, const CardTable::Row& card, int hint) {
    const CustomerKey customer = CustomerOf(card);
    auto sameMeasurement = [&](const CardTable::Row& row) {
        if (!IsCustomer(row, customer)) {
            return false;
        }
        for (size_t col = 3; col < card.size() && col < row.size(); ++col) {
            if (row[col] != card[col]) {
                return false;
            }
        }
        return true;
    };
    if (hint >= 1 && hint < table.RowCount() && sameMeasurement(table.RowAt(hint))) {
        return hint;
    }
    for (int r = 1; r < table.RowCount(); ++r) {
        if (sameMeasurement(table.RowAt(r))) {
            return r;
        }
    }
    return 0;
}

} // namespace

void TMainFrm::AddHistoryCommand() {
    Messverlauf1 = new QAction(FromUtf8("Messverlauf..."), Karteikarte1);
    Messverlauf1->setObjectName(QStringLiteral("Messverlauf1"));
    Messverlauf1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    // Right after "Suchen...".
    const QList<QAction*> actions = Karteikarte1->actions();
    const qsizetype search = actions.indexOf(KarteikarteSuchen1);
    Karteikarte1->insertAction(search + 1 < actions.size() ? actions[search + 1] : nullptr,
                               Messverlauf1);
    connect(Messverlauf1, &QAction::triggered, this,
            [this] { RunGuarded([this] { Messverlauf1Click(); }); });
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { UpdateHistoryCommand(); });
    connect(gridModel_, &QAbstractItemModel::modelReset, this, [this] { UpdateHistoryCommand(); });
    connect(gridModel_, &QAbstractItemModel::dataChanged, this, [this] { UpdateHistoryCommand(); });
    connect(gridModel_, &QAbstractItemModel::rowsInserted, this,
            [this] { UpdateHistoryCommand(); });
    connect(gridModel_, &QAbstractItemModel::rowsRemoved, this, [this] { UpdateHistoryCommand(); });
    UpdateHistoryCommand();
}

bool TMainFrm::HasHistoryCustomer() const {
    // The empty card of a new table belongs to nobody.
    const int row = CurrentRow();
    return row > 0 && CustomerOf(Cards().RowAt(row)) != CustomerKey();
}

void TMainFrm::UpdateHistoryCommand() {
    if (Messverlauf1 != nullptr) {
        Messverlauf1->setEnabled(commandsEnabled_ && HasHistoryCustomer());
    }
    if (Kundendaten1 != nullptr) {
        Kundendaten1->setEnabled(commandsEnabled_ && HasHistoryCustomer());
    }
}

void TMainFrm::Messverlauf1Click() {
    if (!HasHistoryCustomer()) {
        return;
    }
    const int row = CurrentRow();
    if (gHistoryFrm.isNull()) {
        gHistoryFrm = new TMessverlaufFrm(this);
        gHistoryFrm->onGoToCard = [this](const HistoryEntry& entry) { GoToHistoryCard(entry); };
    }
    if (gHistoryFrm->IsBusy()) {
        gHistoryFrm->raise();
        return;
    }
    // As during a load: events get through, but no command starts and the window stays put.
    SetCommandsEnabled(false);
    ScopeExit commandsOn([this] { SetCommandsEnabled(true); });
    gHistoryFrm->ShowHistory(Cards(), row, document_.FileName());
}

void TMainFrm::GoToHistoryCard(const HistoryEntry& entry) {
    if (!commandsEnabled_) {
        return;
    }
    if (!SameCardFile(entry.file, document_.FileName())) {
        // An unsaved table that has since been replaced has no file to go back to.
        if (entry.file.empty()) {
            ShowMsg(FromUtf8("Die Messung steht nicht mehr in der Kartei."));
            return;
        }
        // As "Öffnen..." asks; a save that does not happen keeps the table.
        if (AskSaveChanges()) {
            SaveCardFileAs();
            if (document_.Changed()) {
                return;
            }
        }
        OpenNamedCardFile(entry.file);
        if (!SameCardFile(entry.file, document_.FileName())) {
            return;
        }
    }
    const int row = FindCard(Cards(), entry.card, entry.row);
    activateWindow();
    raise();
    if (row == 0) {
        ShowMsg(FromUtf8("Die Messung steht nicht mehr in der Kartei."));
        return;
    }
    SetCurrentCell(0, row);
}
