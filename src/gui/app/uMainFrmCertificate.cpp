// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate commands of the main window and "Einstellung / Betrieb...".

#include "core/certificate/CertificatePage.h"
#include "core/certificate/FactProposal.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFolder.h"
#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"
#include "core/printing/PrintLayout.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "gui/app/uMainFrmPrint.h"
#include "gui/certificate/uBescheinigungFrm.h"
#include "gui/certificate/uBetriebFrm.h"
#include "platform/TextCodec.h"

#include <QTableView>

namespace {

CertificateContext LoadCertificateContext() {
    return ReadCertificateContext(IniFile(SettingsFileName()));
}

// The customer's most recent earlier facts: first the open table, then every other card file in
// the folder of the card file.
std::optional<ProposedFacts> ProposeFacts(const CardTable& table, int row,
                                          const std::string& cardFileName) {
    FactProposer proposer(table.RowAt(row));
    for (int r = 1; r < table.RowCount(); ++r) {
        if (r != row) {
            proposer.Consider(table.RowAt(r));
        }
    }
    // Only the folder of a card file that exists: the default name "C:\" names no folder.
    if (FileExists(cardFileName)) {
        proposer.ConsiderCardFolder(FolderOf(cardFileName), cardFileName);
    }
    return proposer.Result();
}

} // namespace

void TMainFrm::PrintCertificatesOf(const CardTable& table, const std::vector<int>& rows) {
    const CertificateContext context = LoadCertificateContext();
    RunPrintJob(this,
                [&](PrintCanvas& canvas) { PrintCertificates(canvas, table, rows, context); });
}

void TMainFrm::Messbescheinigung1Click() {
    const int row = CurrentRow();
    if (row < 1) {
        ShowMsg(FromUtf8("Es ist keine Karte ausgewählt."));
        return;
    }
    CardTable& cards = Cards();
    if (!HasMeasurementDate(cards, row)) {
        ShowMsg(FromUtf8("Die Karte hat kein Messdatum: ohne Messung gibt es keine "
                         "Messbescheinigung."));
        return;
    }
    const CardTable::Row& card = cards.RowAt(row);
    const CertificateContext context = LoadCertificateContext();
    const FuelKind fuel = ClassifyFuel(cards.Cell(kColFuel, row), context.fuelNames);
    std::optional<ProposedFacts> proposal;
    if (!HasAnyFact(card)) {
        proposal = ProposeFacts(cards, row, document_.FileName());
    }

    TBescheinigungFrm dialog(this);
    const QString customer = FromAnsi(cards.Cell(0, row)).trimmed() + QStringLiteral(", ") +
                             FromAnsi(cards.Cell(1, row)).trimmed() + QStringLiteral(", ") +
                             FromAnsi(cards.Cell(2, row)).trimmed();
    dialog.SetCard(customer, fuel, FactsOf(card), proposal);
    if (!dialog.Execute()) {
        return;
    }
    const FactValues facts = dialog.Facts();

    if (cards.ColCount() < kColNominalOutput + kPlantFactColumns) {
        // Nowhere to keep them: the facts serve this printout only.
        CardTable copy = cards;
        copy.SetColCount(kColNominalOutput + kPlantFactColumns);
        for (int i = 0; i < kPlantFactColumns; ++i) {
            copy.SetCell(kColNominalOutput + i, row, facts[static_cast<size_t>(i)]);
        }
        ShowMsg(FromUtf8("Die Spaltendatei hat keine Spalten für die Angaben zur Anlage: sie "
                         "gelten nur für diesen Druck."));
        PrintCertificatesOf(copy, {row});
        return;
    }
    // What the user entered belongs to the card, as if typed into the grid, and can be undone.
    std::vector<CellChange> changes;
    for (int i = 0; i < kPlantFactColumns; ++i) {
        changes.push_back({kColNominalOutput + i, row, facts[static_cast<size_t>(i)]});
    }
    SetCardCells(changes, FromUtf8("Angaben zur Anlage"));
    RefreshMeasurementView(row);
    PrintCertificatesOf(cards, {row});
}

void TMainFrm::MessbescheinigungenAlle1Click() {
    const std::vector<int> rows = MeasuredRows(Cards());
    if (rows.empty()) {
        ShowMsg(FromUtf8("Keine Karte hat ein Messdatum: es gibt keine Messbescheinigung zu "
                         "drucken."));
        return;
    }
    PrintCertificatesOf(Cards(), rows);
}

void TMainFrm::Betrieb1Click() {
    IniFile ini(SettingsFileName());
    TBetriebFrm dialog(this);
    dialog.SetBusiness(ReadSweepBusiness(ini));
    dialog.SetLossUncertainty(ReadLossUncertainty(ini));
    if (dialog.Execute()) {
        WriteSweepBusiness(ini, dialog.Business());
        WriteLossUncertainty(ini, dialog.LossUncertainty());
    }
}
