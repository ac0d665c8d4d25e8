// The desktop program: reads no arguments; its settings and column definitions lie beside it.

#include "app/Program.h"

int main(int argc, char* argv[]) {
    return RunProgram(argc, argv);
}
