// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/AtomicFile.h"
#include "core/files/FileErrors.h"
#include "core/files/Utf8Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#else
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace {

#ifndef _WIN32
// Modes, child processes, other users: POSIX only.
mode_t ModeOf(const std::string& f) {
    struct stat st {};
    EXPECT_EQ(::stat(f.c_str(), &st), 0) << f;
    return st.st_mode & 07777;
}

// Exit codes of a write run in a child process.
enum Outcome { kWritten = 0, kRefused = 1, kOtherError = 2, kNoUser = 3 };

// Runs `work` in a child process, by default as an ordinary user: the user nobody when the
// tests run as root, who may write anything. `before` runs in the child first.
int InChild(const std::function<void()>& work, const std::function<void()>& before = {},
            bool ordinaryUser = true) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (before) {
            before();
        }
        if (ordinaryUser && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(kNoUser);
        }
        try {
            work();
            ::_exit(kWritten);
        } catch (const EInOutError& e) {
            ::_exit(std::string(e.what()).rfind("Unable to write to ", 0) == 0 ? kRefused
                                                                               : kOtherError);
        } catch (...) {
            ::_exit(kOtherError);
        }
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}
#endif

std::vector<std::string> Names(const TempDir& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(PathFromUtf8(dir.Path()))) {
        out.push_back(Utf8FromPath(e.path().filename()));
    }
    return out;
}

} // namespace

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNothingBeside) {
    TempDir dir;
    const std::string f = dir.File("k\xC3\xB6ln.csv"); // a non-ASCII name
    ReplaceFileContents(f, "erste,Fassung\r\n");
    EXPECT_EQ(ReadBytes(f), "erste,Fassung\r\n");
    const std::string bytes("a\0b\r\n\x1A\xFF", 7);
    ReplaceFileContents(f, bytes);
    EXPECT_EQ(ReadBytes(f), bytes);
    ReplaceFileContents(f, "");
    EXPECT_EQ(ReadBytes(f), "");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"k\xC3\xB6ln.csv"});
}

TEST(AtomicFile, ReadOnlyTargetIsRefusedAndKept) {
    TempDir dir;
    const std::string f = dir.File("ro.ini");
    WriteBytes(f, "alt\r\n");
    fs::permissions(PathFromUtf8(f), fs::perms::owner_read | fs::perms::others_read);
    try {
        ReplaceFileContents(f, "neu\r\n");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + f);
    }
    EXPECT_EQ(ReadBytes(f), "alt\r\n");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"ro.ini"});
}

TEST(AtomicFile, UnwritablePlacesRaise) {
    TempDir dir;
    EXPECT_THROW(ReplaceFileContents(dir.File("no/such/dir/x.ini"), "x"), EInOutError);
    fs::create_directory(PathFromUtf8(dir.File("sub")));
    EXPECT_THROW(ReplaceFileContents(dir.File("sub"), "x"), EInOutError);
    EXPECT_TRUE(fs::is_directory(PathFromUtf8(dir.File("sub"))));
}

TEST(AtomicFile, KeepsRightsAndWritesThroughALink) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no owner-only rights in its file modes, and symbolic links "
                    "need a privilege there";
