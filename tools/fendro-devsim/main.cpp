// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// fendro-devsim: plays the measuring device on a pseudo-terminal, so that the transfers can be
// tried and tested without a device. The pseudo-terminal is published under a COM number as a
// [Ports] entry of a settings file.

#include "Records.h"

#include "core/files/IniFile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#define FENDRO_DEVSIM_PTY 1
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

const char kHelp[] =
    "Aufruf:\n"
    "  fendro-devsim send    --com N [--ini DATEI] [--once] (--file ROHDATEI | --count N)\n"
    "                        [Optionen]\n"
    "  fendro-devsim receive --com N [--ini DATEI] [--once] --names DATEI [Optionen]\n"
    "  fendro-devsim generate N ROHDATEI [--seed S]\n"
    "\n"
    "Spielt das Messgerät an einem Pseudo-Terminal. Der Pfad des Terminals wird ausgegeben\n"
    "und mit --ini als Eintrag COM<N>=<Pfad> im Abschnitt [Ports] der Einstellungsdatei\n"
    "gespeichert; Fendro und fendro-tool finden die Schnittstelle dann unter COM N.\n"
    "\n"
    "Jedes Öffnen durch den PC ist eine Sitzung; das Programm läuft, bis es mit Ctrl-C\n"
    "beendet wird (mit --once nach der ersten Sitzung).\n"
    "\n"
    "send (Messgerät zum PC): sobald der PC die Schnittstelle geöffnet hat und --delay\n"
    "vergangen ist, werden die Datensätze (je 168 Byte) ohne Handshake gesendet. Danach\n"
    "bleibt die Schnittstelle offen, bis der PC sie schließt.\n"
    "  --file ROHDATEI     sendet die Bytes dieser Datei unverändert\n"
    "  --count N           sendet N erzeugte Messungen (mit --seed S wiederholbar)\n"
    "  --delay MS          Wartezeit nach dem Öffnen durch den PC (Vorgabe 1000)\n"
    "  --pause-at BYTE     hält nach so vielen Bytes an ...\n"
    "  --pause-ms MS       ... für so lange (Vorgabe 1900)\n"
    "  --cut-at BYTE       hört nach so vielen Bytes auf zu senden (bleibt verbunden)\n"
    "  --vanish-at BYTE    schließt nach so vielen Bytes das Terminal (Gerät verschwindet)\n"
    "  --noise PROMILLE    verfälscht so viele von tausend Bytes (Leitungsstörung)\n"
    "  --drip MS           sendet langsam: ein Byte alle MS Millisekunden\n"
    "  --save-sent DATEI   speichert die gesendeten Bytes (nach --noise)\n"
    "\n"
    "receive (PC zum Messgerät): liest 60-Byte-Rahmen (00 01, 56 Zeichen, 80 00), antwortet\n"
    "auf jeden mit dem Byte FF und schreibt Name, Straße und Ort jedes Rahmens als Zeile\n"
    "\"Name,Straße,Ort\" in die Namensdatei.\n"
    "  --names DATEI       Datei für die empfangenen Namen (wird neu angelegt)\n"
    "  --answer BYTE       antwortet mit diesem Byte statt FF (dezimal oder 0x..)\n"
    "  --late MS           antwortet erst nach MS Millisekunden\n"
    "  --silent-after N    antwortet nach N Rahmen nicht mehr\n"
    "\n"
    "generate: schreibt N erzeugte Messungen als Rohdatei (168 Byte je Datensatz).\n"
    "Höchstens 1000000 erzeugte Datensätze.\n";

// Generated records are held in memory; a million is 168 MB.
constexpr long kMaxRecords = 1000000;

int Usage() {
    std::fputs(kHelp, stderr);
    return 2;
}

struct Options {
    std::string mode;
    std::vector<std::string> positional;
    int com = 0;
    std::string ini;
    std::string file;
    long count = -1;
    unsigned seed = 1;
    long delayMs = 1000;
    long pauseAt = -1;
    long pauseMs = 1900;
    long cutAt = -1;
    long vanishAt = -1;
    long noise = 0;
    long dripMs = 0;
    std::string saveSent;
    std::string names;
    int answer = 0xFF;
    long lateMs = 0;
    long silentAfter = -1;
    bool once = false;
};

bool ParseNumber(const std::string& text, long& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || v < 0) {
        return false;
    }
    value = v;
    return true;
}

