// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/CertificatePage.h"

#include "core/certificate/CertificateText.h"
#include "core/certificate/Verdict.h"
#include "core/files/Ansi.h"
#include "core/files/CardTable.h"
#include "core/files/Trimmed.h"
#include "core/printing/PrintLayout.h"

#include <algorithm>

const char* const kCertificateTitle = "Messbescheinigung";

namespace {

constexpr int kSmallFont = 28;
constexpr int kBodyFont = 32;
constexpr int kHeadingFont = 36;
constexpr int kTitleFont = 64;
constexpr int kLine = 42;
constexpr int kSmallLine = 36;
// The page needs room for the content above the signature lines.
constexpr int kMinPageHeight = 2400;
constexpr int kMinPageWidth = 1400;

class PageWriter {
public:
    PageWriter(PrintCanvas& canvas, int width, int height)
        : c_(canvas), left_(width / 14), right_(width - width / 14), height_(height) {}

    int Left() const { return left_; }
    int Right() const { return right_; }
    int Y() const { return y_; }
    void Skip(int amount) { y_ += amount; }

    void Text(int x, const std::string& text) { c_.TextOut(x, -y_, text); }

    void Heading(const std::string& text) {
        y_ += kLine / 2;
        c_.SetFontHeight(kHeadingFont);
        Text(left_, text);
        y_ += kHeadingFont + 8;
        c_.SetPenWidth(3);
        c_.Line(left_, -y_, right_, -y_);
        y_ += 10;
        c_.SetFontHeight(kBodyFont);
    }

    // Word-wrapped to the width between `x` and the right edge.
    void Wrapped(int x, const std::string& text, int lineHeight) {
        std::string line;
        size_t pos = 0;
        while (pos < text.size()) {
            size_t end = text.find(' ', pos);
            if (end == std::string::npos) {
                end = text.size();
            }
            const std::string word = text.substr(pos, end - pos);
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && c_.TextWidth(candidate) > right_ - x) {
                Text(x, line);
                y_ += lineHeight;
                line = word;
            } else {
                line = candidate;
            }
            pos = end + 1;
        }
        if (!line.empty()) {
            Text(x, line);
            y_ += lineHeight;
        }
    }

    // Two label / value pairs a line.
    void Pairs(const std::vector<std::pair<std::string, std::string>>& pairs, int labelWidth) {
        const int half = (right_ - left_) / 2;
        for (size_t i = 0; i < pairs.size(); ++i) {
            const int x = left_ + (i % 2 == 0 ? 0 : half);
            Text(x, pairs[i].first);
            Text(x + labelWidth, pairs[i].second);
            if (i % 2 == 1 || i + 1 == pairs.size()) {
                y_ += kLine;
            }
        }
    }

    void Signature() {
        c_.SetFontHeight(kSmallFont);
        c_.SetPenWidth(3);
        const int y = height_ - 260;
        const int width = right_ - left_;
        const int stops[4] = {left_, left_ + width * 3 / 10, left_ + width * 5 / 10, right_};
        const char* const captions[3] = {"Ort", "Datum", "Unterschrift"};
        for (int i = 0; i < 3; ++i) {
            const int x1 = stops[i] + (i == 0 ? 0 : 40);
            c_.Line(x1, -y, stops[i + 1], -y);
            c_.TextOut(x1, -(y + 12), captions[i]);
        }
    }

    PrintCanvas& Canvas() { return c_; }

private:
    PrintCanvas& c_;
    int left_;
    int right_;
    int height_;
    int y_ = 100;
};

bool IsSootColumn(int col) {
    return col == kColSoot[0] || col == kColSoot[1] || col == kColSoot[2];
}

