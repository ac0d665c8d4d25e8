// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/ColumnDefs.h"
#include "core/files/FileErrors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::vector<std::string> Definitions(const std::string& section) {
    TempDir dir;
    WriteBytes(dir.File("x.DTA"), "[CSVGER]\r\n" + section);
    return ReadColumnDefinitions(dir.File("x.DTA"));
}

} // namespace

TEST(ColumnDefs, FieldsOfAValue) {
    EXPECT_EQ(GetDefCaption("Name,Page1,20"), "Name");
    EXPECT_EQ(GetDefPage("Name,Page1,20"), "Page1");
    EXPECT_EQ(GetDefWidth("Name,Page1,20"), "20");
    EXPECT_EQ(GetDefWidth("A,Page1,20,x"), "20,x");
    EXPECT_EQ(GetDefCaption("NoComma"), "");
    EXPECT_EQ(GetDefPage("A,Page1"), "");
    EXPECT_EQ(GetDefWidth("A,Page1"), "");
}

TEST(ColumnDefs, EmptyValuesSkippedAndRepeatedKeysCountOnce) {
    const auto values = Definitions("f1=A,Page1,5\r\nF9=\r\nF1=B,Page1,5\r\nK2=C,Page2,0\r\n");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0], "A,Page1,5");
    EXPECT_EQ(values[1], "C,Page2,0");
}

TEST(ColumnDefs, ValuesAreCutTo255Characters) {
    const auto values = Definitions("K0=" + std::string(300, 'x') + ",Page2,0\r\n");
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].size(), 255u);
}

TEST(ColumnDefs, LayoutOfTheInstalledFile) {
    const auto values = ReadColumnDefinitions(std::string(FENDRO_SOURCE_DIR) + "/data/fendro.DTA");
    const GridLayout layout = BuildGridLayout(values);
    // the device's 25, the five facts the limits need, then the rest of the plant
    ASSERT_EQ(layout.captions.size(), 48u);
    EXPECT_EQ(layout.captions[0], "Name");
    EXPECT_EQ(layout.captions[2], "Ort");
    EXPECT_EQ(layout.valueCaptions.size(), 22u);
    EXPECT_EQ(layout.provisionalWidths[0], 140);
    EXPECT_EQ(layout.provisionalWidths[3], -1);
    EXPECT_EQ(layout.captions[25], "Nennw\xE4rmeleistung kW");
    EXPECT_GT(layout.provisionalWidths[25], 0);  // shown on the card list
    EXPECT_EQ(layout.provisionalWidths[30], -1); // only on the plant page
}

TEST(ColumnDefs, PagesCompareExactly) {
    const GridLayout layout = BuildGridLayout({"A,page1,20", "B,Page2,0", "C,PAGE2,0"});
    EXPECT_EQ(layout.provisionalWidths[0], -1);
    ASSERT_EQ(layout.valueCaptions.size(), 1u);
    EXPECT_EQ(layout.valueCaptions[0], "B");
}

TEST(ColumnDefs, BadWidthStopsTheLayoutWithTheConversionMessage) {
    try {
        BuildGridLayout({"A,Page1,x20"});
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'x20' is not a valid integer value");
    }
    EXPECT_THROW(BuildGridLayout({"A,Page1,20,x"}), EConvertError);
    EXPECT_THROW(BuildGridLayout({"A,Page1,"}), EConvertError);
    EXPECT_EQ(BuildGridLayout({"A,Page1,$10"}).provisionalWidths[0], 16 * 7);
    EXPECT_EQ(BuildGridLayout({"A,Page1,0"}).provisionalWidths[0], 0);
    EXPECT_EQ(BuildGridLayout({"A,Page1,$7FFFFFFF"}).provisionalWidths[0], INT_MAX);
    EXPECT_EQ(BuildGridLayout({"A,Page1,-2147483648"}).provisionalWidths[0], INT_MIN);
    // A bad width on a page that is not "Page1" is never read.
    EXPECT_NO_THROW(BuildGridLayout({"A,Page2,x"}));
}
