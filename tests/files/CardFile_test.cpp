// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/CardFile.h"

#include "core/files/CardTable.h"
#include "core/files/FileErrors.h"
#include "core/files/Utf8Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

// A table as SetupGrids leaves it: captions and one empty card.
CardTable NewTable(int cols = 25) {
    CardTable t;
    t.SetColCount(cols);
    t.SetRowCount(2);
    for (int c = 0; c < cols; ++c) {
        t.SetCell(c, 0, "K" + std::to_string(c));
    }
    return t;
}

CardTable Loaded(const std::string& bytes, int cols = 25) {
    CardTable t = NewTable(cols);
    ReadCards(bytes, t);
    return t;
}

int FilesIn(const TempDir& dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        ++n;
    }
    return n;
}

} // namespace

TEST(SplitLine, KeepsEmptyFieldsAndReusesTheList) {
    std::vector<std::string> f = {"x", "y", "z", "w"};
    EXPECT_EQ(SplitLine(f, ",", "a,,b,"), 4);
    EXPECT_EQ(f[0], "a");
    EXPECT_EQ(f[1], "");
    EXPECT_EQ(f[2], "b");
    EXPECT_EQ(f[3], "");
    EXPECT_EQ(SplitLine(f, ",", ""), 1);
    EXPECT_EQ(f[0], "");
    EXPECT_EQ(SplitLine(f, ";;", "a;;b;c"), 2);
    EXPECT_EQ(f[1], "b;c");
}

TEST(CardFileRead, FieldsGoToTheirColumnsAndTheRestStaysEmpty) {
    const CardTable t = Loaded("a,,b\r\n");
    ASSERT_EQ(t.RowCount(), 2);
    EXPECT_EQ(t.Cell(0, 0), "K0"); // captions stay
    EXPECT_EQ(t.Cell(0, 1), "a");
    EXPECT_EQ(t.Cell(1, 1), "");
    EXPECT_EQ(t.Cell(2, 1), "b");
    for (int c = 3; c < 25; ++c) {
        EXPECT_EQ(t.Cell(c, 1), "");
    }
}

TEST(CardFileRead, LineEnds) {
    // Last line without line end, CR alone, LF after CR skipped.
    CardTable t = Loaded("A\r\nB\rC");
    ASSERT_EQ(t.RowCount(), 4);
    EXPECT_EQ(t.Cell(0, 1), "A");
    EXPECT_EQ(t.Cell(0, 2), "B");
    EXPECT_EQ(t.Cell(0, 3), "C");
    // Two line ends at the end give an extra, empty card.
    t = Loaded("A\r\n\r\n");
    ASSERT_EQ(t.RowCount(), 3);
    EXPECT_EQ(t.Cell(0, 2), "");
    // LF alone ends nothing: the whole file is one card, the LFs stay in the fields.
    t = Loaded("A,1\nB,2\n");
    ASSERT_EQ(t.RowCount(), 2);
    EXPECT_EQ(t.Cell(0, 1), "A");
    EXPECT_EQ(t.Cell(1, 1), "1\nB");
    EXPECT_EQ(t.Cell(2, 1), "2\n");
    // Byte 26 ends the data.
    t = Loaded("A\r\nB\x1A\r\nC\r\n");
    ASSERT_EQ(t.RowCount(), 3);
    EXPECT_EQ(t.Cell(0, 2), "B");
    // An empty file leaves the caption row alone.
    t = Loaded("");
    EXPECT_EQ(t.RowCount(), 1);
    EXPECT_EQ(t.Cell(1, 0), "K1");
}

TEST(CardFileRead, ExtraFieldsAreDroppedAndNotWrittenBack) {
    std::string line;
    for (int i = 0; i < 30; ++i) {
        line += (i ? "," : "") + std::to_string(i);
    }
    const CardTable t = Loaded(line + "\r\n");
    EXPECT_EQ(t.Cell(24, 1), "24");
    EXPECT_EQ(CardsText(t), "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24\r\n");
}

TEST(CardFileRead, ProgressAfterEvery25Lines) {
    std::string data;
    for (int i = 0; i < 57; ++i) {
        data += "x\r\n";
    }
    CardTable t = NewTable();
    std::vector<int> calls;
    ReadCards(data, t, [&](int lines) { calls.push_back(lines); });
    EXPECT_EQ(calls, (std::vector<int>{25, 50}));
    EXPECT_EQ(t.RowCount(), 58);
}

TEST(CardFileRead, HostileContentLoadsWithoutHarm) {
    // NUL bytes and every high byte survive a round trip.
    std::string odd("N\0ll", 4);
    for (int b = 0x80; b <= 0xFF; ++b) {
        odd += static_cast<char>(b);
    }
    CardTable t = Loaded(odd + ",x\r\n");
    EXPECT_EQ(t.Cell(0, 1), odd);
    EXPECT_EQ(CardsText(t), odd + ",x" + std::string(23, ',') + "\r\n");
    // A 10 MB line and a line of 10,000 fields.
    t = Loaded(std::string(10 * 1024 * 1024, 'a') + "\r\n" + std::string(9999, ',') + "z");
    ASSERT_EQ(t.RowCount(), 3);
    EXPECT_EQ(t.Cell(0, 1).size(), 10u * 1024 * 1024);
    EXPECT_EQ(t.RowAt(2).size(), 25u);
    EXPECT_EQ(t.Cell(24, 2), "");
}

