// Writes the benchmark card file: make-cards FILE [COUNT] (default 100,000 cards).

#include "CardGenerator.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 3) {
        std::cerr << "Aufruf: make-cards DATEI [ANZAHL]\n";
        return 2;
    }
    const int count = argc == 3 ? std::atoi(argv[2]) : 100000;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << GenerateCardFile(count < 0 ? 0 : count);
    out.close();
    if (!out) {
        std::cerr << "Unable to write to " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
