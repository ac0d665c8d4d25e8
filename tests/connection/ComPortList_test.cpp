// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/connection/ComPortList.h"

#include "core/exchange/ComPortMap.h"
#include "core/files/IniFile.h"
#include "core/files/Utf8Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ComPortList, AsksForOneToTwoHundredFiftyFiveInOrder) {
    std::vector<int> asked;
    const auto ports = AvailableComPorts([&](int n) {
        asked.push_back(n);
        return n == 1 || n == 3 || n == 12 || n == 255;
    });
    EXPECT_EQ(ports, (std::vector<int>{1, 3, 12, 255}));
    ASSERT_EQ(asked.size(), 255u);
    EXPECT_EQ(asked.front(), 1);
    EXPECT_EQ(asked.back(), 255);
}

TEST(ComPortList, ItemTextsAndTheirNumbers) {
    EXPECT_EQ(ComItemText(12), "COM12");
    EXPECT_EQ(ComNumberOfItem("COM1"), 1);
    EXPECT_EQ(ComNumberOfItem("COM255"), 255);
    // At most three digits are read.
    EXPECT_EQ(ComNumberOfItem("COM1234"), 123);
    EXPECT_EQ(ComNumberOfItem("COM"), 0);
    EXPECT_EQ(ComNumberOfItem("COMx"), 0);
}

#ifdef _WIN32
TEST(ComPortList, WindowsNamesEveryPortItselfAndNeedsNoMapping) {
    TempDir dir;
    WriteBytes(dir.File("s.ini"), "[Ports]\r\nCOM7=C:\\anders\r\n");
    const IniFile ini(dir.File("s.ini"));
    // The long form, because the short one names only COM1 to COM9.
    EXPECT_EQ(ComDevicePath(7, &ini), "\\\\?\\COM7");
    EXPECT_EQ(ComDevicePath(200, nullptr), "\\\\?\\COM200");
    EXPECT_EQ(ComNumberOfDevice("\\\\?\\COM12", &ini), 12);
}
#else
TEST(ComPortList, DeviceNumbersFollowTheMappingAndLinks) {
    TempDir dir;
    const std::string device = dir.File("dev0");
    WriteBytes(device, "");
    std::filesystem::create_symlink(PathFromUtf8(device), PathFromUtf8(dir.File("link")));
    WriteBytes(dir.File("s.ini"),
               "[Ports]\r\nCOM7=" + dir.File("link") + "\r\nCOM200=" + dir.File("other") + "\r\n");
    const IniFile ini(dir.File("s.ini"));
    EXPECT_EQ(ComNumberOfDevice(device, &ini), 7);
    EXPECT_EQ(ComNumberOfDevice(dir.File("other"), &ini), 200);
    EXPECT_EQ(ComNumberOfDevice("/dev/ttyS3", &ini), 4);
    EXPECT_EQ(ComNumberOfDevice("/dev/ttyUSB0", nullptr), 33);
    EXPECT_EQ(ComNumberOfDevice(dir.File("unmapped"), &ini), 0);
    EXPECT_EQ(ComNumberOfDevice("", &ini), 0);
}
#endif
