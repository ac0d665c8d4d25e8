// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileStamp.h"
#include "core/files/Utf8Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace {

// Moves the file's modification time on by a millisecond.
void Nudge(const std::string& f) {
#ifdef _WIN32
    // The library sets whole seconds only there.
    const HANDLE h = CreateFileW(PathFromUtf8(f).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME t;
    ASSERT_TRUE(GetFileTime(h, nullptr, nullptr, &t));
    ULARGE_INTEGER ticks;
    ticks.LowPart = t.dwLowDateTime;
    ticks.HighPart = t.dwHighDateTime;
    ticks.QuadPart += 10000;
    t.dwLowDateTime = ticks.LowPart;
    t.dwHighDateTime = ticks.HighPart;
    EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &t));
    CloseHandle(h);
#else
    fs::last_write_time(f, fs::last_write_time(f) + std::chrono::milliseconds(1));
#endif
}

} // namespace

TEST(FileStamp, AChangeByAnotherProgramIsNoticedForTheRememberedFileOnly) {
    TempDir dir;
    const std::string f = dir.File("kunden.csv");
    WriteBytes(f, "Abel,Weg 1,Bonn\r\n");
    KnownFile known;
    known.Remember(f);
    EXPECT_FALSE(known.ChangedOnDisk(f));

    // Same size, other time: a colleague changed a card.
    const auto t = fs::last_write_time(f);
    WriteBytes(f, "Abel,Weg 2,Bonn\r\n");
    fs::last_write_time(f, t + std::chrono::seconds(2));
    EXPECT_TRUE(known.ChangedOnDisk(f));
    EXPECT_FALSE(known.ChangedOnDisk(dir.File("andere.csv")));
    EXPECT_FALSE(known.ChangedOnDisk(""));

    // Remembered again after our own save; then a card added at the same time stamp.
    known.Remember(f);
    EXPECT_FALSE(known.ChangedOnDisk(f));
    const auto same = fs::last_write_time(f);
    WriteBytes(f, "Abel,Weg 2,Bonn\r\nZander,Hof,Kiel\r\n");
    fs::last_write_time(f, same);
    EXPECT_TRUE(known.ChangedOnDisk(f));

    // Within the same second: the stamp is as fine as the file system's clock.
    fs::last_write_time(f, std::chrono::floor<std::chrono::seconds>(fs::last_write_time(f)));
    known.Remember(f);
    Nudge(f);
    EXPECT_TRUE(known.ChangedOnDisk(f));

    // A file that is gone has nothing to lose.
    fs::remove(f);
    EXPECT_FALSE(known.ChangedOnDisk(f));
    EXPECT_FALSE(StampOf(f).exists);
}
