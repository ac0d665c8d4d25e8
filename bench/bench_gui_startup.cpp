// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time to the first painted main window, and the peak memory of the program with an
// empty table and with 100,000 cards loaded.
//
// The program copies itself as "fendro" into a fresh folder beside the column definitions and
// starts that copy, which runs the desktop program's own start-up (RunProgram). A hook that
// only this benchmark installs notes the first paint of the main window, optionally loads a card
// file into the real main window, and ends the process; the parent takes the time from before
// the start and the peak memory from the finished child.

#include "core/files/uGlobal.h"
#include "gui/app/Program.h"
#include "gui/app/uMainFrm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

const char* const kChildVar = "FENDRO_BENCH_CHILD";
const char* const kStartVar = "FENDRO_BENCH_T0";
const char* const kCardsVar = "FENDRO_BENCH_CARDFILE";

long long NowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// --- child: the real program with a hook on its first paint ---

void Report(const char* key, long long value) {
    std::printf("%s %lld\n", key, value);
}

void AfterFirstPaint() {
    Report("shown_ns", NowNs() - std::atoll(std::getenv(kStartVar)));
    if (const char* cards = std::getenv(kCardsVar)) {
        const long long t0 = NowNs();
        MainFrm->Document().SetFileName(cards);
        MainFrm->LoadCardFile();
        QCoreApplication::processEvents();
        Report("load_ns", NowNs() - t0);
        Report("rows", MainFrm->Cards().RowCount() - 1);
    }
    std::fflush(stdout);
    // Leave at once: closing would ask questions and write settings, which is not measured.
    _exit(0);
}

class FirstPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* obj, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && MainFrm != nullptr) {
            auto* w = qobject_cast<QWidget*>(obj);
            if (w != nullptr && w->window() == MainFrm) {
                done_ = true;
                // Once this paint and its siblings are through.
                QTimer::singleShot(0, [] { AfterFirstPaint(); });
            }
        }
        return false;
    }

private:
    bool done_ = false;
};

void InstallHook() {
    if (std::getenv(kChildVar) != nullptr) {
        qApp->installEventFilter(new FirstPaint(qApp));
    }
}
Q_COREAPP_STARTUP_FUNCTION(InstallHook)

// --- parent: runs the copies and reports ---

struct ChildResult {
    bool ok = false;
    long long shownNs = -1;
    long long loadNs = -1;
    long long rows = -1;
    long maxRssKb = -1;
};

ChildResult RunChild(const std::string& exe, const std::string& cardFile) {
    ChildResult r;
    int fds[2];
    if (pipe(fds) != 0) {
        return r;
    }
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string s = *e;
        if (s.rfind("QT_QPA_PLATFORM=", 0) != 0 && s.rfind("FENDRO_BENCH", 0) != 0) {
            env.push_back(s);
        }
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back(std::string(kChildVar) + "=1");
    if (!cardFile.empty()) {
        env.push_back(std::string(kCardsVar) + "=" + cardFile);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);

    // The start time goes last, as close to the start as possible.
    const long long t0 = NowNs();
    env.push_back(std::string(kStartVar) + "=" + std::to_string(t0));
    std::vector<char*> envp;
    for (auto& s : env) {
        envp.push_back(s.data());
    }
    envp.push_back(nullptr);
    std::string arg0 = exe;
    char* argv[] = {arg0.data(), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return r;
    }
    std::string out;
    char buf[512];
    ssize_t n = 0;
    while ((n = read(fds[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR)) {
        if (n > 0) {
            out.append(buf, static_cast<size_t>(n));
        }
    }
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    r.maxRssKb = usage.ru_maxrss;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    char key[32];
    long long value = 0;
    const char* p = out.c_str();
    int used = 0;
    while (std::sscanf(p, "%31s %lld%n", key, &value, &used) == 2) {
        if (std::strcmp(key, "shown_ns") == 0) {
            r.shownNs = value;
        } else if (std::strcmp(key, "load_ns") == 0) {
            r.loadNs = value;
        } else if (std::strcmp(key, "rows") == 0) {
            r.rows = value;
        }
        p += used;
    }
    r.ok = r.ok && r.shownNs >= 0;
    return r;
}

void Result(const std::string& name, const std::string& value, const std::string& unit) {
    std::printf("RESULT | %s | %s | %s\n", name.c_str(), value.c_str(), unit.c_str());
}

std::string Fixed(double v, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", digits, v);
    return buf;
}

int RunParent() {
    const fs::path dta = fs::path(FENDRO_BINARY_DIR) / "fendro.DTA";
    if (!fs::exists(dta)) {
        std::fprintf(stderr, "%s fehlt\n", dta.c_str());
        return 1;
    }
    char tmpl[] = "/tmp/fendro-bench-XXXXXX";
    if (mkdtemp(tmpl) == nullptr) {
        return 1;
    }
    const fs::path dir = tmpl;
    const fs::path exe = dir / "fendro";
    fs::copy_file("/proc/self/exe", exe);
    fs::permissions(exe, fs::perms::owner_all);
    fs::copy_file(dta, dir / "fendro.DTA");

    std::string cards;
    if (const char* shared = std::getenv("FENDRO_BENCH_CARDS")) {
        cards = shared;
    } else {
        cards = (dir / "cards-100000.csv").string();
        const std::string make = std::string("python3 '") + FENDRO_SOURCE_DIR +
                                 "/bench/make_cards.py' '" + cards + "' 100000";
        if (std::system(make.c_str()) != 0) {
            std::fprintf(stderr, "Die Kartei-Datei konnte nicht erzeugt werden.\n");
        }
    }

    int status = 0;
    // The first start creates the settings file and warms the file cache; it is not counted.
    const ChildResult warm = RunChild(exe.string(), "");
    if (!warm.ok) {
        std::fprintf(stderr, "Der Programmstart ist fehlgeschlagen.\n");
        status = 1;
    } else {
        std::vector<double> ms;
        long rssEmpty = warm.maxRssKb;
        for (int i = 0; i < 7; ++i) {
            const ChildResult r = RunChild(exe.string(), "");
            if (r.ok) {
                ms.push_back(static_cast<double>(r.shownNs) / 1e6);
                rssEmpty = std::max(rssEmpty, r.maxRssKb);
            }
        }
        std::sort(ms.begin(), ms.end());
        if (!ms.empty()) {
            Result("start-up to first shown window (median of " + std::to_string(ms.size()) + ")",
                   Fixed(ms[ms.size() / 2], 1), "ms");
            Result("start-up to first shown window (fastest)", Fixed(ms.front(), 1), "ms");
        }
        Result("peak memory, empty table", Fixed(static_cast<double>(rssEmpty) / 1024.0, 1), "MiB");

        const ChildResult full = RunChild(exe.string(), cards);
        if (full.ok && full.rows == 100000) {
            Result("peak memory, 100,000 cards loaded",
                   Fixed(static_cast<double>(full.maxRssKb) / 1024.0, 1), "MiB");
            Result("loading 100,000 cards into the main window", Fixed(full.loadNs / 1e6, 0), "ms");
        } else {
            // The card file loader is not there (yet) or failed: no figure rather than a wrong one.
            Result("peak memory, 100,000 cards loaded", "n/a", "");
            std::fprintf(stderr, "Karteikarten geladen: %lld statt 100000\n", full.rows);
        }
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    if (std::getenv(kChildVar) != nullptr) {
        return RunProgram(argc, argv);
    }
    return RunParent();
}
