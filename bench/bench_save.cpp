// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving 100,000 cards as "Speichern" does (the card file text, then the whole-file write), with
// and without waiting for the disk: the price of a save that survives a power loss.

#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "core/files/CardTable.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

// The shared benchmark card file when bench/run made one, otherwise cards made up here.
const CardTable& Cards() {
    static const CardTable table = [] {
        CardTable t;
        t.SetColCount(25);
        t.AppendRow(t.EmptyRow());
        std::string data;
        const char* shared = std::getenv("FENDRO_BENCH_CARDS");
        if (shared == nullptr || !ReadWholeFile(shared, data)) {
            for (int i = 0; i < 100000; ++i) {
                data += "Kunde " + std::to_string(i) + ",Weg " + std::to_string(i % 300) + ",Ort " +
                        std::to_string(i % 97);
                for (int c = 3; c < 25; ++c) {
                    data += "," + std::to_string((i * 31 + c) % 1000);
                }
                data += "\r\n";
            }
        }
        ReadCards(data, t);
        return t;
    }();
    return table;
}

void BM_SaveCards(benchmark::State& state) {
    const bool sync = state.range(0) != 0;
    const CardTable& cards = Cards();
    TempDir dir;
    const std::string file = dir.File("karten.csv");
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = CardsText(cards);
        ReplaceFileContents(file, text, sync);
        bytes = text.size();
    }
    state.SetLabel(sync ? "with fsync" : "without fsync");
    state.counters["cards"] = static_cast<double>(cards.RowCount() - 1);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_SaveCards)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
