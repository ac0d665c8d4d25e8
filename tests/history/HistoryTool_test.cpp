// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// fendro-tool history on a folder of card files: the table as the library builds it, and the page.

#include "core/history/HistoryTable.h"
#include "core/history/MeasurementHistory.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

} // namespace

TEST(HistoryTool, TableAndPageOfACustomerFromAFolder) {
    TempDir dir;
    const std::string cards = dir.File("karten");
    std::system(("mkdir " + Q(cards)).c_str());
    const std::string tail = ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n";
    WriteBytes(cards + "/a.csv",
               "M\xFCller,Weg 1,K\xF6ln,Erdgas;H,150,20,55,3.0,10.1,12,0,1.17,6.1,"
               "93.9,01.02.2024,09:00" +
                   tail + "M\xFCller,Weg 1,K\xF6ln,Erdgas,0,0,0,0,0,0,0,0,0,0," + "00.00.2000,  " +
                   tail);
    WriteBytes(cards + "/b.CSV", "m\xFCller ,weg 1,K\xD6LN,Erdgas,160,20,55,3.2,10.0,14,0,1.18,"
                                 "6.4,93.6,03.02.2025,10:30" +
                                     tail);

    const std::string dta = std::string(FENDRO_BINARY_DIR) + "/fendro.DTA";
    ASSERT_EQ(RunTool("history " + Q(cards) + " 'Müller' 'Weg 1' 'Köln' --csv " +
                          Q(dir.File("t.csv")) + " --pdf " + Q(dir.File("t.pdf")) + " --dta " +
                          Q(dta),
                      dir),
              0)
        << ReadBytes(dir.File("err.txt"));
    EXPECT_EQ(ReadBytes(dir.File("err.txt")), "1 Karte ohne Messdatum\n");

    // The same table as the library's, in UTF-8, newest first.
    const History h =
        GatherHistory(CustomerOf("M\xFCller", "Weg 1", "K\xF6ln"), nullptr, "", cards, 25);
    const CardTable::Row captions(25);
    const std::string csv = ReadBytes(dir.File("t.csv"));
    const std::string lib = HistoryCsv(h, captions);
    EXPECT_EQ(csv.substr(csv.find("\r\n")), lib.substr(lib.find("\r\n")));
    EXPECT_EQ(csv.substr(0, 6), "Datum;");
    EXPECT_NE(csv.find("\r\n03.02.2025;10:30;Erdgas;160;"), std::string::npos);
    EXPECT_NE(csv.find("\r\n01.02.2024;09:00;\"Erdgas;H\";150;"), std::string::npos);
    EXPECT_LT(csv.find("03.02.2025"), csv.find("01.02.2024"));

    // Standard output without --csv; the page read back from the PDF.
    ASSERT_EQ(RunTool("history " + Q(cards) + " 'Müller' 'Weg 1' 'Köln' --dta " + Q(dta), dir), 0);
    EXPECT_EQ(ReadBytes(dir.File("out.txt")), csv);
    ASSERT_EQ(
        std::system(("pdftotext " + Q(dir.File("t.pdf")) + " " + Q(dir.File("t.txt"))).c_str()), 0);
    const std::string page = ReadBytes(dir.File("t.txt"));
    for (const char* word : {"Messverlauf", "Kunde: Müller, Weg 1, Köln", "Abgasverlust in %",
                             "03.02.2025", "b.CSV", "Seite 1 von 1"}) {
        EXPECT_NE(page.find(word), std::string::npos) << word;
    }

    // No card of the customer: said on standard error, and no failure.
    ASSERT_EQ(RunTool("history " + Q(cards) + " 'Meier' 'Weg 1' 'Köln' --dta " + Q(dta), dir), 0);
    EXPECT_EQ(ReadBytes(dir.File("err.txt")), "Keine Karten zu diesem Kunden gefunden.\n");

    EXPECT_EQ(RunTool("history " + Q(dir.File("nowhere")) + " a b c --dta " + Q(dta), dir), 1);
    EXPECT_EQ(RunTool("history " + Q(cards) + " a b", dir), 2);
}
