// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/CertificatePage.h"

#include "core/certificate/CertificateText.h"
#include "core/certificate/FactProposal.h"
#include "core/certificate/Verdict.h"
#include "core/files/Ansi.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFolder.h"
#include "core/files/CardTable.h"
#include "core/files/Trimmed.h"
#include "core/printing/PrintLayout.h"

#include <algorithm>
#include <iterator>

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

    // A label and its value, the value wrapped in the room right of the label.
    void Item(const std::string& label, const std::string& value, int labelWidth) {
        Text(left_, label);
        Wrapped(left_ + labelWidth, value.empty() ? std::string("nicht angegeben") : value, kLine);
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

std::string CellText(const CardTable& table, int col, int row) {
    return col < table.ColCount() ? AnsiToUtf8(Trimmed(table.Cell(col, row))) : std::string();
}

// The texts that are given, joined by ", ".
std::string JoinGiven(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) {
        if (!p.empty()) {
            out += (out.empty() ? "" : ", ") + p;
        }
    }
    return out;
}

std::string Given(const std::string& text, const std::string& unit = std::string()) {
    if (text.empty()) {
        return "nicht angegeben";
    }
    return unit.empty() ? text : text + " " + unit;
}

// A measured value as read, with the unit of its column caption; "–" when the card has none.
std::string Measured(const CardTable& table, int col, int row) {
    if (col >= table.ColCount()) {
        return "–";
    }
    const std::string value = CellForReader(table.Cell(col, row));
    if (value.empty()) {
        return "–";
    }
    const std::string unit = CaptionAndUnit(AnsiToUtf8(table.Cell(col, 0))).second;
    return unit.empty() || value == "---" ? value : value + " " + unit;
}

// The values Anlage 2 Nr. 4 asks for, in its order and words; the loss stands apart, and gas has
// neither soot nor oil derivatives.
std::vector<std::pair<std::string, std::string>> RequiredValues(const CardTable& table, int row) {
    return {
        {"Wärmeträgertemperatur", Measured(table, kColBoilerTemperature, row)},
        {"Verbrennungslufttemperatur", Measured(table, kColAirTemperature, row)},
        {"Abgastemperatur", Measured(table, kColFlueGasTemperature, row)},
        {"Sauerstoffgehalt", Measured(table, kColO2, row)},
        {"Druckdifferenz", Measured(table, kColDraught, row)},
    };
}

std::vector<std::pair<std::string, std::string>> SootValues(const CardTable& table, int row,
                                                            const Assessment& a) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 0; i < 3; ++i) {
        const std::string reading = CellForReader(table.Cell(kColSoot[i], row));
        pairs.emplace_back("Rußzahl " + std::to_string(i + 1), reading.empty() ? "–" : reading);
    }
    for (const Check& c : a.checks) {
        if (c.kind == CheckKind::SootNumber) {
            pairs.emplace_back("Mittelwert der Rußzahl", MeasuredText(c));
        } else if (c.kind == CheckKind::OilDerivatives) {
            pairs.emplace_back("Ölderivate", MeasuredText(c));
        }
    }
    return pairs;
}

// The other values of the card with the captions of the column file.
std::vector<std::pair<std::string, std::string>> OtherValues(const CardTable& table, int row) {
    static const int kShown[] = {kColFuel,           kColO2,
                                 kColFlueGasLoss,    kColDate,
                                 kColTime,           kColDraught,
                                 kColOilDerivatives, kColBoilerTemperature,
                                 kColAirTemperature, kColFlueGasTemperature};
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int col = kColFuel + 1; col < table.ColCount() && col < kColNominalOutput; ++col) {
        if (std::find(std::begin(kShown), std::end(kShown), col) != std::end(kShown) ||
            std::find(std::begin(kColSoot), std::end(kColSoot), col) != std::end(kColSoot)) {
            continue;
        }
        pairs.emplace_back(CaptionAndUnit(AnsiToUtf8(table.Cell(col, 0))).first,
                           Measured(table, col, row));
    }
    return pairs;
}