bool ParseOptions(int argc, char** argv, Options& o) {
    if (argc < 2) {
        return false;
    }
    o.mode = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--", 0) != 0) {
            o.positional.push_back(a);
            continue;
        }
        if (a == "--once") {
            o.once = true;
            continue;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "fendro-devsim: %s braucht einen Wert\n", a.c_str());
            return false;
        }
        const std::string v = argv[++i];
        long n = 0;
        const bool isNumber = ParseNumber(v, n);
        auto number = [&](long& target) {
            if (!isNumber) {
                std::fprintf(stderr, "fendro-devsim: %s: \"%s\" ist keine Zahl\n", a.c_str(),
                             v.c_str());
                return false;
            }
            target = n;
            return true;
        };
        long tmp = 0;
        if (a == "--com") {
            if (!number(tmp) || tmp < 1 || tmp > 255) {
                std::fputs("fendro-devsim: --com braucht eine Nummer von 1 bis 255\n", stderr);
                return false;
            }
            o.com = static_cast<int>(tmp);
        } else if (a == "--ini") {
            o.ini = v;
        } else if (a == "--file") {
            o.file = v;
        } else if (a == "--count") {
            if (!number(o.count) || o.count > kMaxRecords) {
                std::fprintf(stderr, "fendro-devsim: --count höchstens %ld\n", kMaxRecords);
                return false;
            }
        } else if (a == "--seed") {
            if (!number(tmp)) {
                return false;
            }
            o.seed = static_cast<unsigned>(tmp);
        } else if (a == "--delay") {
            if (!number(o.delayMs)) {
                return false;
            }
        } else if (a == "--pause-at") {
            if (!number(o.pauseAt)) {
                return false;
            }
        } else if (a == "--pause-ms") {
            if (!number(o.pauseMs)) {
                return false;
            }
        } else if (a == "--cut-at") {
            if (!number(o.cutAt)) {
                return false;
            }
        } else if (a == "--vanish-at") {
            if (!number(o.vanishAt)) {
                return false;
            }
        } else if (a == "--noise") {
            if (!number(o.noise) || o.noise > 1000) {
                return false;
            }
        } else if (a == "--drip") {
            if (!number(o.dripMs)) {
                return false;
            }
        } else if (a == "--save-sent") {
            o.saveSent = v;
        } else if (a == "--names") {
            o.names = v;
        } else if (a == "--answer") {
            if (!number(tmp) || tmp > 255) {
                std::fputs("fendro-devsim: --answer braucht ein Byte (0 bis 255)\n", stderr);
                return false;
            }
            o.answer = static_cast<int>(tmp);
        } else if (a == "--late") {
            if (!number(o.lateMs)) {
                return false;
            }
        } else if (a == "--silent-after") {
            if (!number(o.silentAfter)) {
                return false;
            }
        } else {
            std::fprintf(stderr, "fendro-devsim: unbekannte Option %s\n", a.c_str());
            return false;
        }
    }
    return true;
}

