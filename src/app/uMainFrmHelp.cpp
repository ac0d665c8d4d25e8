// The help command: the help document beside the program, opened with the registered viewer.

#include "app/uMainFrm.h"
#include "files/uGlobal.h"
#include "platform/ShellOpen.h"

void TMainFrm::N3Click() {
    // The document is named relative to the program's folder; a missing viewer or document is
    // not reported.
    OpenWithRegisteredProgram("DEUTSCH.PDF", ProgramDir());
}
