// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Cards written for spreadsheet programs, and spreadsheet dates.

#include "core/files/CardColumns.h"
#include "core/interchange/CardExport.h"
#include "core/interchange/CsvReader.h"
#include "core/interchange/SheetDates.h"

#include <gtest/gtest.h>

constexpr int kColCo2 = 8;

TEST(CardExport, CsvReadsBackAsGermanSpreadsheetsSeeIt) {
    CardTable table;
    table.SetColCount(30);
    CardTable::Row captions = table.EmptyRow();
    captions[0] = "Name";
    captions[kColO2] = "O2 %";
    table.AppendRow(captions);
    CardTable::Row card = table.EmptyRow();
    card[0] = "M\xFCller; \"Hans\"";
    card[kColO2] = "3.5";
    card[kColDate] = "7.12.05";
    card[kColNominalOutput] = "24.5";
    card[kColFuel] = "1.5"; // a text column keeps its point
    card[kColCo2] = "n.a."; // no number: as it stands
    table.AppendRow(card);
    CardTable::Row other = table.EmptyRow();
    other[0] = "Roth";
    table.AppendRow(other);

    const std::string csv = CardsCsv(table, RowsToExport(table, {2}));
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const SourceRows all = ReadCsvRows(DecodeText(csv, TextEncoding::Utf8), ';');
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1][0], "Roth");

    const std::string both = CardsCsv(table, RowsToExport(table, {}));
    const SourceRows rows = ReadCsvRows(DecodeText(both, DetectEncoding(both)), ';');
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_EQ(rows[1].size(), 30u);
    EXPECT_EQ(rows[0][kColO2], "O2 %");
    EXPECT_EQ(rows[1][0], "M\xC3\xBCller; \"Hans\"");
    EXPECT_EQ(rows[1][kColO2], "3,5");
    EXPECT_EQ(rows[1][kColNominalOutput], "24,5");
    EXPECT_EQ(rows[1][kColDate], "07.12.2005");
    EXPECT_EQ(rows[1][kColFuel], "1.5");
    EXPECT_EQ(rows[1][kColCo2], "n.a.");
    // Without header, for adding to a file: no mark, no captions.
    EXPECT_EQ(CardsCsv(table, {2}, false), "Roth" + std::string(29, ';') + "\r\n");
}

TEST(SheetDates, SerialsOfThe1900And1904Systems) {
    EXPECT_EQ(SerialDateText(1), "01.01.1900");
    EXPECT_EQ(SerialDateText(59), "28.02.1900");
    EXPECT_EQ(SerialDateText(60), "29.02.1900"); // the day old spreadsheets count
    EXPECT_EQ(SerialDateText(61), "01.03.1900");
    EXPECT_EQ(SerialDateText(38693.75), "07.12.2005");
    EXPECT_EQ(SerialDateText(0, true), "01.01.1904");
    EXPECT_EQ(SerialDateText(0), "");
    EXPECT_EQ(SerialDateText(1e300), "");
    EXPECT_EQ(DateSerial(2005, 12, 7), 38693);
    EXPECT_EQ(DateSerial(1900, 3, 1), 61);
    EXPECT_EQ(DateSerial(1900, 1, 1), 1);
}
