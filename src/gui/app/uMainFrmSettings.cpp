// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings commands of the main window.

#include "core/files/uGlobal.h"
#include "gui/app/uMainFrm.h"
#include "gui/connection/uVerbFrm.h"
#include "gui/fuels/uBrennFrm.h"

void TMainFrm::Verbindung1Click() {
    if (AskSaveChanges()) {
        SaveCardFileAs();
        return;
    }
    // The cards stay in the grid, but no longer belong to a file.
    document_.SetFileName(std::string());
    SetPlainTitle();
    document_.SetChanged(false);
    MarkHistorySaved();
    VerbFrm->exec();
}

void TMainFrm::Brennstoffarten1Click() {
    BrennFrm->exec();
}
