// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/SerialLink.h"

#include "core/exchange/ComPortMap.h"
#include "core/exchange/TransferLines.h"
#include "core/files/Ansi.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/FileErrors.h"
#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <utility>

namespace {

constexpr int kChunkSize = 4096;
constexpr int kQueueSize = 4096;
constexpr int kAnswerBufferSize = 100;
// Longest a wait blocks before it looks at the clock and the flags again.
constexpr int kPollMs = 20;
// Characters 59 to 114 of a send line go into the frame.
constexpr size_t kFrameTextStart = 58;
constexpr size_t kFrameTextLength = 56;

std::string DefaultDevicePath(int n) {
    std::unique_ptr<IniFile> ini;
    try {
        ini = std::make_unique<IniFile>(SettingsFileName());
    } catch (const std::exception&) {
        // An unreadable settings file only loses its [Ports] entries.
    }
    return ComDevicePath(n, ini.get());
}

// A file that is closed on every way out.
struct FileCloser {
    std::FILE* f = nullptr;
    ~FileCloser() {
        if (f != nullptr) {
            std::fclose(f);
        }
    }
    void Close() {
        if (f != nullptr) {
            std::fclose(f);
            f = nullptr;
        }
    }
};

// Closes the port on every way out, exceptions included.
struct PortCloser {
    SerialLink& link;
    ~PortCloser() { link.ClosePort(); }
};

// Reads text lines, keeping only the characters the frame needs so that a file without line
// ends cannot fill the memory. A line ends at LF; a CR before it is dropped.
bool ReadFrameLine(std::FILE* f, std::string& line) {
    line.clear();
    const size_t keep = kFrameTextStart + kFrameTextLength;
    int c = std::fgetc(f);
    if (c == EOF) {
        return false;
    }
    bool pendingCr = false;
    while (c != EOF && c != '\n') {
        if (pendingCr && line.size() < keep) {
            line += '\r';
        }
        pendingCr = (c == '\r');
        if (!pendingCr && line.size() < keep) {
            line += static_cast<char>(c);
        }
        c = std::fgetc(f);
    }
    if (pendingCr && c == EOF && line.size() < keep) {
        line += '\r';
    }
    return true;
}

} // namespace

SerialLink::SerialLink(const ConnectionSettings& settings, SerialLinkSetup setup)
    : settings_(settings), setup_(std::move(setup)) {}

SerialLink::~SerialLink() {
    Setup(SerialLinkSetup());
}

void SerialLink::Setup(const SerialLinkSetup& setup) {
    if (portOpen_ && setup_.port != nullptr) {
        setup_.port->Close();
    }
    setup_ = setup;
    portOpen_ = false;
}

bool SerialLink::IsControlUnit() const {
    return settings_.DeviceType == "T7Q";
}

std::string SerialLink::PortNumber() const {
    return std::to_string(settings_.ComPort);
}

// The setting is Windows-1252; the lines are UTF-8.
std::string SerialLink::DeviceName() const {
    return AnsiToUtf8(settings_.DeviceType);
}

void SerialLink::Line(const std::string& text) {
    if (setup_.lines != nullptr) {
        setup_.lines->AddTransferLine(text);
    }
}

void SerialLink::Replace(const std::string& text) {
    if (setup_.lines != nullptr) {
        setup_.lines->ReplaceTransferLine(text);
    }
}

unsigned int SerialLink::Now() const {
    return setup_.tickCount ? setup_.tickCount() : 0;
}

// Unsigned subtraction keeps the difference right across a wrap of the counter.
unsigned int SerialLink::Since(unsigned int start) const {
    return Now() - start;
}

void SerialLink::Pending() {
    if (setup_.handlePendingMessages) {
        setup_.handlePendingMessages();
    }
}

// Blocks until the next event or `ms`, whichever comes first.
void SerialLink::WaitAWhile(unsigned int ms) {
    const int wait = static_cast<int>(std::min<unsigned int>(std::max(ms, 1u), kPollMs));
    if (setup_.waitForEvents) {
        setup_.waitForEvents(wait);
    } else {
        Pending();
    }
}

