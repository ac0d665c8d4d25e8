// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecentFiles.h"

#include "core/files/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using Names = std::vector<std::string>;

TEST(RecentFiles, NewestFirstFourAtMost) {
    RecentFiles recent;
    for (const char* name : {"/a.csv", "/b.csv", "/c.csv", "/d.csv"}) {
        EXPECT_TRUE(recent.Add(name));
    }
    EXPECT_EQ(recent.Names(), (Names{"/d.csv", "/c.csv", "/b.csv", "/a.csv"}));
    // Used again: moves to the front instead of appearing twice.
    EXPECT_TRUE(recent.Add("/b.csv"));
    EXPECT_FALSE(recent.Add("/b.csv"));
    EXPECT_EQ(recent.Names(), (Names{"/b.csv", "/d.csv", "/c.csv", "/a.csv"}));
    // A fifth drops the oldest.
    EXPECT_TRUE(recent.Add("/e.csv"));
    EXPECT_EQ(recent.Names(), (Names{"/e.csv", "/b.csv", "/d.csv", "/c.csv"}));
    EXPECT_TRUE(recent.Remove("/d.csv"));
    EXPECT_FALSE(recent.Remove("/d.csv"));
    EXPECT_EQ(recent.Names(), (Names{"/e.csv", "/b.csv", "/c.csv"}));
    // Nothing the settings file could not hold.
    EXPECT_FALSE(recent.Add(""));
    EXPECT_FALSE(recent.Add("/\xE2\x82\xAC\xE2\x88\x9E.csv"));
    EXPECT_EQ(recent.Names().size(), 3u);
}

TEST(RecentFiles, StoredInWindows1252InTheirOwnSection) {
    TempDir dir;
    const std::string file = dir.File("fendro.ini");
    WriteBytes(file, "[Main]\r\nFilename=C:\\k.csv\r\n");
    RecentFiles recent;
    recent.Add("/daten/alt.csv");
    recent.Add("/daten/M\xC3\xBCller.csv");
    {
        IniFile ini(file);
        recent.Write(ini);
    }
    EXPECT_EQ(ReadBytes(file), "[Main]\r\nFilename=C:\\k.csv\r\n[Zuletzt]\r\n"
                               "Datei1=/daten/M\xFCller.csv\r\nDatei2=/daten/alt.csv\r\n"
                               "Datei3=\r\nDatei4=\r\n");
    RecentFiles back;
    back.Read(IniFile(file));
    EXPECT_EQ(back.Names(), recent.Names());

    // Emptied places, and one name twice by hand, read as a short list.
    WriteBytes(file, "[Zuletzt]\r\nDatei1=\r\nDatei2=/x.csv\r\nDatei3=/y.csv\r\nDatei4=/x.csv\r\n");
    back.Read(IniFile(file));
    EXPECT_EQ(back.Names(), (Names{"/x.csv", "/y.csv"}));
}
