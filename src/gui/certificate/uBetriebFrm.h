// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Einstellung / Betrieb...": the sweep's own name and address for the top of the certificates.

#include "core/certificate/SweepBusiness.h"

#include <QDialog>

#include <array>

class QLineEdit;

class TBetriebFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBetriebFrm(QWidget* parent = nullptr);

    void SetBusiness(const SweepBusiness& business); // Windows-1252
    SweepBusiness Business() const;                  // Windows-1252, '?' for what does not fit

    // True when the user chose "OK".
    bool Execute();

    std::array<QLineEdit*, kBusinessLines> Edits{};
};