void SerialLink::OpenPort() {
    const std::string displayName = "COM" + PortNumber();
    const int number = settings_.ComPort;
    const std::string path =
        setup_.devicePath ? setup_.devicePath(number) : DefaultDevicePath(number);
    portOpen_ = setup_.port != nullptr && !path.empty() && setup_.port->Open(path);
    if (!portOpen_) {
        Line("Kann Verbindung über " + displayName + " nicht öffnen");
        return;
    }
    SerialPort& port = *setup_.port;
    port.SetLineSettings(IsControlUnit() ? kControlUnitBaudRate : settings_.BaudRate);
    // The line settings leave both control lines off; the control unit wants DTR.
    port.SetDtr(false);
    port.SetRts(false);
    if (IsControlUnit()) {
        port.SetDtr(true);
        port.SetRts(false);
    }
    port.SetQueueSizes(kQueueSize, kQueueSize);
    Line(displayName + " ist geöffnet.");
    Line("");
}

void SerialLink::ClosePort() {
    if (!portOpen_) {
        return;
    }
    if (setup_.port != nullptr) {
        setup_.port->Close();
    }
    portOpen_ = false;
    Line("");
    Line("COM " + PortNumber() + " ist geschlossen.");
}

int CountDeviceRecords(const std::string& fileName) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(std::filesystem::u8path(fileName), ec);
    if (ec) {
        throw EInOutError(UnableToReadMessage(fileName));
    }
    return static_cast<int>(size / kDeviceRecordSize);
}

std::string BuildSendFrame(const std::string& line) {
    std::string frame(kSendFrameSize, ' ');
    frame[0] = '\x00';
    frame[1] = '\x01';
    if (line.size() > kFrameTextStart) {
        const std::string text = line.substr(kFrameTextStart, kFrameTextLength);
        frame.replace(2, text.size(), text);
    }
    frame[58] = '\x80';
    frame[59] = '\x00';
    return frame;
}

