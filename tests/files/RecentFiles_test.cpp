// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecentFiles.h"

#include "core/files/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using Names = std::vector<std::string>;

TEST(RecentFiles, StoredInWindows1252InTheirOwnSection) {
    TempDir dir;
    const std::string file = dir.File("fendro.ini");
    WriteBytes(file, "[Main]\r\nFilename=C:\\k.csv\r\n");
    RecentFiles recent;
    EXPECT_TRUE(recent.Add("/daten/alt.csv"));
    EXPECT_TRUE(recent.Add("/daten/M\xC3\xBCller.csv"));
    // A name the file could not hold is not taken.
    EXPECT_FALSE(recent.Add("/\xE2\x88\x9E.csv"));
    {
        IniFile ini(file);
        recent.Write(ini);
    }
    EXPECT_EQ(ReadBytes(file), "[Main]\r\nFilename=C:\\k.csv\r\n[Zuletzt]\r\n"
                               "Datei1=/daten/M\xFCller.csv\r\nDatei2=/daten/alt.csv\r\n"
                               "Datei3=\r\nDatei4=\r\n");

    // Emptied places, and one name twice by hand, read as a short list.
    WriteBytes(file, "[Zuletzt]\r\nDatei1=\r\nDatei2=/x.csv\r\nDatei3=/y.csv\r\nDatei4=/x.csv\r\n");
    recent.Read(IniFile(file));
    EXPECT_EQ(recent.Names(), (Names{"/x.csv", "/y.csv"}));
}