void DrawChecks(PageWriter& w, const Assessment& a) {
    PrintCanvas& c = w.Canvas();
    const int width = w.Right() - w.Left();
    const int x[5] = {w.Left(), w.Left() + width * 22 / 100, w.Left() + width * 40 / 100,
                      w.Left() + width * 62 / 100, w.Left() + width * 80 / 100};
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

// An output range as typed ("11.0-24.5") with decimal commas.
std::string Range(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return Given(text, "kW");
}

std::string Exchanger(const CardTable& table, int row, const BoilerFacts& f) {
    return "Hersteller " + Given(CellText(table, kColExchangerMaker, row)) + ", Typ " +
           Given(CellText(table, kColExchangerType, row)) + ", Baujahr " +
           Given(CellText(table, kColExchangerYear, row)) + ", errichtet am " +
           DayText(f.installed) + ", Leistungsbereich " +
           Range(CellText(table, kColExchangerRange, row)) + ", Nennwärmeleistung " +
           NominalOutputText(f);
}

std::string Burner(const CardTable& table, int row, const BoilerFacts& f) {
    return "Hersteller " + Given(CellText(table, kColBurnerMaker, row)) + ", Typ " +
           Given(CellText(table, kColBurnerType, row)) + ", Baujahr " +
           Given(CellText(table, kColBurnerYear, row)) + ", Leistungsbereich " +
           Range(CellText(table, kColBurnerRange, row)) + ", Leistung bei der Messung " +
           (f.measuredOutputKw ? GermanNumber(*f.measuredOutputKw, 1) + " kW"
                               : std::string("nicht angegeben"));
}

constexpr int kLabelWidth = 470;

void DrawGeneral(PageWriter& w, const CardTable& table, int row, const CertificateContext& ctx,
                 const Assessment& a, LegalBasis basis) {
    std::vector<std::string> business;
    for (const std::string& line : ctx.business) {
        business.push_back(AnsiToUtf8(Trimmed(line)));
    }
    const std::string customer =
        JoinGiven({CellText(table, 0, row), CellText(table, 1, row), CellText(table, 2, row)});
    const std::string owner =
        JoinGiven({CellText(table, kColOwner, row), CellText(table, kColOwnerAddress, row)});
    const std::string site = CellText(table, kColSite, row);
    const std::string fuel = CellText(table, kColFuel, row);

    w.Heading("Allgemeine Angaben");
    w.Item("Betrieb", JoinGiven(business), kLabelWidth);
    w.Item("Eigentümer", owner.empty() ? "wie Betreiber" : owner, kLabelWidth);
    w.Item("Betreiber", customer, kLabelWidth);
    w.Item("Aufstellort", site.empty() ? "wie Anschrift des Betreibers" : site, kLabelWidth);
    w.Item("Rechtliche Grundlage", LegalBasisText(basis), kLabelWidth);
    w.Item("Wärmetauscher", Exchanger(table, row, a.facts), kLabelWidth);
    w.Item("Brenner", Burner(table, row, a.facts), kLabelWidth);
    w.Item("Art des Brenners", BurnerKindText(a.facts.burner, a.fuel), kLabelWidth);
    w.Item("Brennstoff",
           FuelText(fuel, a.fuel) + "; Nr. nach § 3 Abs. 1: " + FuelNumberText(a.fuel),
           kLabelWidth);
    w.Item("Art der Anlage", PlantKindText(a.facts.plant), kLabelWidth);
    w.Pairs({{"Brennwertgerät", AnswerText(a.facts.condensing)},
             {"Standardheizkessel", AnswerText(a.facts.standardBoiler)}},
            kLabelWidth);
    if (a.fuel == FuelKind::Oil) {
        // Alone on its line, so its long label may reach into the right half.
        w.Pairs(
            {{"Im Beitrittsgebiet bis zum 3.10.1990 errichtet", AnswerText(a.facts.accessionArea)}},
            780);
    }
}

void DrawPage(PageWriter& w, const CardTable& table, int row, const CertificateContext& ctx,
              LegalBasis basis) {
    PrintCanvas& c = w.Canvas();
    const CardTable::Row& card = table.RowAt(row);

    c.SetFontHeight(kSmallFont);
    for (const std::string& line : ctx.business) {
        if (!Trimmed(line).empty()) {
            w.Text(w.Left(), AnsiToUtf8(Trimmed(line)));
            w.Skip(kSmallLine);
        }
    }
    w.Skip(kSmallLine);
    c.SetFontHeight(kTitleFont);
    const std::string title = kCertificateTitle;
    w.Text((w.Left() + w.Right()) / 2 - c.TextWidth(title) / 2, title);
    w.Skip(kTitleFont + 10);
    c.SetFontHeight(kBodyFont);
    const std::string subtitle =
        "über die Messung an einer Feuerungsanlage nach der 1. BImSchV (Fassung 2010)";
    w.Text((w.Left() + w.Right()) / 2 - c.TextWidth(subtitle) / 2, subtitle);
    w.Skip(kLine / 2);

    const std::string fuel = CellText(table, kColFuel, row);
    const FuelKind kind = ClassifyFuel(table.Cell(kColFuel, row), ctx.fuelNames);
    const Assessment a = AssessCard(card, kind, ctx.lossUncertaintyTenths);
    DrawGeneral(w, table, row, ctx, a, basis);

    const std::string date = CellText(table, kColDate, row);
    const std::string time = CellText(table, kColTime, row);
    w.Heading("Messergebnis vom " + date + (time.empty() ? std::string() : ", " + time + " Uhr"));
    w.Pairs(RequiredValues(table, row), kLabelWidth);
    if (kColFlueGasLoss < table.ColCount()) {
        // A line of its own: the loss with its uncertainty is wider than half the page.
        const std::string label = CaptionAndUnit(AnsiToUtf8(table.Cell(kColFlueGasLoss, 0))).first;
        w.Pairs({{label, LossStatement(a.checks[0])}}, kLabelWidth);
    }
    if (kind != FuelKind::Gas) {
        w.Pairs(SootValues(table, row, a), kLabelWidth);
    }
    c.SetFontHeight(kSmallFont);
    w.Pairs(OtherValues(table, row), kLabelWidth);
    c.SetFontHeight(kBodyFont);

    w.Heading("Beurteilung nach der 1. BImSchV");
    DrawChecks(w, a);
    w.Skip(kSmallLine / 4);
    c.SetFontHeight(kSmallFont);
    for (const std::string& note : NoteLines(a, fuel)) {
        w.Wrapped(w.Left(), note, kSmallLine);
    }
    c.SetFontHeight(kHeadingFont);
    w.Wrapped(w.Left(), "Ergebnis: " + OverallText(a), kLine);

    c.SetFontHeight(kBodyFont);
    w.Heading("Sonstige Überwachungstätigkeiten");
    w.Item("Herstellerbescheinigung (§ 6 Abs. 2 und 3)", MakerCertificateText(a.facts), 700);

    w.Signature();
}

} // namespace