#endif
    TempDir dir;
    const std::string real = dir.File("real.ini");
    WriteBytes(real, "alt");
    fs::permissions(PathFromUtf8(real), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(PathFromUtf8(real), PathFromUtf8(dir.File("link.ini")));
    ReplaceFileContents(dir.File("link.ini"), "neu");
    EXPECT_TRUE(fs::is_symlink(PathFromUtf8(dir.File("link.ini"))));
    EXPECT_EQ(ReadBytes(real), "neu");
    EXPECT_EQ(fs::status(PathFromUtf8(real)).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicFile, ReadWholeFile) {
    TempDir dir;
    std::string contents = "stale";
    EXPECT_FALSE(ReadWholeFile(dir.File("missing"), contents));
    EXPECT_EQ(contents, "");
    EXPECT_FALSE(ReadWholeFile(dir.Path(), contents)); // a folder is no file
    EXPECT_FALSE(FileExists(""));
    const std::string bytes("x\0\r\n\xE4", 5);
    WriteBytes(dir.File("b"), bytes);
    EXPECT_TRUE(ReadWholeFile(dir.File("b"), contents));
    EXPECT_EQ(contents, bytes);
}

#ifndef _WIN32
// Windows has no file modes, umask, other users by setuid, file size signals or FIFOs in the
// file system; these cases are POSIX only.
TEST(AtomicFile, TheCopyIsPrivateUntilCompleteAndThenGetsTheTargetsRights) {
    TempDir dir;
    const std::string f = dir.File("karten.csv");
    WriteBytes(f, "alt\r\n");
    ::chmod(f.c_str(), 0644);
    // A save killed half way (here by the file size limit) leaves a copy only its user reads.
    const int rc = InChild([&] { ReplaceFileContents(f, std::string(100000, 'x')); },
                           [] {
                               const rlimit limit{1000, 1000};
                               ::setrlimit(RLIMIT_FSIZE, &limit);
                           },
                           false);
    EXPECT_EQ(rc, -SIGXFSZ);
    EXPECT_EQ(ReadBytes(f), "alt\r\n");
    const auto names = Names(dir);
    ASSERT_EQ(names.size(), 2u);
    for (const auto& n : names) {
        if (n != "karten.csv") {
            EXPECT_EQ(ModeOf(dir.File(n)), 0600u) << n;
        }
    }

    // A complete one takes the target's rights; a new file those of the umask.
    ::chmod(f.c_str(), 0640);
    ReplaceFileContents(f, "neu");
    EXPECT_EQ(ModeOf(f), 0640u);
    const mode_t old = ::umask(027);
    ReplaceFileContents(dir.File("neu.csv"), "x");
    ::umask(old);
    EXPECT_EQ(ModeOf(dir.File("neu.csv")), 0640u);
}

TEST(AtomicFile, OnlyFilesTheUserMayWriteAreWritten) {
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0777);
    const std::string other = dir.File("fremd.csv");
    WriteBytes(other, "fremd");
    ::chmod(other.c_str(), 0644);
    const auto write = [](const std::string& f) { return [f] { ReplaceFileContents(f, "neu"); }; };
    if (::geteuid() == 0) {
        // Another user's file in a folder everyone may write is neither replaced nor taken over.
        EXPECT_EQ(InChild(write(other)), kRefused);
        EXPECT_EQ(ReadBytes(other), "fremd");
        EXPECT_EQ(fs::status(other).permissions(), fs::perms(0644));
    }

    // A folder that takes no new files: a writable file in it is written in place, a new one
    // is refused.
    const std::string shared = dir.File("gemeinsam.csv");
    WriteBytes(shared, "alt");
    ::chmod(shared.c_str(), 0666);
    ::chmod(dir.Path().c_str(), 0555);
    const int inPlace = InChild(write(shared));
    const int fresh = InChild(write(dir.File("neu.csv")));
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(inPlace, kWritten);
    EXPECT_EQ(ReadBytes(shared), "neu");
    EXPECT_EQ(fresh, kRefused);
    EXPECT_FALSE(fs::exists(dir.File("neu.csv")));
}

TEST(AtomicFile, AReplaceThatIsDoneIsNoFailureThoughTheFolderCannotBeSynced) {
    TempDir dir;
    ::chmod(dir.Path().c_str(), 0755);
    const std::string folder = dir.File("karten");
    fs::create_directory(PathFromUtf8(folder));
    const std::string f = folder + "/karten.csv";
    WriteBytes(f, "alt");
    ::chmod(f.c_str(), 0666);
    // New files and renames need no read right on the folder; opening it for the sync does.
    ::chmod(folder.c_str(), 0333);
    const int rc = InChild([&] { ReplaceFileContents(f, "neu"); });
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(rc, kWritten);
    EXPECT_EQ(ReadBytes(f), "neu");
}

TEST(AtomicFile, StreamsAndDevicesAreWrittenIntoNeverReplaced) {
    TempDir dir;
    const std::string fifo = dir.File("rohr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = ReadBytes(fifo); });
    ReplaceFileContents(fifo, "karten\r\n");
    reader.join();
    EXPECT_EQ(received, "karten\r\n");
    EXPECT_TRUE(fs::is_fifo(fifo));

    const fs::perms nullRights = fs::status("/dev/null").permissions();
    ReplaceFileContents("/dev/null", "weg");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    {
        TempDir linkDir; // its clean-up must not touch the link's target either
        fs::create_symlink("/dev/null", linkDir.File("nichts"));
        ReplaceFileContents(linkDir.File("nichts"), "weg");
        EXPECT_TRUE(fs::is_symlink(linkDir.File("nichts")));
        EXPECT_EQ(Names(linkDir).size(), 1u);
    }
    EXPECT_EQ(fs::status("/dev/null").permissions(), nullRights);
    EXPECT_EQ(Names(dir).size(), 1u); // no copy left beside the FIFO

    // /dev/stdout on a file opened for appending adds to it.
    const std::string log = dir.File("log.txt");
    WriteBytes(log, "eins\n");
    EXPECT_EQ(InChild([] { ReplaceFileContents("/dev/stdout", "zwei\n"); },
                      [&] {
                          const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND);
                          ::dup2(fd, 1);
                      },
                      false),
              kWritten);
    EXPECT_EQ(ReadBytes(log), "eins\nzwei\n");
}
#else
// Their Windows counterparts: a device or a named pipe is written into.
TEST(AtomicFile, DevicesAndPipesAreWrittenIntoNeverReplaced) {
    ReplaceFileContents("NUL", "weg"); // replacing it would fail

    const std::wstring name = L"\\\\.\\pipe\\fendro-test-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE server = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND,
                                           PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    std::string received;
    std::thread reader([&] {
        ConnectNamedPipe(server, nullptr); // fails harmlessly when the writer came first
        char buffer[256];
        DWORD n = 0;
        while (ReadFile(server, buffer, sizeof buffer, &n, nullptr) && n > 0) {
            received.append(buffer, n);
        }
        CloseHandle(server);
    });
    ReplaceFileContents(Utf8FromPath(fs::path(name)), "karten\r\n");
    reader.join();
    EXPECT_EQ(received, "karten\r\n");
}
#endif
