// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/GuiTestSupport.h"

#include "core/files/uGlobal.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Forms.h"
#include "gui/app/uMainFrm.h"

#include <QApplication>

ProgramUnderTest::ProgramUnderTest(const std::string& dta, bool show) {
    WriteBytes(dir_.File("fendro.DTA"), ReadBytes(dta.empty() ? BuiltDefinitionFile() : dta));
    SetProgramFileName(dir_.File("fendro"));
    SetSettingsFileName(std::string());
    DialogAnswers::Enable(true);
    // The program's temporary files go into the test's folder and away with it.
    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", QByteArray::fromStdString(dir_.Path()));
    CreateForms();
    // The waits that are there for the user's eyes would only slow the tests down.
    MainFrm->SetWaits({[](int) {}, [](int) {}});
    if (tmpdir.isNull()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", tmpdir);
    }
    open_ = true;
    if (show) {
        Show();
    }
}

ProgramUnderTest::~ProgramUnderTest() {
    Close();
}

std::string ProgramUnderTest::SettingsFile() const {
    return dir_.File("fendro.ini");
}

void ProgramUnderTest::Show() {
    MainFrm->show();
    QApplication::processEvents();
}

void ProgramUnderTest::Close() {
    if (!open_) {
        return;
    }
    open_ = false;
    if (MainFrm != nullptr) {
        MainFrm->close();
    }
    QApplication::processEvents();
    DestroyForms();
}

std::string BuiltDefinitionFile() {
    return std::string(FENDRO_BINARY_DIR) + "/fendro.DTA";
}
