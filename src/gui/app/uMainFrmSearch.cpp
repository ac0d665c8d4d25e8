// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The search command of the main window.

#include "gui/app/uMainFrm.h"
#include "gui/app/uSuchFrm.h"

void TMainFrm::ShowSearch() {
    // Modeless: the user keeps working in the main window while the search waits at a hit.
    SuchFrm->show();
    SuchFrm->raise();
    SuchFrm->activateWindow();
}
