// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/SerialRecords.h"

#include "ExchangeTestSupport.h"
#include "core/files/AtomicFile.h"
#include "core/files/FileErrors.h"
#include "core/files/uGlobal.h"

#include <gtest/gtest.h>

namespace {

using R = TDatenSatz_T7Q;

class SerialRecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSettingsFileName(
            WriteFuelSettings(dir, FuelSection("3", "K\x94ks", "10.2", "0.29", "0.011")));
    }
    void TearDown() override { SetSettingsFileName(""); }

    std::string Build(const std::string& cards, bool convert) {
        WriteBytes(card, cards);
        BuildSendRecords(card, raw, convert, [this](int ms) { pauses.push_back(ms); });
        return ReadBytes(raw);
    }
    std::vector<std::vector<std::string>> Convert(const std::string& bytes, bool convert) {
        WriteBytes(raw, bytes);
        ConvertReceivedRecords(
            raw, card, convert, lines, [this](int ms) { pauses.push_back(ms); },
            [] {
                return CivilDate{2006, 1, 10};
            });
        return CardFields(ReadBytes(card));
    }

    TempDir dir;
    std::string card = dir.File("karten.csv");
    std::string raw = dir.File("geraet.dat");
    CollectingLines lines;
    std::vector<int> pauses;
};

std::vector<int> Bytes(const std::string& s) {
    std::vector<int> out;
    for (char c : s) {
        out.push_back(static_cast<unsigned char>(c));
    }
    return out;
}

} // namespace

TEST_F(SerialRecordsTest, SendRecordInBothCodePages) {
    const std::string cards = "M\xFCller,Hauptstra\xDF"
                              "e 1,K\xF6ln,x,y\r\n";
    std::string rec = Build(cards, true);
    ASSERT_EQ(rec.size(), 168u);
    EXPECT_EQ(Bytes(rec.substr(58, 6)), (std::vector<int>{77, 129, 108, 108, 101, 114}));
    EXPECT_EQ(rec.substr(64, 14), std::string(14, ' '));
    EXPECT_EQ(rec.substr(78, 20), "Hauptstra\xE1"
                                  "e 1       ");
    EXPECT_EQ(rec.substr(98, 16), "K\x94ln            ");
    EXPECT_EQ(rec.substr(0, 58), std::string(58, ' '));
    EXPECT_EQ(rec.substr(114, 52), std::string(52, ' '));
    EXPECT_EQ(rec.substr(166), "\r\n");
    EXPECT_EQ(pauses, std::vector<int>{1});

    rec = Build(cards, false);
    EXPECT_EQ(Bytes(rec.substr(58, 6)), (std::vector<int>{77, 252, 108, 108, 101, 114}));
    EXPECT_EQ(static_cast<unsigned char>(rec[87]), 223);
}

TEST_F(SerialRecordsTest, SendFieldsAreCutAndShortLinesSkipped) {
    const std::string name25 = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    const std::string town20 = "Stadt1234567890ABCDE";
    const std::string rec =
        Build("zwei,Felder\r\n" + name25 + ",Weg," + town20 + "\r\n\r\n,,\r\n", false);
    ASSERT_EQ(rec.size(), 2u * 168);
    EXPECT_EQ(rec.substr(58, 20), name25.substr(0, 20));
    EXPECT_EQ(rec.substr(98, 16), town20.substr(0, 16));
    EXPECT_EQ(rec.substr(114, 54), std::string(52, ' ') + "\r\n");
    EXPECT_EQ(rec.substr(168), std::string(166, ' ') + "\r\n");
    EXPECT_EQ(Build("", false), "");
}

TEST_F(SerialRecordsTest, SendRecordHoldsNoOtherLineBreak) {
    // An LF-only card file reads as one line; its LF bytes must not break the record framing.
    const std::string rec = Build("A\nB,C,D\nE", false);
    ASSERT_EQ(rec.size(), 168u);
    EXPECT_EQ(rec.substr(58, 3), "A B");
    EXPECT_EQ(rec.find_first_of("\r\n\x1A"), 166u);
}

