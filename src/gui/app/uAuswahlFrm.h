// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Karteikarte / Karten auswählen...": the text that the chosen cards' name, street or town
// contains, and whether they join the selection or replace it.

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

    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
};
