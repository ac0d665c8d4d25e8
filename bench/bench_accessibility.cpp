// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader's accessibility bus costs the card grid: inserting, deleting, loading and
// sorting in a 2,500-card table, and deleting 2,500 selected cards of 100,000, each once without
// the bus and once with it (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 and the AT-SPI bus that bench/run
// starts). Every figure is measured in a fresh copy of this program running the real main
// window, so that the two runs share nothing. Without a bus the runs with it are skipped.

#include "core/app/CardSort.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardSelection.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Forms.h"
#include "gui/app/uMainFrm.h"

#include "support/TempDir.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#ifdef FENDRO_BENCH_DBUS
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#endif

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

const char* const kChildArg = "--child";
const char* const kReaderArg = "--reader";

#ifdef FENDRO_BENCH_DBUS
// A screen reader as far as the program can tell: it listens to the object, window and focus
// events, and asks the source of each for its role, as readers do before they speak.
class Reader : public QObject {
    Q_OBJECT
public:
    explicit Reader(QDBusConnection bus) : bus_(std::move(bus)) {}

public slots:
    void OnEvent(const QDBusMessage& event) {
        QDBusMessage ask = QDBusMessage::createMethodCall(
            event.service(), event.path(), QStringLiteral("org.a11y.atspi.Accessible"),
            QStringLiteral("GetRole"));
        bus_.asyncCall(ask);
    }

private:
    QDBusConnection bus_;
};

int RunReader(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                            QStringLiteral("org.a11y.Bus"), QDBusConnection::sessionBus());
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    if (!address.isValid()) {
        std::printf("failed\n");
        return 1;
    }
    QDBusConnection bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("a11y"));
    for (const char* event : {"object:", "window:", "focus:"}) {
        QDBusMessage m = QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry"),
            QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("RegisterEvent"));
        m << QString::fromLatin1(event) << QStringList() << QString();
        bus.call(m);
    }
    Reader reader(bus);
    for (const char* iface : {"org.a11y.atspi.Event.Object", "org.a11y.atspi.Event.Focus"}) {
        bus.connect(QString(), QString(), QString::fromLatin1(iface), QString(), &reader,
                    SLOT(OnEvent(QDBusMessage)));
    }
    std::printf("ready %d\n", static_cast<int>(getpid()));
    std::fflush(stdout);
    return app.exec();
}
#endif

std::string CardLine(int n) {
    static const char* const names[] = {"M\xFCller", "Schmidt", "Weber", "Zander", "\xC4rger",
                                        "Koch",      "Braun",   "Lange", "Abel",   "Vogel"};
    std::string line = std::string(names[(n * 7) % 10]) + " " + std::to_string(n % 997) +
                       ",Hauptstra\xDF"
                       "e " +
                       std::to_string(n % 199) + ",Ulm";
    line += ",Erdgas,150.2,20.1,55.0,3.2,10.0,14,0,1.18,6.4,93.6,03.02.2025,10:30,-0.10,NEIN,1,"
            "1,1,,,,\r\n";
    return line;
}

void WriteCards(const std::string& file, int cards) {
    std::string data;
    for (int i = 0; i < cards; ++i) {
        data += CardLine(i);
    }
    WriteBytes(file, data);
}

// Lets the events the change caused through, the accessibility bus's among them.
void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

// A step's wall time and the processor time of the whole program (all its threads, the bus's
// among them), in milliseconds. The processor time hardly depends on the machine's other load.
struct Figure {
    double wall = 0;
    double cpu = 0;
};

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

template <typename Step> Figure Measure(Step&& step) {
    QElapsedTimer timer;
    const double cpu = CpuMs();
    timer.start();
    step();
    Settle();
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6, CpuMs() - cpu};
}

// The median of each: one late event of the system would not say much.
Figure Median(std::vector<Figure> figures) {
    const size_t mid = figures.size() / 2;
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Figure& f : figures) {
        wall.push_back(f.wall);
        cpu.push_back(f.cpu);
    }
    std::nth_element(wall.begin(), wall.begin() + static_cast<long>(mid), wall.end());
    std::nth_element(cpu.begin(), cpu.begin() + static_cast<long>(mid), cpu.end());
    return {wall[mid], cpu[mid]};
}

