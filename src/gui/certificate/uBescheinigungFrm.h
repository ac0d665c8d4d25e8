// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificate dialog: the boiler facts of the card, with what is missing pointed out and,
// for a card without any, the values of the customer's earlier card proposed.

#include "core/certificate/FactProposal.h"
#include "core/certificate/Verdict.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TBescheinigungFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBescheinigungFrm(QWidget* parent = nullptr);

    // `customer` is the line naming the card (UTF-8); `facts` the card's cells (Windows-1252).
    // When the card holds none of the facts, `proposal` fills the fields.
    void SetCard(const QString& customer, FuelKind fuel, const FactValues& facts,
                 const std::optional<ProposedFacts>& proposal);
    // The facts as entered, Windows-1252, in the letters the card columns take.
    FactValues Facts() const;
    // The hint line listing what the checks still need.
    QString MissingText() const;

    // Runs the dialog; true when the user chose "Drucken" with valid entries.
    bool Execute();

    QLabel* Label1 = nullptr;       // the card
    QLabel* Label2 = nullptr;       // the proposal and what is missing
    QLineEdit* Edit1 = nullptr;     // nominal output
    QComboBox* ComboBox1 = nullptr; // burner kind
    QComboBox* ComboBox2 = nullptr; // standard boiler
    QLineEdit* Edit2 = nullptr;     // date of installation
    QComboBox* ComboBox3 = nullptr; // accession area
    QPushButton* BitBtn1 = nullptr; // Drucken
    QPushButton* BitBtn2 = nullptr; // Abbrechen

private:
    // Checks the typed texts; shows the message and returns false for a wrong one.
    bool Valid();
    void UpdateMissing();

    FuelKind fuel_ = FuelKind::Unknown;
    QString proposalText_;
};
