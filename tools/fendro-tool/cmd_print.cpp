#include "Commands.h"

int CmdPrintList(const Args&) {
    return Failure("noch nicht eingebaut");
}

int CmdPrintCard(const Args&) {
    return Failure("noch nicht eingebaut");
}
