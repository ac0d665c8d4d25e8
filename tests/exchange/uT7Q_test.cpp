// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/uT7Q.h"

#include "ExchangeTestSupport.h"
#include "core/files/AtomicFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using R = TDatenSatz_T7Q;

const CivilDate kDec2006{2006, 12, 20};

class DecodeTest : public ::testing::Test {
protected:
    TDatenSatz_T7Q Decode(const RecordBuilder& r, const CivilDate& today = kDec2006) {
        return DecodeDeviceRecord(r.Text(), settings, today);
    }
    TempDir dir;
    std::string settings = WriteFuelSettings(
        dir, FuelSection("1", "Null", "0", "0.37", "0.009") + "[7]\r\nCO2Max=10\r\n" +
                 FuelSection("2", "\xD6l, leicht", "15.4", "0.50", "0.007"));
};

std::string CardLine(const TDatenSatz_T7Q& r, bool convert = false) {
    std::string out;
    WriteCardLine(out, r, convert);
    return out;
}

} // namespace

TEST_F(DecodeTest, WorkedExample) {
    const R r = Decode(WorkedExample());
    EXPECT_EQ(r[R::Hour], "09");
    EXPECT_EQ(r[R::Minute], "45");
    EXPECT_EQ(r[R::Day], "07");
    EXPECT_EQ(r[R::Month], "12");
    EXPECT_EQ(r[R::FuelName], "Heiz\xF6l");
    EXPECT_EQ(r[R::AirTemp], "20");
    EXPECT_EQ(r[R::FlueGasTemp], "185");
    EXPECT_EQ(r[R::O2], "3.5");
    EXPECT_EQ(r[R::CO2], "12.8");
    EXPECT_EQ(r[R::FlueGasLoss], "7.6");
    EXPECT_EQ(r[R::Efficiency], "92.4");
    EXPECT_EQ(r[R::ExcessAir], "1.20");
    EXPECT_EQ(r[R::Year], "2006");
    EXPECT_EQ(r[R::Date], "07.12.2006");
    EXPECT_EQ(r[R::Time], "09:45");
    EXPECT_EQ(r[R::CustomerName], "Meier               ");
    EXPECT_EQ(r[R::Town], "Ulm             ");
    EXPECT_EQ(r[R::YesNo40], "---");
    EXPECT_EQ(r[R::Signed35], " 0");
    EXPECT_EQ(r[R::ConcO2], "0");
    EXPECT_EQ(r[R::ConcUndiluted], "0");
    for (int unused : {0, 16, 22, 25, 38, 39, 40, 41, 42, 43}) {
        EXPECT_EQ(r.fields[static_cast<size_t>(unused)], "") << unused;
    }
    EXPECT_EQ(CardLine(r),
              "Meier               ,Weg 1               ,Ulm             ,Heiz\xF6l,"
              "185,20,,3.5,12.8,,,1.20,7.6,92.4,07.12.2006,09:45, 0,---,,,,0,0,, 0\r\n");
}

TEST_F(DecodeTest, OxygenAtTwentyOneAndMissing) {
    R r = Decode(WorkedExample().PutRight(25, 5, "210"));
    EXPECT_EQ(r[R::O2], "21.0");
    EXPECT_EQ(r[R::CO2], "0");
    EXPECT_EQ(r[R::FlueGasLoss], "0");
    EXPECT_EQ(r[R::Efficiency], "100");
    EXPECT_EQ(r[R::ExcessAir], "0.00");

    // No oxygen reading: CO2 and efficiency are unknown, the loss is still computed with 0.
    r = Decode(WorkedExample().Put(25, "     "));
    EXPECT_EQ(r[R::O2], "0.0");
    EXPECT_EQ(r[R::CO2], "---");
    EXPECT_EQ(r[R::Efficiency], "---");
    EXPECT_EQ(r[R::ExcessAir], "0.00");
    // K = 15400, F = round(2e6 / 15400 / 2) = 65, S = 79, L = round(165 * 79 / 200) = 65.
    EXPECT_EQ(r[R::FlueGasLoss], "6.5");

    r = Decode(WorkedExample().Put(25, "  3x5"));
    EXPECT_EQ(r[R::O2], "0.0");
}

TEST_F(DecodeTest, FuelWithoutCo2MaxGivesNoLoss) {
    const R r = Decode(WorkedExample().Put(14, "1"));
    EXPECT_EQ(r[R::FuelName], "Null");
    EXPECT_EQ(r[R::CO2], "0");
    EXPECT_EQ(r[R::FlueGasLoss], "---");
    EXPECT_EQ(r[R::Efficiency], "100");
}

