// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/FactProposal.h"
#include "core/certificate/Verdict.h"
#include "core/files/Utf8Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
CardTable::Row Row(const std::string& name, const std::string& date, const std::string& output) {
    CardTable::Row row(30);
    row[0] = name;
    row[1] = "Weg 1";
    row[2] = "Ulm";
    row[kColDate] = date;
    row[kColTime] = "10:00";
    row[kColNominalOutput] = output;
    return row;
}
} // namespace

TEST(FactProposal, TheSameCustomersMostRecentEarlierCardWithFacts) {
    FactProposer proposer(Row("Meier   ", "05.03.2024", ""));
    proposer.Consider(Row("meier", "01.02.2023", "18.0"));
    proposer.Consider(Row("Meier", "01.02.2022", "16.0"));
    proposer.Consider(Row("Meier", "05.03.2024", "99.0")); // not earlier
    proposer.Consider(Row("Meier", "01.01.2025", "98.0")); // later
    proposer.Consider(Row("Huber", "01.01.2024", "97.0")); // another customer
    proposer.Consider(Row("Meier", "01.01.2024", ""));     // no facts
    ASSERT_TRUE(proposer.Result());
    EXPECT_EQ(proposer.Result()->values[0], "18.0");
    EXPECT_EQ(proposer.Result()->date, "01.02.2023");

    // A card file of the folder, read as the program reads it; fewer columns are no fault.
    proposer.ConsiderCardFile("Meier,Weg 1,Ulm\r\nMeier,Weg 1,Ulm,,,,,,,,,,,,"
                              "31.12.2023,23:59,,,,,,,,,,24.5,V,N,,\r\n");
    EXPECT_EQ(proposer.Result()->values[0], "24.5");
    EXPECT_EQ(proposer.Result()->values[1], "V");

    // A card without a date names no card to propose from.
    FactProposer undated(Row("Meier", "05.03.2024", ""));
    undated.Consider(Row("Meier", "", "18.0"));
    EXPECT_FALSE(undated.Result());
}

TEST(FactProposal, CardFolderPassesOverFilesItCannotUse) {
    TempDir dir;
    const std::string card = ",Weg 1,Ulm,,,,,,,,,,,,01.02.2023,10:00,,,,,,,,,,";
    // Sorted first: a file without read rights must not end the search.
    WriteBytes(dir.File("a.csv"), "Meier" + card + "\r\n");
    std::filesystem::permissions(PathFromUtf8(dir.File("a.csv")), std::filesystem::perms::none);
    WriteBytes(dir.File("b.csv"), std::string("Meier\0", 6) + card + "99.0\r\n");
    WriteBytes(dir.File("open.csv"), "Meier" + card + "77.0\r\n");
    WriteBytes(dir.File("z.csv"), "Meier" + card + "24.5\r\n");

    FactProposer proposer(Row("Meier", "05.03.2024", ""));
    proposer.ConsiderCardFolder(dir.Path(), dir.File("open.csv"));
    std::filesystem::permissions(PathFromUtf8(dir.File("a.csv")),
                                 std::filesystem::perms::owner_all);
    ASSERT_TRUE(proposer.Result());
    EXPECT_EQ(proposer.Result()->values[0], "24.5");
}

TEST(FactProposal, PreviousMeasurementOfManyCardsAtOnce) {
    const CardTable::Row late = Row("Meier", "05.03.2024", "");
    PreviousMeasurements previous({late, Row("Huber", "01.01.2024", "")});
    previous.Add(Row("meier ", "01.02.2023", "18.0"));
    previous.Add(Row("Meier", "05.03.2024", "")); // the card itself
    previous.Add(Row("Meier", "", "99.0"));       // undated
    previous.AddCardFile("Meier,Weg 1,Ulm,,,,,,,,,,,,31.12.2023,23:59,,,,,,,,,,24.5\r\n"
                         "Huber,Gasse 3,Ulm,,,,,,,,,,,,01.06.2023,10:00\r\n");
    ASSERT_TRUE(previous.Before(late));
    EXPECT_EQ((*previous.Before(late))[kColNominalOutput], "24.5");
    EXPECT_EQ((*previous.Before(Row("Meier", "01.12.2023", "")))[kColDate], "01.02.2023");
    EXPECT_FALSE(previous.Before(Row("Meier", "01.02.2023", "")));
    EXPECT_FALSE(previous.Before(Row("Huber", "01.01.2024", ""))); // Huber of another street
}
