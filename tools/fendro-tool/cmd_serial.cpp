// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// receive and send: the serial transfers of the program, with the transfer lines on standard
// output. A key S on standard input (or --start) starts, ESC or Ctrl-C aborts.

#include "Commands.h"

#include "core/exchange/ComPortMap.h"
#include "core/exchange/SerialLink.h"
#include "core/exchange/TransferLines.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/IniFile.h"
#include "platform/EventPump.h"
#include "platform/QtSerialPort.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>

#ifndef _WIN32
#include <termios.h>
#include <unistd.h>
#endif

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void OnInterrupt(int) {
    gInterrupted = 1;
}

// Lines on standard output; on a terminal a replaced line is rewritten in place.
class StdoutLines : public TransferLines {
public:
    StdoutLines() {
#ifndef _WIN32
        terminal_ = isatty(STDOUT_FILENO) != 0;
#endif
    }
    ~StdoutLines() override {
        EndLine();
    }
    void AddTransferLine(const std::string& text) override {
        EndLine();
        std::fputs(text.c_str(), stdout);
        open_ = true;
        if (!terminal_) {
            EndLine();
        }
        std::fflush(stdout);
    }
    void ReplaceTransferLine(const std::string& text) override {
        if (terminal_ && open_) {
            std::fputs("\r\x1b[2K", stdout);
            std::fputs(text.c_str(), stdout);
            std::fflush(stdout);
        } else {
            AddTransferLine(text);
        }
    }

private:
    void EndLine() {
        if (open_) {
            std::fputc('\n', stdout);
            open_ = false;
        }
    }
    bool terminal_ = false;
    bool open_ = false;
};

// Single key presses from a terminal on standard input, without echo; restored on the way out.
class RawKeys {
public:
    RawKeys() {
#ifndef _WIN32
        if (isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved_) == 0) {
            termios raw = saved_;
            raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
            raw.c_cc[VMIN] = 1;
            raw.c_cc[VTIME] = 0;
            active_ = tcsetattr(STDIN_FILENO, TCSANOW, &raw) == 0;
        }
#endif
    }
    ~RawKeys() {
#ifndef _WIN32
        if (active_) {
            tcsetattr(STDIN_FILENO, TCSANOW, &saved_);
        }
#endif
    }

private:
#ifndef _WIN32
    termios saved_{};
#endif
    bool active_ = false;
};

struct TransferArgs {
    int port = -1;
    std::string type;
    std::string ini;
    std::string file;
    bool start = false;
};

bool ParseTransferArgs(const Args& args, TransferArgs& t) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--port" && hasValue) {
            if (!ParseIniInteger(args[++i], t.port) || t.port < 0) {
                return false;
            }
        } else if (a == "--type" && hasValue) {
            t.type = args[++i];
        } else if (a == "--ini" && hasValue) {
            t.ini = args[++i];
        } else if (a == "--start") {
            t.start = true;
        } else if (a.rfind("--", 0) == 0 || !t.file.empty()) {
            return false;
        } else {
            t.file = a;
        }
    }
    return t.port >= 0 && !t.file.empty();
}

// Runs one transfer; `run` gets the file and returns whether it succeeded.
int RunTransfer(const Args& args, const char* usage, bool (SerialLink::*run)(const std::string&)) {
    TransferArgs t;
    if (!ParseTransferArgs(args, t)) {
        return UsageError(usage);
    }
    std::unique_ptr<IniFile> ini;
    try {
        // Without --ini the program's own settings file, when there is one.
        ini = std::make_unique<IniFile>(t.ini.empty() ? DefaultSettingsFile() : t.ini);
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
    // The settings as the program would hold them, the command line having the last word.
    ConnectionSettings settings = ReadConnectionSettings(*ini);
    if (!t.type.empty()) {
        settings.DeviceType = t.type;
    }
    settings.ComPort = t.port;
    SerialLink link(settings);

    int argc = 1;
    char name[] = "fendro-tool";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    StdoutLines lines;
    RawKeys keys;
#ifndef _WIN32
    QSocketNotifier stdinKeys(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&stdinKeys, &QSocketNotifier::activated, [&stdinKeys, &link] {
        char buffer[64];
        const long n = static_cast<long>(read(STDIN_FILENO, buffer, sizeof buffer));
        if (n <= 0) {
            // End of input: no more keys will come.
            stdinKeys.setEnabled(false);
            return;
        }
        for (long i = 0; i < n; ++i) {
            if (buffer[i] == 'S' || buffer[i] == 's') {
                link.StartRequested = true;
            } else if (buffer[i] == 27) {
                link.AbortRequested = true;
            }
        }
    });
#endif
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);

    SerialLinkSetup setup = QtSerialLinkSetup(lines);
    const bool start = t.start;
    setup.waitForEvents = [start, &link](int ms) {
        WaitForEvents(ms);
        if (start) {
            link.StartRequested = true;
        }
        if (gInterrupted) {
            link.AbortRequested = true;
        }
    };
    const IniFile* ports = ini.get();
    setup.devicePath = [ports](int n) { return ComDevicePath(n, ports); };
    link.Setup(setup);

    int rc = 1;
    try {
        rc = (link.*run)(t.file) ? 0 : 1;
    } catch (const std::exception& e) {
        rc = Failure(e.what());
    }
    link.Setup(SerialLinkSetup());
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    return rc;
}

} // namespace

int CmdReceive(const Args& args) {
    return RunTransfer(args,
                       "receive --port N [--type TYPE] [--ini SETTINGSFILE] [--start] RAWFILE",
                       &SerialLink::ReceiveFromDevice);
}

int CmdSend(const Args& args) {
    return RunTransfer(args, "send --port N [--type TYPE] [--ini SETTINGSFILE] [--start] RAWFILE",
                       &SerialLink::SendToDevice);
}
