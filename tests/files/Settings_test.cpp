// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/ConnectionSettings.h"
#include "core/files/FileErrors.h"
#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The whole fuel table as the program creates it in an empty file.
std::string DefaultFuelSections() {
    std::string s =
        "[0]\r\nName=Heiz\xF6l\r\nCO2Max=15.4\r\nA1=0.50\r\nB=0.007\r\nMaxEta=100.0\r\n"
        "[1]\r\nName=Erdgas\r\nCO2Max=11.8\r\nA1=0.37\r\nB=0.009\r\nMaxEta=100.0\r\n"
        "[2]\r\nName=Stadtgas\r\nCO2Max=11.7\r\nA1=0.35\r\nB=0.011\r\nMaxEta=100.0\r\n"
        "[3]\r\nName=Kokereigas\r\nCO2Max=10.2\r\nA1=0.29\r\nB=0.011\r\nMaxEta=100.0\r\n"
        "[4]\r\nName=Fl\xFCssiggas\r\nCO2Max=14.0\r\nA1=0.42\r\nB=0.008\r\nMaxEta=100.0\r\n";
    for (int n = 5; n < 16; ++n) {
        s += "[" + std::to_string(n) + "]\r\nName=\r\nCO2Max=0\r\nA1=0\r\nB=0\r\nMaxEta=0\r\n";
    }
    return s;
}

// Settings in a folder of their own, with the in-memory values reset to something that no
// default matches, so that a test sees what LoadSettings really read.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProgramFileName(dir_.File("fendro"));
        SetSettingsFileName(std::string());
        connection_.DeviceType = "unset";
        cardFile_ = "unset";
        connection_.MmcFileName = "unset";
        connection_.ComPort = -99;
        connection_.BaudRate = -99;
    }
    void TearDown() override { SetProgramFileName("fendro"); }
    std::string Ini() const { return dir_.File("fendro.ini"); }

    TempDir dir_;
    ConnectionSettings connection_;
    std::string cardFile_; // the card file named in [Main]
};

} // namespace

TEST_F(SettingsTest, FirstStartCreatesTheFuelTableAndExitAddsMain) {
    EXPECT_EQ(SettingsFileName(), Ini());
    LoadSettings(connection_, cardFile_);
    EXPECT_EQ(connection_.DeviceType, "RV");
    EXPECT_EQ(cardFile_, "C:\\");
    EXPECT_EQ(connection_.MmcFileName, "C:\\");
    EXPECT_EQ(connection_.ComPort, 0);
    EXPECT_EQ(connection_.BaudRate, 9600);
    EXPECT_EQ(ReadBytes(Ini()), DefaultFuelSections());

    // The start-up empties the card file name before the exit writes it.
    cardFile_.clear();
    SaveSettings(connection_, cardFile_);
    EXPECT_EQ(ReadBytes(Ini()), DefaultFuelSections() +
                                    "[Main]\r\nTypGeraet=RV\r\nFilename=\r\n"
                                    "MMCFilename=C:\\\r\nCOMPort=0\r\nBaudrate=9600\r\n");

    // A second run changes nothing.
    const std::string once = ReadBytes(Ini());
    LoadSettings(connection_, cardFile_);
    cardFile_.clear();
    SaveSettings(connection_, cardFile_);
    EXPECT_EQ(ReadBytes(Ini()), once);
}

TEST_F(SettingsTest, EmptyFileCountsAsMissing) {
    WriteBytes(Ini(), "");
    LoadSettings(connection_, cardFile_);
    EXPECT_EQ(connection_.BaudRate, 9600);
    EXPECT_EQ(ReadBytes(Ini()), DefaultFuelSections());
}