bool WriteFile(const std::string& name, const std::string& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

#ifdef FENDRO_DEVSIM_PTY

bool ReadFile(const std::string& name, std::string& bytes) {
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

void SleepMs(long ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

class Pty {
public:
    bool Create() {
        fd_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
            return false;
        }
        const char* name = ptsname(fd_);
        if (name == nullptr) {
            return false;
        }
        path_ = name;
        // Raw from the start, so nothing is echoed or translated before the PC sets the line.
        // Opening and closing the other end once makes the master report a hang-up until the
        // PC opens it, which is how the PC's arrival shows.
        const int peer = open(name, O_RDWR | O_NOCTTY);
        if (peer < 0) {
            return false;
        }
        termios t{};
        if (tcgetattr(peer, &t) == 0) {
            cfmakeraw(&t);
            tcsetattr(peer, TCSANOW, &t);
        }
        close(peer);
        return true;
    }
    ~Pty() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    const std::string& Path() const { return path_; }

    // While nobody holds the other end open, the master reports a hang-up.
    bool PeerOpen() const {
        pollfd p{fd_, POLLIN, 0};
        return !(poll(&p, 1, 0) > 0 && (p.revents & POLLHUP));
    }
    void WaitForPeer() const {
        while (!PeerOpen()) {
            SleepMs(20);
        }
    }
    // The line settings the PC chose, as far as a pseudo-terminal keeps them.
    std::string LineSettings() const {
        termios t{};
        if (tcgetattr(fd_, &t) != 0) {
            return "unbekannt";
        }
        const struct {
            speed_t code;
            const char* text;
        } speeds[] = {{B1200, "1200"},   {B2400, "2400"},   {B4800, "4800"},   {B9600, "9600"},
                      {B19200, "19200"}, {B38400, "38400"}, {B57600, "57600"}, {B115200, "115200"}};
        std::string baud = "andere";
        for (const auto& s : speeds) {
            if (cfgetospeed(&t) == s.code) {
                baud = s.text;
            }
        }
        const tcflag_t size = t.c_cflag & CSIZE;
        const char* bits = size == CS8 ? "8" : size == CS7 ? "7" : size == CS6 ? "6" : "5";
        const char* parity = !(t.c_cflag & PARENB)  ? "keine"
                             : (t.c_cflag & PARODD) ? "ungerade"
                                                    : "gerade";
        return baud + " Baud, " + bits + " Datenbits, Parität " + parity + ", " +
               ((t.c_cflag & CSTOPB) ? "2" : "1") + " Stoppbits";
    }
    // Writes all bytes; false when the PC closed its end.
    bool WriteAll(const char* data, size_t size) const {
        while (size > 0) {
            pollfd p{fd_, POLLOUT, 0};
            if (poll(&p, 1, 200) < 0 && errno != EINTR) {
                return false;
            }
            if (p.revents & (POLLHUP | POLLERR)) {
                return false;
            }
            if (!(p.revents & POLLOUT)) {
                continue;
            }
            const ssize_t n = write(fd_, data, size);
            if (n < 0) {
                if (errno == EAGAIN || errno == EINTR) {
                    continue;
                }
                return false;
            }
            data += n;
            size -= static_cast<size_t>(n);
        }
        return true;
    }
    // Waits up to `ms` for bytes; returns the number read, 0 on time-out, -1 when the PC closed
    // its end.
    long Read(char* buffer, size_t size, int ms) const {
        pollfd p{fd_, POLLIN, 0};
        const int r = poll(&p, 1, ms);
        if (r < 0) {
            return errno == EINTR ? 0 : -1;
        }
        if (r == 0) {
            return 0;
        }
        if (p.revents & POLLIN) {
            const ssize_t n = read(fd_, buffer, size);
            if (n > 0) {
                return n;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
                return 0;
            }
            // End of file or EIO: the PC closed its end.
            return -1;
        }
        return -1;
    }

private:
    int fd_ = -1;
    std::string path_;
};

bool Publish(const Options& o, const Pty& pty) {
    if (!o.ini.empty()) {
        try {
            IniFile ini(o.ini);
            ini.WriteString("Ports", "COM" + std::to_string(o.com), pty.Path());
        } catch (const std::exception& e) {
            std::fprintf(stderr, "fendro-devsim: %s\n", e.what());
            return false;
        }
    }
    std::printf("COM%d = %s\n", o.com, pty.Path().c_str());
    std::fflush(stdout);
    return true;
}

int RunSend(const Options& o) {
    std::string data;
    if (!o.file.empty()) {
        if (!ReadFile(o.file, data)) {
            std::fprintf(stderr, "fendro-devsim: %s kann nicht gelesen werden\n", o.file.c_str());
            return 1;
        }
    } else {
        data = GenerateRecords(o.count, o.seed);
    }
    if (o.noise > 0) {
        std::mt19937 gen(o.seed * 7919u + 1u);
        std::uniform_int_distribution<int> perMille(0, 999);
        std::uniform_int_distribution<int> byte(0, 255);
        for (char& c : data) {
            if (perMille(gen) < o.noise) {
                c = static_cast<char>(byte(gen));
            }
        }
    }
    size_t end = data.size();
    if (o.cutAt >= 0 && static_cast<size_t>(o.cutAt) < end) {
        end = static_cast<size_t>(o.cutAt);
    }
    if (o.vanishAt >= 0 && static_cast<size_t>(o.vanishAt) < end) {
        end = static_cast<size_t>(o.vanishAt);
    }
    if (!o.saveSent.empty() && !WriteFile(o.saveSent, data.substr(0, end))) {
        std::fprintf(stderr, "fendro-devsim: %s kann nicht geschrieben werden\n",
                     o.saveSent.c_str());
        return 1;
    }

    Pty pty;
    if (!pty.Create()) {
        std::perror("fendro-devsim: Pseudo-Terminal");
        return 1;
    }
    if (!Publish(o, pty)) {
        return 1;
    }
    // Every opening by the PC is a session of its own, so that a port probe or an aborted
    // transfer does not end the simulator.
    while (true) {
        pty.WaitForPeer();
        std::fputs("PC hat die Schnittstelle geöffnet\n", stderr);
        SleepMs(o.delayMs);
        std::fprintf(stderr, "Leitung: %s\n", pty.LineSettings().c_str());

        size_t pos = 0;
        const size_t pauseAt = o.pauseAt >= 0 ? static_cast<size_t>(o.pauseAt) : data.size() + 1;
        bool closed = false;
        while (pos < end) {
            size_t step = o.dripMs > 0 ? 1 : 512;
            if (pos < pauseAt && pos + step > pauseAt) {
                step = pauseAt - pos;
            }
            step = std::min(step, end - pos);
            if (!pty.WriteAll(data.data() + pos, step)) {
                std::fprintf(stderr, "PC hat die Schnittstelle nach %zu Byte geschlossen\n", pos);
                closed = true;
                break;
            }
            pos += step;
            if (pos == pauseAt) {
                SleepMs(o.pauseMs);
            }
            if (o.dripMs > 0) {
                SleepMs(o.dripMs);
            }
        }
        if (closed) {
            if (o.once) {
                return 1;
            }
            continue;
        }
        std::fprintf(stderr, "%zu Byte gesendet (%zu Datensätze)\n", pos, pos / 168);
        if (o.vanishAt >= 0 && static_cast<size_t>(o.vanishAt) == end) {
            // Let the bytes reach the PC first; a hang-up throws away what is still unread.
            SleepMs(500);
            std::fputs("Gerät verschwindet\n", stderr);
            return 0;
        }
        // A device that has sent stays connected; leaving at once would take the unread bytes
        // with the line.
        while (pty.PeerOpen()) {
            SleepMs(50);
        }
        std::fputs("PC hat die Schnittstelle geschlossen\n", stderr);
        if (o.once) {
            return 0;
        }
    }
}

// Frames until the PC closes the port; their names go into `names`.
void ReceiveSession(const Options& o, const Pty& pty, std::FILE* names) {
    std::string pending;
    long frames = 0;
    long skipped = 0;
    char buffer[4096];
    while (true) {
        const long n = pty.Read(buffer, sizeof buffer, 200);
        if (n < 0) {
            break;
        }
        pending.append(buffer, static_cast<size_t>(n));
        while (pending.size() >= 60) {
            if (!IsSendFrame(pending)) {
                // Out of step or noise: look for the next frame start.
                pending.erase(0, 1);
                ++skipped;
                continue;
            }
            const std::string line = FrameNamesLine(pending.substr(0, 60));
            pending.erase(0, 60);
            ++frames;
            if (frames == 1) {
                std::fprintf(stderr, "Leitung: %s\n", pty.LineSettings().c_str());
            }
            std::fwrite(line.data(), 1, line.size(), names);
            std::fflush(names);
            if (o.silentAfter >= 0 && frames > o.silentAfter) {
                continue;
            }
            if (o.lateMs > 0) {
                SleepMs(o.lateMs);
            }
            const char answer = static_cast<char>(o.answer);
            pty.WriteAll(&answer, 1);
        }
    }
    std::fprintf(stderr, "%ld Rahmen empfangen", frames);
    if (skipped > 0) {
        std::fprintf(stderr, ", %ld Byte außerhalb eines Rahmens", skipped);
    }
    std::fputs("\n", stderr);
}

int RunReceive(const Options& o) {
    std::FILE* names = std::fopen(o.names.c_str(), "wb");
    if (names == nullptr) {
        std::fprintf(stderr, "fendro-devsim: %s kann nicht angelegt werden\n", o.names.c_str());
        return 1;
    }
    Pty pty;
    if (!pty.Create()) {
        std::perror("fendro-devsim: Pseudo-Terminal");
        std::fclose(names);
        return 1;
    }
    if (!Publish(o, pty)) {
        std::fclose(names);
        return 1;
    }
    while (true) {
        pty.WaitForPeer();
        std::fputs("PC hat die Schnittstelle geöffnet\n", stderr);
        ReceiveSession(o, pty, names);
        if (o.once) {
            break;
        }
    }
    std::fclose(names);
    return 0;
}

#endif

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
                      std::strcmp(argv[1], "help") == 0)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    Options o;
    if (!ParseOptions(argc, argv, o)) {
        return Usage();
    }
    if (o.mode == "generate") {
        long n = 0;
        if (o.positional.size() != 2 || !ParseNumber(o.positional[0], n) || n > kMaxRecords) {
            return Usage();
        }
        if (!WriteFile(o.positional[1], GenerateRecords(n, o.seed))) {
            std::fprintf(stderr, "fendro-devsim: %s kann nicht geschrieben werden\n",
                         o.positional[1].c_str());
            return 1;
        }
        return 0;
    }
    if ((o.mode != "send" && o.mode != "receive") || !o.positional.empty() || o.com == 0) {
        return Usage();
    }
    if (o.mode == "send" && o.file.empty() == (o.count < 0)) {
        std::fputs("fendro-devsim: send braucht entweder --file oder --count\n", stderr);
        return 2;
    }
    if (o.mode == "receive" && o.names.empty()) {
        std::fputs("fendro-devsim: receive braucht --names\n", stderr);
        return 2;
    }
#ifdef FENDRO_DEVSIM_PTY
    return o.mode == "send" ? RunSend(o) : RunReceive(o);
#else
    std::fputs("fendro-devsim: Pseudo-Terminals gibt es auf diesem System nicht\n", stderr);
    return 1;
#endif
}
