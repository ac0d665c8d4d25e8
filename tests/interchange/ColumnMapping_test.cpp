// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Header lines and the columns proposed from their names.

#include "core/interchange/ColumnMapping.h"

#include <gtest/gtest.h>

namespace {

// The captions of the column definition file, as far as these tests need them.
const std::vector<std::string> kCaptions = {"Name",
                                            "Strasse",
                                            "Ort",
                                            "Brennstoff",
                                            "Abgastemperatur \xC2\xB0"
                                            "C",
                                            "Nennw\xC3\xA4rmeleistung kW"};

} // namespace

TEST(ColumnMapping, DetectsAHeaderLine) {
    EXPECT_TRUE(LooksLikeHeader({{"Nachname", "Vorname"}, {"Meier", "Hans"}}, kCaptions));
    EXPECT_TRUE(LooksLikeHeader({{"NENNW\xC3\x84RMELEISTUNG KW"}}, kCaptions));
    // Unknown words above a row with numbers.
    EXPECT_TRUE(LooksLikeHeader({{"Kundin", "Telefon"}, {"Meier", "0711 123"}}, kCaptions));
    EXPECT_FALSE(LooksLikeHeader({{"Meier", "Hauptstr. 1"}, {"Roth", "Weg 2"}}, kCaptions));
    EXPECT_FALSE(LooksLikeHeader({}, kCaptions));
}

TEST(ColumnMapping, ProposesJoinedAddressColumnsAndCaptions) {
    const std::vector<std::string> header = {"Kd-Nr.",
                                             "Nachname",
                                             "Vorname",
                                             "Stra\xC3\x9F"
                                             "e",
                                             "Hausnr.",
                                             "PLZ",
                                             "Ort",
                                             "Nennw\xC3\xA4rmeleistung kW"};
    const ColumnMapping m = ProposeMapping(header, kCaptions);
    ASSERT_EQ(m.size(), kCaptions.size());
    EXPECT_EQ(m[0], (ColumnSources{1, 2}));
    EXPECT_EQ(m[1], (ColumnSources{3, 4}));
    EXPECT_EQ(m[2], (ColumnSources{5, 6}));
    EXPECT_TRUE(m[3].empty());
    EXPECT_EQ(m[5], (ColumnSources{7}));

    // A list of the program's own export maps back column by column.
    const ColumnMapping own = ProposeMapping({"Name", "Strasse", "Ort"}, kCaptions);
    EXPECT_EQ(own[0], (ColumnSources{0}));
    EXPECT_EQ(own[1], (ColumnSources{1}));
    EXPECT_EQ(own[2], (ColumnSources{2}));
    // Without header, the order of a card file.
    const ColumnMapping byPosition = ProposeByPosition(2, kCaptions.size());
    EXPECT_EQ(byPosition[1], (ColumnSources{1}));
    EXPECT_TRUE(byPosition[2].empty());
    // "Nr." alone, without a street, is no street.
    EXPECT_TRUE(ProposeMapping({"Nr.", "Name"}, kCaptions)[1].empty());
}

TEST(ColumnMapping, SourcesAsTextForSettingsAndCommandLine) {
    const std::vector<std::string> header = {"Nachname", "Vorname", "Ort", "Ort"};
    EXPECT_EQ(SourcesText({0, 1}, header), "Nachname+Vorname");
    // A name that is not unique, or no header at all: numbers.
    EXPECT_EQ(SourcesText({2}, header), "3");
    EXPECT_EQ(SourcesText({0, 1}, {}), "1+2");

    ColumnSources sources;
    EXPECT_TRUE(ParseSources("nachname + VORNAME", header, 4, sources));
    EXPECT_EQ(sources, (ColumnSources{0, 1}));
    EXPECT_TRUE(ParseSources("4+1", {}, 4, sources));
    EXPECT_EQ(sources, (ColumnSources{3, 0}));
    EXPECT_TRUE(ParseSources("", header, 4, sources));
    EXPECT_TRUE(sources.empty());
    EXPECT_FALSE(ParseSources("5", {}, 4, sources));
    EXPECT_FALSE(ParseSources("Telefon", header, 4, sources));
    EXPECT_FALSE(ParseSources("1+", header, 4, sources));

    EXPECT_EQ(CardColumnNamed("K5", kCaptions), 5);
    EXPECT_EQ(CardColumnNamed("strasse", kCaptions), 1);
    EXPECT_EQ(CardColumnNamed("Stra\xC3\x9F"
                              "e",
                              kCaptions),
              1);
    EXPECT_EQ(CardColumnNamed("K6", kCaptions), -1);
    EXPECT_EQ(CardColumnNamed("Telefon", kCaptions), -1);
}
