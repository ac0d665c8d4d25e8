// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The help commands: the help document beside the program, opened with the registered viewer,
// and the box that tells where this run's files are.

#include "core/app/AboutText.h"
#include "core/files/uGlobal.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "platform/ShellOpen.h"
#include "platform/TextCodec.h"

void TMainFrm::N3Click() {
    // The document is named relative to the program's folder; a missing viewer or document is
    // not reported.
    OpenWithRegisteredProgram("DEUTSCH.PDF", ProgramDir());
}

void TMainFrm::InfoUeber1Click() {
    ShowInfoMsg(
        FromUtf8(AboutText(SettingsFileName(), DefinitionFileName(), ProgramDir() + "DEUTSCH.PDF")),
        FromUtf8("Info über Fendro"));
}
