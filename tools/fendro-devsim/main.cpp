// fendro-devsim: plays the measuring device on a pseudo-terminal.

#include <cstdio>

int main() {
    std::fputs("Aufruf: fendro-devsim ...\n", stderr);
    return 2;
}