TEST_F(SettingsTest, PartialFuelTableIsCompletedWithoutTouchingWhatIsThere) {
    // Section 2 lacks B; an empty name stays empty; "0.5" is not reformatted; a quoted value
    // keeps its quotes; a section added by hand survives.
    const std::string before = "[Notiz]\r\nText=von Hand\r\n\r\n"
                               "[2]\r\nname=\r\nCO2Max=11.7\r\nA1=0.5\r\nMaxEta=\"99.0\"\r\n";
    WriteBytes(Ini(), before);
    LoadSettings(connection_, cardFile_);
    const std::string after = ReadBytes(Ini());
    EXPECT_EQ(after.rfind("[Notiz]\r\nText=von Hand\r\n\r\n"
                          "[2]\r\nname=\r\nCO2Max=11.7\r\nA1=0.5\r\nMaxEta=\"99.0\"\r\nB=0.011\r\n",
                          0),
              0u);
    const IniFile ini(Ini());
    EXPECT_EQ(ini.ReadString("2", "Name", "?"), "");
    EXPECT_EQ(ini.ReadString("2", "B", "?"), "0.011");
    EXPECT_EQ(ini.ReadString("0", "Name", "?"), "Heiz\xF6l");
    EXPECT_EQ(ini.ReadString("4", "Name", "?").size(), 10u); // "Flüssiggas", one byte per letter
    for (int n = 0; n < 16; ++n) {
        for (const char* key : {"Name", "CO2Max", "A1", "B", "MaxEta"}) {
            EXPECT_TRUE(ini.ValueExists(std::to_string(n), key)) << n << key;
        }
    }
    EXPECT_EQ(ini.ReadString("15", "MaxEta", "?"), "0");
}

TEST_F(SettingsTest, MainValuesAsRead) {
    WriteBytes(Ini(),
               "[MAIN]\r\ntypgeraet=MMC\r\nFilename=\r\nMMCFilename=D:\\Karten\\T7QKX.TXT\r\n"
               "COMPort=0x1F\r\nBaudrate=\r\n");
    LoadSettings(connection_, cardFile_);
    EXPECT_EQ(connection_.DeviceType, "MMC");
    EXPECT_EQ(cardFile_, ""); // present and empty: not the default
    EXPECT_EQ(connection_.MmcFileName, "D:\\Karten\\T7QKX.TXT");
    EXPECT_EQ(connection_.ComPort, 31);
    EXPECT_EQ(connection_.BaudRate, 9600);

    WriteBytes(Ini(), "[Main]\r\nCOMPort=abc\r\nBaudrate=19200\r\n");
    LoadSettings(connection_, cardFile_);
    EXPECT_EQ(connection_.ComPort, 0);
    EXPECT_EQ(connection_.BaudRate, 19200);
    EXPECT_EQ(cardFile_, "C:\\");
}

TEST_F(SettingsTest, PathsAreWindows1252InTheFileAndUtf8InMemory) {
    WriteBytes(Ini(), "[Main]\r\nFilename=/home/k\xF6hler/kunden.csv\r\n");
    LoadSettings(connection_, cardFile_);
    EXPECT_EQ(cardFile_, "/home/k\xC3\xB6hler/kunden.csv");
    SaveSettings(connection_, cardFile_);
    EXPECT_EQ(IniFile(Ini()).ReadString("Main", "Filename", ""), "/home/k\xF6hler/kunden.csv");
}

TEST_F(SettingsTest, ReadOnlyFileRaisesAndStaysIntact) {
    const std::string before = "[Main]\r\nTypGeraet=COM\r\nCOMPort=3\r\n[0]\r\nName=Heiz\xF6l\r\n";
    WriteBytes(Ini(), before);
    fs::permissions(fs::u8path(Ini()), fs::perms::owner_read);
    try {
        LoadSettings(connection_, cardFile_);
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + Ini());
    }
    // [Main] was read before the first write failed.
    EXPECT_EQ(connection_.DeviceType, "COM");
    EXPECT_EQ(connection_.ComPort, 3);
    EXPECT_THROW(SaveSettings(connection_, cardFile_), EInOutError);
    EXPECT_EQ(ReadBytes(Ini()), before);
}

TEST_F(SettingsTest, ReadOnlyCompleteFileNeedsNoWriteAtStart) {
    WriteBytes(Ini(), DefaultFuelSections());
    fs::permissions(fs::u8path(Ini()), fs::perms::owner_read);
    EXPECT_NO_THROW(LoadSettings(connection_, cardFile_));
    EXPECT_EQ(ReadBytes(Ini()), DefaultFuelSections());
}

TEST_F(SettingsTest, RedirectedSettingsFile) {
    SetSettingsFileName(dir_.File("elsewhere.ini"));
    LoadSettings(connection_, cardFile_);
    EXPECT_TRUE(fs::exists(fs::u8path(dir_.File("elsewhere.ini"))));
    EXPECT_FALSE(fs::exists(fs::u8path(Ini())));
    SetSettingsFileName(std::string());
}
