// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// fendro-tool due on a folder of card files: one line per customer from the newest card, the
// plant facts of an older card where the newest has none, the exempt customers after the due
// ones, and the exit codes.

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sys/wait.h>

namespace {

std::string Q(const std::string& path) {
    return "'" + path + "'";
}

int RunTool(const std::string& arguments, const TempDir& dir) {
    const std::string command = Q(std::string(FENDRO_BINARY_DIR) + "/fendro-tool") + " " +
                                arguments + " >" + Q(dir.File("out.txt")) + " 2>" +
                                Q(dir.File("err.txt"));
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A card line of 48 columns: customer, fuel, date and the plant facts by column.
std::string Card(const std::string& name, const std::string& fuel, const std::string& date,
                 const std::map<int, std::string>& facts = {}) {
    std::string line = name + ",Weg 1,Hof," + fuel;
    for (int col = 4; col < 48; ++col) {
        line += ",";
        if (col == 14) {
            line += date;
        } else if (facts.count(col) != 0) {
            line += facts.at(col);
        } else if (col < 14) {
            line += "1";
        }
    }
    return line + "\r\n";
}

} // namespace

TEST(DueTool, ListOfAFolderAndExitCodes) {
    TempDir dir;
    const std::string cards = dir.File("karten");
    std::system(("mkdir " + Q(cards)).c_str());
    WriteBytes(cards + "/a.csv",
               Card("Abel", "Erdgas", "01.03.2020", {{25, "20"}, {28, "01.05.2015"}}) +
                   Card("Bauer", "Heiz\xF6l", "02.03.2024") +
                   Card("Dorn", "Heiz\xF6l", "03.03.2025", {{25, "20"}, {28, "01.01.2020"}}) +
                   Card("Eck", "", ""));
    WriteBytes(cards + "/b.csv",
               Card("BAUER ", "Heiz\xF6l", "01.03.2019", {{25, "20"}, {28, "01.01.2000"}}) +
                   Card("Cramer", "Erdgas", "05.03.2022", {{25, "20"}, {43, "J"}}));
    const std::string ini = dir.File("fendro.ini");
    WriteBytes(ini, "");
    const std::string dta = std::string(FENDRO_BINARY_DIR) + "/fendro.DTA";
    const std::string common = " --dta " + Q(dta) + " --ini " + Q(ini);

    ASSERT_EQ(RunTool("due " + Q(cards) + " 2026" + common, dir), 0)
        << ReadBytes(dir.File("err.txt"));
    EXPECT_EQ(ReadBytes(dir.File("out.txt")),
              "Kunde;Stra\xC3\x9F"
              "e;Ort;Letzte Messung;F\xC3\xA4llig;Grund\r\n"
              "Abel;Weg 1;Hof;01.03.2020;2023;\xC3\xBC"
              "berf\xC3\xA4llig seit 2023, alle 3 Jahre: Kessel 2015 errichtet\r\n"
              "Bauer;Weg 1;Hof;02.03.2024;2026;alle 2 Jahre: Kessel 2000 errichtet\r\n"
              "Eck;Weg 1;Hof;;2026;keine Messung bekannt\r\n"
              "Cramer;Weg 1;Hof;05.03.2022;;Gas-Brennwertger\xC3\xA4t (\xC2\xA7 14 Abs. 3 Nr. 4, "
              "\xC2\xA7 15 Abs. 4 Nr. 1)\r\n");

    // Into files; the page read back.
    ASSERT_EQ(RunTool("due " + Q(cards) + " 2028 --csv " + Q(dir.File("d.csv")) + " --pdf " +
                          Q(dir.File("d.pdf")) + common,
                      dir),
              0);
    EXPECT_EQ(ReadBytes(dir.File("out.txt")), "");
    EXPECT_NE(ReadBytes(dir.File("d.csv")).find("Dorn;Weg 1;Hof;03.03.2025;2028;alle 3 Jahre"),
              std::string::npos);
    ASSERT_EQ(
        std::system(
            ("pdftotext -layout " + Q(dir.File("d.pdf")) + " " + Q(dir.File("d.txt"))).c_str()),
        0);
    const std::string page = ReadBytes(dir.File("d.txt"));
    for (const char* word : {"Fällige Messungen 2028", "Brennstoff", "Dorn", "Heizöl",
                             "Keine wiederkehrende Messung nach § 15", "Cramer", "Seite 1 von 1"}) {
        EXPECT_NE(page.find(word), std::string::npos) << word;
    }

    // Wrong usage is 2, a missing folder 1.
    for (const std::string& bad :
         {std::string("due"), "due " + Q(cards), "due " + Q(cards) + " 26",
          "due " + Q(cards) + " 2026x", "due " + Q(cards) + " 2026 --csv",
          "due " + Q(cards) + " 2026 x", "due " + Q(cards) + " 2026 --mail a"}) {
        EXPECT_EQ(RunTool(bad, dir), 2) << bad;
        EXPECT_EQ(ReadBytes(dir.File("err.txt")).rfind("Aufruf: fendro-tool due FOLDER YEAR", 0),
                  0u)
            << bad;
    }
    EXPECT_EQ(RunTool("due " + Q(dir.File("fehlt")) + " 2026" + common, dir), 1);
    EXPECT_EQ(ReadBytes(dir.File("err.txt")),
              "fendro-tool: Ordner " + dir.File("fehlt") + " nicht gefunden\n");
}
