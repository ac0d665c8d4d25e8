// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// "Karteikarte / Messwerte zuordnen...": the received cards of a round put back onto their
// customers in the other card files of the folder, after the window has shown what changes.

#include "core/certificate/CertificatePage.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFolder.h"
#include "core/files/ScopeExit.h"
#include "core/history/MeasurementMatch.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "gui/history/uZuordnungFrm.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QFileInfo>
#include <QStatusBar>

namespace {

// The folder of the table's file, when that file exists: the register is beside it.
std::string RegisterFolder(const std::string& cardFile) {
    return FileExists(cardFile) ? FolderOf(cardFile) : std::string();
}

} // namespace

void TMainFrm::MesswerteZuordnen1Click() {
    if (MeasuredRows(Cards()).empty()) {
        ShowMsg(FromUtf8("Keine Karte hat ein Messdatum: es gibt keine Messwerte zuzuordnen."));
        return;
    }
    const std::string& file = document_.FileName();
    const std::string folder = RegisterFolder(file);
    if (folder.empty()) {
        ShowMsg(
            FromUtf8("Die Kartei ist in keiner Datei. Die Kunden werden in den anderen "
                     "Karteien ihres Ordners gesucht: bitte die Kartei zuerst dort speichern."));
        return;
    }
    if (CardFilesIn(folder, file).empty()) {
        ShowMsg(FromUtf8("Im Ordner %1 liegt keine andere Kartei, in der die Kunden stehen.")
                    .arg(QFileInfo(FromUtf8(file)).absolutePath()));
        return;
    }
    MatchPlan plan;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ScopeExit restoreCursor([] { QApplication::restoreOverrideCursor(); });
        plan = PlanMatchInFolder(Cards(), folder, file);
    }

    TZuordnungFrm window(plan, Cards(), this);
    if (!window.Execute()) {
        return;
    }
    SetCardCells(MatchChanges(Cards(), plan), FromUtf8("Messwerte zuordnen"));
    RefreshMeasurementView(CurrentRow());
    statusBar()->showMessage(FromUtf8(MatchSummary(plan)));
}

void TMainFrm::PointToMatching() {
    const std::string& file = document_.FileName();
    const std::string folder = RegisterFolder(file);
    if (folder.empty() || MeasuredRows(Cards()).empty() || CardFilesIn(folder, file).empty()) {
        return;
    }
    statusBar()->showMessage(
        FromUtf8("Die Messwerte gehören zu Kunden anderer Karteien im Ordner: "
                 "\"Karteikarte / Messwerte zuordnen...\" setzt ihre vollen Namen und Angaben "
                 "zur Anlage ein."));
}
