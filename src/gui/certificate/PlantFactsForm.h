// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The facts of a plant (card columns 25 to 47) as a form: a line edit for a text, a number or a
// date, which takes only what the card grid would take there, and a choice for each coded fact.
// The main window's "Anlage" page and the certificate dialog show the same form.

#include "core/certificate/FactProposal.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QLabel;

class PlantFactsForm : public QWidget {
    Q_OBJECT
public:
    explicit PlantFactsForm(QWidget* parent = nullptr);

    // The column captions by column (Windows-1252, as row 0 of the card table); a column that
    // the list lacks keeps its own label and is disabled, as the card has no cell for it.
    void SetCaptions(const std::vector<std::string>& captions);
    // Shows the cells (Windows-1252) without reporting edits; a field that already shows its
    // cell is left alone, so the cursor stays where the user types.
    void SetValues(const FactValues& values);
    // The field of a column as the card column would hold it, Windows-1252.
    std::string Value(int col) const;
    FactValues Values() const;
    QWidget* Field(int col) const;

signals:
    // The user changed the field of column `col`.
    void FactEdited(int col);

private:
    void AddField(class QFormLayout* form, int col);

    std::array<QWidget*, kAllFactColumns> fields_{};
    std::array<QLabel*, kAllFactColumns> labels_{};
};
