// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fuels/FuelTable.h"

#include "core/files/FileErrors.h"
#include "core/files/IniFile.h"
#include "core/files/Utf8Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A table that passes every check.
FuelTableCells ValidTable() {
    FuelTableCells cells;
    for (auto& entry : cells) {
        entry = {"", "0", "0", "0", "0"};
    }
    cells[0] = {"Heiz\xF6l", "15.4", "0.50", "0.007", "100.0"};
    return cells;
}

std::vector<FuelFault> Check(FuelTableCells& cells, bool* passed = nullptr) {
    std::vector<FuelFault> faults;
    const bool ok = CheckFuelTable(cells, [&](const FuelFault& f) { faults.push_back(f); });
    if (passed != nullptr) {
        *passed = ok;
    }
    return faults;
}

} // namespace

TEST(FuelNumberSyntax, AcceptsWhatTheCheckAllows) {
    for (const char* text : {"0", "15.4", "0.50", "-3", "+7", "  2.5", "1.", ".5", "1e5", "1E-3",
                             "-2.5e+10", "00012", "."}) {
        EXPECT_TRUE(FuelText::IsNumber(text)) << text;
    }
}

TEST(FuelNumberSyntax, RefusesEverythingElse) {
    for (const char* text : {"", " ", "+", "-", "1 ", "1,5", "1.5x", "1e", "1e+", "1.2.3", "--1",
                             "0x10", "1e5 ", "\t1", "1 2", "e"}) {
        EXPECT_FALSE(FuelText::IsNumber(text)) << text;
    }
}

TEST(FuelText, MessagesShowPointsAsCommas) {
    EXPECT_EQ(FuelText::NotANumberMessage("1.5x"),
              "1,5x ist kein g\xC3\xBCltiger numerischer Wert.");
    // An empty cell gives a message that begins with the blank.
    EXPECT_EQ(FuelText::NotANumberMessage(""), " ist kein g\xC3\xBCltiger numerischer Wert.");
    // Cells are Windows-1252; the message is UTF-8.
    EXPECT_EQ(FuelText::NotANumberMessage("\xB5"),
              "\xC2\xB5 ist kein g\xC3\xBCltiger numerischer Wert.");
    EXPECT_EQ(FuelText::CommaToPoint("1,5,x"), "1.5.x");
    EXPECT_EQ(FuelText::PointToComma("1.5.x"), "1,5,x");
}

TEST(FuelCheck, ValidTablePassesAndCommasBecomePoints) {
    FuelTableCells cells = ValidTable();
    cells[2][1] = "15,4";
    bool passed = false;
    EXPECT_TRUE(Check(cells, &passed).empty());
    EXPECT_TRUE(passed);
    EXPECT_EQ(cells[2][1], "15.4");
    // The texts stay as typed otherwise.
    EXPECT_EQ(cells[0][2], "0.50");
}

TEST(FuelCheck, FaultsInEntriesOneThreeAndSixAreReportedInOrder) {
    FuelTableCells cells = ValidTable();
    cells[1][2] = "1,5x";           // A1 of entry 1
    cells[1][4] = "bad";            // a second fault of entry 1 is not reported
    cells[3][1] = "";               // CO2Max of entry 3
    cells[3][3] = "7,5";            // skipped after the entry's first fault, so not rewritten
    cells[6][0] = "Abcdefghijklmn"; // 14 characters
    cells[8][1] = "nope";           // after the name fault nothing more is examined
    bool passed = true;
    const auto faults = Check(cells, &passed);
    EXPECT_FALSE(passed);
    ASSERT_EQ(faults.size(), 3u);
    EXPECT_EQ(faults[0].entry, 1);
    EXPECT_EQ(faults[0].field, 2);
    EXPECT_EQ(faults[0].message, "1,5x ist kein g\xC3\xBCltiger numerischer Wert.");
    EXPECT_EQ(faults[1].entry, 3);
    EXPECT_EQ(faults[1].field, 1);
    EXPECT_EQ(faults[1].message, " ist kein g\xC3\xBCltiger numerischer Wert.");
    EXPECT_EQ(faults[2].entry, 6);
    EXPECT_EQ(faults[2].field, 0);
    EXPECT_EQ(faults[2].message,
              "Brennstoffarten-Bezeichnung ist zu lang und wird auf 13 Zeichen gek\xC3\xBCrzt");
    EXPECT_EQ(cells[1][2], "1.5x");
    EXPECT_EQ(cells[3][3], "7,5");
    EXPECT_EQ(cells[6][0], "Abcdefghijklm");
    EXPECT_EQ(cells[8][1], "nope");
}

