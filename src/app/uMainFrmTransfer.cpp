// The two transfer commands of the main window.

#include "app/uMainFrm.h"

void TMainFrm::PCzuMessgert1Click() {}
void TMainFrm::MessgertzuPC1Click() {}
