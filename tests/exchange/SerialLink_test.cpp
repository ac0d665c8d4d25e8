// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/SerialLink.h"
#include "core/exchange/TransferLines.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/FileErrors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

class RecordedLines : public TransferLines {
public:
    void AddTransferLine(const std::string& text) override { lines.push_back(text); }
    void ReplaceTransferLine(const std::string& text) override {
        ASSERT_FALSE(lines.empty());
        lines.back() = text;
    }
    Lines lines;
};

class FakePort : public SerialPort {
public:
    bool Open(const std::string& devicePath) override {
        openedPath = devicePath;
        isOpen = openSucceeds;
        return isOpen;
    }
    void Close() override {
        isOpen = false;
        ++closes;
    }
    void SetLineSettings(int baudRate) override { baud = baudRate; }
    void SetQueueSizes(int in, int out) override {
        inQueue = in;
        outQueue = out;
    }
    void SetDtr(bool on) override { dtr = on; }
    void SetRts(bool on) override { rts = on; }
    void Purge() override {
        ++purges;
        input.clear();
    }
    int BytesWaiting() override {
        EXPECT_TRUE(isOpen);
        return static_cast<int>(input.size());
    }
    int Read(char* buffer, int maxBytes) override {
        const int n = std::min(maxBytes, static_cast<int>(input.size()));
        std::copy(input.begin(), input.begin() + n, buffer);
        input.erase(0, static_cast<size_t>(n));
        reads.push_back(n);
        return n;
    }
    void Write(const char* data, int size) override {
        EXPECT_TRUE(isOpen);
        frames.emplace_back(data, static_cast<size_t>(size));
        if (onWrite) {
            onWrite(frames.back());
        }
    }
    bool Lost() const override { return lost; }

    bool openSucceeds = true;
    bool isOpen = false;
    bool lost = false;
    std::string openedPath;
    int closes = 0;
    int baud = 0;
    int inQueue = 0;
    int outQueue = 0;
    bool dtr = true;
    bool rts = true;
    int purges = 0;
    std::string input;
    std::vector<std::string> frames;
    std::vector<int> reads;
    std::function<void(const std::string&)> onWrite;
};

// A port, a sink and a clock that moves only when the link waits; things happen at set times.
class SerialLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.DeviceType = "COM";
        settings.ComPort = 3;
        settings.BaudRate = 9600;
        SerialLinkSetup setup;
        setup.port = &port;
        setup.lines = &sink;
        setup.handlePendingMessages = [this] { RunDue(); };
        setup.waitForEvents = [this](int ms) {
            EXPECT_GT(ms, 0);
            EXPECT_LE(ms, 100);
            ++waits;
            now += static_cast<unsigned int>(ms);
            RunDue();
            // Nobody waits forever in a test.
            ASSERT_LT(waits, 100000) << "the link keeps waiting";
        };
        setup.tickCount = [this] { return now; };
        setup.devicePath = [](int n) {
            return n == 0 ? std::string() : "/dev/fake" + std::to_string(n);
        };
        link.Setup(setup);
    }
    void TearDown() override {
        EXPECT_FALSE(link.PortIsOpen());
        EXPECT_FALSE(port.isOpen);
    }

    // Runs `what` once the clock has passed `offset` ms from now.
    void At(unsigned int offset, std::function<void()> what) {
        events.emplace(now + offset - start, std::move(what));
    }
    void RunDue() {
        while (!events.empty() && events.begin()->first <= now - start) {
            auto what = std::move(events.begin()->second);
            events.erase(events.begin());
            what();
        }
    }
    void StartClockAt(unsigned int t) {
        now = t;
        start = t;
    }
    // The device answers every frame with `answer` after `delayMs`.
    void DeviceAnswers(std::string answer, unsigned int delayMs) {
        port.onWrite = [this, answer, delayMs](const std::string&) {
            At(delayMs, [this, answer] { port.input += answer; });
        };
    }
    void PressAt(unsigned int offset, bool* flag) {
        At(offset, [flag] { *flag = true; });
    }

    FakePort port;
    RecordedLines sink;
    unsigned int now = 1000;
    unsigned int start = 1000;
    int waits = 0;
    std::multimap<unsigned int, std::function<void()>> events;
    TempDir dir;
    ConnectionSettings settings;
    SerialLink link{settings};
};

