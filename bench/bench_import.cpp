// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a customer list of 100,000 rows, as "Import..." does it after its dialog: read the
// file, detect encoding and separator, split the rows, make the cards fit. Also the same list as
// a workbook, and the export of the cards. The import has to stay within one second.

#include "core/files/CardColumns.h"
#include "core/interchange/CardExport.h"
#include "core/interchange/CardImport.h"
#include "platform/ImportSource.h"
#include "platform/XlsxExport.h"
#include "support/TempDir.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRows = 100000;
constexpr int kColumns = 30;

double Ms(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double MedianMs(int repeats, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const Clock::time_point start = Clock::now();
        run();
        times.push_back(Ms(start));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A spreadsheet's export: UTF-8 with a mark, ";", quoted streets with commas, decimal commas,
// names that need cutting and letters the cards cannot hold.
std::string MakeList() {
    std::string list = "\xEF\xBB\xBFKd-Nr.;Nachname;Vorname;Stra\xC3\x9F"
                       "e;Hausnr.;PLZ;Ort;"
                       "Telefon;Nennw\xC3\xA4rmeleistung kW;Brenner V/Z\r\n";
    for (int i = 0; i < kRows; ++i) {
        const std::string n = std::to_string(i);
        list += n + ";M\xC3\xBCller-W\xC5\x82odarczyk" + n +
                ";Hans;\"Hauptstra\xC3\x9F"
                "e, Hof " +
                n + "\";" + std::to_string(i % 200) + ";" + std::to_string(10000 + i % 89999) +
                ";Frankfurt am Main;0711 " + n + ";" + std::to_string(10 + i % 40) + ",5;" +
                (i % 2 ? "V" : "z") + "\r\n";
    }
    return list;
}

std::vector<std::string> Captions() {
    std::vector<std::string> captions(kColumns);
    captions[0] = "Name";
    captions[1] = "Strasse";
    captions[2] = "Ort";
    captions[kColNominalOutput] = "Nennw\xC3\xA4rmeleistung kW";
    captions[kColBurnerKind] = "Brenner V/Z";
    return captions;
}

ImportResult Import(const std::string& file) {
    ImportSource source(file);
    const SourceRows& rows = source.Rows(source.Detected());
    ImportPlan plan;
    plan.header = true;
    plan.mapping = ProposeMapping(rows.front(), Captions());
    return ImportCards(rows, plan, kColumns);
}

void Result(const char* name, double value, const char* unit) {
    std::printf("RESULT | %s | %.1f | %s\n", name, value, unit);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TempDir dir;
    const std::string csv = dir.File("kunden.csv");
    WriteBytes(csv, MakeList());

    ImportResult result;
    // On a busy machine the wall time says more about the other programs; the CPU time is this
    // program's own.
    const std::clock_t cpuStart = std::clock();
    const double csvMs = MedianMs(5, [&] { result = Import(csv); });
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / 5;
    if (result.report.imported != kRows) {
        std::fprintf(stderr, "bench_import: %d cards instead of %d\n", result.report.imported,
                     kRows);
        return 1;
    }
    Result("import of 100,000 CSV rows (median of 5, limit 1000 ms)", csvMs, "ms");
    Result("import of 100,000 CSV rows, CPU time (mean of 5)", cpuMs, "ms");

    CardTable table;
    table.SetColCount(kColumns);
    CardTable::Row captions;
    for (const std::string& c : Captions()) {
        captions.push_back(c);
    }
    table.AppendRow(captions);
    for (CardTable::Row& card : result.cards) {
        table.AppendRow(std::move(card));
    }
    const std::vector<int> rows = RowsToExport(table, {});
    std::string bytes;
    Result("export of 100,000 cards to xlsx (median of 3)",
           MedianMs(3, [&] { bytes = CardsXlsx(table, rows); }), "ms");
    const std::string xlsx = dir.File("kunden.xlsx");
    WriteBytes(xlsx, bytes);
    Result("export of 100,000 cards to CSV (median of 3)",
           MedianMs(3, [&] { bytes = CardsCsv(table, rows); }), "ms");
    Result("import of the 100,000-card xlsx (median of 3)",
           MedianMs(3, [&] { result = Import(xlsx); }), "ms");
    return 0;
}