// Every value of the card with its caption and unit. The soot readings come in their order, named
// as the page names them; gas has neither soot nor oil derivatives. The loss stands apart.
std::vector<std::pair<std::string, std::string>> MeasuredValues(const CardTable& table, int row,
                                                                FuelKind fuel) {
    std::vector<std::pair<std::string, std::string>> pairs;
    const auto shown = [](std::string value, const std::string& unit) {
        if (value.empty()) {
            return std::string("–");
        }
        return unit.empty() || value == "---" ? value : value + " " + unit;
    };
    for (int col = kColFuel + 1; col < table.ColCount(); ++col) {
        const bool fact = col >= kColNominalOutput && col < kColNominalOutput + kPlantFactColumns;
        if (col == kColDate || col == kColTime || col == kColFlueGasLoss || fact) {
            continue;
        }
        const bool oilOnly = col == kColOilDerivatives || IsSootColumn(col);
        if (fuel == FuelKind::Gas && oilOnly) {
            continue;
        }
        if (IsSootColumn(col)) {
            if (col == std::min({kColSoot[0], kColSoot[1], kColSoot[2]})) {
                for (int i = 0; i < 3; ++i) {
                    pairs.emplace_back("Rußzahl " + std::to_string(i + 1),
                                       shown(CellForReader(table.Cell(kColSoot[i], row)), ""));
                }
            }
            continue;
        }
        const auto [label, unit] = CaptionAndUnit(AnsiToUtf8(table.Cell(col, 0)));
        pairs.emplace_back(label, shown(CellForReader(table.Cell(col, row)), unit));
    }
    return pairs;
}

void DrawChecks(PageWriter& w, const Assessment& a) {
    PrintCanvas& c = w.Canvas();
    const int width = w.Right() - w.Left();
    const int x[5] = {w.Left(), w.Left() + width * 22 / 100, w.Left() + width * 40 / 100,
                      w.Left() + width * 62 / 100, w.Left() + width * 78 / 100};
    const char* const header[5] = {"Prüfung", "Messwert", "Grenzwert", "Vorschrift", "Ergebnis"};
    for (int i = 0; i < 5; ++i) {
        w.Text(x[i], header[i]);
    }
    w.Skip(kLine);
    c.SetPenWidth(2);
    c.Line(w.Left(), -(w.Y() - 4), w.Right(), -(w.Y() - 4));
    for (const Check& check : a.checks) {
        const std::string cells[5] = {CheckName(check.kind), MeasuredText(check), LimitText(check),
                                      ParagraphText(check.paragraph), OutcomeText(check.outcome)};
        // A failed check must not be overlooked.
        c.SetBold(check.outcome == Outcome::NotKept);
        for (int i = 0; i < 5; ++i) {
            w.Text(x[i], cells[i]);
        }
        c.SetBold(false);
        w.Skip(kLine);
    }
}

