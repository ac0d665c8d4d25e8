// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// fendro-tool match: the counts and the unmatched cards on stderr, the matched file written, and
// the exit codes.

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

// A card line: customer, date in column 14, and `facts` from column 25 on.
std::string Line(const std::string& customer, const std::string& date,
                 const std::string& facts = "") {
    std::string line = customer;
    for (int c = 3; c < 25; ++c) {
        line += "," + (c == 14 ? date : "m");
    }
    return line + facts + "\r\n";
}

} // namespace

TEST(MatchTool, MatchesIntoTheOutputAndListsTheRest) {
    TempDir dir;
    const std::string round = dir.File("runde.csv");
    WriteBytes(dir.File("kunden.csv"),
               Line("von der Heydt-Ostermann,Ludwig-van-Beethoven-Str. 12,Hof", "01.02.2024",
                    ",24.5,V,J,,"));
    const std::string received =
        Line("von der Heydt-Osterm,Ludwig-van-Beethoven,Hof             ", "05.02.2026") +
        Line("Niemand,Weg 2,Ulm", "05.02.2026") + Line("Ohne Datum,Weg 3,Ulm", "");
    WriteBytes(round, received);

    ASSERT_EQ(RunTool("match " + Q(round) + " --out " + Q(dir.File("neu.csv")), dir), 0);
    EXPECT_EQ(ReadBytes(dir.File("err.txt")), "1 zugeordnet, 0 mehrdeutig, 1 nicht gefunden\n"
                                              "Zeile 2: Niemand, Weg 2, Ulm (nicht gefunden)\n");
    EXPECT_EQ(ReadBytes(round), received); // --out leaves the round as it was
    EXPECT_EQ(ReadBytes(dir.File("neu.csv")),
              Line("von der Heydt-Ostermann,Ludwig-van-Beethoven-Str. 12,Hof", "05.02.2026",
                   ",24.5,V,J") +
                  Line("Niemand,Weg 2,Ulm", "05.02.2026") + Line("Ohne Datum,Weg 3,Ulm", ""));

    // Without --out the round itself is matched; bad arguments and a missing file.
    EXPECT_EQ(RunTool("match " + Q(round) + " --folder " + Q(dir.Path()), dir), 0);
    EXPECT_EQ(ReadBytes(round), ReadBytes(dir.File("neu.csv")));
    EXPECT_EQ(RunTool("match", dir), 2);
    EXPECT_EQ(RunTool("match " + Q(round) + " --ordner x", dir), 2);
    EXPECT_EQ(RunTool("match " + Q(round) + " " + Q(round), dir), 2);
    EXPECT_EQ(RunTool("match " + Q(dir.File("fehlt.csv")), dir), 1);
}