CertificateContext ReadCertificateContext(const IniFile& ini) {
    CertificateContext context;
    context.business = ReadSweepBusiness(ini);
    context.fuelNames = ReadFuelNames(ini);
    context.lossUncertaintyTenths = ReadLossUncertainty(ini);
    return context;
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
    // The previous measurements of all pages at once: the table, then the folder's other files.
    std::vector<CardTable::Row> printed;
    for (const int row : rows) {
        printed.push_back(table.RowAt(row));
    }
    PreviousMeasurements previous(context.legalBasis ? std::vector<CardTable::Row>() : printed);
    if (!context.legalBasis) {
        for (int r = 1; r < table.RowCount(); ++r) {
            previous.Add(table.RowAt(r));
        }
        if (!context.cardFileName.empty() && FileExists(context.cardFileName)) {
            std::string data;
            for (const std::string& file :
                 CardFilesIn(FolderOf(context.cardFileName), context.cardFileName)) {
                if (!ReadFolderCardFile(file, data)) {
                    previous.AddCardFile(data);
                }
            }
        }
    }
    const auto BasisOf = [&](int row) {
        if (context.legalBasis) {
            return *context.legalBasis;
        }
        return SuggestLegalBasis(table.RowAt(row), previous.Before(table.RowAt(row)),
                                 context.fuelNames, context.lossUncertaintyTenths);
    };
    DrawJob(canvas, [&] {
        for (size_t i = 0; i < rows.size(); ++i) {
            if (i > 0) {
                canvas.NewPage();
            }
            PageWriter writer(canvas, width, height);
            DrawPage(writer, table, rows[i], context, BasisOf(rows[i]));
        }
    });
}
