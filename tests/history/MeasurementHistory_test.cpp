// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryChart.h"
#include "core/history/HistoryTable.h"
#include "core/history/MeasurementHistory.h"

#include "core/files/Utf8Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr int kCols = 30;

// A card of 30 columns: customer, fuel, the values this test cares about, date and time.
CardTable::Row Card(const std::string& name, const std::string& loss, const std::string& date,
                    const std::string& time = "10:00", const std::string& nominalOutput = "") {
    CardTable::Row row(kCols);
    row[0] = name;
    row[1] = "Hauptstr. 1";
    row[2] = "Ulm";
    row[3] = "Heiz\xF6l EL";
    row[12] = loss;
    row[13] = "90.0";
    row[14] = date;
    row[15] = time;
    row[25] = nominalOutput;
    return row;
}

std::string Line(const CardTable::Row& row) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
        line += (i > 0 ? "," : "") + row[i];
    }
    return line + "\r\n";
}

CardTable Table(const std::vector<CardTable::Row>& cards) {
    CardTable table;
    table.SetColCount(kCols);
    table.AppendRow(table.EmptyRow());
    for (const auto& c : cards) {
        table.AppendRow(c);
    }
    return table;
}

const CustomerKey kMueller = CustomerOf("M\xFCller", "Hauptstr. 1", "Ulm");

std::vector<std::string> Losses(const History& h) {
    std::vector<std::string> out;
    for (const HistoryEntry& e : h.entries) {
        out.push_back(e.card[12]);
    }
    return out;
}

} // namespace

TEST(MeasurementHistory, SameMeasurementTwiceIsShownOnceNewestFirst) {
    TempDir dir;
    // A round appended to two yearly files, once with the device's trailing blanks.
    WriteBytes(dir.File("2021.csv"), Line(Card("M\xFCller   ", "8.1", "02.04.2021")) +
                                         Line(Card("Meier", "5.0", "03.04.2021")));
    WriteBytes(dir.File("2022.CSV"), Line(Card("M\xDCLLER", "8.1", "02.04.2021")) +
                                         Line(Card("M\xFCller", "8.4", "02.04.2021")) +
                                         Line(Card("M\xFCller", "9.0", "01.03.2023", "7:05")));
    WriteBytes(dir.File("notes.txt"), Line(Card("M\xFCller", "1.0", "01.01.2020")));

    const History h = GatherHistory(kMueller, nullptr, "", dir.Path(), 25);
    EXPECT_EQ(Losses(h), (std::vector<std::string>{"9.0", "8.1", "8.4"}));
    EXPECT_EQ(h.entries[0].minutes, 7 * 60 + 5);
    EXPECT_EQ(FileNameOf(h.entries[1].file), "2021.csv");
    EXPECT_EQ(h.entries[1].row, 1);
    EXPECT_EQ(h.filesRead, 2);

    CardTable::Row captions(kCols);
    captions[14] = "Datum";
    captions[12] = "Abgasverlust %";
    captions[17] = "\xD6lderivate";
    const std::string csv = HistoryCsv(h, captions);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "Datum;;;;;;;Abgasverlust %;;;;;;\xC3\x96lderivate;Datei");
    EXPECT_NE(csv.find("\r\n01.03.2023;7:05;Heiz\xC3\xB6l EL;"), std::string::npos);
}

TEST(MeasurementHistory, CardsWithoutAParsableDateAreCountedNotListed) {
    TempDir dir;
    WriteBytes(dir.File("a.csv"), Line(Card("M\xFCller", "7.0", "00.00.2000")) +
                                      Line(Card("M\xFCller", "7.1", "  ")) +
                                      Line(Card("M\xFCller", "7.2", "31.02.2021")) +
                                      Line(Card("M\xFCller", "7.3", "7.12.05", "xx")));
    const History h = GatherHistory(kMueller, nullptr, "", dir.Path(), 25);
    EXPECT_EQ(h.withoutDate, 3);
    ASSERT_EQ(h.entries.size(), 1u);
    EXPECT_EQ(h.entries[0].date.year, 2005);
    EXPECT_EQ(h.entries[0].minutes, -1);
    EXPECT_EQ(WithoutDateText(h.withoutDate), "3 Karten ohne Messdatum");

    // Undated cards are counted per card, even where another file holds the same one; a dated
    // copy still counts once.
    WriteBytes(dir.File("b.csv"), Line(Card("M\xFCller", "7.0", "00.00.2000")) +
                                      Line(Card("M\xFCller", "7.3", "7.12.05", "xx")));
    const History both = GatherHistory(kMueller, nullptr, "", dir.Path(), 25);
    EXPECT_EQ(both.withoutDate, 4);
    EXPECT_EQ(both.entries.size(), 1u);
    EXPECT_EQ(WithoutDateText(1), "1 Karte ohne Messdatum");

    CardDate d;
    EXPECT_TRUE(ParseCardDate(" 29.02.2024 ", d));
    EXPECT_FALSE(ParseCardDate("29.02.2023", d));
    EXPECT_FALSE(ParseCardDate("1.1.202", d));
    EXPECT_FALSE(ParseCardDate("01.01.2021x", d));
    EXPECT_EQ(ParseCardTime("23:59:30"), 23 * 60 + 59);
    EXPECT_EQ(ParseCardTime("24:00"), -1);
}

