// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings commands of the main window.

#include "app/uMainFrm.h"
#include "connection/uVerbFrm.h"
#include "files/uGlobal.h"
#include "fuels/uBrennFrm.h"

void TMainFrm::Verbindung1Click() {
    if (AskSaveChanges()) {
        SaveCardFileAs();
        return;
    }
    // The cards stay in the grid, but no longer belong to a file.
    CardFileName.clear();
    SetPlainTitle();
    DataChanged = false;
    VerbFrm->exec();
}

void TMainFrm::Brennstoffarten1Click() {
    BrennFrm->exec();
}
