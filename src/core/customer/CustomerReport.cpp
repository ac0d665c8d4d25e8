// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/customer/CustomerReport.h"

#include "core/files/Ansi.h"
#include "core/files/Trimmed.h"
#include "core/history/HistoryTable.h"
#include "core/history/MeasurementHistory.h"
#include "core/printing/PrintLayout.h"

#include <algorithm>
#include <cstdio>

const char* const kCustomerReportTitle = "Auskunft \xC3\xBC"
                                         "ber gespeicherte Daten";

namespace {

// Lengths in 0.1 mm, as on the other printouts.
constexpr int kTitleY = 20;
constexpr int kRuleY = 100;
constexpr int kFirstY = 130;
constexpr int kFootRule = 200;
constexpr int kFootTextY = 150;
constexpr int kFont = 30;
constexpr int kLine = 38;
constexpr int kColumnGap = 40;

std::string Cards(size_t n) {
    return std::to_string(n) + (n == 1 ? " Karte" : " Karten");
}

std::string OtherPlaces(const CustomerCards& found) {
    std::string text =
        "Weitere Orte: Die Einstellungsdatei des Programms enth\xC3\xA4lt keine Kundendaten, nur "
        "den Namen der zuletzt ge\xC3\xB6"
        "ffneten Kartei. ";
    if (found.logEntries > 0) {
        text += "Das L\xC3\xB6schprotokoll dieses Ordners (" + std::string(kErasureLogName) +
                ") nennt den Kunden in " + std::to_string(found.logEntries) +
                (found.logEntries == 1 ? " Zeile" : " Zeilen") + ". ";
    }
    text += "Der Speicher des Messger\xC3\xA4ts und seine Speicherkarten (MMC) k\xC3\xB6nnen den "
            "Namen ebenfalls enthalten; das Programm kann sie nicht einsehen. Ausdrucke, "
            "PDF-Dateien, Kopien und Sicherungen au\xC3\x9F"
            "erhalb dieses Ordners sind hier nicht erfasst.";
    return text;
}

struct Line {
    std::string left;
    std::string right;
    bool bold = false;
};

// Greedy word wrap; a word longer than the width is broken between characters.
std::vector<std::string> Wrap(PrintCanvas& canvas, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t blank = text.find(' ', pos);
        if (blank == std::string::npos) {
            blank = text.size();
        }
        std::string word = text.substr(pos, blank - pos);
        pos = blank + 1;
        const std::string joined = line.empty() ? word : line + " " + word;
        if (canvas.TextWidth(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
        line = word;
        while (canvas.TextWidth(line) > width && line.size() > 1) {
            size_t cut = line.size() - 1;
            while (cut > 1 && (canvas.TextWidth(line.substr(0, cut)) > width ||
                               (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)) {
                --cut;
            }
            lines.push_back(line.substr(0, cut));
            line = line.substr(cut);
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

std::string PlaceText(const CustomerPlace& place) {
    if (place.openTable) {
        return place.file.empty() ? std::string("ge\xC3\xB6"
                                                "ffnete Kartei (ohne Datei)")
                                  : "ge\xC3\xB6"
                                    "ffnete Kartei " +
                                        place.file + " (nicht gespeichert)";
    }
    return "Datei " + place.file;
}

CustomerReport BuildCustomerReport(const CustomerCards& found, const CardTable::Row& captionRow,
                                   const CivilDate& today) {
    CustomerReport report;
    CardTable::Row customer;
    if (!found.places.empty()) {
        customer = found.places.front().cards.front().card;
    } else {
        customer = {found.customer.name, found.customer.street, found.customer.town};
    }
    customer.resize(3);
    report.customer = "Kunde: " + CustomerLine(customer);
    char date[16];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", today.day, today.month, today.year);
    size_t files = 0;
    for (const CustomerPlace& p : found.places) {
        files += p.openTable ? 0 : 1;
    }
    report.summary = "Stand " + std::string(date) + ": " +
                     Cards(static_cast<size_t>(found.Count())) + " in " + std::to_string(files) +
                     (files == 1 ? " Datei" : " Dateien");
    if (found.places.size() > files) {
        report.summary += " und in der ge\xC3\xB6"
                          "ffneten Kartei";
    }
    const size_t total = static_cast<size_t>(found.Count());
    size_t number = 0;
    for (const CustomerPlace& place : found.places) {
        for (const CustomerCard& c : place.cards) {
            CustomerReport::Card card;
            card.heading = "Karte " + std::to_string(++number) + " von " + std::to_string(total) +
                           ": " + PlaceText(place) + ", Zeile " + std::to_string(c.line);
            const size_t cols = std::max(captionRow.size(), c.card.size());
            for (size_t col = 0; col < cols; ++col) {
                std::string caption =
                    col < captionRow.size() ? AnsiToUtf8(Trimmed(captionRow[col])) : std::string();
                if (caption.empty()) {
                    caption = "Spalte " + std::to_string(col + 1);
                }
                const std::string value =
                    col < c.card.size() ? AnsiToUtf8(Trimmed(c.card[col])) : std::string();
                card.fields.push_back(caption + ": " + value);
            }
            report.cards.push_back(std::move(card));
        }
    }
    if (total == 0) {
        report.notes.push_back("Keine Karten zu diesem Kunden gefunden.");
    }
    if (!found.skipped.empty()) {
        report.notes.push_back(SkippedText(found.skipped) +
                               ". Diese Dateien konnten nicht durchsucht werden.");
    }
    report.notes.push_back(OtherPlaces(found));
    return report;
}

void PrintCustomerReport(PrintCanvas& canvas, const CustomerReport& report) {
    const Page page = PreparePage(canvas, kCustomerReportTitle, poPortrait);
    const int bottom = page.H - kFootRule - 10;
    const int perPage = (bottom - kFirstY) / kLine;
    const int half = (page.W - kColumnGap) / 2;

    // The lines first, in blocks that stay on one page when they can.
    canvas.SetFontHeight(kFont);
    std::vector<std::vector<Line>> blocks;
    std::vector<Line> head{{report.customer, "", true}, {report.summary, "", false}};
    for (const std::string& note : report.notes) {
        head.push_back({});
        for (const std::string& l : Wrap(canvas, note, page.W)) {
            head.push_back({l, "", false});
        }
    }
    blocks.push_back(head);
    for (const CustomerReport::Card& card : report.cards) {
        std::vector<Line> block{{}};
        for (const std::string& l : Wrap(canvas, card.heading, page.W)) {
            block.push_back({l, "", true});
        }
        const size_t rows = (card.fields.size() + 1) / 2;
        for (size_t r = 0; r < rows; ++r) {
            block.push_back({card.fields[r],
                             r + rows < card.fields.size() ? card.fields[r + rows] : std::string(),
                             false});
        }
        blocks.push_back(std::move(block));
    }
    if (perPage < 3) {
        throw EPrinter("Das Papier ist zu kurz f\xC3\xBCr die Auskunft.");
    }
    std::vector<std::vector<Line>> pages(1);
    for (std::vector<Line>& block : blocks) {
        const int used = static_cast<int>(pages.back().size());
        if (used > 0 && used + static_cast<int>(block.size()) > perPage &&
            static_cast<int>(block.size()) <= perPage) {
            pages.emplace_back();
            block.erase(block.begin()); // no gap at the top of a page
        }
        for (Line& line : block) {
            if (static_cast<int>(pages.back().size()) >= perPage) {
                pages.emplace_back();
            }
            pages.back().push_back(std::move(line));
        }
    }

    DrawJob(canvas, [&] {
        for (size_t p = 0; p < pages.size(); ++p) {
            if (p > 0) {
                canvas.NewPage();
            }
            canvas.SetBold(true);
            canvas.SetFontHeight(PrintMetrics::kTitleFontHeight);
            canvas.TextOut((page.W - canvas.TextWidth(kCustomerReportTitle)) / 2, -kTitleY,
                           kCustomerReportTitle);
            canvas.SetBold(false);
            canvas.SetPenWidth(PrintMetrics::kRuleWidth);
            canvas.Line(0, -kRuleY, page.W, -kRuleY);
            canvas.Line(0, -(page.H - kFootRule), page.W, -(page.H - kFootRule));
            canvas.SetFontHeight(PrintMetrics::kBodyFontHeight);
            const std::string foot =
                "Seite " + std::to_string(p + 1) + " von " + std::to_string(pages.size());
            canvas.TextOut((page.W - canvas.TextWidth(foot)) / 2, -(page.H - kFootTextY), foot);
            canvas.SetFontHeight(kFont);
            int y = kFirstY;
            for (const Line& line : pages[p]) {
                canvas.SetBold(line.bold);
                canvas.TextOut(0, -y, line.left);
                if (!line.right.empty()) {
                    canvas.TextOut(half + kColumnGap, -y, line.right);
                }
                y += kLine;
            }
            canvas.SetBold(false);
        }
    });
}