void DrawPage(PageWriter& w, const CardTable& table, int row, const CertificateContext& ctx) {
    PrintCanvas& c = w.Canvas();
    const CardTable::Row& card = table.RowAt(row);

    c.SetFontHeight(kSmallFont);
    for (const std::string& line : ctx.business) {
        if (!Trimmed(line).empty()) {
            w.Text(w.Left(), AnsiToUtf8(Trimmed(line)));
            w.Skip(kSmallLine);
        }
    }
    w.Skip(kLine);
    c.SetFontHeight(kTitleFont);
    const std::string title = kCertificateTitle;
    w.Text((w.Left() + w.Right()) / 2 - c.TextWidth(title) / 2, title);
    w.Skip(kTitleFont + 10);
    c.SetFontHeight(kBodyFont);
    const std::string subtitle =
        "über die Messung an einer Feuerungsanlage nach der 1. BImSchV (Fassung 2010)";
    w.Text((w.Left() + w.Right()) / 2 - c.TextWidth(subtitle) / 2, subtitle);
    w.Skip(kLine);

    const std::string fuel(Trimmed(AnsiToUtf8(table.Cell(kColFuel, row))));
    const FuelKind kind = ClassifyFuel(table.Cell(kColFuel, row), ctx.fuelNames);
    const std::string date(Trimmed(table.Cell(kColDate, row)));
    const std::string time(Trimmed(table.Cell(kColTime, row)));
    w.Heading("Betreiber der Anlage");
    w.Pairs({{"Name", AnsiToUtf8(Trimmed(table.Cell(0, row)))},
             {"Messung am", date.empty() ? "–" : AnsiToUtf8(date)},
             {"Straße", AnsiToUtf8(Trimmed(table.Cell(1, row)))},
             {"Uhrzeit", time.empty() ? "–" : AnsiToUtf8(time) + " Uhr"},
             {"Ort", AnsiToUtf8(Trimmed(table.Cell(2, row)))},
             {"Brennstoff", FuelText(fuel, kind)}},
            300);

    const Assessment a = AssessCard(card, kind, ctx.lossUncertaintyTenths);
    w.Heading("Angaben zur Anlage");
    w.Pairs({{"Nennwärmeleistung", NominalOutputText(a.facts)},
             {"Brennerart", BurnerText(a.facts.burner)},
             {"Standardheizkessel", AnswerText(a.facts.standardBoiler)},
             {"Errichtet am", DayText(a.facts.installed)}},
            480);
    // Alone on its line, so its long label may reach into the right half.
    w.Pairs({{"Im Beitrittsgebiet bis zum 3.10.1990 errichtet", AnswerText(a.facts.accessionArea)}},
            780);

    w.Heading("Messwerte");
    c.SetFontHeight(kSmallFont);
    w.Pairs(MeasuredValues(table, row, kind), 420);
    if (kColFlueGasLoss < table.ColCount()) {
        // A line of its own: the loss with its uncertainty is wider than half the page.
        const std::string label = CaptionAndUnit(AnsiToUtf8(table.Cell(kColFlueGasLoss, 0))).first;
        w.Pairs({{label, LossStatement(a.checks[0])}}, 420);
    }
    c.SetFontHeight(kBodyFont);

    w.Heading("Beurteilung nach der 1. BImSchV");
    DrawChecks(w, a);
    w.Skip(kSmallLine / 2);
    c.SetFontHeight(kSmallFont);
    for (const std::string& note : NoteLines(a, fuel)) {
        w.Wrapped(w.Left(), note, kSmallLine);
    }
    w.Skip(kSmallLine);
    c.SetFontHeight(kHeadingFont);
    w.Wrapped(w.Left(), "Ergebnis: " + OverallText(a), kLine);

    w.Signature();
}

} // namespace

CertificateContext ReadCertificateContext(const IniFile& ini) {
    return CertificateContext{ReadSweepBusiness(ini), ReadFuelNames(ini), ReadLossUncertainty(ini)};
}

bool HasMeasurementDate(const CardTable& table, int row) {
    return !Trimmed(table.Cell(kColDate, row)).empty();
}

std::vector<int> MeasuredRows(const CardTable& table) {
    std::vector<int> rows;
    for (int r = 1; r < table.RowCount(); ++r) {
        if (HasMeasurementDate(table, r)) {
            rows.push_back(r);
        }
    }
    return rows;
}

void PrintCertificates(PrintCanvas& canvas, const CardTable& table, const std::vector<int>& rows,
                       const CertificateContext& context) {
    if (rows.empty()) {
        throw EPrinter("Keine Karte mit Messdatum: es gibt keine Messbescheinigung zu drucken.");
    }
    const Page paper = PreparePage(canvas, kCertificateTitle, poPortrait);
    const int width = paper.W;
    const int height = paper.H;
    if (width < kMinPageWidth || height < kMinPageHeight) {
        throw EPrinter("Das Papier ist zu klein für eine Messbescheinigung.");
    }
    DrawJob(canvas, [&] {
        for (size_t i = 0; i < rows.size(); ++i) {
            if (i > 0) {
                canvas.NewPage();
            }
            PageWriter writer(canvas, width, height);
            DrawPage(writer, table, rows[i], context);
        }
    });
}
