// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/AboutText.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(AboutText, NamesTheProgramTheLicenceAndWhereEachFileWasFound) {
    TempDir dir;
    WriteBytes(dir.File("fendro.DTA"), "[CSVGER]\r\n");
    const std::string text =
        AboutText(dir.File("fendro.ini"), dir.File("fendro.DTA"), dir.File("DEUTSCH.PDF"));
    EXPECT_EQ(text.rfind("vexa Fendro 3.03\n\n", 0), 0u) << text;
    EXPECT_NE(text.find("GNU General Public License, Version 3 oder jeder späteren Version"),
              std::string::npos);
    EXPECT_NE(text.find("\nEinstellungen: " + dir.File("fendro.ini") + "\n"), std::string::npos);
    EXPECT_NE(text.find("\nSpaltendefinitionen: " + dir.File("fendro.DTA") + "\n"),
              std::string::npos);
    EXPECT_NE(
        text.find("\nHilfedokument: nicht gefunden (gesucht: " + dir.File("DEUTSCH.PDF") + ")"),
        std::string::npos);
}

TEST(AboutText, ALinkShowsTheFileItLeadsTo) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("share"));
    WriteBytes(dir.File("share/DEUTSCH.PDF"), "%PDF");
    std::error_code ec;
    std::filesystem::create_symlink("share/DEUTSCH.PDF", dir.File("DEUTSCH.PDF"), ec);
    if (ec) {
        GTEST_SKIP() << "no symbolic links here (Windows without the privilege): " << ec.message();
    }
    const std::string real = std::filesystem::canonical(dir.File("share/DEUTSCH.PDF")).string();
    EXPECT_EQ(FoundAt(dir.File("DEUTSCH.PDF")), dir.File("DEUTSCH.PDF") + " → " + real);
    // A link that leads nowhere is a missing file.
    std::filesystem::create_symlink("share/fehlt.DTA", dir.File("fendro.DTA"));
    EXPECT_EQ(FoundAt(dir.File("fendro.DTA")),
              "nicht gefunden (gesucht: " + dir.File("fendro.DTA") + ")");
}
