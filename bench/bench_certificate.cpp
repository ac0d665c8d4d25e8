// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The measurement certificates of 1,000 cards into one A4 PDF file: time and file size.
// Usage: bench_certificate [CARDS] [RUNS]

#include "core/certificate/CertificatePage.h"
#include "core/files/CardTable.h"
#include "platform/QtPrintCanvas.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Oil and gas cards of 30 columns, every third with the boiler facts.
CardTable MakeCards(int cards) {
    static const char* const kCaptions[30] = {"Name",
                                              "Strasse",
                                              "Ort",
                                              "Brennstoff",
                                              "Abgastemperatur \xB0"
                                              "C",
                                              "Verbrennungsluft \xB0"
                                              "C",
                                              "Kesseltemp. \xB0"
                                              "C",
                                              "O2 %",
                                              "CO2 %",
                                              "CO ppm",
                                              "NO ppm",
                                              "Luft\xFC"
                                              "berschuss",
                                              "Abgasverlust %",
                                              "Wirkungsgrad %",
                                              "Datum",
                                              "Uhrzeit",
                                              "Zug hPa",
                                              "\xD6lderivate",
                                              "Russzahl 3",
                                              "Russzahl 2",
                                              "Russzahl 1",
                                              "CO unverd\xFCnnt ppm",
                                              "Taupunkt \xB0"
                                              "C",
                                              "Druck hPa",
                                              "Gasdruck hPa",
                                              "Nennw\xE4rmeleistung kW",
                                              "Brenner V/Z/A",
                                              "Standardkessel J/N",
                                              "Errichtet am",
                                              "Beitrittsgebiet J/N"};
    CardTable table;
    table.SetColCount(30);
    table.SetRowCount(cards + 1);
    for (int c = 0; c < 30; ++c) {
        table.SetCell(c, 0, kCaptions[c]);
    }
    for (int r = 1; r <= cards; ++r) {
        const bool oil = r % 2 == 0;
        const std::vector<std::string> cells = {"M\xFCller-Schmidt " + std::to_string(r),
                                                "Hauptstra\xDF"
                                                "e " +
                                                    std::to_string(r % 200),
                                                "K\xF6ln",
                                                oil ? "Heiz\xF6l" : "Erdgas",
                                                std::to_string(120 + r % 80),
                                                "20",
                                                "60",
                                                "3.5",
                                                "12.8",
                                                std::to_string(r % 40),
                                                "30",
                                                "1.20",
                                                std::to_string(5 + r % 8) + "." +
                                                    std::to_string(r % 10),
                                                "90.1",
                                                "07.12.2025",
                                                "09:45",
                                                "-0.12",
                                                oil ? "NEIN" : "---",
                                                oil ? "1" : "",
                                                oil ? "2" : "",
                                                oil ? "1" : "",
                                                "",
                                                "",
                                                "",
                                                ""};
        for (size_t c = 0; c < cells.size(); ++c) {
            table.SetCell(static_cast<int>(c), r, cells[c]);
        }
        if (r % 3 == 0) {
            table.SetCell(25, r, std::to_string(10 + r % 50) + ".5");
            table.SetCell(26, r, "Z");
            table.SetCell(27, r, "N");
            table.SetCell(28, r, "01.02.1995");
            table.SetCell(29, r, "N");
        }
    }
    return table;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int cards = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const CardTable table = MakeCards(cards);
    const std::vector<int> rows = MeasuredRows(table);
    CertificateContext context;
    context.business = {"Schornsteinfegerei Ru\xDF", "Kaminweg 5", "89073 Ulm", "0731 123456"};
    context.fuelNames = {"Heiz\xF6l", "Erdgas", "Stadtgas", "Kokereigas", "Fl\xFCssiggas"};

    const QString file = QDir::temp().filePath(QStringLiteral("fendro_bench_certificates.pdf"));
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        {
            QPdfWriter writer(file);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            QtPrintCanvas canvas(writer, file);
            PrintCertificates(canvas, table, rows, context);
        }
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("RESULT | certificates of %d cards into one PDF (median of %d) | %.0f | ms\n",
                cards, runs, median);
    std::printf("RESULT | per certificate page | %.2f | ms\n", median / cards);
    std::printf("RESULT | PDF size for %d pages | %.1f | kB\n", cards,
                static_cast<double>(QFileInfo(file).size()) / 1024.0);
    QFile::remove(file);
    return 0;
}
