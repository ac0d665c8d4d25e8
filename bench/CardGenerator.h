#pragma once
// A card file of the size users reach, with the 25 columns of the installed definitions:
// name, street, town and 22 measurement values, in Windows-1252 with CR LF. Fixed seed, so every
// run and every benchmark sees the same bytes.

#include <cstdint>
#include <cstdio>
#include <string>

inline std::string GenerateCardFile(int cards) {
    static const char* const kNames[] = {"M\xFCller",
                                         "Schmidt",
                                         "Schneider",
                                         "Fischer",
                                         "Weber",
                                         "Meyer",
                                         "Wagner",
                                         "Becker",
                                         "Sch\xE4"
                                         "fer",
                                         "Koch",
                                         "Bauer",
                                         "Richter",
                                         "Klein",
                                         "Wolf",
                                         "Schr\xF6"
                                         "der",
                                         "Neumann"};
    static const char* const kStreets[] = {"Hauptstra\xDF"
                                           "e",
                                           "Bahnhofstr.",
                                           "Gartenweg",
                                           "Lindenallee",
                                           "Am Markt",
                                           "Schulstr.",
                                           "Birkenweg",
                                           "Dorfstr."};
    static const char* const kTowns[] = {"Berlin",  "K\xF6ln", "M\xFCnchen",
                                         "Hamburg", "Essen",   "D\xFCsseldorf",
                                         "Bremen",  "Leipzig", "Dresden"};
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state](unsigned n) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<unsigned>((state >> 33) % n);
    };
    std::string out;
    out.reserve(static_cast<size_t>(cards) * 140);
    char buf[256];
    for (int i = 0; i < cards; ++i) {
        std::snprintf(buf, sizeof buf,
                      "%s %05u,%s %u,%05u %s,%u.%u,%u.%u,%u.%u,%u.%u,%u.%u,%u.%u,%u.%u,1.%02u,"
                      "%02u.%02u.26,%02u:%02u,%u,%u,%u,%u.%u,%u,%u,Heiz\xF6l,%u,%u,%u,%u,%u",
                      kNames[next(16)], next(100000), kStreets[next(8)], 1 + next(120),
                      10000 + next(89999), kTowns[next(9)], 100 + next(150), next(10),
                      15 + next(10), next(10), next(21), next(10), 8 + next(6), next(10), next(12),
                      next(10), 85 + next(14), next(10), next(50), next(10), next(100),
                      1 + next(28), 1 + next(12), next(24), next(60), next(200), next(50),
                      next(1000), next(5), next(10), next(9999), next(10), next(3), next(2),
                      next(100), next(100), next(10));
        out += buf;
        out += "\r\n";
    }
    return out;
}
