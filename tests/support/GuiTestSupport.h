// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting the real program's windows in a folder of their own, with the dialogs answered by the
// test through DialogAnswers.

#include "support/TempDir.h"

#include <memory>
#include <string>

class ProgramUnderTest {
public:
    // Copies the column definition file of the build (or `dta`, when given) beside a program
    // file in a new folder, creates the forms and shows the main window.
    explicit ProgramUnderTest(const std::string& dta = std::string(), bool show = true);
    ~ProgramUnderTest();

    const TempDir& Dir() const { return dir_; }
    std::string SettingsFile() const;
    // Shows the main window (FormShow runs) if the constructor did not.
    void Show();
    // Closes the main window as the user would and destroys the forms; FormHide runs.
    void Close();

private:
    TempDir dir_;
    bool open_ = false;
};

// The column definition file that the build puts beside the program.
std::string BuiltDefinitionFile();