std::string SendLine(const std::string& name) {
    std::string line(166, ' ');
    line.replace(58, name.size(), name);
    return line + "\r\n";
}

const Lines kSendInstructions = {
    "COM3 ist geöffnet.",
    "",
    "",
    "Vebinden Sie das vexa® COM mit COM 3 und",
    "schalten Sie das Messgerät in den Empfangsmodus",
    "",
    "Drücken Sie die Taste S für die Datenübertragung vom PC",
    "oder drücken Sie ESC für Ende.",
};
const Lines kNoAnswer = {
    "Daten gesendet aber Messgerät antwortet nicht.",
    "Bitte prüfen Sie, ob Baudrate am Messgerät ",
    "und im Programm gleich sind.",
    "Verbindung zum Messgerät nicht möglich.",
};
const Lines kClosed = {"", "COM 3 ist geschlossen."};

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

} // namespace

TEST_F(SerialLinkTest, PortThatDoesNotOpenEndsBothProceduresAtOnce) {
    settings.ComPort = 0;
    WriteBytes(dir.File("old.raw"), "alt");
    EXPECT_FALSE(link.ReceiveFromDevice(dir.File("old.raw")));
    EXPECT_EQ(sink.lines, Lines{"Kann Verbindung über COM0 nicht öffnen"});
    EXPECT_EQ(ReadBytes(dir.File("old.raw")), "alt");

    sink.lines.clear();
    settings.ComPort = 4;
    port.openSucceeds = false;
    link.StartRequested = true;
    EXPECT_FALSE(link.SendToDevice(dir.File("old.raw")));
    EXPECT_EQ(sink.lines, Lines{"Kann Verbindung über COM4 nicht öffnen"});
    EXPECT_EQ(port.openedPath, "/dev/fake4");
    EXPECT_TRUE(port.frames.empty());
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(port.closes, 0);
}

TEST_F(SerialLinkTest, LineSettingsOfBothVariants) {
    settings.BaudRate = 9600;
    settings.DeviceType = "T7Q";
    link.AbortRequested = true; // stale flag: the wait for S must clear it first
    PressAt(100, &link.AbortRequested);
    link.ReceiveFromDevice(dir.File("r.raw"));
    EXPECT_EQ(port.openedPath, "/dev/fake3");
    EXPECT_EQ(port.baud, 14400);
    EXPECT_TRUE(port.dtr);
    EXPECT_FALSE(port.rts);
    EXPECT_EQ(port.inQueue, 4096);
    EXPECT_EQ(port.outQueue, 4096);
    EXPECT_GE(waits, 4);

    for (const char* type : {"COM", "t7q", "RV"}) {
        settings.DeviceType = type;
        port.dtr = port.rts = true;
        PressAt(10, &link.AbortRequested);
        link.SendToDevice(dir.File("r.raw"));
        EXPECT_EQ(port.baud, 9600) << type;
        EXPECT_FALSE(port.dtr) << type;
        EXPECT_FALSE(port.rts) << type;
    }
}

TEST_F(SerialLinkTest, SendsOneFramePerLineWithAcknowledgement) {
    const std::string longLine = [] {
        std::string l;
        for (int i = 0; i < 166; ++i) {
            l += static_cast<char>('!' + i % 90);
        }
        return l;
    }();
    WriteBytes(dir.File("s.raw"), SendLine("M\xFCller") + "short\r\n" + longLine + "\r\n");
    DeviceAnswers("\xFF\x13\x10", 30);
    PressAt(50, &link.StartRequested);
    EXPECT_TRUE(link.SendToDevice(dir.File("s.raw")));

    ASSERT_EQ(port.frames.size(), 3u);
    for (const std::string& f : port.frames) {
        ASSERT_EQ(f.size(), 60u);
        EXPECT_EQ(f.substr(0, 2), std::string("\x00\x01", 2));
        EXPECT_EQ(f.substr(58), std::string("\x80\x00", 2));
    }
    EXPECT_EQ(port.frames[0].substr(2, 56), "M\xFCller" + std::string(50, ' '));
    EXPECT_EQ(port.frames[1].substr(2, 56), std::string(56, ' '));
    EXPECT_EQ(port.frames[2].substr(2, 56), longLine.substr(58, 56));
    // The purge before each frame throws away the rest of the previous answer.
    EXPECT_EQ(port.purges, 3);
    EXPECT_EQ(sink.lines, Join({kSendInstructions,
                                {"Datensatz 3 von 2 übertragen.",
                                 "Daten wurden korrekt gelesen bzw. geschrieben"},
                                kClosed}));
    EXPECT_FALSE(link.AbortRequested);
}

