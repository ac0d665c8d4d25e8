// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The history of one customer from a folder of 50 card files with 100,000 cards in all, with
// the files in the system's cache, beside `grep -c` over the same folder.

#include "core/history/MeasurementHistory.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int kFiles = 50;
constexpr int kCardsPerFile = 2000;
// Windows-1252, as the cards hold it.
const std::string kName = "M\xFCller Hans A.";
const std::string kStreet = "Hauptstra\xDF"
                            "e 7";
const std::string kTown = "K\xF6ln";

std::string CardLine(std::mt19937& rng, const std::string& name, const std::string& street,
                     const std::string& town, int year) {
    static const char* const names[] = {"Schmidt", "Schneider", "Fischer",   "Weber",
                                        "Meyer",   "Wagner",    "M\xFCller", "Becker"};
    static const char* const first[] = {"Hans", "Peter", "Anna", "J\xFCrgen", "Uwe", "Ute"};
    std::uniform_int_distribution<int> pick(0, 1000);
    std::string line = name.empty()
                           ? std::string(names[pick(rng) % 8]) + " " + first[pick(rng) % 6] + " " +
                                 static_cast<char>('B' + pick(rng) % 20) + "."
                           : name;
    line += "," + (street.empty() ? "Ringstra\xDF"
                                    "e " +
                                        std::to_string(pick(rng) % 199 + 1)
                                  : street);
    line += "," + (town.empty() ? std::string("Ulm") : town);
    line += ",Heiz\xF6l EL,185.3,20.1,55.0,3.9,12.9," + std::to_string(pick(rng) % 120) +
            ",0,1.23,7." + std::to_string(pick(rng) % 10) + ",92.2," +
            std::to_string(pick(rng) % 28 + 1) + ".03." + std::to_string(year) +
            ",09:" + std::to_string(pick(rng) % 50 + 10) + ",-0.12,nein,0,0,1,0,45.0,1013,20.0\r\n";
    return line;
}

struct Folder {
    TempDir dir;
    std::string path;
    Folder() {
        std::mt19937 rng(15);
        path = dir.Path() + "/karten";
        std::system(("mkdir -p '" + path + "'").c_str());
        for (int f = 0; f < kFiles; ++f) {
            std::string data;
            for (int c = 0; c < kCardsPerFile; ++c) {
                // One card of the customer in every file.
                data += c == kCardsPerFile / 2 ? CardLine(rng, kName, kStreet, kTown, 1980 + f)
                                               : CardLine(rng, "", "", "", 1980 + f);
            }
            WriteBytes(path + "/runde" + std::to_string(f) + ".csv", data);
        }
    }
};

Folder& TheFolder() {
    static Folder folder;
    return folder;
}

double Milliseconds(const std::function<void()>& run, int times) {
    double best = 1e30;
    for (int i = 0; i < times; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

std::string GrepCommand() {
    return "LC_ALL=C grep -c -F '" + kName + "' '" + TheFolder().path + "'/*.csv >/dev/null";
}

void BM_HistoryOfOneCustomer(benchmark::State& state) {
    const std::string folder = TheFolder().path;
    const CustomerKey key = CustomerOf(kName, kStreet, kTown);
    GatherHistory(key, nullptr, "", folder, 25); // into the cache
    size_t found = 0;
    for (auto _ : state) {
        const History h = GatherHistory(key, nullptr, "", folder, 25);
        found = h.entries.size();
        benchmark::DoNotOptimize(found);
    }
    const double gather = Milliseconds([&] { GatherHistory(key, nullptr, "", folder, 25); }, 10);
    const double grep = Milliseconds([] { std::system(GrepCommand().c_str()); }, 10);
    state.counters["found"] = static_cast<double>(found);
    state.counters["best_ms"] = gather;
    state.counters["grep_c_ms"] = grep;
    state.counters["x_grep"] = gather / grep;
    state.SetLabel("50 files, 100,000 cards");
}

} // namespace

BENCHMARK(BM_HistoryOfOneCustomer)->Unit(benchmark::kMillisecond)->MinTime(2.0);
