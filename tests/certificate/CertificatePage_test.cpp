// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate page as drawn, on a canvas that keeps each text, its page and its weight.

#include "core/certificate/CertificatePage.h"
#include "core/files/CardColumns.h"
#include "core/files/CardTable.h"
#include "core/files/ColumnDefs.h"

#include <gtest/gtest.h>

namespace {

class TextCanvas : public PrintCanvas {
public:
    std::string pages[4];          // the texts of pages 1 to 3, each followed by " | "
    std::vector<std::string> bold; // of page 1
    void SetOrientation(TPrinterOrientation) override {}
    void SetTitle(const std::string&) override {}
    PhysicalPage Paper() override { return {2480, 3508, 300, 300}; } // A4 at 300 dpi
    void BeginJob() override {}
    void EndJob() override {}
    void SetFontHeight(int) override {}
    void SetBold(bool b) override { bold_ = b; }
    void SetPenWidth(int) override {}
    int TextWidth(const std::string& text) override { return 5 * static_cast<int>(text.size()); }
    void TextOut(int, int, const std::string& text) override {
        pages[page_] += text + " | ";
        if (bold_ && page_ == 1) {
            bold.push_back(text);
        }
    }
    void Line(int, int, int, int) override {}
    void NewPage() override { ++page_; }

private:
    int page_ = 1;
    bool bold_ = false;
};

} // namespace

TEST(CertificatePage, MeasuredValuesAsTheReaderNeedsThem) {
    CardTable table;
    const std::vector<std::string> defs =
        ReadColumnDefinitions(FENDRO_SOURCE_DIR "/data/fendro.DTA");
    table.SetColCount(static_cast<int>(defs.size()));
    table.SetRowCount(1);
    for (size_t c = 0; c < defs.size(); ++c) {
        table.SetCell(static_cast<int>(c), 0, GetDefCaption(defs[c]));
    }
    for (const char* fuel : {"Heiz\xF6l", "Erdgas", ""}) {
        CardTable::Row row = table.EmptyRow();
        row[kColFuel] = fuel;
        row[kColO2] = "3.5";
        row[kColFlueGasLoss] = "11.4";
        row[kColDate] = "07.12.2025";
        row[kColOilDerivatives] = "JA";
        row[kColSoot[0]] = "1";
        row[kColSoot[1]] = "2";
        row[kColSoot[2]] = "3";
        row[kColNominalOutput] = "20";
        row[kColBurnerKind] = "Z";
        row[kColStandardBoiler] = "N";
        row[kColInstallDate] = "01.01.2000";
        table.AppendRow(row);
    }
    CertificateContext context;
    context.fuelNames = {"Heiz\xF6l", "Erdgas"};
    context.lossUncertaintyTenths = 6;
    TextCanvas canvas;
    PrintCertificates(canvas, table, {1, 2, 3}, context);

    const std::string& oil = canvas.pages[1];
    EXPECT_NE(oil.find("Rußzahl 1 | 1 | Rußzahl 2 | 2 | Rußzahl 3 | 3"), std::string::npos) << oil;
    EXPECT_EQ(oil.find("Russzahl"), std::string::npos);
    EXPECT_NE(oil.find("Abgasverlust | 11,4 % (Messunsicherheit ± 0,6 Prozentpunkte)"),
              std::string::npos);
    // The failed checks stand out; the loss, 10,8 % after the uncertainty, does not.
    EXPECT_EQ(canvas.bold, (std::vector<std::string>{"Rußzahl", "2", "höchstens 1", "§ 8",
                                                     "nicht eingehalten", "Ölderivate", "vorhanden",
                                                     "frei davon", "§ 8", "nicht eingehalten"}));

    EXPECT_EQ(canvas.pages[2].find("Rußzahl"), std::string::npos) << canvas.pages[2];
    EXPECT_EQ(canvas.pages[2].find("Ölderivate"), std::string::npos);
    EXPECT_NE(canvas.pages[3].find("Brennstoff | kein Brennstoff angegeben"), std::string::npos);
}

TEST(CertificatePage, EveryItemOfTheMinimumContentInItsOrder) {
    CardTable table;
    const std::vector<std::string> defs =
        ReadColumnDefinitions(FENDRO_SOURCE_DIR "/data/fendro.DTA");
    table.SetColCount(static_cast<int>(defs.size()));
    table.SetRowCount(1);
    for (size_t c = 0; c < defs.size(); ++c) {
        table.SetCell(static_cast<int>(c), 0, GetDefCaption(defs[c]));
    }
    CardTable::Row row = table.EmptyRow();
    row[0] = "Meier";
    row[kColFuel] = "Heiz\xF6l";
    row[kColO2] = "3.5";
    row[kColFlueGasLoss] = "12.0";
    row[kColDate] = "01.11.2025";
    row[kColOilDerivatives] = "NEIN";
    row[kColSoot[0]] = "0";
    row[kColNominalOutput] = "20";
    row[kColStandardBoiler] = "N";
    row[kColSite] = "Keller";
    row[kColExchangerMaker] = "Kessel AG";
    table.AppendRow(row);
    // Six weeks later, after the failed loss.
    row[kColDate] = "13.12.2025";
    row[kColFlueGasLoss] = "9.0";
    table.AppendRow(row);

    CertificateContext context;
    context.business = {"Ru\xDF GmbH", "", "Ulm", ""};
    context.fuelNames = {"Heiz\xF6l", "Erdgas"};
    context.lossUncertaintyTenths = 5;
    TextCanvas canvas;
    PrintCertificates(canvas, table, {2}, context);
    const std::string& page = canvas.pages[1];
    size_t at = 0;
    for (const char* item : {"Betrieb | Ruß GmbH, Ulm",
                             "Eigentümer | wie Betreiber",
                             "Betreiber | Meier",
                             "Aufstellort | Keller",
                             "Rechtliche Grundlage | § 14 Abs. 5 (Wiederholung)",
                             "Wärmetauscher | Hersteller Kessel AG, Typ nicht angegeben",
                             "Brenner | Hersteller",
                             "Art des Brenners | nicht angegeben",
                             "Brennstoff | Heizöl",
                             "Nr. nach § 3 Abs. 1: 9",
                             "Art der Anlage | nicht angegeben",
                             "Wärmeträgertemperatur | ",
                             "Verbrennungslufttemperatur | ",
                             "Abgastemperatur | ",
                             "Sauerstoffgehalt | 3,5 %",
                             "Druckdifferenz | ",
                             "Abgasverlust | 9,0 % (Messunsicherheit",
                             "Rußzahl 1 | 0",
                             "Rußzahl 2 | –",
                             "Rußzahl 3 | –",
                             "Mittelwert der Rußzahl | 0",
                             "Ölderivate | keine",
                             "Grenzwert | ",
                             "Ergebnis: ",
                             "Herstellerbescheinigung (§ 6 Abs. 2 und 3) | nicht erforderlich",
                             "Unterschrift"}) {
        const size_t found = page.find(item, at);
        ASSERT_NE(found, std::string::npos) << item << "\n" << page;
        at = found;
    }
}