TEST_F(SerialRecordsTest, SendWithoutCardFileFails) {
    EXPECT_THROW(BuildSendRecords(dir.File("fehlt.csv"), raw, false), EInOutError);
    EXPECT_FALSE(FileExists(raw));
}

TEST_F(SerialRecordsTest, ReceivedFileIsCutIntoWholeRecords) {
    std::string bytes = WorkedExample().Text() + WorkedExample().Put(59, "Schulz").Text();
    bytes += std::string(164, 'x');
    ASSERT_EQ(bytes.size(), 500u);
    const auto cards = Convert(bytes, false);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0][8], "12.8");
    EXPECT_EQ(cards[0][12], "7.6");
    EXPECT_EQ(cards[0][13], "92.4");
    EXPECT_EQ(cards[0][11], "1.20");
    EXPECT_EQ(cards[0][14], "07.12.2005");
    EXPECT_EQ(cards[1][0], "Schulz              ");
    EXPECT_EQ(lines.lines, std::vector<std::string>{"Daten gespeichert"});
    EXPECT_EQ(pauses, (std::vector<int>{10, 10}));
}

TEST_F(SerialRecordsTest, TooShortFileGivesEmptyCardFile) {
    WriteBytes(card, "alt\r\n");
    EXPECT_TRUE(Convert(std::string(167, ' '), false).empty());
    EXPECT_EQ(ReadBytes(card), "");
    EXPECT_EQ(lines.lines, std::vector<std::string>{"Daten gespeichert"});
}

TEST_F(SerialRecordsTest, NulBytesReadAsBlanks) {
    const auto fromNul = Convert(std::string(168, '\0'), false);
    const auto fromBlanks = Convert(std::string(168, ' '), false);
    ASSERT_EQ(fromNul.size(), 1u);
    EXPECT_EQ(fromNul, fromBlanks);
    EXPECT_EQ(fromNul[0][0], std::string(20, ' '));
    EXPECT_EQ(fromNul[0][3], " ");
    EXPECT_EQ(fromNul[0][7], "0.0");
    EXPECT_EQ(fromNul[0][17], "---");

    std::string rec = WorkedExample().Text();
    rec[60] = '\0';
    EXPECT_EQ(Convert(rec, false)[0][0], "Me er               ");
}

TEST_F(SerialRecordsTest, DeviceCodePageOnReceive) {
    const std::string rec = WorkedExample().Put(59, "K\x94hler").Put(14, "3").Text();
    auto cards = Convert(rec, true);
    EXPECT_EQ(cards[0][0].substr(0, 6), "K\xF6hler");
    // The fuel name from the settings file takes the same conversion.
    EXPECT_EQ(cards[0][3], "K\xF6ks");
    cards = Convert(rec, false);
    EXPECT_EQ(cards[0][0].substr(0, 6), "K\x94hler");
    EXPECT_EQ(cards[0][3], "K\x94ks");
}

TEST_F(SerialRecordsTest, ReceiveWithoutDeviceFileFailsWithoutMessage) {
    EXPECT_THROW(ConvertReceivedRecords(dir.File("fehlt.dat"), card, false, lines), EInOutError);
    EXPECT_TRUE(lines.lines.empty());
    WriteBytes(raw, WorkedExample().Text());
    EXPECT_THROW(ConvertReceivedRecords(raw, dir.File("fehlt/karten.csv"), false, lines),
                 EInOutError);
    EXPECT_TRUE(lines.lines.empty());
}

TEST_F(SerialRecordsTest, SendAndReceiveRoundTrip) {
    const std::string sent = Build("M\xFCller,Weg 1,K\xF6ln\r\nSchulz,Gasse 2,Ulm\r\n", true);
    const auto cards = Convert(sent, true);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0][0], "M\xFCller              ");
    EXPECT_EQ(cards[0][2], "K\xF6ln            ");
    EXPECT_EQ(cards[1][1], "Gasse 2             ");
}