TEST_F(SerialLinkTest, AnswerLimitIsTwoSeconds) {
    WriteBytes(dir.File("s.raw"), SendLine("A") + SendLine("B") + SendLine("C"));
    link.StartRequested = true; // stale: cleared before the wait
    PressAt(20, &link.StartRequested);
    // The first answer comes exactly at the limit, the second never.
    port.onWrite = [this](const std::string&) {
        if (port.frames.size() == 1) {
            At(2000, [this] { port.input += '\xFF'; });
        }
    };
    EXPECT_FALSE(link.SendToDevice(dir.File("s.raw")));
    EXPECT_EQ(port.frames.size(), 2u);
    EXPECT_EQ(sink.lines,
              Join({kSendInstructions, {"Datensatz 1 von 3 übertragen."}, kNoAnswer, kClosed}));
    EXPECT_FALSE(link.AbortRequested);
    EXPECT_GT(now - start, 20u + 2000u + 2000u);
    EXPECT_LT(now - start, 20u + 2000u + 2000u + 100u);
}

TEST_F(SerialLinkTest, WrongAnswerStopsAfterThatFrame) {
    WriteBytes(dir.File("s.raw"), SendLine("A") + SendLine("B") + SendLine("C"));
    port.onWrite = [this](const std::string&) {
        const char answer = port.frames.size() == 2 ? '\x06' : '\xFF';
        At(5, [this, answer] { port.input += answer; });
    };
    PressAt(0, &link.StartRequested);
    EXPECT_FALSE(link.SendToDevice(dir.File("s.raw")));
    EXPECT_EQ(port.frames.size(), 2u);
    EXPECT_EQ(sink.lines,
              Join({kSendInstructions, {"Datensatz 1 von 3 übertragen."}, kNoAnswer, kClosed}));
}

TEST_F(SerialLinkTest, AbortsDuringTheSend) {
    WriteBytes(dir.File("s.raw"), SendLine("A") + SendLine("B") + SendLine("C"));

    // ESC while waiting for S: nothing goes out.
    PressAt(500, &link.AbortRequested);
    EXPECT_FALSE(link.SendToDevice(dir.File("s.raw")));
    EXPECT_TRUE(port.frames.empty());
    EXPECT_EQ(sink.lines,
              Join({kSendInstructions,
                    {"Abbruch durch Benutzer", "Verbindung zum Messgerät nicht möglich"},
                    kClosed}));

    // Abbruch while an answer is awaited: the no-answer lines, no further frame.
    sink.lines.clear();
    port.onWrite = [this](const std::string&) {
        if (port.frames.size() == 1) {
            At(5, [this] { port.input += '\xFF'; });
        } else {
            At(300, [this] { link.AbortRequested = true; });
        }
    };
    PressAt(10, &link.StartRequested);
    EXPECT_FALSE(link.SendToDevice(dir.File("s.raw")));
    EXPECT_EQ(port.frames.size(), 2u);
    EXPECT_EQ(sink.lines,
              Join({kSendInstructions, {"Datensatz 1 von 3 übertragen."}, kNoAnswer, kClosed}));

    // Abort right after an accepted frame: the loop ends, no success line, no abort line.
    sink.lines.clear();
    port.frames.clear();
    port.onWrite = [this](const std::string&) {
        At(5, [this] {
            port.input += '\xFF';
            link.AbortRequested = true;
        });
    };
    PressAt(10, &link.StartRequested);
    EXPECT_FALSE(link.SendToDevice(dir.File("s.raw")));
    EXPECT_EQ(port.frames.size(), 1u);
    EXPECT_EQ(sink.lines, Join({kSendInstructions, {"Datensatz 1 von 3 übertragen."}, kClosed}));
    EXPECT_FALSE(link.AbortRequested);
}

