// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// fendro-tool customer: the report read back from its PDF, the deletion, and the exit codes.

#include "core/customer/CustomerCards.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace {

std::string Q(const std::string& path) {
    return "'" + path + "'";
}

int RunTool(const std::string& arguments, const TempDir& dir) {
    const std::string command = Q(std::string(FENDRO_BINARY_DIR) + "/fendro-tool") + " customer " +
                                arguments + " >" + Q(dir.File("out.txt")) + " 2>" +
                                Q(dir.File("err.txt"));
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(CustomerTool, ReportForgetAndExitCodes) {
    TempDir dir;
    const std::string cards = dir.File("karten");
    std::filesystem::create_directory(cards);
    const std::string other = "Meier,Weg 1,K\xF6ln,Erdgas,150\r\n";
    WriteBytes(cards + "/a.csv", "M\xFCller,Weg 1,K\xF6ln,Erdgas,160,20,55,3.2,10.0,14,0,1.18,"
                                 "6.4,93.6,03.02.2025,10:30\r\n" +
                                     other);
    WriteBytes(cards + "/b.csv", "m\xFCller ,weg 1,K\xD6LN,Heiz\xF6l\r\n");
    const std::string who = Q(cards) + " 'Müller' 'Weg 1' 'Köln' ";
    const std::string dta = " --dta " + Q(std::string(FENDRO_BINARY_DIR) + "/fendro.DTA");

    // Wrong calls.
    EXPECT_EQ(RunTool(who + "report", dir), 2);
    EXPECT_EQ(RunTool(who + "forget --anonymize", dir), 2);
    EXPECT_EQ(RunTool(Q(cards) + " '' ' ' '' forget", dir), 2);
    EXPECT_EQ(RunTool(Q(dir.File("none")) + " 'Müller' 'Weg 1' 'Köln' forget", dir), 1);

    // The report, read back: both cards, the undated one too, with files and captions.
    ASSERT_EQ(RunTool(who + "report " + Q(dir.File("r.pdf")) + dta, dir), 0)
        << ReadBytes(dir.File("err.txt"));
    ASSERT_EQ(
        std::system(("pdftotext " + Q(dir.File("r.pdf")) + " " + Q(dir.File("r.txt"))).c_str()), 0);
    const std::string page = ReadBytes(dir.File("r.txt"));
    for (const char* text :
         {"Auskunft über gespeicherte Daten", "Kunde: Müller, Weg 1, Köln", "2 Karten in 2 Dateien",
          "Karte 1 von 2", "a.csv, Zeile 1", "b.csv, Zeile 1", "03.02.2025", "Heizöl", "Messgeräts",
          "Seite 1 von 1"}) {
        EXPECT_NE(page.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(page.find("Meier"), std::string::npos);

    // A file that cannot be written: named, exit code 1, the other file done and logged.
    std::filesystem::permissions(cards + "/b.csv", std::filesystem::perms::owner_read);
    EXPECT_EQ(RunTool(who + "forget", dir), 1);
    EXPECT_EQ(ReadBytes(cards + "/a.csv"), other);
    EXPECT_EQ(ReadBytes(dir.File("out.txt")), "a.csv: 1 Karte gelöscht\n");
    EXPECT_NE(ReadBytes(dir.File("err.txt")).find("b.csv kann nicht geschrieben werden"),
              std::string::npos);
    const std::string log = ReadBytes(cards + "/" + kErasureLogName);
    EXPECT_NE(log.find(";Gel\xF6scht;a.csv: 1 Karte, b.csv: 1 Karte NICHT geschrieben;"
                       "M\xFC"
                       "ller;Weg 1;K\xF6ln\r\n"),
              std::string::npos)
        << log;

    std::filesystem::permissions(cards + "/b.csv", std::filesystem::perms::owner_all);
    EXPECT_EQ(RunTool(who + "forget --anonymise", dir), 0);
    EXPECT_EQ(ReadBytes(cards + "/b.csv").substr(0, 9), "gel\xF6scht ");
    EXPECT_EQ(ReadBytes(cards + "/b.csv").substr(19), ",gel\xF6scht,gel\xF6scht,Heiz\xF6l\r\n");
    // Nothing left: said, no failure, no new log line.
    EXPECT_EQ(RunTool(who + "forget", dir), 0);
    EXPECT_EQ(ReadBytes(dir.File("err.txt")), "Keine Karten zu diesem Kunden gefunden.\n");
    const std::string lastLog = ReadBytes(cards + "/" + kErasureLogName);
    EXPECT_EQ(lastLog.substr(0, log.size()), log);
    EXPECT_EQ(std::count(lastLog.begin(), lastLog.end(), '\n'), 3) << lastLog;
}
