// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Who is due for a measurement: the window's command, its way to a new table, and the due
// customers' cards selected in the grid.

#include "core/app/CardChoice.h"
#include "core/certificate/SweepBusiness.h"
#include "core/files/FileErrors.h"
#include "core/files/IniFile.h"
#include "core/files/ScopeExit.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardSelection.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "gui/due/uFaelligFrm.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTableView>

namespace {

// One window for the main window's lifetime, made when first asked for.
QPointer<TFaelligFrm> gDueFrm;

} // namespace

void TMainFrm::AddDueCommand() {
    FaelligeMessungen1 = new QAction(FromUtf8("Fällige Messungen..."), Karteikarte1);
    FaelligeMessungen1->setObjectName(QStringLiteral("FaelligeMessungen1"));
    // Right after "Messverlauf...".
    const QList<QAction*> actions = Karteikarte1->actions();
    const qsizetype history = actions.indexOf(Messverlauf1);
    Karteikarte1->insertAction(history + 1 < actions.size() ? actions[history + 1] : nullptr,
                               FaelligeMessungen1);
    connect(FaelligeMessungen1, &QAction::triggered, this,
            [this] { RunGuarded([this] { FaelligeMessungen1Click(); }); });
}

void TMainFrm::FaelligeMessungen1Click() {
    if (gDueFrm.isNull()) {
        gDueFrm = new TFaelligFrm(this);
        gDueFrm->onNewTable = [this](std::vector<CardTable::Row> cards) {
            if (!commandsEnabled_) {
                return;
            }
            OpenCardsAsNewTable(std::move(cards));
            activateWindow();
            raise();
        };
    }
    if (gDueFrm->IsBusy()) {
        gDueFrm->raise();
        return;
    }
    // As during a load: events get through, but no command starts.
    SetCommandsEnabled(false);
    ScopeExit commandsOn([this] { SetCommandsEnabled(true); });
    gDueFrm->ShowDue(Cards(), document_.FileName());
}

int TMainFrm::SelectCardsDueBy(int year, bool add) {
    std::vector<std::string> fuelNames;
    try {
        fuelNames = ReadFuelNames(IniFile(SettingsFileName()));
    } catch (const EInOutError&) {
        fuelNames = ReadFuelNames(IniFile(std::string()));
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ScopeExit cursor([] { QApplication::restoreOverrideCursor(); });
    const DueCustomers customers = GatherDueCustomers(
        &Cards(), document_.FileName(), FolderOf(document_.FileName()), Cards().ColCount());
    const std::vector<int> rows = CardsDueIn(Cards(), BuildDueList(customers, year, fuelNames));
    if (!rows.empty()) {
        SelectCards(*StringGrid1, rows, add);
        RefreshMeasurementView(CurrentRow());
    }
    return static_cast<int>(rows.size());
}