TEST_F(DecodeTest, LossIsCappedAtHundredButNotBelowZero) {
    // L = round(9999 * 92 / 200) = 4600, q = 460.
    R r = Decode(WorkedExample().PutRight(20, 5, "9999").PutRight(15, 5, "0"));
    EXPECT_EQ(r[R::FlueGasLoss], "100");
    EXPECT_EQ(r[R::Efficiency], "0");

    // Flue gas colder than the air: L = round(-75.9) = -76.
    r = Decode(WorkedExample().PutRight(20, 5, "20").PutRight(15, 5, "185"));
    EXPECT_EQ(r[R::FlueGasLoss], "-7.6");
    EXPECT_EQ(r[R::Efficiency], "108");

    // Commas in the temperatures become points and then read as decimals.
    r = Decode(WorkedExample().Put(20, "185,5").Put(15, "20,5 "));
    EXPECT_EQ(r[R::FlueGasTemp], "185.5");
    EXPECT_EQ(r[R::AirTemp], "20.5");
    EXPECT_EQ(r[R::FlueGasLoss], "7.6");
}

TEST_F(DecodeTest, ConcentrationReferredToNoOxygen) {
    R r = Decode(WorkedExample().PutRight(117, 5, "50").PutRight(122, 5, "100"));
    EXPECT_EQ(r[R::ConcO2], "5");
    EXPECT_EQ(r[R::Conc], "100");
    EXPECT_EQ(r[R::ConcUndiluted], "131");

    r = Decode(WorkedExample().PutRight(117, 5, "210").PutRight(122, 5, "100"));
    EXPECT_EQ(r[R::ConcO2], "21");
    EXPECT_EQ(r[R::ConcUndiluted], "");

    // f = 21 / 1.5 = 14.
    r = Decode(WorkedExample().PutRight(117, 5, "195").PutRight(122, 5, "7"));
    EXPECT_EQ(r[R::ConcO2], "19.5");
    EXPECT_EQ(r[R::ConcUndiluted], "98");

    r = Decode(WorkedExample().PutRight(117, 5, "200").PutRight(122, 5, "99999"));
    EXPECT_EQ(r[R::ConcUndiluted], "2.1E6");
}

TEST_F(DecodeTest, SignedValues) {
    struct Case {
        const char* sign;
        const char* digits;
        const char* wantSign;
        const char* wantValue;
    };
    const Case cases[] = {
        {" ", "  12", "+", "+0.12"}, {"-", "  12", "-", "-0.12"}, {" ", "   0", " ", " 0"},
        {"-", "   0", "-", "-0"},    {"+", "  12", " ", " 0.12"}, {" ", "1234", "+", "+12.34"},
        {" ", "    ", " ", " 0"},    {" ", "1200", "+", "+12"},   {"x", "  50", " ", " 0.5"}};
    for (const Case& c : cases) {
        R r = Decode(WorkedExample().Put(35, c.sign).Put(36, c.digits));
        EXPECT_EQ(r[R::Sign35], c.wantSign) << c.sign << c.digits;
        EXPECT_EQ(r[R::Signed35], c.wantValue) << c.sign << c.digits;
        r = Decode(WorkedExample().Put(162, c.sign).Put(163, c.digits));
        EXPECT_EQ(r[R::Sign162], c.wantSign) << c.sign << c.digits;
        EXPECT_EQ(r[R::Signed162], c.wantValue) << c.sign << c.digits;
    }
}

TEST_F(DecodeTest, FlagAndSingleCharacters) {
    EXPECT_EQ(Decode(WorkedExample().Put(40, "1"))[R::YesNo40], "JA");
    EXPECT_EQ(Decode(WorkedExample().Put(40, "0"))[R::YesNo40], "NEIN");
    EXPECT_EQ(Decode(WorkedExample().Put(40, " "))[R::YesNo40], "---");
    EXPECT_EQ(Decode(WorkedExample().Put(40, "x"))[R::YesNo40], "");

    const R r = Decode(WorkedExample().Put(41, ": ,"));
    EXPECT_EQ(r[R::Char41], "9");
    EXPECT_EQ(r[R::Char42], "");
    EXPECT_EQ(r[R::Char43], ".");
    EXPECT_EQ(Decode(WorkedExample().Put(41, "5A:"))[R::Char43], "9");
}

