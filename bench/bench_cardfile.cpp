// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a card file into the grid model and sorting it "nach Name", timed, with the peak
// memory of the process. Usage: bench_cardfile load|sort <file> [repeats]

#include "core/app/CardSort.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "gui/app/CardGridModel.h"
#include "platform/LocaleCollation.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double PeakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// What LoadCardFile does: read the bytes, build the table, hand it to the grid model.
void Load(const std::string& file, CardTable& cards, CardGridModel& model) {
    // SetupGrids empties the table before the load.
    model.BeginChange();
    cards.Rows().resize(1);
    model.EndChange();
    std::string data;
    ReadWholeFile(file, data);
    CardTable loaded;
    loaded.SetColCount(25);
    loaded.AppendRow(loaded.EmptyRow());
    ReadCards(data, loaded, [](int) {});
    model.BeginChange();
    cards.Rows().swap(loaded.Rows());
    model.EndChange();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || (std::strcmp(argv[1], "load") != 0 && std::strcmp(argv[1], "sort") != 0)) {
        std::fprintf(stderr, "usage: bench_cardfile load|sort <file> [repeats]\n");
        return 2;
    }
    const bool sort = std::strcmp(argv[1], "sort") == 0;
    const std::string file = argv[2];
    const int repeats = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;

    CardTable cards;
    cards.SetColCount(25);
    CardGridModel model(cards);
    std::vector<double> times;
    if (!sort) {
        for (int i = 0; i < repeats; ++i) {
            const auto start = Clock::now();
            Load(file, cards, model);
            times.push_back(Ms(start));
        }
    } else {
        const TextRanking rank = LocaleRanking(QLocale(QLocale::German, QLocale::Germany));
        for (int i = 0; i < repeats; ++i) {
            Load(file, cards, model);
            const auto start = Clock::now();
            model.ReorderCardRows([&] { return SortGridRanked(cards, kSortByName, rank); });
            times.push_back(Ms(start));
        }
    }
    std::printf("%s\t%d cards\tmedian %.1f ms\tpeak %.1f MB\n", sort ? "sort" : "load",
                cards.RowCount() - 1, Median(times), PeakMb());
    return 0;
}
