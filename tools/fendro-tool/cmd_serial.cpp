#include "Commands.h"

int CmdReceive(const Args&) {
    return Failure("noch nicht eingebaut");
}

int CmdSend(const Args&) {
    return Failure("noch nicht eingebaut");
}