TEST_F(SerialLinkTest, VanishedDeviceEndsTheSendWithoutWaitingTheLimit) {
    WriteBytes(dir.File("s.raw"), SendLine("A") + SendLine("B"));
    port.onWrite = [this](const std::string&) { At(5, [this] { port.lost = true; }); };
    PressAt(0, &link.StartRequested);
    EXPECT_FALSE(link.SendToDevice(dir.File("s.raw")));
    EXPECT_EQ(port.frames.size(), 1u);
    EXPECT_LT(now - start, 200u);
    EXPECT_EQ(sink.lines,
              Join({kSendInstructions, {"Datenübertragung hat begonnen"}, kNoAnswer, kClosed}));
}

TEST_F(SerialLinkTest, SendFileErrorsReachTheCallerAfterThePortIsClosed) {
    PressAt(0, &link.StartRequested);
    EXPECT_THROW(link.SendToDevice(dir.File("missing.raw")), EInOutError);
    EXPECT_EQ(sink.lines, Join({kSendInstructions, {"Datenübertragung hat begonnen"}, kClosed}));
}

TEST_F(SerialLinkTest, ReceivesUntilMoreThanTwoSecondsOfSilence) {
    // The counter wraps during the transfer.
    StartClockAt(0xFFFFFFFFu - 1500u);
    const std::string first(300, '\x00');
    std::string second;
    for (int i = 0; i < 200; ++i) {
        second += static_cast<char>(i);
    }
    At(400, [&] { port.input += first; });
    // A pause of 1.9 s goes on; the 2.1 s pause after the second part ends the receive.
    At(400 + 1900, [&] { port.input += second; });
    At(400 + 1900 + 2100, [&] { port.input += "late"; });
    EXPECT_TRUE(link.ReceiveFromDevice(dir.File("r.raw")));
    EXPECT_EQ(ReadBytes(dir.File("r.raw")), first + second);
    EXPECT_EQ(sink.lines,
              Join({{"COM3 ist geöffnet.", "", "",
                     "Verbinden Sie das vexa COM mit der seriellen Schnittstelle COM 3",
                     "und schalten Sie das Gerät in den Sendemodus.",
                     "Das Programm ist bereit zum Empfang. Starten Sie den "
                     "Datentransfer am",
                     "2 Datensätze übertragen", "Daten wurden korrekt gelesen bzw. geschrieben"},
                    kClosed}));
    EXPECT_GT(now - start, 400u + 1900u + 2000u);
    EXPECT_LT(now - start, 400u + 1900u + 2100u);
}

TEST_F(SerialLinkTest, ReadsAtMostOneChunkAtATime) {
    port.input = std::string(10000, 'x');
    EXPECT_TRUE(link.ReceiveFromDevice(dir.File("r.raw")));
    EXPECT_EQ(port.reads, (std::vector<int>{4096, 4096, 1808}));
    EXPECT_EQ(ReadBytes(dir.File("r.raw")).size(), 10000u);
    EXPECT_EQ(sink.lines[sink.lines.size() - 4], "59 Datensätze übertragen");
}

TEST_F(SerialLinkTest, ControlUnitWaitsForTheKeyS) {
    settings.DeviceType = "T7Q";
    WriteBytes(dir.File("r.raw"), "vorher");
    // Bytes that arrive before S wait in the queue.
    At(100, [&] { port.input += std::string(168, 'a'); });
    PressAt(5000, &link.StartRequested);
    EXPECT_TRUE(link.ReceiveFromDevice(dir.File("r.raw")));
    EXPECT_EQ(ReadBytes(dir.File("r.raw")), std::string(168, 'a'));
    const Lines expected = {"COM3 ist geöffnet.",
                            "",
                            "",
                            "1. Schalten Sie das Bedienteil T7Q ein",
                            "2. Wählen Sie das Menü Datenverarbeitung am T7Q und bestätigen Sie "
                            "mit OK",
                            "3. Wählen Sie das Menü Datenübertragung<->PC am T7Q und bestätigen "
                            "Sie mit OK",
                            "4. Drücken Sie die Taste S am PC",
                            "5. Verbinden Sie die Bedieneinheit T7Q mit COM 3 am PC",
                            "6. Wählen Sie Daten senden am T7Q and bestätigen Sie mit OK",
                            "1 Datensätze übertragen",
                            "Daten wurden korrekt gelesen bzw. geschrieben",
                            "",
                            "COM 3 ist geschlossen."};
    EXPECT_EQ(sink.lines, expected);

    // ESC while the instructions wait for S leaves the file untouched.
    sink.lines.clear();
    PressAt(300, &link.AbortRequested);
    EXPECT_FALSE(link.ReceiveFromDevice(dir.File("r.raw")));
    EXPECT_EQ(ReadBytes(dir.File("r.raw")), std::string(168, 'a'));
    EXPECT_EQ(Lines(sink.lines.end() - 4, sink.lines.end()),
              Join({{"Abbruch durch Benutzer", "Keine Verbindung zum Messgerät"}, kClosed}));
}

