// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two printouts of the card table: the list of all cards (columns 0 to 2, as many pages as
// needed) and one card (every column with its caption). Both draw the same page frame: title,
// a rule below it, a rule above the foot and the page line "Page: n of m".

#include "core/printing/PrintCanvas.h"

#include <stdexcept>
#include <string>

class CardTable;

// A print job that cannot be carried out; the text is German (UTF-8).
class EPrinter : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The card printout's title, UTF-8.
extern const char* const kCardPrintTitle;
// "vexa® Fendro " and the file name part of `cardFileName` with "a" to "z" upper-cased.
std::string ListPrintTitle(const std::string& cardFileName);

namespace PrintMetrics {
constexpr int kTopMargin = 100;
constexpr int kBottomMargin = 200;
constexpr int kLineHeight = 36;
constexpr int kBodyFontHeight = 36;
constexpr int kTitleFontHeight = 48;
constexpr int kRuleWidth = 5;
constexpr int kFirstLineY = 110;
} // namespace PrintMetrics

// 10 × the whole millimetres of a physical length; 0 for a resolution of 0 or less.
int PaperTenthsOfMm(long long pixels, int pixelsPerInch);

// The whole sheet in 0.1 mm.
struct Page {
    int W = 0;
    int H = 0;
};

// Sets the job's orientation and title and measures its paper; throws EPrinter when the printer
// reports no usable paper size. Nothing is started yet.
Page PreparePage(PrintCanvas& canvas, const std::string& title, TPrinterOrientation orientation);
// Lines a list page holds: (H - 300) div 36.
int ListLinesPerPage(int pageHeight);
// Lines of a card page that stay above the lower rule.
int CardLinesPerPage(int pageHeight);
// Pages for `lines` lines at `perPage` a page, at least 1.
int PageCount(int lines, int perPage);

// The list: row 0 (the captions) and every card, columns 0 to 2 at x = 0, 3 × width0 and
// 3 × (width0 + width1), where the widths are the card grid's screen widths in pixels.
// Throws EPrinter when the paper has no room for a line, or what the canvas throws.
void PrintList(PrintCanvas& canvas, const CardTable& table, const std::string& title,
               TPrinterOrientation orientation, int width0, int width1);

// One card: caption (row 0) at x = 100 and the row's value at x = 500 for every column. A card
// with more columns than fit above the lower rule goes on to further pages.
void PrintCard(PrintCanvas& canvas, const CardTable& table, const std::string& title, int row,
               TPrinterOrientation orientation);
