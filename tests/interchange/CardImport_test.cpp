// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Imported values made to fit the cards, and the report of every change.

#include "core/files/CardColumns.h"
#include "core/interchange/CardFitting.h"
#include "core/interchange/CardImport.h"
#include "core/interchange/CsvReader.h"
#include "core/interchange/ForeignList.h"

#include <gtest/gtest.h>

TEST(CardFitting, FollowsTheRulesOfTypingAndPasting) {
    // Cut to the grid's limits: 20 for the name and the street, 16 for the town.
    FittedField f = FitField(kColName, "Mustermann-Schneider Karl");
    EXPECT_EQ(f.value, "Mustermann-Schneider");
    EXPECT_EQ(f.changes, unsigned{kFitCut});
    EXPECT_EQ(FitField(kColTown, "12345 Frankfurt am Main").value, "12345 Frankfurt ");

    // Separators and line breaks become one blank.
    f = FitField(kColStreet, "Hauptstr. 1,\r\nHof");
    EXPECT_EQ(f.value, "Hauptstr. 1 Hof");
    EXPECT_EQ(f.changes, unsigned{kFitSeparator});
    EXPECT_EQ(FitField(kColStreet, "Weg 1; Hof").value, "Weg 1 Hof");

    // Outside Windows-1252: the plain letter, else "?"; what it holds stays as it is.
    f = FitField(kColName, "\xC5\x81ukasz W\xC3\xB3jcik");
    EXPECT_EQ(f.value, "Lukasz W\xF3jcik");
    EXPECT_EQ(f.changes, unsigned{kFitCharacter});
    EXPECT_EQ(FitField(kColName, "\xE2\x98\x85 Stern").value, "? Stern");
    EXPECT_EQ(FitField(kColName, "M\xC3\xBCller \xE2\x82\xAC").changes, 0u);

    // Decimal commas of numbers become points; in a text column the comma is a separator.
    f = FitField(kColO2, "3,5");
    EXPECT_EQ(f.value, "3.5");
    EXPECT_EQ(f.changes, unsigned{kFitDecimal});
    f = FitField(kColNominalOutput, "24,55");
    EXPECT_EQ(f.value, "24.5");
    EXPECT_EQ(f.changes, unsigned{kFitDecimal | kFitCut});
    EXPECT_EQ(FitField(kColFuel, "Heiz\xC3\xB6l,EL").value, "Heiz\xF6l EL");

    // Values that break a column's typing rule stay empty.
    f = FitField(kColNominalOutput, "ca. 24");
    EXPECT_EQ(f.value, "");
    EXPECT_EQ(f.changes, unsigned{kFitInvalid});
    EXPECT_EQ(FitField(kColStandardBoiler, "Ja").changes, unsigned{kFitInvalid});
    EXPECT_EQ(FitField(kColInstallDate, "2005-03-01").changes, unsigned{kFitInvalid});
    // Small letters go up, as typed.
    f = FitField(kColBurnerKind, "v");
    EXPECT_EQ(f.value, "V");
    EXPECT_EQ(f.changes, unsigned{kFitCharacter});
    EXPECT_EQ(FitField(kColInstallDate, "01.03.2005").changes, 0u);
    // The plant's columns follow their own rules as well.
    EXPECT_EQ(FitField(kColMeasuredOutput, "22,3").value, "22.3");
    EXPECT_EQ(FitField(kColDueYear, "2027/28").changes, unsigned{kFitInvalid});
    EXPECT_EQ(FitField(kColOwner, "Hausverwaltung Sonnenhof GmbH & Co. KG, Abt. Technik").value,
              "Hausverwaltung Sonnenhof GmbH & Co. KG A");
}