TEST_F(DecodeTest, TenthsAndTexts) {
    const R r = Decode(WorkedExample()
                           .PutRight(152, 5, "1234")
                           .Put(30, " 4,2 ")
                           .Put(49, "ab   ")
                           .Put(54, "\x01x y\t")
                           .Put(157, "12345"));
    EXPECT_EQ(r[R::Tenths152], "123.4");
    EXPECT_EQ(r[R::Text30], "4.2");
    EXPECT_EQ(r[R::Text49], "ab");
    EXPECT_EQ(r[R::Text54], "x y");
    EXPECT_EQ(r[R::Text157], "12345");
    EXPECT_EQ(Decode(WorkedExample().PutRight(152, 5, "99999"))[R::Tenths152], "9999.9");
}

TEST_F(DecodeTest, YearOfAMonthStillToComeIsLastYear) {
    R r = Decode(WorkedExample(), CivilDate{2006, 1, 10});
    EXPECT_EQ(r[R::Year], "2005");
    EXPECT_EQ(r[R::Date], "07.12.2005");
    EXPECT_EQ(Decode(WorkedExample().Put(12, "01"), CivilDate{2006, 1, 10})[R::Year], "2006");
    EXPECT_EQ(Decode(WorkedExample().Put(12, "11"), kDec2006)[R::Year], "2006");
    EXPECT_EQ(Decode(WorkedExample().Put(12, "13"), kDec2006)[R::Year], "2005");
    EXPECT_EQ(Decode(WorkedExample().Put(12, "  "), CivilDate{2010, 3, 1})[R::Year], "2010");
    // The turn of the century gives the real year, not "20-1".
    EXPECT_EQ(Decode(WorkedExample(), CivilDate{2000, 1, 5})[R::Year], "1999");
    EXPECT_EQ(Decode(WorkedExample(), CivilDate{2100, 12, 31})[R::Year], "2100");
}

TEST_F(DecodeTest, NamesKeepTheirBlanksAndLoseTheirCommas) {
    const R r = Decode(WorkedExample().Put(59, "Meier, Hans         ").Put(99, "Bad Aibling, Ost"));
    EXPECT_EQ(r[R::CustomerName], "Meier. Hans         ");
    EXPECT_EQ(r[R::CustomerName].size(), 20u);
    EXPECT_EQ(r[R::Town], "Bad Aibling. Ost");
}

TEST_F(DecodeTest, FuelLookup) {
    R r = Decode(WorkedExample().Put(14, "7"));
    EXPECT_EQ(r[R::FuelName], "7");
    // CO2Max 10, A1 and B missing: 999. K = round(175 * 10000 / 210) = 8333,
    // F = round(999 * 4e6 / 8333 / 2) = 239770, S = 241768, L = 199459 -> capped.
    EXPECT_EQ(r[R::CO2], "8.3");
    EXPECT_EQ(r[R::FlueGasLoss], "100");

    // No section at all: the code as the name and 999 for every constant.
    r = Decode(WorkedExample().Put(14, "5"));
    EXPECT_EQ(r[R::FuelName], "5");
    EXPECT_EQ(r[R::CO2], "832.5");
    EXPECT_EQ(r[R::FlueGasLoss], "100");
    EXPECT_EQ(r[R::Efficiency], "0");
    EXPECT_EQ(Decode(WorkedExample().Put(14, " "))[R::FuelName], " ");

    // A missing settings file reads like an empty one and is not created.
    const std::string missing = dir.File("none.ini");
    r = DecodeDeviceRecord(WorkedExample().Text(), missing, kDec2006);
    EXPECT_EQ(r[R::FuelName], "0");
    EXPECT_EQ(r[R::CO2], "832.5");
    EXPECT_FALSE(FileExists(missing));
}

TEST_F(DecodeTest, FuelTableIsReadOnEveryCall) {
    EXPECT_EQ(Decode(WorkedExample())[R::FuelName], "Heiz\xF6l");
    WriteBytes(settings, FuelSection("0", "Erdgas", "11.8", "0.37", "0.009"));
    const R r = Decode(WorkedExample());
    EXPECT_EQ(r[R::FuelName], "Erdgas");
    // K = round(175 * 11800 / 210) = 9833; CO2 = round(98.33) / 10.
    EXPECT_EQ(r[R::CO2], "9.8");
}

TEST_F(DecodeTest, CommaInFuelNameDoesNotShiftTheCardLine) {
    const R r = Decode(WorkedExample().Put(14, "2"));
    EXPECT_EQ(r[R::FuelName], "\xD6l. leicht");
    const std::string line = CardLine(r);
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 24);
}