void Print(const char* name, const Figure& f) {
    std::printf("%s_wall %.3f\n%s_cpu %.3f\n", name, f.wall, name, f.cpu);
}

// As "Öffnen..." loads after its dialog: with the progress window.
void Load(const std::string& file) {
    MainFrm->OpenNamedCardFile(file);
}

// The real main window in a folder of its own; prints "name milliseconds" lines.
int RunChild(int argc, char** argv) {
    QApplication app(argc, argv);
    TempDir dir;
    WriteBytes(dir.File("fendro.DTA"), ReadBytes(std::string(FENDRO_BINARY_DIR) + "/fendro.DTA"));
    SetProgramFileName(dir.File("fendro"));
    DialogAnswers::Enable(true);
    CreateForms();
    MainFrm->SetWaits({[](int) {}, [](int) {}});
    MainFrm->show();
    Settle();
    std::printf("active %d\n", QAccessible::isActive() ? 1 : 0);

    const std::string small = dir.File("k2500.csv");
    const std::string large = dir.File("k100000.csv");
    WriteCards(small, 2500);
    WriteCards(large, 100000);

    std::vector<Figure> load;
    for (int i = 0; i < 9; ++i) {
        load.push_back(Measure([&] { Load(small); }));
    }
    Print("load", Median(load));
    // The table's part of it alone: no progress window, no commands turned off and on.
    std::vector<Figure> tableLoad;
    for (int i = 0; i < 9; ++i) {
        tableLoad.push_back(Measure([&] { MainFrm->LoadCardFile(); }));
    }
    Print("table_load", Median(tableLoad));
    MainFrm->SetCurrentCell(0, 1250);
    Settle();
    constexpr int kRepeats = 21;
    std::vector<Figure> insert;
    for (int i = 0; i < kRepeats; ++i) {
        insert.push_back(Measure([] { MainFrm->InsertCard(); }));
    }
    Print("insert", Median(insert));
    std::vector<Figure> remove;
    for (int i = 0; i < kRepeats; ++i) {
        remove.push_back(Measure([] { MainFrm->DeleteCard(); }));
    }
    Print("delete", Median(remove));
    std::vector<Figure> sort;
    for (int i = 0; i < 9; ++i) {
        const std::vector<int>& keys = i % 2 == 0 ? kSortByName : kSortByTown;
        sort.push_back(Measure([&] { MainFrm->SortCards(keys); }));
    }
    Print("sort", Median(sort));

    // 2,500 cards spread over 100,000, selected whole as by the row header with Strg.
    std::vector<int> rows;
    for (int r = 1; r <= 100000; r += 40) {
        rows.push_back(r);
    }
    std::vector<Figure> selected;
    for (int i = 0; i < 3; ++i) {
        Load(large);
        SelectCards(*MainFrm->StringGrid1, rows, false);
        Settle();
        selected.push_back(Measure([&] { MainFrm->DeleteCards(MainFrm->CardsToDelete()); }));
    }
    Print("delete_selected", Median(selected));
    std::printf("left %d\n", MainFrm->Cards().RowCount() - 1);
    std::fflush(stdout);
    // Leave at once: closing would ask questions and write settings, which is not measured.
    std::_Exit(0);
}

// The bus and the display that bench/run started, under names of their own so that the other
// benchmarks run as before.
std::string BusEnvironment(bool withBus = true) {
    const char* bus = std::getenv("FENDRO_BENCH_A11Y_DBUS");
    const char* display = std::getenv("FENDRO_BENCH_A11Y_DISPLAY");
    const char* runtime = std::getenv("FENDRO_BENCH_A11Y_RUNTIME");
    if (bus == nullptr || display == nullptr || runtime == nullptr) {
        return std::string();
    }
    return (withBus ? "DBUS_SESSION_BUS_ADDRESS='" + std::string(bus) + "' " : std::string()) +
           "DISPLAY='" + display + "' XDG_RUNTIME_DIR='" + runtime + "' ";
}

