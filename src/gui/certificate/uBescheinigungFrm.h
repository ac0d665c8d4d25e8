// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificate dialog: the facts of the plant in the form of the "Anlage" page, with what the
// checks still need pointed out and the missing ones proposed from the customer's earlier card,
// and the legal basis of the measurement.

#include "core/certificate/FactProposal.h"
#include "core/certificate/LegalBasis.h"
#include "core/certificate/Verdict.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class PlantFactsForm;
class QComboBox;
class QLabel;
class QPushButton;

class TBescheinigungFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBescheinigungFrm(QWidget* parent = nullptr);

    // `customer` is the line naming the card (UTF-8); `facts` the card's cells and `captions`
    // the column captions (Windows-1252). The cells left empty are filled from `proposal`.
    void SetCard(const QString& customer, FuelKind fuel, const FactValues& facts,
                 const std::optional<ProposedFacts>& proposal,
                 const std::vector<std::string>& captions, LegalBasis basis);
    // The facts as entered, Windows-1252, trimmed, in the letters the card columns take.
    FactValues Facts() const;
    LegalBasis Basis() const;
    // The hint line listing what the checks still need.
    QString MissingText() const;

    // Runs the dialog; true when the user chose "Drucken" with valid entries.
    bool Execute();

    QLabel* Label1 = nullptr;         // the card
    QLabel* Label2 = nullptr;         // the proposal and what is missing
    PlantFactsForm* Facts1 = nullptr; // the facts, fields named as before (Edit1, ComboBox1...)
    QComboBox* ComboBox4 = nullptr;   // legal basis
    QPushButton* BitBtn1 = nullptr;   // Drucken
    QPushButton* BitBtn2 = nullptr;   // Abbrechen

private:
    // Checks the typed texts; shows the message and returns false for a wrong one.
    bool Valid();
    void UpdateMissing();

    FuelKind fuel_ = FuelKind::Unknown;
    QString proposalText_;
};
