// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the list of 10,000 cards (and one card) into an A4 PDF file: time and peak memory.
// Usage: bench_print [CARDS] [RUNS]

#include "core/files/CardTable.h"
#include "core/printing/PrintLayout.h"
#include "platform/QtPrintCanvas.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Cards of 25 columns with name, street and town of typical length, umlauts included.
CardTable MakeCards(int cards) {
    CardTable table;
    table.SetColCount(25);
    table.SetRowCount(cards + 1);
    table.SetCell(0, 0, "Name");
    table.SetCell(1, 0, "Strasse");
    table.SetCell(2, 0, "Ort");
    for (int r = 1; r <= cards; ++r) {
        table.SetCell(0, r, "M\xFCller-Schmidt " + std::to_string(r));
        table.SetCell(1, r,
                      "Hauptstra\xDF"
                      "e " +
                          std::to_string(r % 200));
        table.SetCell(2, r, "K\xF6ln " + std::to_string(r % 97));
        for (int c = 3; c < 25; ++c) {
            table.SetCell(c, r, std::to_string((r * 31 + c) % 1000) + ".5");
        }
    }
    return table;
}

template <typename Print> double TimedPdf(const QString& file, Print&& print) {
    const auto start = std::chrono::steady_clock::now();
    {
        QPdfWriter writer(file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QtPrintCanvas canvas(writer, file);
        print(canvas);
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s min %8.1f ms  median %8.1f ms  max %8.1f ms  (%zu runs)\n", what, ms.front(),
                ms[ms.size() / 2], ms.back(), ms.size());
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int cards = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    const QString list = QDir::temp().filePath(QStringLiteral("fendro_bench_list.pdf"));
    const QString card = QDir::temp().filePath(QStringLiteral("fendro_bench_card.pdf"));
    const CardTable table = MakeCards(cards);
    const long baseKb = PeakRssKb();

    std::vector<double> listMs;
    std::vector<double> cardMs;
    for (int i = 0; i < runs; ++i) {
        listMs.push_back(TimedPdf(list, [&](PrintCanvas& canvas) {
            PrintList(canvas, table, ListPrintTitle("/daten/kunden.csv"), poPortrait, 130, 130);
        }));
        cardMs.push_back(TimedPdf(card, [&](PrintCanvas& canvas) {
            PrintCard(canvas, table, kCardPrintTitle, cards / 2, poPortrait);
        }));
    }
    const long peakKb = PeakRssKb();

    std::printf("cards %d, list pages %d, list PDF %lld bytes\n", cards,
                PageCount(table.RowCount(), ListLinesPerPage(2970)), QFileInfo(list).size());
    Report("print list into PDF", listMs);
    Report("print one card into PDF", cardMs);
    std::printf("peak RSS %ld kB before printing (table and Qt), %ld kB after (+%ld kB)\n", baseKb,
                peakKb, peakKb - baseKb);
    QFile::remove(list);
    QFile::remove(card);
    return 0;
}
