// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A customer's requests served from the main window: the information printed, or every card of
// the customer deleted or made anonymous in the open table and in the card files of its folder.

#include "core/customer/CustomerCards.h"
#include "core/customer/CustomerErasure.h"
#include "core/customer/CustomerReport.h"
#include "core/customer/ErasureLog.h"
#include "core/files/Ansi.h"
#include "core/files/FileErrors.h"
#include "core/history/HistoryTable.h"
#include "core/history/MeasurementHistory.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "gui/app/uMainFrmPrint.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStatusBar>

namespace {

std::string CardCount(size_t n) {
    return std::to_string(n) + (n == 1 ? " Karte" : " Karten");
}

// The cards of the customer of the current card, waited for under the busy cursor.
CustomerCards FindOf(const TMainFrm& window, const TCardDocument& document, bool tableIsFile) {
    const CardTable& table = document.Cards();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CustomerCards found;
    try {
        found = FindCustomerCards(CustomerOf(table.RowAt(window.CurrentRow())), &table,
                                  document.FileName(), tableIsFile, FolderOf(document.FileName()),
                                  table.ColCount());
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    return found;
}

} // namespace

void TMainFrm::AddCustomerCommands() {
    Kundendaten1 = new QMenu(FromUtf8("Kundendaten"), Karteikarte1);
    Kundendaten1->setObjectName(QStringLiteral("Kundendaten1"));
    AuskunftDrucken1 = AddCommand(Kundendaten1, "AuskunftDrucken1", FromUtf8("Auskunft drucken..."),
                                  &TMainFrm::AuskunftDrucken1Click);
    KundeLoeschen1 = AddCommand(Kundendaten1, "KundeLoeschen1", FromUtf8("Löschen..."),
                                &TMainFrm::KundeLoeschen1Click);
    KundeAnonymisieren1 =
        AddCommand(Kundendaten1, "KundeAnonymisieren1", FromUtf8("Anonymisieren..."),
                   &TMainFrm::KundeAnonymisieren1Click);
    // Right after "Messverlauf...".
    const QList<QAction*> actions = Karteikarte1->actions();
    const qsizetype history = actions.indexOf(Messverlauf1);
    Karteikarte1->insertMenu(history >= 0 && history + 1 < actions.size() ? actions[history + 1]
                                                                          : nullptr,
                             Kundendaten1);
    UpdateHistoryCommand();
}

bool TMainFrm::TableIsItsFile() const {
    return document_.HoldsItsFile() && !document_.Changed() && !document_.ChangedOnDisk();
}

void TMainFrm::AuskunftDrucken1Click() {
    if (!HasHistoryCustomer()) {
        return;
    }
    const CustomerCards found = FindOf(*this, document_, TableIsItsFile());
    const CustomerReport report = BuildCustomerReport(found, Cards().RowAt(0), SystemToday());
    RunPrintJob(this, [&](PrintCanvas& canvas) { PrintCustomerReport(canvas, report); });
}

void TMainFrm::KundeLoeschen1Click() {
    ForgetCustomer(ErasureKind::Delete);
}

void TMainFrm::KundeAnonymisieren1Click() {
    ForgetCustomer(ErasureKind::Anonymise);
}

void TMainFrm::ReplaceCustomerCells(const std::vector<int>& rows, const CardTable::Row& cells) {
    for (const int row : rows) {
        for (const int col : kPersonalColumns) {
            if (col < Cards().ColCount()) {
                Cards().SetCell(col, row, cells[static_cast<size_t>(col)]);
            }
        }
    }
    gridModel_->CellsChanged();
    RefreshMeasurementView(CurrentRow());
}

void TMainFrm::ForgetCustomer(ErasureKind kind) {
    if (!HasHistoryCustomer()) {
        return;
    }
    const bool tableIsFile = TableIsItsFile();
    const bool fileCurrent = !document_.ChangedOnDisk();
    const CustomerCards found = FindOf(*this, document_, tableIsFile);
    const CardTable::Row customer = Cards().RowAt(CurrentRow());
    const bool anonymise = kind == ErasureKind::Anonymise;

    std::string question = std::string(anonymise ? "Alle Karten des Kunden anonymisieren?"
                                                 : "Alle Karten des Kunden l\xC3\xB6schen?") +
                           "\n" + CustomerLine(customer) + "\n";
    for (const CustomerPlace& place : found.places) {
        question += "\n" + PlaceText(place) + ": " + CardCount(place.cards.size());
    }
    if (!found.skipped.empty()) {
        question += "\n\n" + SkippedText(found.skipped);
    }
    question += anonymise ? "\n\nDie Messwerte bleiben; Name, Stra\xC3\x9F"
                            "e und Ort werden zu \xE2\x80\x9Egel\xC3\xB6scht\xE2\x80\x9C."
                          : "\n\nDie Karten k\xC3\xB6nnen nicht wiederhergestellt werden.";
    const QString caption =
        FromUtf8(anonymise ? "Kundendaten anonymisieren" : "Kundendaten l\xC3\xB6schen");
    if (!AskYesNo(FromUtf8(question), caption)) {
        return;
    }

    const ErasureStamp stamp = SystemStamp();
    const CardTable::Row anonymous = AnonymousCustomer(stamp.date);
    const std::string folder = FolderOf(document_.FileName());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<ErasureOutcome> outcomes;
    try {
        outcomes = EraseInFiles(RequestFiles(folder), found.customer, kind, anonymous);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();

    // The table: the cards go (or change) the same way as in its file.
    const size_t tableCards = found.tableRows.size();
    if (tableCards > 0) {
        if (anonymise) {
            ReplaceCustomerCells(found.tableRows, anonymous);
        } else {
            DeleteCards(found.tableRows);
        }
    }
    bool openFileWritten = false;
    for (const ErasureOutcome& o : outcomes) {
        openFileWritten =
            openFileWritten || (o.state == ErasureOutcome::Done &&
                                FileNameOf(o.file) == FileNameOf(document_.FileName()));
    }
    if (tableIsFile && openFileWritten) {
        RememberCardFileOnDisk();
    } else {
        if (openFileWritten && fileCurrent) {
            RememberCardFileOnDisk();
        }
        if (tableCards > 0) {
            document_.SetChanged(true);
        }
    }
    if (tableCards > 0) {
        // Erased data must not come back with "Rückgängig", nor stay in the undo history.
        DropHistory();
    }

    // The table's cards count by themselves unless the file just written holds the same.
    int total = tableIsFile && openFileWritten ? 0 : static_cast<int>(tableCards);
    for (const ErasureOutcome& o : outcomes) {
        total += o.state == ErasureOutcome::Done ? o.cards : 0;
    }
    std::string done = CardCount(static_cast<size_t>(total)) +
                       (anonymise ? " anonymisiert." : " gel\xC3\xB6scht.");
    std::string problems = ErasureProblems(outcomes);
    if (!folder.empty() && (!outcomes.empty() || tableCards > 0)) {
        try {
            AppendErasureLog(folder, ErasureLogLine(stamp, kind, outcomes,
                                                    tableIsFile ? 0 : static_cast<int>(tableCards),
                                                    customer));
        } catch (const EInOutError&) {
            problems += "Das L\xC3\xB6schprotokoll " + folder + "/" + kErasureLogName +
                        " kann nicht geschrieben werden.\n";
        }
    }
    if (tableCards > 0 && document_.Changed()) {
        done += " Die ge\xC3\xB6"
                "ffnete Kartei ist noch nicht gespeichert.";
    }
    if (folder.empty() && tableCards > 0) {
        // Without a file there is no folder for the log.
        done += " Ohne Kartei-Datei gibt es keinen Eintrag im L\xC3\xB6schprotokoll.";
    }
    statusBar()->showMessage(FromUtf8(done));
    ShowMsg(FromUtf8(problems.empty() ? done : done + "\n\n" + problems));
}
