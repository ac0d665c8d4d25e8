// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the serial link costs: CPU time while it waits for the key S and for the first byte
// (a spinning poll would use the whole wait of a core), and bytes lost when 2,000 records come
// in as fast as the pseudo-terminal carries them. Plain program; prints
// "RESULT | name | value | unit" lines.
//
//   bench_serial_link [--seconds N] [--records N]

#include "core/exchange/SerialLink.h"
#include "core/exchange/TransferLines.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/uGlobal.h"
#include "platform/QtSerialPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

class QuietLines : public TransferLines {
public:
    void AddTransferLine(const std::string& text) override { last = text; }
    void ReplaceTransferLine(const std::string& text) override { last = text; }
    std::string last;
};

double CpuSeconds() {
#if defined(__unix__) || defined(__APPLE__)
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
#else
    return 0;
#endif
}

void Result(const char* name, double value, const char* unit) {
    std::printf("RESULT | %s | %.3f | %s\n", name, value, unit);
    std::fflush(stdout);
}

std::string ReadAll(const QString& name) {
    std::ifstream in(name.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

QString FindDevsim() {
    const QString dir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {dir + QStringLiteral("/fendro-devsim"),
                                    dir + QStringLiteral("/../fendro-devsim")};
    for (const QString& candidate : candidates) {
        if (QFileInfo(candidate).isExecutable()) {
            return candidate;
        }
    }
    return {};
}

// Starts the simulator and returns the path it published, empty on failure.
QString StartDevsim(QProcess& p, const QStringList& args) {
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(FindDevsim(), args);
    if (!p.waitForStarted(5000)) {
        return {};
    }
    QElapsedTimer t;
    t.start();
    while (!p.canReadLine() && t.elapsed() < 5000) {
        p.waitForReadyRead(100);
    }
    return QString::fromUtf8(p.readLine()).trimmed().section(QStringLiteral(" = "), 1);
}

// A wait of `seconds` in one of the link's loops, ended by an abort from a timer.
void MeasureWait(SerialLink& link, const char* name, int seconds,
                 const std::function<void()>& run) {
    QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, [&link] { link.AbortRequested = true; });
    const double cpu0 = CpuSeconds();
    QElapsedTimer wall;
    wall.start();
    run();
    const double cpu = CpuSeconds() - cpu0;
    Result((std::string(name) + "_wall").c_str(), wall.elapsed() / 1000.0, "s");
    Result((std::string(name) + "_cpu").c_str(), cpu, "s");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int seconds = 10;
    int records = 2000;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0) {
            seconds = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--records") == 0) {
            records = std::atoi(argv[i + 1]);
        }
    }
    if (FindDevsim().isEmpty()) {
        std::fputs("bench_serial_link: fendro-devsim not found beside the program\n", stderr);
        return 1;
    }
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("fendro.ini"));
    SetSettingsFileName(ini.toStdString());
    ConnectionSettings settings;
    settings.ComPort = 9;
    settings.BaudRate = 9600;
    QuietLines lines;
    SerialLink link(settings, QtSerialLinkSetup(lines));
    const QString rawFile = dir.filePath(QStringLiteral("got.raw"));

    {
        // A device that never sends: the waits for S and for the first byte.
        QProcess sim;
        const QStringList args = {
            QStringLiteral("send"),    QStringLiteral("--count"), QStringLiteral("1"),
            QStringLiteral("--delay"), QStringLiteral("3600000"), QStringLiteral("--com"),
            QStringLiteral("9"),       QStringLiteral("--ini"),   ini};
        if (StartDevsim(sim, args).isEmpty()) {
            std::fputs("bench_serial_link: fendro-devsim did not start\n", stderr);
            return 1;
        }
        settings.DeviceType = "COM";
        MeasureWait(link, "wait_for_S", seconds, [&] { link.SendToDevice("unused.raw"); });
        MeasureWait(link, "wait_for_first_byte", seconds,
                    [&] { link.ReceiveFromDevice(rawFile.toStdString()); });
        sim.kill();
        sim.waitForFinished();
    }

    {
        // As fast as the pseudo-terminal carries the bytes.
        QProcess sim;
        const QString sent = dir.filePath(QStringLiteral("sent.raw"));
        const QStringList args = {QStringLiteral("send"),
                                  QStringLiteral("--count"),
                                  QString::number(records),
                                  QStringLiteral("--delay"),
                                  QStringLiteral("0"),
                                  QStringLiteral("--save-sent"),
                                  sent,
                                  QStringLiteral("--com"),
                                  QStringLiteral("9"),
                                  QStringLiteral("--ini"),
                                  ini};
        if (StartDevsim(sim, args).isEmpty()) {
            std::fputs("bench_serial_link: fendro-devsim did not start\n", stderr);
            return 1;
        }
        settings.DeviceType = "COM";
        const double cpu0 = CpuSeconds();
        QElapsedTimer wall;
        wall.start();
        const bool ok = link.ReceiveFromDevice(rawFile.toStdString());
        // The receive ends with 2 s of silence, which is not transfer time.
        const double transfer = wall.elapsed() / 1000.0 - 2.0;
        const double cpu = CpuSeconds() - cpu0;
        sim.waitForFinished(5000);
        const std::string want = ReadAll(sent);
        const std::string got = ReadAll(rawFile);
        size_t same = 0;
        while (same < want.size() && same < got.size() && want[same] == got[same]) {
            ++same;
        }
        Result("receive_ok", ok ? 1 : 0, "bool");
        Result("receive_bytes_sent", static_cast<double>(want.size()), "bytes");
        Result("receive_bytes_lost", static_cast<double>(want.size() - same), "bytes");
        Result("receive_bytes_extra", static_cast<double>(got.size() - same), "bytes");
        Result("receive_time_without_silence", transfer, "s");
        Result("receive_rate", transfer > 0 ? want.size() / transfer / 1024.0 : 0, "KiB/s");
        Result("receive_cpu", cpu, "s");
    }
    return 0;
}
