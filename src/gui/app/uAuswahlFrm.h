// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Karteikarte / Karten auswählen...": the text that the chosen cards' name, street or town
// contains, or the year their customers are due in, and whether they join the selection or
// replace it.

#include <QDialog>

class QComboBox;
class QLineEdit;

class TAuswahlFrm : public QDialog {
    Q_OBJECT
public:
    explicit TAuswahlFrm(QWidget* parent = nullptr);

    // True when the user chose "OK".
    bool Execute();
    QString Text() const;
    bool AddsToSelection() const;
    // Whether the cards are chosen by the year they are due in rather than by a text.
    bool ByDueYear() const;
    // The year typed, or 0 for none.
    int DueYear() const;

    QComboBox* ComboBox2 = nullptr; // by a text or by the due year
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr; // the due year
    QComboBox* ComboBox1 = nullptr;
};
