// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Before cards go to the device: the names, streets and towns it would cut, each with what it
// keeps, and the choice to send anyway or to stop and correct them.

#include "core/exchange/DeviceTexts.h"

#include <QDialog>

#include <vector>

class QLabel;

class TKuerzungFrm : public QDialog {
    Q_OBJECT
public:
    TKuerzungFrm(const std::vector<DeviceCut>& cuts, QWidget* parent = nullptr);

    // True for "Trotzdem senden".
    bool Execute();

    QLabel* Label1 = nullptr; // the question
    QLabel* Liste = nullptr;  // one line per cut text
};

// Asks when `table` has texts the device would cut; true when the cards are to be sent.
bool MaySendCuts(const CardTable& table, QWidget* parent);
