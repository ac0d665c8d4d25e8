// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate commands of the main window and "Einstellung / Betrieb...".

#include "core/certificate/CertificatePage.h"
#include "core/certificate/FactProposal.h"
#include "core/certificate/LegalBasis.h"
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

std::vector<std::string> Captions(const CardTable& table) {
    return table.RowCount() > 0 ? table.RowAt(0) : std::vector<std::string>();
}

} // namespace

void TMainFrm::PrintCertificatesOf(const CardTable& table, const std::vector<int>& rows,
                                   std::optional<LegalBasis> basis) {
    CertificateContext context = LoadCertificateContext();
    context.legalBasis = basis;
    context.cardFileName = FileExists(document_.FileName()) ? document_.FileName() : std::string();
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
    // The customer's earlier cards: in the open table, then in the other card files of its folder.
    const FactProposer earlier = EarlierCardsOf(cards, row, document_.FileName());
    const LegalBasis basis = SuggestLegalBasis(card, earlier.Previous(), context.fuelNames,
                                               context.lossUncertaintyTenths);

    TBescheinigungFrm dialog(this);
    const QString customer = FromAnsi(cards.Cell(0, row)).trimmed() + QStringLiteral(", ") +
                             FromAnsi(cards.Cell(1, row)).trimmed() + QStringLiteral(", ") +
                             FromAnsi(cards.Cell(2, row)).trimmed();
    dialog.SetCard(customer, fuel, FactsOf(card), earlier.Result(), Captions(cards), basis);
    if (!dialog.Execute()) {
        return;
    }
    const FactValues facts = dialog.Facts();

    // What the user entered belongs to the card, as if typed on the "Anlage" page, in one step
    // that can be undone.
    bool lost = false;
    std::vector<CellChange> changes;
    for (int col = kColNominalOutput; col < kFactColumnsEnd; ++col) {
        const std::string& value = facts[static_cast<size_t>(col - kColNominalOutput)];
        if (col < cards.ColCount()) {
            changes.push_back({col, row, value});
        } else {
            lost = lost || !value.empty();
        }
    }
    SetCardCells(changes, FromUtf8("Angaben zur Anlage"));
    if (lost) {
        // Nowhere to keep them: those facts serve this printout only.
        CardTable copy = cards;
        copy.SetColCount(kFactColumnsEnd);
        for (int col = kColNominalOutput; col < kFactColumnsEnd; ++col) {
            copy.SetCell(col, row, facts[static_cast<size_t>(col - kColNominalOutput)]);
        }
        ShowMsg(FromUtf8("Die Spaltendatei hat keine Spalten für alle Angaben zur Anlage: die "
                         "übrigen gelten nur für diesen Druck."));
        PrintCertificatesOf(copy, {row}, dialog.Basis());
        return;
    }
    PrintCertificatesOf(cards, {row}, dialog.Basis());
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