// One run of the program; `bus` turns accessibility on, without it no bus can be found.
std::map<std::string, double> RunMode(const char* self, bool bus) {
    std::string command = "env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON -u AT_SPI_BUS_ADDRESS "
                          "-u DBUS_SESSION_BUS_ADDRESS " +
                          BusEnvironment(bus) + "QT_QPA_PLATFORM=xcb ";
    if (bus) {
        command += "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ";
    }
    command += "'" + std::string(self) + "' " + kChildArg + " 2>/dev/null";
    std::map<std::string, double> figures;
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr) {
        return figures;
    }
    char key[64];
    double value = 0;
    while (std::fscanf(out, "%63s %lf", key, &value) == 2) {
        figures[key] = value;
    }
    pclose(out);
    return figures;
}

void Result(const std::string& name, double value, const char* unit) {
    std::printf("RESULT | %s | %.3g | %s\n", name.c_str(), value, unit);
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kChildArg) == 0) {
        return RunChild(argc, argv);
    }
#ifdef FENDRO_BENCH_DBUS
    if (argc > 1 && std::strcmp(argv[1], kReaderArg) == 0) {
        return RunReader(argc, argv);
    }
    const bool canRead = true;
#else
    const bool canRead = false;
#endif
    // Qt's bridge to the bus lives in the X11 platform only; bench/run starts Xvfb for it.
    if (BusEnvironment().empty()) {
        std::printf("RESULT | accessibility | skipped | no AT-SPI bus and X display (bench/run "
                    "starts them when dbus-daemon, at-spi2-core and Xvfb are installed)\n");
        return 0;
    }
    // A screen reader listening while the program works, when the benchmark can play one.
    FILE* reader = nullptr;
    int readerPid = 0;
    if (canRead) {
        const std::string command = "env " + BusEnvironment() + "'" + std::string(argv[0]) + "' " +
                                    kReaderArg + " 2>/dev/null";
        reader = popen(command.c_str(), "r");
        if (reader == nullptr || std::fscanf(reader, "ready %d", &readerPid) != 1) {
            std::printf("RESULT | accessibility | n/a | the screen reader did not start\n");
            return 1;
        }
    }
    // Each way three times, in turns, the better figure kept: the machine's other load comes and
    // goes.
    std::map<std::string, double> off;
    std::map<std::string, double> on;
    for (int round = 0; round < 3; ++round) {
        for (auto* figures : {&off, &on}) {
            for (const auto& [key, value] : RunMode(argv[0], figures == &on)) {
                const auto it = figures->find(key);
                (*figures)[key] = it == figures->end() ? value : std::min(it->second, value);
            }
        }
    }
    if (reader != nullptr) {
        kill(readerPid, SIGTERM);
        pclose(reader);
    }
    if (off.count("left") == 0 || on.count("left") == 0 || on.count("active") == 0 ||
        on.at("active") != 1 || off.at("active") != 0) {
        std::printf("RESULT | accessibility | n/a | a run failed, or Qt did not turn "
                    "accessibility on with the bus and off without it\n");
        return 1;
    }
    const char* const names[][2] = {{"load", "open 2,500 cards (with the progress window)"},
                                    {"table_load", "load 2,500 cards into the table"},
                                    {"insert", "insert 1 card into 2,500"},
                                    {"delete", "delete 1 card of 2,500"},
                                    {"sort", "sort 2,500 cards"},
                                    {"delete_selected", "delete 2,500 selected of 100,000"}};
    std::printf("RESULT | accessibility on: screen reader listening | %s | \n",
                canRead ? "yes" : "no");
    for (const auto& n : names) {
        const std::string wall = std::string(n[0]) + "_wall";
        const std::string cpu = std::string(n[0]) + "_cpu";
        Result(std::string("accessibility off: ") + n[1], off.at(wall), "ms");
        Result(std::string("accessibility on: ") + n[1], on.at(wall), "ms");
        Result(std::string("accessibility off, processor: ") + n[1], off.at(cpu), "ms");
        Result(std::string("accessibility on, processor: ") + n[1], on.at(cpu), "ms");
        Result(std::string("accessibility on/off, processor: ") + n[1],
               on.at(cpu) / std::max(off.at(cpu), 0.001), "x (goal <= 2)");
    }
    return 0;
}

#ifdef FENDRO_BENCH_DBUS
#include "bench_accessibility.moc"
#endif