bool SerialLink::ReceiveFromDevice(const std::string& fileName) {
    bool result = false;
    OpenPort();
    if (!portOpen_) {
        return false;
    }
    Line("");
    PortCloser closePort{*this};
    FileCloser file;
    SerialPort& port = *setup_.port;
    bool lost = false;

    // Writes the lines of an abort or a lost device; runs on every way out of the transfer.
    auto finish = [&] {
        if (AbortRequested) {
            result = false;
            Line("Abbruch durch Benutzer");
            Line("Keine Verbindung zum Messgerät");
        } else if (lost) {
            result = false;
            Line("Keine Verbindung zum Messgerät");
        }
        file.Close();
    };

    if (IsControlUnit()) {
        Line("1. Schalten Sie das Bedienteil T7Q ein");
        Line("2. Wählen Sie das Menü Datenverarbeitung am T7Q und bestätigen Sie mit OK");
        Line("3. Wählen Sie das Menü Datenübertragung<->PC am T7Q und bestätigen Sie mit OK");
        Line("4. Drücken Sie die Taste S am PC");
        Line("5. Verbinden Sie die Bedieneinheit T7Q mit COM " + PortNumber() + " am PC");
        Line("6. Wählen Sie Daten senden am T7Q and bestätigen Sie mit OK");
        Line("7. Starten Sie die Datenübertragung am T7Q mit OK");
        StartRequested = false;
        AbortRequested = false;
        while (!StartRequested && !AbortRequested) {
            WaitAWhile(kPollMs);
        }
        if (AbortRequested) {
            finish();
            return result;
        }
    } else {
        Line("Verbinden Sie das vexa " + DeviceName() + " mit der seriellen Schnittstelle COM " +
             PortNumber());
        Line("und schalten Sie das Gerät in den Sendemodus.");
        Line("Das Programm ist bereit zum Empfang. Starten Sie den Datentransfer am");
        Line(DeviceName() + " oder drücken Sie ESC für Ende.");
        AbortRequested = false;
    }

    try {
        file.f = std::fopen(std::filesystem::u8path(fileName).string().c_str(), "wb");
        if (file.f == nullptr) {
            throw EInOutError(UnableToWriteMessage(fileName));
        }

        // The first byte may take as long as the operator needs; only an abort ends the wait.
        while (!AbortRequested) {
            if (port.BytesWaiting() > 0) {
                break;
            }
            if (port.Lost()) {
                lost = true;
                break;
            }
            WaitAWhile(kPollMs);
        }

        if (!AbortRequested && !lost) {
            long long total = 0;
            unsigned int lastData = Now();
            char chunk[kChunkSize];
            while (true) {
                const int waiting = port.BytesWaiting();
                bool more = false;
                if (waiting > 0) {
                    const int got = port.Read(chunk, std::min(waiting, kChunkSize));
                    if (got > 0) {
                        total += got;
                        Replace(std::to_string(total / kDeviceRecordSize) +
                                " Datensätze übertragen");
                        if (std::fwrite(chunk, 1, static_cast<size_t>(got), file.f) !=
                            static_cast<size_t>(got)) {
                            throw EInOutError(UnableToWriteMessage(fileName));
                        }
                        lastData = Now();
                        more = port.BytesWaiting() > 0;
                    }
                }
                if (more) {
                    Pending();
                } else if (port.Lost()) {
                    lost = true;
                } else {
                    WaitAWhile(kSilenceMs + 1 - std::min(Since(lastData), kSilenceMs));
                }
                if (lost || AbortRequested || Since(lastData) > kSilenceMs) {
                    break;
                }
            }
            if (!lost && !AbortRequested) {
                if (std::fflush(file.f) != 0) {
                    throw EInOutError(UnableToWriteMessage(fileName));
                }
                result = total > 0;
                if (result) {
                    Line("Daten wurden korrekt gelesen bzw. geschrieben");
                }
            }
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return result;
}

bool SerialLink::SendToDevice(const std::string& fileName) {
    bool result = false;
    OpenPort();
    if (!portOpen_) {
        return false;
    }
    Line("");
    PortCloser closePort{*this};
    FileCloser file;
    SerialPort& port = *setup_.port;

    Line("Vebinden Sie das vexa® " + DeviceName() + " mit COM " + PortNumber() + " und");
    Line("schalten Sie das Messgerät in den Empfangsmodus");
    Line("");
    Line("Drücken Sie die Taste S für die Datenübertragung vom PC");
    Line("oder drücken Sie ESC für Ende.");

    StartRequested = false;
    AbortRequested = false;
    while (!StartRequested && !AbortRequested) {
        WaitAWhile(kPollMs);
    }

    if (StartRequested) {
        Line("Datenübertragung hat begonnen");
        const int total = CountDeviceRecords(fileName);
        int count = 0;
        file.f = std::fopen(std::filesystem::u8path(fileName).string().c_str(), "rb");
        if (file.f == nullptr) {
            throw EInOutError(UnableToReadMessage(fileName));
        }
        std::string line;
        while (!AbortRequested && ReadFrameLine(file.f, line)) {
            if (std::ferror(file.f)) {
                throw EInOutError(UnableToReadMessage(fileName));
            }
            ++count;
            port.Purge();
            const std::string frame = BuildSendFrame(line);
            port.Write(frame.data(), static_cast<int>(frame.size()));

            const unsigned int written = Now();
            int waiting = 0;
            while (true) {
                waiting = port.BytesWaiting();
                if (waiting > 0) {
                    break;
                }
                // A vanished device will not answer; no need to sit out the limit.
                if (Since(written) > kAnswerMs || port.Lost()) {
                    AbortRequested = true;
                }
                if (AbortRequested) {
                    break;
                }
                WaitAWhile(kAnswerMs + 1 - std::min(Since(written), kAnswerMs));
            }

            char answer[kAnswerBufferSize] = {};
            if (waiting > 0) {
                port.Read(answer, std::min(waiting, kAnswerBufferSize));
            }
            if (static_cast<unsigned char>(answer[0]) == 0xFF) {
                Replace("Datensatz " + std::to_string(count) + " von " + std::to_string(total) +
                        " übertragen.");
            } else {
                AbortRequested = true;
                Line("Daten gesendet aber Messgerät antwortet nicht.");
                Line("Bitte prüfen Sie, ob Baudrate am Messgerät ");
                Line("und im Programm gleich sind.");
                Line("Verbindung zum Messgerät nicht möglich.");
            }
            Pending();
        }
        if (std::ferror(file.f)) {
            throw EInOutError(UnableToReadMessage(fileName));
        }
        file.Close();
        if (!AbortRequested) {
            Line("Daten wurden korrekt gelesen bzw. geschrieben");
            result = true;
        }
        AbortRequested = false;
    }

    if (AbortRequested) {
        Line("Abbruch durch Benutzer");
        Line("Verbindung zum Messgerät nicht möglich");
    }
    return result;
}
