// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file-exists dialog: append, overwrite or cancel. Callers take its answer, never the
// dialog's result.

#include "core/files/CardFile.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TUeberschreibFrm : public QDialog {
    Q_OBJECT
public:
    explicit TUeberschreibFrm(QWidget* parent = nullptr);

    // Shows the dialog modally; a choice queued in DialogAnswers takes the place of the user.
    int exec() override;
    // Shows the dialog and returns the choice; closing it without one is "Abbruch".
    TSaveMode Ask();
    // The choice of the last time the dialog was shown.
    TSaveMode Answer() const { return answer_; }

    void Button1Click();
    void Button2Click();
    void Button3Click();

    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    // How often the dialog has been shown or answered, for tests.
    static int TimesShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    TSaveMode answer_ = smCancel;
};

extern TUeberschreibFrm* UeberschreibFrm;
