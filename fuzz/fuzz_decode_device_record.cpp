// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// DecodeDeviceRecord on arbitrary bytes, with a fuel table that holds odd constants, and the
// card line it gives: always one line of 25 fields.

#include "FuzzFiles.h"
#include "core/exchange/uT7Q.h"
#include "core/files/CardFile.h"

#include <cstdlib>

namespace {

std::string Settings() {
    static const std::string file = [] {
        const std::string f = FuzzFile("fendro.ini");
        const std::string ini =
            "[0]\r\nName=Heiz\xF6l\r\nCO2Max=15.4\r\nA1=0.50\r\nB=0.007\r\n"
            "[1]\r\nName=Null\r\nCO2Max=0\r\nA1=0\r\nB=0\r\n"
            "[2]\r\nName=Gro\xDF, Komma\r\nCO2Max=1e308\r\nA1=1e308\r\nB=1e308\r\n"
            "[3]\r\nName=\x1A\r\nCO2Max=-5\r\nA1=abc\r\nB=-1e-300\r\n"
            "[4]\r\nName=\"x\"\r\nCO2Max=21\r\nA1=1e-320\r\nB=9e307\r\n";
        WriteFuzzFile(f, reinterpret_cast<const unsigned char*>(ini.data()), ini.size());
        return f;
    }();
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string_view record(reinterpret_cast<const char*>(data), size);
    const CivilDate today{2000 + static_cast<int>(size % 150), 1 + static_cast<int>(size % 12), 1};
    const TDatenSatz_T7Q r = DecodeDeviceRecord(record, Settings(), today);
    for (bool convert : {false, true}) {
        std::string line;
        WriteCardLine(line, r, convert);
        int lines = 0;
        int fields = 0;
        std::vector<std::string> parts;
        ForEachCardLine(line, [&](std::string_view l) {
            ++lines;
            fields = SplitLine(parts, ",", l);
        });
        if (lines != 1 || fields != kCardLineFields || line.size() < 2 ||
            line.compare(line.size() - 2, 2, "\r\n") != 0) {
            std::abort();
        }
    }
    return 0;
}