TEST(FuelCheck, ReportSeesTheCellsAsTheyStandAtThatMoment) {
    FuelTableCells cells = ValidTable();
    cells[0][0] = "Vierzehn Zeich";
    cells[5][0] = "Genau13Zeiche"; // exactly 13: accepted
    std::string nameAtReport;
    CheckFuelTable(cells, [&](const FuelFault&) { nameAtReport = cells[0][0]; });
    // The message comes before the cut.
    EXPECT_EQ(nameAtReport, "Vierzehn Zeich");
    EXPECT_EQ(cells[0][0], "Vierzehn Zeic");

    cells = ValidTable();
    cells[4][2] = "2,x";
    std::string numberAtReport;
    CheckFuelTable(cells, [&](const FuelFault&) { numberAtReport = cells[4][2]; });
    EXPECT_EQ(numberAtReport, "2.x");
}

TEST(FuelCheck, HiddenLastEntryIsCheckedToo) {
    FuelTableCells cells = ValidTable();
    cells[15][4] = "1,0,0";
    const auto faults = Check(cells);
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0].entry, 15);
    EXPECT_EQ(faults[0].field, 4);
    EXPECT_EQ(faults[0].message, "1,0,0 ist kein g\xC3\xBCltiger numerischer Wert.");
}

TEST(FuelTableFile, WritesAllEightyKeysAsTheyStandAndReadsThemBack) {
    TempDir dir;
    const std::string file = dir.File("f.ini");
    WriteBytes(file, "[Main]\r\nCOMPort=3\r\n[15]\r\nName=Hand\r\nExtra=bleibt\r\n");
    FuelTableCells cells = ValidTable();
    cells[15] = {"Hand", "1.5", "0.50", "1e3", "99"};
    {
        IniFile ini(file);
        WriteFuelTable(ini, cells);
    }
    IniFile ini(file);
    FuelTableCells back;
    ReadFuelTable(ini, back);
    EXPECT_EQ(back, cells);
    EXPECT_EQ(ini.ReadString("15", "Extra", ""), "bleibt");
    EXPECT_EQ(ini.ReadInteger("Main", "COMPort", 0), 3);
    const std::string text = ReadBytes(file);
    EXPECT_NE(
        text.find("[0]\r\nName=Heiz\xF6l\r\nCO2Max=15.4\r\nA1=0.50\r\nB=0.007\r\nMaxEta=100.0\r\n"),
        std::string::npos);
}

TEST(FuelTableFile, MissingKeysReadAsEmptyAndAFailedWriteThrows) {
    TempDir dir;
    const std::string file = dir.File("f.ini");
    WriteBytes(file, "[2]\r\nB=0.011\r\n");
    FuelTableCells cells;
    ReadFuelTable(IniFile(file), cells);
    EXPECT_EQ(cells[2][3], "0.011");
    EXPECT_EQ(cells[2][0], "");
    EXPECT_EQ(cells[9][1], "");

    std::filesystem::permissions(PathFromUtf8(file), std::filesystem::perms::owner_read,
                                 std::filesystem::perm_options::replace);
    IniFile ini(file);
    EXPECT_THROW(WriteFuelTable(ini, ValidTable()), EInOutError);
    EXPECT_EQ(ReadBytes(file), "[2]\r\nB=0.011\r\n");
}
