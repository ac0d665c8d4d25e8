// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileStamp.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace fs = std::filesystem;

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

    // A file that is gone has nothing to lose.
    fs::remove(f);
    EXPECT_FALSE(known.ChangedOnDisk(f));
    EXPECT_FALSE(StampOf(f).exists);
}
