// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file dialog that keeps its file name and folder between uses, like the system's common
// dialogs. Tests queue the chosen names in DialogAnswers instead of clicking.

#include <QString>

class QWidget;

class TFileDialog {
public:
    enum Kind { Open, Save };
    explicit TFileDialog(Kind kind) : kind_(kind) {}

    QString FileName;
    QString InitialDir;
    QString Filter;     // Qt filter text, e.g. "*.CSV (*.CSV)"
    QString DefaultExt; // without the dot; added when the chosen name has none
    QString Title;
    bool FileMustExist = false;
    bool OverwritePrompt = false;

    // True when the user chose a file; FileName then holds it.
    bool Execute(QWidget* parent);

    // The settings of the dialog at its last Execute, for tests.
    static const TFileDialog* LastShown();

private:
    Kind kind_;
};
