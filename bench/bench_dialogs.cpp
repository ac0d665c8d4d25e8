// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the connection dialog takes to probe the 255 ports when it is shown, how long a search
// takes through many cards, and how much processor time a search uses while it waits at a hit.

#include "core/app/CardSearch.h"
#include "core/connection/ComPortList.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Forms.h"
#include "gui/app/uMainFrm.h"
#include "gui/app/uSuchFrm.h"
#include "gui/connection/uVerbFrm.h"
#include "platform/PortProbe.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string gDir;

std::string MakeDir() {
    const fs::path dir = fs::temp_directory_path() / ("fendro-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::copy_file(fs::path(FENDRO_BINARY_DIR) / "fendro.DTA", dir / "fendro.DTA",
                  fs::copy_options::overwrite_existing);
    return dir.string();
}

// Three pseudo-terminals under COM1, COM3 and COM12; the other numbers keep the fixed table.
struct Ptys {
    std::vector<int> masters;
    std::string ini;
    Ptys() {
        ini = gDir + "/ptys.ini";
        std::ofstream out(ini, std::ios::binary);
        out << "[Ports]\r\n";
        for (const int n : {1, 3, 12}) {
            const int m = posix_openpt(O_RDWR | O_NOCTTY);
            grantpt(m);
            unlockpt(m);
            masters.push_back(m);
            out << "COM" << n << "=" << ptsname(m) << "\r\n";
        }
    }
    ~Ptys() {
        for (const int m : masters) {
            close(m);
        }
    }
};

void BM_ProbeAllPorts_FixedTable(benchmark::State& state) {
    size_t found = 0;
    for (auto _ : state) {
        found = AvailableComPorts([](int n) { return ComPortAvailable(n, nullptr); }).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["ports"] = static_cast<double>(found);
}
BENCHMARK(BM_ProbeAllPorts_FixedTable)->Unit(benchmark::kMillisecond);

void BM_ProbeAllPorts_ThreePtys(benchmark::State& state) {
    Ptys ptys;
    const IniFile ini(ptys.ini);
    size_t found = 0;
    for (auto _ : state) {
        found = AvailableComPorts([&](int n) { return ComPortAvailable(n, &ini); }).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["ports"] = static_cast<double>(found);
}
BENCHMARK(BM_ProbeAllPorts_ThreePtys)->Unit(benchmark::kMillisecond);

// The whole show of the dialog: settings read, 255 probes, lists filled.
void BM_ConnectionDialogShow(benchmark::State& state) {
    Ptys ptys;
    SetSettingsFileName(ptys.ini);
    ConnectionSettings settings;
    TVerbFrm dialog(settings);
    for (auto _ : state) {
        dialog.show();
        dialog.hide();
    }
    state.counters["ports"] = dialog.ComboBox2->count();
    SetSettingsFileName(std::string());
}
BENCHMARK(BM_ConnectionDialogShow)->Unit(benchmark::kMillisecond);

// A term in none of 100,000 cards of 25 columns: the walk the search makes before its message.
void BM_SearchWithoutHit_100000Cards(benchmark::State& state) {
    CardTable table;
    table.SetColCount(25);
    table.AppendRow(table.EmptyRow());
    for (int r = 0; r < 100000; ++r) {
        CardTable::Row row = table.EmptyRow();
        row[0] = "Kunde Nummer " + std::to_string(r);
        row[1] = "Hauptstrasse " + std::to_string(r % 300);
        row[2] = "Musterstadt";
        for (int c = 3; c < 25; ++c) {
            row[static_cast<size_t>(c)] = std::to_string((r * 7 + c) % 1000) + ".5";
        }
        table.AppendRow(std::move(row));
    }
    const std::string key = SearchKey("nirgendwo");
    for (auto _ : state) {
        benchmark::DoNotOptimize(WalkSearchHits(table, key, [](int, int) { return true; }));
    }
}
BENCHMARK(BM_SearchWithoutHit_100000Cards)->Unit(benchmark::kMillisecond);

// A search waiting 500 ms at a hit: real time about 500 ms, processor time should be small.
void BM_SearchWaitingAtAHit(benchmark::State& state) {
    SetProgramFileName(gDir + "/fendro");
    DialogAnswers::Enable(true);
    CreateForms();
    MainFrm->show();
    QApplication::processEvents();
    MainFrm->GridModel()->BeginChange();
    MainFrm->Cards().SetCell(0, 1, "Berg");
    MainFrm->GridModel()->EndChange();
    MainFrm->ShowSearch();
    for (auto _ : state) {
        SuchFrm->Edit1->setText(QStringLiteral("berg"));
        QTimer::singleShot(500, SuchFrm, [] { SuchFrm->close(); });
        SuchFrm->Button1->click();
        state.PauseTiming();
        MainFrm->ShowSearch();
        state.ResumeTiming();
    }
    SuchFrm->close();
    MainFrm->close();
    QApplication::processEvents();
    DestroyForms();
    DialogAnswers::Enable(false);
}
BENCHMARK(BM_SearchWaitingAtAHit)->Unit(benchmark::kMillisecond)->Iterations(4);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    gDir = MakeDir();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(gDir, ec);
    return 0;
}