TEST(CardImport, MakesCardsAndReportsEveryChange) {
    const SourceRows rows =
        ReadCsvRows("Nachname;Vorname;Strasse;Nr;PLZ;Ort;Nennw\xC3\xA4rmeleistung kW\n"
                    "M\xC3\xBCller;Hans;Hauptstra\xC3\x9F"
                    "e;12;12345;Berlin;24,5\n"
                    ";;;;;;\n"
                    "  ;\t;;;;;\n"
                    "Wendelin-Schwarzenberg;Maximilian;Am Hang;1;01234;Ulm;abc\n",
                    ';');
    ImportPlan plan;
    plan.mapping.resize(30);
    plan.mapping[0] = {0, 1};
    plan.mapping[1] = {2, 3};
    plan.mapping[2] = {4, 5};
    plan.mapping[kColNominalOutput] = {6};
    const ImportResult r = ImportCards(rows, plan, 30);
    ASSERT_EQ(r.cards.size(), 2u);
    EXPECT_EQ(r.cards[0][0], "M\xFCller Hans");
    EXPECT_EQ(r.cards[0][1], "Hauptstra\xDF"
                             "e 12");
    EXPECT_EQ(r.cards[0][2], "12345 Berlin");
    EXPECT_EQ(r.cards[0][kColNominalOutput], "24.5");
    EXPECT_EQ(r.cards[1][0], "Wendelin-Schwarzenbe");
    EXPECT_EQ(r.cards[1][kColNominalOutput], "");
    EXPECT_EQ(r.cards[1].size(), 30u);

    EXPECT_EQ(r.report.imported, 2);
    EXPECT_EQ(r.report.skippedEmpty, 2);
    EXPECT_EQ(ReportSummary(r.report),
              "2 Karten importiert, 1 Feld gek\xC3\xBCrzt, 1 Feld angepasst, 1 ung\xC3\xBCltiger "
              "Wert leer gelassen, 2 Zeilen \xC3\xBC"
              "bersprungen (leer)");
    ASSERT_EQ(r.report.changes.size(), 3u);
    const FieldChange& cut = r.report.changes[1];
    EXPECT_EQ(cut.row, 5);
    EXPECT_EQ(cut.col, 0);
    EXPECT_EQ(cut.before, "Wendelin-Schwarzenberg Maximilian");
    EXPECT_EQ(cut.after, "Wendelin-Schwarzenbe");

    // The saved report reads back as a list, with the summary first.
    const std::vector<std::string> captions(30, "Spalte");
    const std::string csv = ReportCsv(r.report, captions);
    const SourceRows back = ReadCsvRows(DecodeText(csv, DetectEncoding(csv)), ';');
    ASSERT_EQ(back.size(), 5u);
    EXPECT_EQ(back[0][0], ReportSummary(r.report));
    EXPECT_EQ(back[1][0], "Zeile");
    EXPECT_EQ(back[3], (SourceRow{"5", "Spalte", "Wendelin-Schwarzenberg Maximilian",
                                  "Wendelin-Schwarzenbe", "gek\xC3\xBCrzt"}));

    // Without a header the first row is a card; the summary groups thousands.
    plan.header = false;
    EXPECT_EQ(ImportCards(rows, plan, 30).report.imported, 3);
    ImportReport big;
    big.imported = 2500;
    big.cutFields = 817;
    big.skippedEmpty = 3;
    EXPECT_EQ(ReportSummary(big), "2.500 Karten importiert, 817 Felder gek\xC3\xBCrzt, 3 Zeilen "
                                  "\xC3\xBC"
                                  "bersprungen (leer)");
}

TEST(ForeignList, TellsListsFromCardFiles) {
    const std::vector<std::string> captions = {"Name", "Strasse", "Ort"};
    EXPECT_FALSE(LooksLikeForeignList("Meier,Hauptstr. 1,Ulm,,,\r\nRoth,Weg 2,Bonn\r\n", captions));
    EXPECT_FALSE(LooksLikeForeignList("", captions));
    EXPECT_TRUE(LooksLikeForeignList("\xEF\xBB\xBFMeier,Weg 1,Ulm\r\n", captions));
    EXPECT_TRUE(LooksLikeForeignList("Meier;Weg 1;Ulm\r\n", captions));
    EXPECT_TRUE(LooksLikeForeignList("Meier,Weg 1,Ulm\nRoth,Weg 2,Bonn\n", captions));
    EXPECT_TRUE(LooksLikeForeignList("Meier,\"Weg 1, Hof\",Ulm\r\n", captions));
    EXPECT_TRUE(LooksLikeForeignList("Name,Strasse,Ort\r\nMeier,Weg 1,Ulm\r\n", captions));
    EXPECT_TRUE(LooksLikeForeignList(std::string("PK\x03\x04", 4), captions));
}
