// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The search dialog, modeless. A search waits at each hit inside the "Suchen" event while the
// program stays usable, until "Weitersuchen" or closing the dialog.

#include <QDialog>

class CardWindow;
class QLabel;
class QLineEdit;
class QPushButton;

class TSuchFrm : public QDialog {
    Q_OBJECT
public:
    // Searches the cards of `window`.
    explicit TSuchFrm(CardWindow& window, QWidget* parent = nullptr);

    void FormShow();
    void Button1Click();
    void Button2Click();
    void FormCloseQuery();

    // Whether a search waits at a hit now, and how many hits have been waited at since the
    // dialog was created.
    bool IsWaitingAtHit() const { return waiting_; }
    int HitCount() const { return hitCount_; }

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr; // Suchen
    QPushButton* Button2 = nullptr; // Weitersuchen

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Runs one search over the cards; false when it was ended from outside (closed, replaced).
    bool RunSearch(const QString& text);
    bool WaitAtHit(int col, int row);

    CardWindow& window_;
    bool found_ = false;
    bool continueRequest_ = false;
    bool stopRequest_ = false;
    bool waiting_ = false;
    bool restartRequest_ = false;
    QString restartText_;
    unsigned showCount_ = 0;
    int hitCount_ = 0;
};

extern TSuchFrm* SuchFrm;
