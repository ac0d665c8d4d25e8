// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Einstellung / Betrieb...": the sweep's own name and address for the top of the certificates,
// and the uncertainty of the analyser's flue-gas loss that the verdict takes into account.

#include "core/certificate/SweepBusiness.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;

class TBetriebFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBetriebFrm(QWidget* parent = nullptr);

    void SetBusiness(const SweepBusiness& business); // Windows-1252
    SweepBusiness Business() const;                  // Windows-1252, '?' for what does not fit
    // In tenths of a percentage point; nothing when the field is empty.
    void SetLossUncertainty(std::optional<int> tenths);
    std::optional<int> LossUncertainty() const;

    // True when the user chose "OK" with a readable uncertainty.
    bool Execute();

    std::array<QLineEdit*, kBusinessLines> Edits{};
    QLineEdit* Edit5 = nullptr; // the uncertainty

private:
    // Shows the message and returns false when the uncertainty is not a number.
    bool Valid();
};