TEST(MeasurementHistory, TheOpenFileCountsAsTheTableHoldsIt) {
    TempDir dir;
    const std::string open = dir.File("open.csv");
    WriteBytes(open, Line(Card("M\xFCller", "6.0", "01.01.2020")));
    WriteBytes(dir.File("old.csv"), Line(Card("M\xFCller", "6.5", "01.01.2019", "9:00", "24,5")));
    // The table was edited and not saved: the file's card is gone, a new one is there twice.
    const CardTable table =
        Table({Card("M\xFCller", "7.0", "01.01.2021"), Card("Meier", "1", "1.1.21"),
               Card("m\xFCller ", "7.0", "01.01.2021")});

    const History h = GatherHistory(kMueller, &table, open, FolderOf(open), kCols);
    EXPECT_EQ(Losses(h), (std::vector<std::string>{"7.0", "6.5"}));
    EXPECT_TRUE(h.entries[0].inOpenTable);
    EXPECT_EQ(h.entries[0].row, 1);
    EXPECT_EQ(h.filesRead, 1);
    // The limit comes from the newest card with a nominal output: 24.5 kW, no standard boiler.
    ASSERT_TRUE(HistoryLossLimit(h).has_value());
    EXPECT_DOUBLE_EQ(*HistoryLossLimit(h), 11.0);
    const HistoryChart chart = BuildHistoryChart(h);
    ASSERT_EQ(chart.loss.size(), 2u);
    EXPECT_DOUBLE_EQ(chart.loss[0].value, 6.5); // oldest first

    // A table without a file is all there is.
    EXPECT_EQ(GatherHistory(kMueller, &table, "", FolderOf(""), kCols).entries.size(), 1u);
}

TEST(MeasurementHistory, BadFilesAreSkippedAndNamedInOneLine) {
    TempDir dir;
    WriteBytes(dir.File("good.csv"), Line(Card("M\xFCller", "6.0", "01.01.2020")));
    WriteBytes(dir.File("binary.csv"), std::string("M\xFCller,\0\x01", 10));
#ifdef _WIN32
    // Links need a privilege; a file another program holds for itself alone, as spreadsheet
    // programs do, cannot be read either.
    WriteBytes(dir.File("gone.CSV"), "x");
    const HANDLE held = CreateFileW(PathFromUtf8(dir.File("gone.CSV")).c_str(), GENERIC_READ, 0,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
#else
    std::filesystem::create_symlink(dir.File("gone"), dir.File("gone.CSV"));
#endif
    {
        WriteBytes(dir.File("huge.csv"), Line(Card("M\xFCller", "6.0", "01.01.2020")));
        std::filesystem::resize_file(dir.File("huge.csv"), kMaxCardFileBytes + 1);
    }
    const History h = GatherHistory(kMueller, nullptr, "", dir.Path(), 25);
#ifdef _WIN32
    CloseHandle(held);
#endif
    EXPECT_EQ(h.entries.size(), 1u);
    EXPECT_EQ(h.filesRead, 1);
    EXPECT_EQ(SkippedText(h.skipped), "3 Dateien \xC3\xBC"
                                      "bersprungen: binary.csv (keine Kartei), gone.CSV (nicht "
                                      "lesbar), huge.csv (zu gro\xC3\x9F)");
    std::vector<SkippedFile> many(5, SkippedFile{"x.csv", SkipReason::Unreadable});
    EXPECT_NE(SkippedText(many).find("und 2 weitere"), std::string::npos);
}
