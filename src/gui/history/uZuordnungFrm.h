// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Messwerte zuordnen": the cards that found their customer, those that fit several and those
// that fit none, shown before anything changes; "Zuordnen" lets the change happen.

#include "core/history/MeasurementMatch.h"

#include <QDialog>

class QLabel;

class TZuordnungFrm : public QDialog {
    Q_OBJECT
public:
    TZuordnungFrm(const MatchPlan& plan, const CardTable& table, QWidget* parent = nullptr);

    // True for "Zuordnen".
    bool Execute();

    QLabel* Label1 = nullptr;        // the counts and the files passed over
    QLabel* Zugeordnet = nullptr;    // one line per card and the texts it gets
    QLabel* Mehrdeutig = nullptr;    // cards that fit several customers
    QLabel* NichtGefunden = nullptr; // cards that fit none
};
