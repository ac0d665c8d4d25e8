// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Device records decoded per second, without the transfer flow's pause. At 115200 baud the
// device delivers about 62 records a second; the decoding has to be far faster than that.

#include "core/exchange/SerialRecords.h"
#include "core/exchange/TransferLines.h"
#include "core/exchange/uT7Q.h"
#include "core/files/uGlobal.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

std::string Record(int i) {
    std::string r(kDeviceRecordSize, ' ');
    auto put = [&](size_t p, const std::string& t) { r.replace(p - 1, t.size(), t); };
    put(6, "0945");
    put(10, "0712");
    put(14, std::to_string(i % 5));
    put(15, "   20");
    put(20, "  " + std::to_string(100 + i % 800).substr(0, 3));
    put(25, "   " + std::to_string(10 + i % 90));
    put(59, "Kunde " + std::to_string(i));
    put(79, "Hauptstra\xDF"
            "e 1");
    put(99, "M\xFCnchen");
    put(117, "   50");
    put(122, "  100");
    r[166] = '\r';
    r[167] = '\n';
    return r;
}

struct Folder {
    Folder() {
        path = std::filesystem::temp_directory_path() / "fendro-bench-decode";
        std::filesystem::create_directories(path);
        std::ofstream ini(path / "fendro.ini", std::ios::binary);
        const char* names[5] = {"Heiz\xF6l", "Erdgas", "Stadtgas", "Kokereigas", "Fl\xFCssiggas"};
        const char* values[5][3] = {{"15.4", "0.50", "0.007"},
                                    {"11.8", "0.37", "0.009"},
                                    {"11.7", "0.35", "0.011"},
                                    {"10.2", "0.29", "0.011"},
                                    {"14.0", "0.42", "0.008"}};
        // A full fuel table of 16 entries, as the program leaves it after its first start.
        for (int n = 0; n < 16; ++n) {
            ini << "[" << n << "]\r\nName=" << (n < 5 ? names[n] : "")
                << "\r\nCO2Max=" << (n < 5 ? values[n][0] : "0")
                << "\r\nA1=" << (n < 5 ? values[n][1] : "0")
                << "\r\nB=" << (n < 5 ? values[n][2] : "0") << "\r\nMaxEta=100.0\r\n";
        }
        settings = (path / "fendro.ini").string();
    }
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::filesystem::path path;
    std::string settings;
};

Folder& Files() {
    static Folder f;
    return f;
}

struct NoLines : TransferLines {
    void AddTransferLine(const std::string&) override {}
    void ReplaceTransferLine(const std::string&) override {}
};

// One record with the fuel table read from the settings file, as every decoding does.
void BM_DecodeDeviceRecord(benchmark::State& state) {
    const std::string rec = Record(7);
    const CivilDate today{2026, 12, 8};
    for (auto _ : state) {
        TDatenSatz_T7Q r = DecodeDeviceRecord(rec, Files().settings, today);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeDeviceRecord);

// The same without a settings file to read, to show what reading it costs.
void BM_DecodeDeviceRecordWithoutSettingsFile(benchmark::State& state) {
    const std::string rec = Record(7);
    const std::string missing = (Files().path / "fehlt.ini").string();
    const CivilDate today{2026, 12, 8};
    for (auto _ : state) {
        TDatenSatz_T7Q r = DecodeDeviceRecord(rec, missing, today);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeDeviceRecordWithoutSettingsFile);

// A whole received file, file to file, without the pause.
void BM_ConvertReceivedRecords(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    const std::string raw = (Files().path / "geraet.dat").string();
    const std::string csv = (Files().path / "karten.csv").string();
    {
        std::ofstream out(raw, std::ios::binary);
        for (int i = 0; i < n; ++i) {
            out << Record(i);
        }
    }
    SetSettingsFileName(Files().settings);
    NoLines lines;
    for (auto _ : state) {
        ConvertReceivedRecords(raw, csv, false, lines, {}, [] { return CivilDate{2026, 12, 8}; });
    }
    SetSettingsFileName("");
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ConvertReceivedRecords)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