TEST_F(SerialLinkTest, AbortsDuringTheReceive) {
    // ESC before the first byte: an empty file, however long the device kept quiet.
    WriteBytes(dir.File("r.raw"), "vorher");
    PressAt(60000, &link.AbortRequested);
    EXPECT_FALSE(link.ReceiveFromDevice(dir.File("r.raw")));
    EXPECT_EQ(ReadBytes(dir.File("r.raw")), "");
    EXPECT_EQ(Lines(sink.lines.end() - 5, sink.lines.end()),
              Join({{"COM oder drücken Sie ESC für Ende.", "Abbruch durch Benutzer",
                     "Keine Verbindung zum Messgerät"},
                    kClosed}));
    EXPECT_GE(now - start, 60000u);

    // Abort in the middle: the file keeps what came before.
    sink.lines.clear();
    port.input = "abc";
    At(100, [&] { port.input += "def"; });
    At(150, [&] { link.AbortRequested = true; });
    At(160, [&] { port.input += "ghi"; });
    EXPECT_FALSE(link.ReceiveFromDevice(dir.File("r.raw")));
    EXPECT_EQ(ReadBytes(dir.File("r.raw")), "abcdef");
    EXPECT_EQ(Lines(sink.lines.end() - 5, sink.lines.end()),
              Join({{"0 Datensätze übertragen", "Abbruch durch Benutzer",
                     "Keine Verbindung zum Messgerät"},
                    kClosed}));
}

TEST_F(SerialLinkTest, VanishedDeviceEndsTheReceiveAsFailed) {
    port.input = std::string(200, 'x');
    At(50, [&] { port.lost = true; });
    EXPECT_FALSE(link.ReceiveFromDevice(dir.File("r.raw")));
    EXPECT_EQ(ReadBytes(dir.File("r.raw")).size(), 200u);
    EXPECT_LT(now - start, 200u);
    EXPECT_EQ(Lines(sink.lines.end() - 4, sink.lines.end()),
              Join({{"1 Datensätze übertragen", "Keine Verbindung zum Messgerät"}, kClosed}));

    // Gone before the first byte: no endless wait either.
    sink.lines.clear();
    port.lost = false;
    At(1000, [&] { port.lost = true; });
    EXPECT_FALSE(link.ReceiveFromDevice(dir.File("r.raw")));
    EXPECT_EQ(sink.lines.back(), "COM 3 ist geschlossen.");
}

TEST_F(SerialLinkTest, ReceiveFileThatCannotBeCreated) {
    EXPECT_THROW(link.ReceiveFromDevice(dir.File("no/such/folder/r.raw")), EInOutError);
    EXPECT_EQ(Lines(sink.lines.end() - 2, sink.lines.end()), kClosed);
}

TEST(CountDeviceRecords, WholeRecordsOnly) {
    TempDir dir;
    WriteBytes(dir.File("a"), std::string(500, '\0'));
    WriteBytes(dir.File("b"), std::string(167, ' '));
    WriteBytes(dir.File("c"), "");
    EXPECT_EQ(CountDeviceRecords(dir.File("a")), 2);
    EXPECT_EQ(CountDeviceRecords(dir.File("b")), 0);
    EXPECT_EQ(CountDeviceRecords(dir.File("c")), 0);
    EXPECT_THROW(CountDeviceRecords(dir.File("missing")), EInOutError);
}