TEST_F(DecodeTest, LineBreaksFromTheDeviceBecomeBlanks) {
    const R r = Decode(WorkedExample()
                           .Put(59, "Mei\r\ner\x1A")
                           .Put(6, "0\n")
                           .Put(10, "0,")
                           .Put(49, "1\r2")
                           .Put(79, "W,g"));
    EXPECT_EQ(r[R::CustomerName], "Mei  er " + std::string(12, ' '));
    EXPECT_EQ(r[R::Hour], "0 ");
    EXPECT_EQ(r[R::Day], "0.");
    EXPECT_EQ(r[R::Text49], "1 2");
    EXPECT_EQ(r[R::Street].substr(0, 3), "W.g");
    const std::string line = CardLine(r);
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 24);
    EXPECT_EQ(line.find_first_of("\r\n\x1A"), line.size() - 2);
}

TEST_F(DecodeTest, ShortOrEmptyTextDecodesWithoutHarm) {
    R r = DecodeDeviceRecord("", settings, kDec2006);
    EXPECT_EQ(r[R::O2], "0.0");
    EXPECT_EQ(r[R::FuelName], "");
    EXPECT_EQ(r[R::Date], "..2006");
    r = DecodeDeviceRecord(WorkedExample().Text().substr(0, 60), settings, kDec2006);
    EXPECT_EQ(r[R::CO2], "12.8");
    EXPECT_EQ(r[R::CustomerName], "Me");
    EXPECT_EQ(r[R::Town], "");
}

TEST(CardLine, ColumnsInCardOrder) {
    R r;
    for (int s = 0; s < R::SlotCount; ++s) {
        r.fields[static_cast<size_t>(s)] = SlotName(s);
    }
    const std::vector<std::string> want = {
        "CustomerName", "Street",        "Town",        "FuelName",   "FlueGasTemp",
        "AirTemp",      "Text54",        "O2",          "CO2",        "Text30",
        "Text49",       "ExcessAir",     "FlueGasLoss", "Efficiency", "Date",
        "Time",         "Signed35",      "YesNo40",     "Char43",     "Char42",
        "Char41",       "ConcUndiluted", "Tenths152",   "Text157",    "Signed162"};
    const auto lines = CardFields(CardLine(r));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], want);
    EXPECT_EQ(CardLine(R{}), std::string(24, ',') + "\r\n");
}

TEST(CardLine, ConvertTouchesOnlyNameStreetTownAndFuel) {
    R r;
    r[R::CustomerName] = "M\x94ller";
    r[R::Street] = "Stra\xE1"
                   "e";
    r[R::Town] = "K\x94ln";
    r[R::FuelName] = "\x84";
    r[R::Text30] = "\x94";
    const auto on = CardFields(CardLine(r, true))[0];
    EXPECT_EQ(on[0], "M\xF6ller");
    EXPECT_EQ(on[1], "Stra\xDF"
                     "e");
    EXPECT_EQ(on[2], "K\xF6ln");
    EXPECT_EQ(on[3], "\xE4");
    EXPECT_EQ(on[9], "\x94");
    const auto off = CardFields(CardLine(r, false))[0];
    EXPECT_EQ(off[0], "M\x94ller");
    EXPECT_EQ(off[3], "\x84");
}

TEST(CodePage, BothWaysOnGroesse) {
    const std::string ansi = "Gr\xF6\xDF"
                             "e";
    EXPECT_EQ(UmlautsToDevice(ansi), std::string("\x47\x72\x94\xE1\x65"));
    EXPECT_EQ(UmlautsFromDevice("\x47\x72\x94\xE1\x65"), ansi);
}

TEST(CodePage, ExactlySevenLettersChange) {
    const std::string ansiLetters = "\xE4\xF6\xFC\xC4\xD6\xDC\xDF";
    const std::string dosLetters = "\x84\x94\x81\x8E\x99\x9A\xE1";
    EXPECT_EQ(UmlautsToDevice(ansiLetters), dosLetters);
    EXPECT_EQ(UmlautsFromDevice(dosLetters), ansiLetters);
    int changedTo = 0;
    int changedFrom = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        changedTo += UmlautsToDevice(one) != one;
        changedFrom += UmlautsFromDevice(one) != one;
    }
    EXPECT_EQ(changedTo, 7);
    EXPECT_EQ(changedFrom, 7);
    EXPECT_EQ(CommaToPoint("a,b,,c"), "a.b..c");
    EXPECT_FALSE(UsesDeviceCodePage("xq"));
    EXPECT_FALSE(UsesDeviceCodePage("XQ "));
    EXPECT_TRUE(UsesDeviceCodePage("XQ"));
}
