// The search command of the main window.

#include "app/uMainFrm.h"

void TMainFrm::ShowSearch() {}