TEST(CardFileWrite, NewTableIsOneLineOfCommas) {
    TempDir dir;
    const std::string file = dir.File("neu.csv");
    WriteCards(file, NewTable(), smOverwrite);
    EXPECT_EQ(ReadBytes(file), std::string(24, ',') + "\r\n");
    EXPECT_EQ(CountLines(file), 1);
}

TEST(CardFileWrite, OverwriteAppendAndCancel) {
    TempDir dir;
    const std::string file = dir.File("k.csv");
    WriteBytes(file, "Alt,1,2\r\n");
    CardTable t = Loaded("Alt,1,2\r\nNeu,3,4\r\n", 3);
    // Append writes every card of the table, the loaded ones included.
    WriteCards(file, t, smAppend);
    EXPECT_EQ(ReadBytes(file), "Alt,1,2\r\nAlt,1,2\r\nNeu,3,4\r\n");
    WriteCards(file, t, smCancel);
    EXPECT_EQ(ReadBytes(file), "Alt,1,2\r\nAlt,1,2\r\nNeu,3,4\r\n");
    WriteCards(file, t, smOverwrite);
    EXPECT_EQ(ReadBytes(file), "Alt,1,2\r\nNeu,3,4\r\n");
    EXPECT_EQ(FilesIn(dir), 1); // no temporary file left behind
}

TEST(CardFileWrite, AppendKeepsTheLastOldCardApart) {
    const std::string lines = "N,S,O\r\n";
    EXPECT_EQ(AppendedText("", lines), lines);
    EXPECT_EQ(AppendedText("A,B,C", lines), "A,B,C\r\n" + lines);
    EXPECT_EQ(AppendedText("A,B,C\r", lines), "A,B,C\r" + lines);
    EXPECT_EQ(AppendedText("A,B,C\r\n", lines), "A,B,C\r\n" + lines);
    EXPECT_EQ(AppendedText("A\nB\n", lines), "A\nB\n\r\n" + lines);
    // After a byte 26 nothing is read, so the new cards go before it.
    EXPECT_EQ(AppendedText("A,B,C\r\n\x1A", lines), "A,B,C\r\n" + lines);
    CardTable t = Loaded(AppendedText("A,B,C\x1A", lines), 3);
    EXPECT_EQ(t.RowCount(), 3);
    EXPECT_EQ(t.Cell(0, 2), "N");
}

TEST(CardFileWrite, FailuresLeaveTheOldFileIntact) {
    TempDir dir;
    const std::string file = dir.File("k.csv");
    const std::string old = "Alt,1,2\r\n";
    const CardTable t = Loaded("Neu,3,4\r\n", 3);

    WriteBytes(file, old);
    namespace fs = std::filesystem;
    fs::permissions(PathFromUtf8(file),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    for (TSaveMode mode : {smOverwrite, smAppend}) {
        try {
            WriteCards(file, t, mode);
            ADD_FAILURE() << "read-only file written";
        } catch (const EInOutError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + file);
        }
        EXPECT_EQ(ReadBytes(file), old);
    }
    fs::permissions(PathFromUtf8(file), fs::perms::owner_write, fs::perm_options::add);

    const std::string gone = dir.File("weg/k.csv");
    EXPECT_THROW(WriteCards(gone, t, smOverwrite), EInOutError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("weg")));
}

TEST(CardFileWrite, AFullDiskLeavesTheOldFileIntact) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file size limit that could stand in for a full disk";
#else
    TempDir dir;
    const std::string file = dir.File("k.csv");
    const std::string old = "Alt,1,2\r\n";
    WriteBytes(file, old);

    // The file size limit makes the write fail half-way.
    CardTable big = Loaded("", 3);
    for (int i = 0; i < 20000; ++i) {
        big.AppendRow({"Name" + std::to_string(i), "Strasse", "Ort"});
    }
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    bool failed = false;
    try {
        WriteCards(file, big, smOverwrite);
    } catch (const EInOutError&) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(failed);
    EXPECT_EQ(ReadBytes(file), old);
    EXPECT_EQ(FilesIn(dir), 1);
#endif
}

TEST(CardFileCount, LinesAsReadingYieldsThem) {
    TempDir dir;
    const std::string file = dir.File("c.csv");
    EXPECT_EQ(CountLines(file), 0); // missing
    const std::pair<const char*, int> cases[] = {{"", 0},
                                                 {"a", 1},
                                                 {"a\r\n", 1},
                                                 {"a\r\n\r\n", 2},
                                                 {"a\nb\n", 1},
                                                 {"\x1A"
                                                  "a\r\n",
                                                  0}};
    for (const auto& [bytes, lines] : cases) {
        WriteBytes(file, bytes);
        EXPECT_EQ(CountLines(file), lines) << bytes;
    }
}
