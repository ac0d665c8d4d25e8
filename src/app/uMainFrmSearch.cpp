// The search command of the main window.

#include "app/uMainFrm.h"
#include "app/uSuchFrm.h"

void TMainFrm::ShowSearch() {
    // Modeless: the user keeps working in the main window while the search waits at a hit.
    SuchFrm->show();
    SuchFrm->raise();
    SuchFrm->activateWindow();
}
