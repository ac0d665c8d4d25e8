// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/due/DuePage.h"

#include "core/printing/PrintLayout.h"

#include <algorithm>

const char* const kDueExemptHeading = "Keine wiederkehrende Messung nach \xC2\xA7 15";

namespace {

// Lengths in 0.1 mm, as on the other printouts.
constexpr int kTitleY = 20;
constexpr int kRuleY = 100;
constexpr int kTableTop = 130;
constexpr int kFootRule = 200;
constexpr int kFootTextY = 150;
constexpr int kCellGap = 24;
constexpr int kLargestFont = 30;
constexpr int kSmallestFont = 16;

struct Line {
    bool heading = false;
    std::vector<std::string> cells;
};

void Centred(PrintCanvas& canvas, int x, int y, const std::string& text) {
    canvas.TextOut(x - canvas.TextWidth(text) / 2, -y, text);
}

} // namespace

std::string DuePrintTitle(int year) {
    return "F\xC3\xA4llige Messungen " + std::to_string(year);
}

std::vector<std::string> DueListCaptions() {
    std::vector<std::string> captions = DueCaptions();
    captions.emplace_back("Brennstoff");
    return captions;
}

void PrintDueList(PrintCanvas& canvas, const DueList& list) {
    const std::string title = DuePrintTitle(list.year);
    const Page page = PreparePage(canvas, title, poLandscape);
    const std::vector<std::string> captions = DueListCaptions();
    std::vector<Line> lines;
    auto add = [&](const DueEntry& e) {
        std::vector<std::string> cells = DueRowTexts(e, list.year);
        cells.push_back(DueFuelText(e));
        lines.push_back({false, std::move(cells)});
    };
    for (const DueEntry& e : list.due) {
        add(e);
    }
    if (list.due.empty()) {
        lines.push_back({true, {"Niemand ist f\xC3\xA4llig."}});
    }
    if (!list.exempt.empty()) {
        lines.push_back({false, {}});
        lines.push_back({true, {kDueExemptHeading}});
        for (const DueEntry& e : list.exempt) {
            add(e);
        }
    }

    // The largest font with which every column fits the width of the paper.
    std::vector<int> x(captions.size(), 0);
    int font = kLargestFont;
    for (;; font -= 2) {
        canvas.SetFontHeight(font);
        std::vector<int> widths(captions.size(), 0);
        canvas.SetBold(true); // the captions are drawn in bold
        for (size_t c = 0; c < captions.size(); ++c) {
            widths[c] = canvas.TextWidth(captions[c]);
        }
        canvas.SetBold(false);
        for (const Line& l : lines) {
            for (size_t c = 0; !l.heading && c < l.cells.size(); ++c) {
                widths[c] = std::max(widths[c], canvas.TextWidth(l.cells[c]));
            }
        }
        int right = 0;
        for (size_t c = 0; c < widths.size(); ++c) {
            x[c] = right;
            right += widths[c] + kCellGap;
        }
        if (right - kCellGap <= page.W || font <= kSmallestFont) {
            break;
        }
    }
    const int lineHeight = font + font / 4;
    const int headerHeight = lineHeight + 12;
    const int bottom = page.H - kFootRule - 10;
    const int perPage = (bottom - kTableTop - headerHeight) / lineHeight;
    if (perPage <= 0) {
        throw EPrinter("Das Papier ist zu kurz f\xC3\xBC"
                       "r die Liste.");
    }
    const int pages = PageCount(static_cast<int>(lines.size()), perPage);

    DrawJob(canvas, [&] {
        for (int p = 1; p <= pages; ++p) {
            if (p > 1) {
                canvas.NewPage();
            }
            canvas.SetFontHeight(PrintMetrics::kTitleFontHeight);
            canvas.SetBold(false);
            Centred(canvas, page.W / 2, kTitleY, title);
            canvas.SetPenWidth(PrintMetrics::kRuleWidth);
            canvas.Line(0, -kRuleY, page.W, -kRuleY);
            canvas.Line(0, -(page.H - kFootRule), page.W, -(page.H - kFootRule));
            canvas.SetFontHeight(PrintMetrics::kBodyFontHeight);
            Centred(canvas, page.W / 2, page.H - kFootTextY,
                    "Seite " + std::to_string(p) + " von " + std::to_string(pages));

            canvas.SetFontHeight(font);
            canvas.SetBold(true);
            for (size_t c = 0; c < captions.size(); ++c) {
                canvas.TextOut(x[c], -kTableTop, captions[c]);
            }
            canvas.SetBold(false);
            canvas.SetPenWidth(3);
            canvas.Line(0, -(kTableTop + lineHeight + 6), page.W, -(kTableTop + lineHeight + 6));
            int y = kTableTop + headerHeight;
            const size_t first = static_cast<size_t>((p - 1) * perPage);
            const size_t end = std::min(lines.size(), first + static_cast<size_t>(perPage));
            for (size_t i = first; i < end; ++i) {
                const Line& l = lines[i];
                canvas.SetBold(l.heading);
                for (size_t c = 0; c < l.cells.size(); ++c) {
                    canvas.TextOut(l.heading ? 0 : x[c], -y, l.cells[c]);
                }
                y += lineHeight;
            }
            canvas.SetBold(false);
        }
    });
}
