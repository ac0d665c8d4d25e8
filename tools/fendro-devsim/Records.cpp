// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Records.h"

#include <cstdio>
#include <random>

namespace {

const char* const kNames[] = {"M\xFCller",
                              "Schmidt",
                              "Schneider",
                              "Fischer",
                              "Weber",
                              "Meyer",
                              "Wagner",
                              "Becker",
                              "Sch\xE4"
                              "fer",
                              "Hoffmann",
                              "Kr\xF6ger",
                              "Schr\xF6"
                              "der",
                              "Neumann",
                              "Schwarz",
                              "Zimmermann",
                              "Braun",
                              "Hofmann",
                              "Hartmann-Lange",
                              "Wei\xDF",
                              "Kr\xFCger"};
const char* const kFirst[] = {"Anna",  "Hans",   "Petra", "J\xFCrgen", "Sabine",
                              "Klaus", "Monika", "Uwe",   "Gisela",    "Bernd"};
const char* const kStreets[] = {"Hauptstra\xDF"
                                "e",
                                "Bahnhofstr.",
                                "Gartenweg",
                                "Am Markt",
                                "Lindenallee",
                                "Kirchplatz",
                                "M\xFChlenweg",
                                "Schulstra\xDF"
                                "e",
                                "Birkenweg",
                                "Rosenstr."};
const char* const kTowns[] = {"K\xF6ln",
                              "M\xFCnchen",
                              "Hamburg",
                              "Leipzig",
                              "N\xFCrnberg",
                              "Bremen",
                              "D\xFCsseldorf",
                              "Freiburg",
                              "Gie\xDF"
                              "en",
                              "Kassel"};

// Writes `text` left-aligned into `width` characters at 1-based `pos`, cut where too long.
void Put(std::string& rec, size_t pos, size_t width, const std::string& text) {
    rec.replace(pos - 1, width, (text + std::string(width, ' ')).substr(0, width));
}

// Writes a number right-aligned into `width` characters at 1-based `pos`.
void PutNumber(std::string& rec, size_t pos, size_t width, long value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%*ld", static_cast<int>(width), value);
    Put(rec, pos, width, std::string(buf).substr(0, width));
}

void PutTwoDigits(std::string& rec, size_t pos, int value) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", value % 100);
    Put(rec, pos, 2, buf);
}

} // namespace

std::string GenerateRecords(long count, unsigned seed) {
    std::mt19937 gen(seed);
    auto pick = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    std::string all;
    all.reserve(static_cast<size_t>(count > 0 ? count : 0) * 168);
    for (long i = 0; i < count; ++i) {
        std::string rec(168, ' ');
        PutNumber(rec, 1, 5, (i + 1) % 100000);
        PutTwoDigits(rec, 6, pick(7, 18));  // hour
        PutTwoDigits(rec, 8, pick(0, 59));  // minute
        PutTwoDigits(rec, 10, pick(1, 28)); // day
        PutTwoDigits(rec, 12, pick(1, 12)); // month
        const int fuel = pick(0, 4);
        rec[13] = static_cast<char>('0' + fuel);
        PutNumber(rec, 15, 5, pick(5, 25));    // combustion air, °C
        PutNumber(rec, 20, 5, pick(90, 240));  // flue gas, °C
        PutNumber(rec, 25, 5, pick(25, 90));   // O2 in tenths of a percent
        PutNumber(rec, 30, 5, pick(0, 120));   // CO, ppm
        rec[34] = pick(0, 3) == 0 ? '-' : ' '; // draught sign
        PutNumber(rec, 36, 4, pick(2, 25));    // draught, hundredths
        rec[39] = pick(0, 1) == 0 ? '0' : '1'; // oil derivatives
        for (size_t p = 40; p <= 42; ++p) {
            const int soot = pick(0, 9);
            rec[p] = soot == 9 ? ':' : static_cast<char>('0' + soot); // soot numbers
        }
        PutNumber(rec, 49, 5, pick(0, 30));
        PutNumber(rec, 54, 5, pick(0, 30));
        Put(rec, 59, 20, std::string(kNames[pick(0, 19)]) + " " + kFirst[pick(0, 9)]);
        Put(rec, 79, 20, std::string(kStreets[pick(0, 9)]) + " " + std::to_string(pick(1, 140)));
        Put(rec, 99, 16, kTowns[pick(0, 9)]);
        PutNumber(rec, 117, 5, pick(25, 90));
        PutNumber(rec, 122, 5, pick(0, 120));
        PutNumber(rec, 152, 5, pick(0, 400));
        PutNumber(rec, 157, 5, pick(0, 50));
        rec[161] = pick(0, 3) == 0 ? '-' : ' ';
        PutNumber(rec, 163, 4, pick(0, 99));
        rec[166] = '\r';
        rec[167] = '\n';
        all += rec;
    }
    return all;
}

bool IsSendFrame(const std::string& data) {
    return data.size() >= 60 && data[0] == '\x00' && data[1] == '\x01' && data[58] == '\x80' &&
           data[59] == '\x00';
}

std::string FrameNamesLine(const std::string& frame) {
    auto field = [&frame](size_t offset, size_t width) {
        std::string f = frame.substr(offset, width);
        f.erase(f.find_last_not_of(' ') + 1);
        return f;
    };
    return field(2, 20) + "," + field(22, 20) + "," + field(42, 16) + "\r\n";
}
