// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/TransferFile.h"

#include "ExchangeTestSupport.h"
#include "core/files/AtomicFile.h"
#include "core/files/FileErrors.h"

#include <gtest/gtest.h>

namespace {

class TransferFileTest : public ::testing::Test {
protected:
    std::string Export(const std::string& cards) {
        WriteBytes(card, cards);
        ExportTransferFile(transfer, card, lines);
        return ReadBytes(transfer);
    }
    std::vector<std::vector<std::string>> Import(const std::string& data) {
        WriteBytes(transfer, data);
        ImportTransferFile(transfer, card, lines, [this](int ms) { pauses.push_back(ms); });
        return CardFields(ReadBytes(card));
    }
    TempDir dir;
    std::string card = dir.File("karten.csv");
    std::string transfer = dir.File("T7QKX.TXT");
    CollectingLines lines;
    std::vector<int> pauses;
};

// A transfer line whose field i holds "f<i>", for fields 0 to n - 1.
std::string NumberedLine(int n) {
    std::string line;
    for (int i = 0; i < n; ++i) {
        line += (i ? ",f" : "f") + std::to_string(i);
    }
    return line;
}

} // namespace

TEST_F(TransferFileTest, ExportPadsEveryLineTo510Characters) {
    const std::string out = Export("Meier,Weg 1,Ulm,x,y\r\nSchulz\r\n,,\r\n");
    const std::string first = std::string(36, ',') + "Meier,Weg 1,Ulm" + std::string(459, ',');
    const std::string second = std::string(36, ',') + "Schulz" + std::string(468, ',');
    ASSERT_EQ(first.size(), 510u);
    ASSERT_EQ(second.size(), 510u);
    EXPECT_EQ(out, first + "\r\n" + second + "\r\n" + std::string(510, ',') + "\r\n");
    EXPECT_EQ(lines.lines, std::vector<std::string>{"Daten gespeichert"});
}

TEST_F(TransferFileTest, ExportOfLongNamesGetsNoPadding) {
    const std::string name(300, 'N');
    const std::string street(200, 'S');
    const std::string out = Export(name + "," + street + ",T");
    EXPECT_EQ(out, std::string(36, ',') + name + "," + street + ",T\r\n");
    // 472 characters together still reach exactly 510.
    const std::string fits = Export(std::string(236, 'a') + "," + std::string(236, 'b') + ",");
    EXPECT_EQ(fits.size(), 512u);
}

TEST_F(TransferFileTest, ExportKeepsGermanLettersAndStopsAtTheCardFileEnd) {
    const std::string out = Export("M\xFCller,Stra\xDF"
                                   "e,K\xF6ln\r\n\x1A"
                                   "Rest,x,y\r\n");
    EXPECT_EQ(out.substr(36, 19), "M\xFCller,Stra\xDF"
                                  "e,K\xF6ln,");
    EXPECT_EQ(out.size(), 512u);
}

TEST_F(TransferFileTest, ExportWithoutCardFileDoesNothing) {
    WriteBytes(transfer, "alt\r\n");
    ExportTransferFile(transfer, dir.File("fehlt.csv"), lines);
    EXPECT_EQ(ReadBytes(transfer), "alt\r\n");
    EXPECT_TRUE(lines.lines.empty());
    ExportTransferFile(dir.File("neu.txt"), dir.File("fehlt.csv"), lines);
    EXPECT_FALSE(FileExists(dir.File("neu.txt")));
}

TEST_F(TransferFileTest, ExportOfEmptyCardFileGivesEmptyTransferFile) {
    WriteBytes(transfer, "alt\r\n");
    EXPECT_EQ(Export(""), "");
    EXPECT_EQ(lines.lines, std::vector<std::string>{"Daten gespeichert"});
}

TEST_F(TransferFileTest, ExportThatCannotWriteLeavesNoMessage) {
    WriteBytes(card, "a,b,c\r\n");
    EXPECT_THROW(ExportTransferFile(dir.File("fehlt/T7QKX.TXT"), card, lines), EInOutError);
    EXPECT_TRUE(lines.lines.empty());
}

