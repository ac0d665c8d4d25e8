#include "Commands.h"

int CmdDecode(const Args&) {
    return Failure("noch nicht eingebaut");
}

int CmdBuildSend(const Args&) {
    return Failure("noch nicht eingebaut");
}

int CmdExportMmc(const Args&) {
    return Failure("noch nicht eingebaut");
}

int CmdImportMmc(const Args&) {
    return Failure("noch nicht eingebaut");
}
