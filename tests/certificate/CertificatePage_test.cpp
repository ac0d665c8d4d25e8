// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate page as drawn: what it says about the measured values and which texts stand
// out, on a canvas that records each text.

#include "core/certificate/CertificatePage.h"
#include "core/files/CardColumns.h"
#include "core/files/CardTable.h"
#include "core/files/ColumnDefs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Drawn {
    int page;
    std::string text;
    bool bold;
};

// A4 at 300 dpi; texts are 5 units a byte wide.
class TextCanvas : public PrintCanvas {
public:
    std::vector<Drawn> texts;

    void SetOrientation(TPrinterOrientation) override {}
    void SetTitle(const std::string&) override {}
    PhysicalPage Paper() override { return {2480, 3508, 300, 300}; }
    void BeginJob() override { page_ = 1; }
    void EndJob() override {}
    void SetFontHeight(int) override {}
    void SetBold(bool bold) override { bold_ = bold; }
    void SetPenWidth(int) override {}
    int TextWidth(const std::string& text) override { return 5 * static_cast<int>(text.size()); }
    void TextOut(int, int, const std::string& text) override {
        texts.push_back({page_, text, bold_});
    }
    void Line(int, int, int, int) override {}
    void NewPage() override { ++page_; }

    std::vector<Drawn> OnPage(int page) const {
        std::vector<Drawn> out;
        std::copy_if(texts.begin(), texts.end(), std::back_inserter(out),
                     [&](const Drawn& d) { return d.page == page; });
        return out;
    }

private:
    int page_ = 0;
    bool bold_ = false;
};

// The texts of a page in drawing order, one string with " | " between them.
std::string Joined(const std::vector<Drawn>& texts) {
    std::string out;
    for (const Drawn& d : texts) {
        out += d.text + " | ";
    }
    return out;
}

CardTable Cards() {
    CardTable table;
    const std::vector<std::string> defs =
        ReadColumnDefinitions(FENDRO_SOURCE_DIR "/data/fendro.DTA");
    table.SetColCount(static_cast<int>(defs.size()));
    table.SetRowCount(1);
    for (size_t c = 0; c < defs.size(); ++c) {
        table.SetCell(static_cast<int>(c), 0, GetDefCaption(defs[c]));
    }
    const auto card = [&](const std::string& fuel, const std::string& loss) {
        CardTable::Row row = table.EmptyRow();
        row[kColName] = "Meier";
        row[kColFuel] = fuel;
        row[kColO2] = "3.5";
        row[kColFlueGasLoss] = loss;
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
    };
    card("Heiz\xF6l", "11.4");
    card("Erdgas", "7.5");
    card("", "7.5");
    return table;
}

} // namespace

TEST(CertificatePage, MeasuredValuesAsTheReaderNeedsThem) {
    const CardTable table = Cards();
    CertificateContext context;
    context.fuelNames = {"Heiz\xF6l", "Erdgas"};
    context.lossUncertaintyTenths = 6;
    TextCanvas canvas;
    PrintCertificates(canvas, table, {1, 2, 3}, context);

    // Oil: the soot readings in their order, under the page's spelling, and the loss with its
    // uncertainty.
    const std::string oil = Joined(canvas.OnPage(1));
    EXPECT_NE(oil.find("Rußzahl 1 | 1 | Rußzahl 2 | 2 | Rußzahl 3 | 3"), std::string::npos) << oil;
    EXPECT_EQ(oil.find("Russzahl"), std::string::npos);
    EXPECT_NE(oil.find("Abgasverlust | 11,4 % (Messunsicherheit ± 0,6 Prozentpunkte)"),
              std::string::npos);
    EXPECT_NE(oil.find("Im Beitrittsgebiet bis zum 3.10.1990 errichtet"), std::string::npos);

    // The failed checks stand out, the kept loss and everything else do not.
    std::vector<std::string> bold;
    for (const Drawn& d : canvas.OnPage(1)) {
        if (d.bold) {
            bold.push_back(d.text);
        }
    }
    EXPECT_EQ(bold, (std::vector<std::string>{"Rußzahl", "2", "höchstens 1", "§ 8",
                                              "nicht eingehalten", "Ölderivate", "vorhanden",
                                              "frei davon", "§ 8", "nicht eingehalten"}));

    // Gas has no soot and no oil derivatives.
    const std::string gas = Joined(canvas.OnPage(2));
    EXPECT_EQ(gas.find("Rußzahl"), std::string::npos) << gas;
    EXPECT_EQ(gas.find("Ölderivate"), std::string::npos) << gas;
    EXPECT_NE(gas.find("Erdgas (Gas)"), std::string::npos);

    const std::string none = Joined(canvas.OnPage(3));
    EXPECT_NE(none.find("Brennstoff | kein Brennstoff angegeben"), std::string::npos) << none;
    EXPECT_EQ(none.find("„“"), std::string::npos);
}
