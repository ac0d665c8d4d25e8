// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress window of a card file load.

#include <QDialog>

class QLabel;
class QProgressBar;

class TProgressFrm : public QDialog {
    Q_OBJECT
public:
    explicit TProgressFrm(QWidget* parent = nullptr);

    // Range 0 .. n and the caption "Datenübertragung".
    void StartProgress(int n);
    // "Bearbeite k von <maximum>", bar at k.
    void ShowProgress(int k);

    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TProgressFrm* ProgressFrm;
