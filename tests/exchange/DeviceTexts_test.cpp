// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/DeviceTexts.h"

#include "core/exchange/SerialRecords.h"

#include <gtest/gtest.h>

TEST(DeviceTexts, OnlyTextBeyondTheWidthsIsACut) {
    CardTable table;
    table.SetColCount(3);
    table.AppendRow({"Name", "Strasse", "Ort"});
    table.AppendRow({"12345678901234567890", "Weg 1", "1234567890123456"}); // exactly full
    table.AppendRow({"von der Heydt-Ostermann", "Ludwig-van-Beethoven-Str. 12",
                     "Hof                  "}); // blanks beyond the width are no loss
    table.AppendRow({"Abel", "Weg", "M\xFCnchen-Obermenzing"});
    table.AppendRow({"Kurz"});
    const std::vector<DeviceCut> cuts = DeviceCuts(table);
    ASSERT_EQ(cuts.size(), 3u);
    EXPECT_EQ(cuts[0].row, 2);
    EXPECT_EQ(cuts[0].col, 0);
    EXPECT_EQ(cuts[0].kept, "von der Heydt-Osterm");
    EXPECT_EQ(cuts[1].col, 1);
    EXPECT_EQ(cuts[1].text, "Ludwig-van-Beethoven-Str. 12");
    EXPECT_EQ(cuts[1].kept, "Ludwig-van-Beethoven");
    EXPECT_EQ(cuts[2].row, 3);
    EXPECT_EQ(cuts[2].col, 2);
    EXPECT_EQ(cuts[2].kept, "M\xFCnchen-Obermenz");

    // What the list promises is what the send record carries.
    const std::string record =
        SendRecordForCard(cuts[0].text, cuts[1].text, "M\xFCnchen-Obermenzing", false);
    EXPECT_EQ(record.substr(58, 20), cuts[0].kept);
    EXPECT_EQ(record.substr(78, 20), cuts[1].kept);
    EXPECT_EQ(record.substr(98, 16), cuts[2].kept);
}
