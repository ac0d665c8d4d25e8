// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// "Messwerte zuordnen" of a round of 1,000 received cards against a folder of 50 card files with
// 100,000 cards in all, with the files in the system's cache.

#include "core/history/MeasurementMatch.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

namespace {

constexpr int kFiles = 50;
constexpr int kCardsPerFile = 2000;
constexpr int kRound = 1000;

// The round's customers have long names and streets, which the device cuts.
std::string Customer(int i) {
    std::string number = std::to_string(10000 + i).substr(1);
    return "Kunde " + number + " von der Heydt-Ostermann" +
           ",Ludwig-van-Beethoven-Stra\xDF"
           "e " +
           std::to_string(i % 200 + 1) + ",M\xFCnchen-Obermenzing";
}

std::string OtherCustomer(std::mt19937& rng) {
    static const char* const names[] = {"Schmidt", "Schneider", "Fischer",   "Weber",
                                        "Meyer",   "Wagner",    "M\xFCller", "Becker"};
    std::uniform_int_distribution<int> pick(0, 100000);
    return std::string(names[pick(rng) % 8]) + " " + std::to_string(pick(rng)) +
           ",Ringstra\xDF"
           "e " +
           std::to_string(pick(rng) % 199 + 1) + ",Ulm";
}

std::string Values(int year) {
    return ",Heiz\xF6l EL,185.3,20.1,55.0,3.9,12.9,8,0,1.23,7.1,92.2,12.03." +
           std::to_string(year) + ",09:30,-0.12,nein,0,0,1,0,45.0,1013,20.0";
}

struct Setup {
    TempDir dir;
    std::string folder;
    std::string roundFile;
    CardTable round;
    Setup() {
        std::mt19937 rng(21);
        folder = dir.Path() + "/karten";
        std::system(("mkdir -p '" + folder + "'").c_str());
        // Each customer of the round has a card in one of the files, among others' cards.
        int next = 0;
        for (int f = 0; f < kFiles; ++f) {
            std::string data;
            for (int c = 0; c < kCardsPerFile; ++c) {
                const bool ours = c % (kCardsPerFile / (kRound / kFiles)) == 0 && next < kRound;
                data += (ours ? Customer(next++) : OtherCustomer(rng)) + Values(2000 + f % 25) +
                        ",24.5,V,J,01.01.1990,N\r\n";
            }
            WriteBytes(folder + "/kunden" + std::to_string(f) + ".csv", data);
        }
        // The round as received: the texts cut to 20, 20 and 16 and padded.
        round.SetColCount(30);
        round.AppendRow(round.EmptyRow());
        for (int i = 0; i < kRound; ++i) {
            const std::string full = Customer(i);
            const size_t a = full.find(',');
            const size_t b = full.find(',', a + 1);
            CardTable::Row row(30);
            row[0] = full.substr(0, std::min<size_t>(a, 20));
            row[1] = full.substr(a + 1, std::min<size_t>(b - a - 1, 20));
            row[2] = full.substr(b + 1, 16);
            row[0].resize(20, ' ');
            row[1].resize(20, ' ');
            row[14] = "05.02.2026";
            round.AppendRow(row);
        }
        roundFile = folder + "/runde.csv";
    }
};

Setup& TheSetup() {
    static Setup setup;
    return setup;
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

void BM_MatchRound(benchmark::State& state) {
    Setup& s = TheSetup();
    const auto match = [&] {
        const MatchPlan plan = PlanMatchInFolder(s.round, s.folder, s.roundFile);
        return MatchChanges(s.round, plan).size() + plan.ambiguous.size();
    };
    match(); // into the cache
    size_t changes = 0;
    for (auto _ : state) {
        changes = match();
        benchmark::DoNotOptimize(changes);
    }
    const MatchPlan plan = PlanMatchInFolder(s.round, s.folder, s.roundFile);
    state.counters["matched"] = static_cast<double>(plan.matched.size());
    state.counters["ambiguous"] = static_cast<double>(plan.ambiguous.size());
    state.counters["best_ms"] = Milliseconds([&] { match(); }, 10);
    state.SetLabel("1,000 cards, 50 files, 100,000 cards; goal at most 300 ms");
}

} // namespace

BENCHMARK(BM_MatchRound)->Unit(benchmark::kMillisecond)->MinTime(2.0);
