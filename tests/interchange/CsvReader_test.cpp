// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading lists as spreadsheet and office programs write them.

#include "core/interchange/CsvReader.h"

#include <gtest/gtest.h>

namespace {

const std::string kBom = "\xEF\xBB\xBF";

// A spreadsheet's export: byte order mark, ";", quotes, a decimal comma, a header.
const std::string kSpreadsheetExport = kBom + "Nachname;Vorname;Stra\xC3\x9F"
                                              "e;Hausnr.;PLZ;Ort;Nennw\xC3\xA4rmeleistung kW\r\n"
                                              "M\xC3\xBCller;Hans;\"Hauptstra\xC3\x9F"
                                              "e; Hinterhaus\";12;12345;Berlin;24,5\r\n"
                                              "Schulz;Eva;Ringweg;3;54321;Bonn;18\r\n";

} // namespace

TEST(CsvReader, DetectsEncodingAndSeparatorOfRealLookingFiles) {
    EXPECT_EQ(DetectEncoding(kSpreadsheetExport), TextEncoding::Utf8);
    EXPECT_EQ(DetectEncoding("Name;Ort\r\nM\xC3\xBCller;K\xC3\xB6ln\r\n"), TextEncoding::Utf8);
    // An "ü" of Windows-1252 is no UTF-8.
    EXPECT_EQ(DetectEncoding("Name;Ort\r\nM\xFCller;K\xF6ln\r\n"), TextEncoding::Windows1252);
    EXPECT_EQ(DetectEncoding("\xFF\xFEN\0a\0"), TextEncoding::Utf16LE);

    const std::string text = DecodeText(kSpreadsheetExport, TextEncoding::Utf8);
    EXPECT_EQ(text.substr(0, 8), "Nachname"); // the mark is gone
    EXPECT_EQ(DetectSeparator(text), ';');
    // Commas inside quoted street names do not make "," the separator, nor decimal commas.
    EXPECT_EQ(DetectSeparator("Name,Strasse,Ort\n\"Meier, Hans\",\"Weg 1, Hof\",Ulm\n"
                              "Roth,Gasse 2,Bonn\n"),
              ',');
    EXPECT_EQ(DetectSeparator("Name\tLeistung\nMeier\t24,5\nRoth\t18,0\n"), '\t');
    EXPECT_EQ(DetectSeparator("Meier\n"), ';');

    EXPECT_EQ(DecodeText("M\xFCller \x80", TextEncoding::Windows1252),
              "M\xC3\xBCller \xE2\x82\xAC");
    EXPECT_EQ(DecodeText(std::string("\xFF\xFEM\0\xFC\0", 6), TextEncoding::Utf16LE), "M\xC3\xBC");
    // Broken UTF-8 is not passed on as it stands.
    EXPECT_EQ(DecodeText("a\xC3", TextEncoding::Utf8), "a\xEF\xBF\xBD");
}

TEST(CsvReader, QuotedFieldsHoldSeparatorsQuotesAndLineBreaks) {
    const SourceRows rows = ReadCsvRows("Name;Notiz\r\n"
                                        "\"Meier; Hans\";\"sagt \"\"Hallo\"\"\"\r\n"
                                        "\"Roth\";\"Zeile 1\r\nZeile 2\nZeile 3\"\r\n"
                                        "\"\";leer\r\n",
                                        ';');
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], (SourceRow{"Meier; Hans", "sagt \"Hallo\""}));
    EXPECT_EQ(rows[2], (SourceRow{"Roth", "Zeile 1\r\nZeile 2\nZeile 3"}));
    EXPECT_EQ(rows[3], (SourceRow{"", "leer"}));
    // A quote inside an unquoted field is a character; text after a closing quote is kept.
    EXPECT_EQ(ReadCsvRows("a\"b;\"c\"d\n", ';'), (SourceRows{{"a\"b", "cd"}}));
    // An unclosed quote takes the rest of the file, without hanging.
    EXPECT_EQ(ReadCsvRows("\"offen;x\ny", ';'), (SourceRows{{"offen;x\ny"}}));
}

TEST(CsvReader, LineEndsAndEmptyLines) {
    const SourceRows expected{{"a", "b"}, {""}, {"c", ""}};
    EXPECT_EQ(ReadCsvRows("a,b\r\n\r\nc,\r\n", ','), expected);
    EXPECT_EQ(ReadCsvRows("a,b\n\nc,\n", ','), expected);
    EXPECT_EQ(ReadCsvRows("a,b\r\rc,", ','), expected);
    EXPECT_EQ(ReadCsvRows("a,b\n\nc,\n", ',', 2).size(), 2u);
    EXPECT_TRUE(ReadCsvRows("", ',').empty());
}