TEST_F(TransferFileTest, ImportMovesFieldsToTheirCardColumns) {
    const auto cards = Import(NumberedLine(46) + "\r\n");
    ASSERT_EQ(cards.size(), 1u);
    const std::vector<std::string> want = {
        "f36", "f37", "f38", "f31", "f12", "f13", "f25", "f2",  "f15", "f3",  "f4",  "f18", "f17",
        "f16", "f0",  "f1",  "f14", "f35", "f32", "f33", "f34", "f22", "f24", "f40", "f41"};
    EXPECT_EQ(cards[0], want);
    EXPECT_EQ(lines.lines, std::vector<std::string>{"Bearbeitung abgeschlossen"});
    EXPECT_EQ(pauses, std::vector<int>{1});
}

TEST_F(TransferFileTest, ImportMapsTheYesNoFlag) {
    auto line = [](const std::string& flag) { return std::string(35, ',') + flag + ",Name\r\n"; };
    const auto cards =
        Import(line("1") + line(" 0") + line("") + line("2") + line(" 1 ") + line("JA") + "\r\n");
    ASSERT_EQ(cards.size(), 7u);
    const char* want[] = {"JA", "NEIN", "---", "2", "JA", "JA", "---"};
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(cards[i][17], want[i]) << i;
    }
    EXPECT_EQ(cards[0][0], "Name");
    EXPECT_EQ(pauses.size(), 7u);
}

TEST_F(TransferFileTest, ImportOfShortAndEmptyLines) {
    const auto cards = Import("\r\n" + NumberedLine(41) + "\r\nf0,f1");
    ASSERT_EQ(cards.size(), 3u);
    std::vector<std::string> empty(25);
    empty[17] = "---";
    EXPECT_EQ(cards[0], empty);
    EXPECT_EQ(cards[1][23], "f40");
    EXPECT_EQ(cards[1][24], "");
    EXPECT_EQ(cards[1][0], "f36");
    // The last line of the file needs no line end; it is read all the same.
    EXPECT_EQ(cards[2][14], "f0");
    EXPECT_EQ(cards[2][15], "f1");
    EXPECT_EQ(cards[2][17], "---");
}

TEST_F(TransferFileTest, ImportTakesValuesAsTheDeviceWroteThem) {
    std::string line = std::string(12, ',') + " 185 ,20,+0.12,12.8" + std::string(21, ',') +
                       "M\xFCller ,Stra\xDF"
                       "e,K\xF6ln";
    const auto cards = Import(line + "\r\n");
    EXPECT_EQ(cards[0][4], " 185 ");
    EXPECT_EQ(cards[0][16], "+0.12");
    EXPECT_EQ(cards[0][8], "12.8");
    EXPECT_EQ(cards[0][0], "M\xFCller ");
    EXPECT_EQ(cards[0][2], "K\xF6ln");
}

TEST_F(TransferFileTest, ImportOfLfLinesKeepsOneCardPerLine) {
    // Without CR the whole file is one line; the LF bytes must not end up inside the cards.
    const auto cards = Import(std::string(36, ',') + "A\n" + std::string(36, ',') + "B\n");
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards[0][0], "A ");
    const std::string out = ReadBytes(card);
    EXPECT_EQ(out.find('\n'), out.size() - 1);
}

TEST_F(TransferFileTest, ImportWithoutTransferFileFails) {
    EXPECT_THROW(ImportTransferFile(dir.File("fehlt.txt"), card, lines), EInOutError);
    EXPECT_FALSE(FileExists(card));
    EXPECT_TRUE(lines.lines.empty());
}

TEST_F(TransferFileTest, RoundTripBringsNamesBack) {
    const std::string cards = "M\xFCller,Hauptstra\xDF"
                              "e 1,K\xF6ln,a,b\r\n,,\r\nSchulz,Weg,Ulm\r\n";
    Export(cards);
    ImportTransferFile(transfer, card, lines);
    const auto back = CardFields(ReadBytes(card));
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[0][0], "M\xFCller");
    EXPECT_EQ(back[0][1], "Hauptstra\xDF"
                          "e 1");
    EXPECT_EQ(back[0][2], "K\xF6ln");
    EXPECT_EQ(back[1][0], "");
    EXPECT_EQ(back[2][2], "Ulm");
    EXPECT_EQ(back[2][17], "---");
}
