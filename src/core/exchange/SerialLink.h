// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial link to the measuring device: opens the port with the device's line settings,
// sends a serial device file frame by frame with acknowledgement, and stores the device's
// stream in a file. The outside world comes in through SerialLinkSetup: the port, the
// transfer-line sink, the event pump and the clock; the device type, port number and baud rate
// come from the connection settings.

#include "core/exchange/RecordSize.h"

#include <functional>
#include <string>

class TransferLines;
struct ConnectionSettings;

// The port as the link uses it. Every call returns at once; a port that refuses a setting is
// left as it is.
class SerialPort {
public:
    virtual ~SerialPort() = default;
    // Opens the device file for reading and writing, exclusively. False when that fails.
    virtual bool Open(const std::string& devicePath) = 0;
    virtual void Close() = 0;
    // 8 data bits, no parity, two stop bits, no flow control.
    virtual void SetLineSettings(int baudRate) = 0;
    virtual void SetQueueSizes(int inputBytes, int outputBytes) = 0;
    virtual void SetDtr(bool on) = 0;
    virtual void SetRts(bool on) = 0;
    // Aborts pending reads and writes and empties both queues.
    virtual void Purge() = 0;
    // The number of bytes in the input queue; line errors are cleared on the way.
    virtual int BytesWaiting() = 0;
    // Reads at most `maxBytes` of what is waiting; the number read.
    virtual int Read(char* buffer, int maxBytes) = 0;
    virtual void Write(const char* data, int size) = 0;
    // True once the device is gone (unplugged, the other end closed).
    virtual bool Lost() const = 0;
};

struct SerialLinkSetup {
    SerialPort* port = nullptr;
    TransferLines* lines = nullptr;
    // Delivers what is pending and returns.
    std::function<void()> handlePendingMessages;
    // As above, but waits up to the given milliseconds for the next event when none is pending.
    std::function<void(int maxWaitMs)> waitForEvents;
    // Milliseconds; may wrap.
    std::function<unsigned int()> tickCount;
    // The device file of port number n; empty when the number names none. When not set, the
    // [Ports] entries of the settings file and the fixed table decide.
    std::function<std::string(int n)> devicePath;
};

// Limits and sizes of the device's protocol.
constexpr int kSendFrameSize = 60;
constexpr unsigned int kSilenceMs = 2000;
constexpr unsigned int kAnswerMs = 2000;
constexpr int kControlUnitBaudRate = 14400;

// One transfer at a time. The device type, port number and baud rate are read from `settings`
// as the port is opened, reported and closed, so they must outlive every transfer; the
// destructor does not read them.
class SerialLink {
public:
    explicit SerialLink(const ConnectionSettings& settings, SerialLinkSetup setup = {});
    // Closes a port still open, without a line.
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Replaces the link's surroundings; a port still open is closed without a line.
    void Setup(const SerialLinkSetup& setup);

    void OpenPort();
    void ClosePort();
    bool PortIsOpen() const { return portOpen_; }

    // Stores what the device sends in `fileName`; true only when bytes arrived, the stream
    // ended by silence and the user did not abort. File errors are thrown after the port is
    // closed.
    bool ReceiveFromDevice(const std::string& fileName);
    // Sends one frame per line of the serial device file `fileName`; the outcome is reported in
    // the transfer lines, and the result is true when every line was acknowledged. File errors
    // are thrown after the port is closed.
    bool SendToDevice(const std::string& fileName);

    // Requests of the transfer window: S sets the first; ESC, the Abbruch button and closing
    // the window set the second. The procedures clear them before they wait.
    bool StartRequested = false;
    bool AbortRequested = false;

private:
    bool IsControlUnit() const;
    std::string PortNumber() const;
    std::string DeviceName() const;
    void Line(const std::string& text);
    void Replace(const std::string& text);
    unsigned int Now() const;
    unsigned int Since(unsigned int start) const;
    void Pending();
    void WaitAWhile(unsigned int ms);

    const ConnectionSettings& settings_;
    SerialLinkSetup setup_;
    bool portOpen_ = false; // the link's ComHandle
};

// The number of whole 168-byte records in the file. Throws EInOutError when it cannot be read.
int CountDeviceRecords(const std::string& fileName);

// The 60-byte frame for one line of a serial device file (its characters 59 to 114).
std::string BuildSendFrame(const std::string& line);
