// fendro-tool: the program's conversions for batch work and scripts.
// Exit codes: 0 success, 1 failure, 2 wrong usage.

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Usage() {
    std::fputs("Aufruf: fendro-tool BEFEHL ...\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        return Usage();
    }
    const std::string command = argv[1];
    return Usage();
}
