// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/printing/PrintLayout.h"

#include "core/files/Ansi.h"
#include "core/files/CardTable.h"

#include <algorithm>

using namespace PrintMetrics;

const char* const kCardPrintTitle = "vexa\xC2\xAE Fendro";

std::string ListPrintTitle(const std::string& cardFileName) {
#ifdef _WIN32
    const size_t slash = cardFileName.find_last_of("\\/:");
#else
    const size_t slash = cardFileName.find_last_of('/');
#endif
    std::string name = slash == std::string::npos ? cardFileName : cardFileName.substr(slash + 1);
    // Only ASCII letters change, so the bytes of other UTF-8 characters stay intact.
    for (char& ch : name) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return std::string(kCardPrintTitle) + " " + name;
}

int PaperTenthsOfMm(long long pixels, int pixelsPerInch) {
    if (pixelsPerInch <= 0 || pixels <= 0) {
        return 0;
    }
    // Integer arithmetic: 297 mm must not come out as 296.999... and lose a millimetre.
    const long long wholeMm = pixels * 254 / (static_cast<long long>(pixelsPerInch) * 10);
    return static_cast<int>(std::min<long long>(wholeMm, 100000000) * 10);
}

int ListLinesPerPage(int pageHeight) {
    return (pageHeight - kTopMargin - kBottomMargin) / kLineHeight;
}

int CardLinesPerPage(int pageHeight) {
    // A line's text reaches one line height below its y; it must end above the lower rule.
    return (pageHeight - kBottomMargin - kFirstLineY) / kLineHeight;
}

int PageCount(int lines, int perPage) {
    if (perPage <= 0 || lines <= 0) {
        return 1;
    }
    return lines / perPage + (lines % perPage != 0 ? 1 : 0);
}

Page PreparePage(PrintCanvas& canvas, const std::string& title, TPrinterOrientation orientation) {
    canvas.SetOrientation(orientation);
    canvas.SetTitle(title);
    const PhysicalPage paper = canvas.Paper();
    Page page;
    page.W = PaperTenthsOfMm(paper.widthPixels, paper.pixelsPerInchX);
    page.H = PaperTenthsOfMm(paper.heightPixels, paper.pixelsPerInchY);
    if (page.W <= 0 || page.H <= 0) {
        throw EPrinter("Der Drucker meldet kein g\xC3\xBCltiges Papierformat.");
    }
    return page;
}

namespace {

void DrawCentred(PrintCanvas& canvas, int W, int y, const std::string& text) {
    canvas.TextOut(W / 2 - canvas.TextWidth(text) / 2, y, text);
}

void DrawPageFrame(PrintCanvas& canvas, const Page& page, const std::string& title, int number,
                   int count) {
    canvas.SetFontHeight(kTitleFontHeight);
    DrawCentred(canvas, page.W, -20, title);
    canvas.SetPenWidth(kRuleWidth);
    canvas.Line(0, -kTopMargin, page.W, -kTopMargin);
    canvas.Line(0, -(page.H - kBottomMargin), page.W, -(page.H - kBottomMargin));
    canvas.SetFontHeight(kBodyFontHeight);
    DrawCentred(canvas, page.W, -(page.H - 150),
                "Page: " + std::to_string(number) + " of " + std::to_string(count));
    canvas.SetFontHeight(kBodyFontHeight);
}

// Sets up the job up to the point where drawing can start; the paper is checked before the job
// starts, so a refused print leaves no empty job behind.
Page PrepareJob(PrintCanvas& canvas, const std::string& title, TPrinterOrientation orientation,
                int (*linesPerPage)(int)) {
    const Page page = PreparePage(canvas, title, orientation);
    if (linesPerPage(page.H) <= 0) {
        throw EPrinter("Das Papier ist zu kurz: auf eine Seite passt keine Druckzeile.");
    }
    return page;
}

} // namespace

void PrintList(PrintCanvas& canvas, const CardTable& table, const std::string& title,
               TPrinterOrientation orientation, int width0, int width1) {
    const Page page = PrepareJob(canvas, title, orientation, ListLinesPerPage);
    const int perPage = ListLinesPerPage(page.H);
    const int rows = table.RowCount();
    const int pages = PageCount(rows, perPage);
    const int columnX[3] = {0, 3 * width0, 3 * (width0 + width1)};
    const int columns = std::min(3, table.ColCount());

    DrawJob(canvas, [&] {
        for (int p = 1; p <= pages; ++p) {
            DrawPageFrame(canvas, page, title, p, pages);
            int y = kFirstLineY;
            for (int j = 1; j <= perPage; ++j) {
                const long long r = static_cast<long long>(p - 1) * perPage + j - 1;
                if (r >= rows) {
                    break;
                }
                for (int c = 0; c < columns; ++c) {
                    canvas.TextOut(columnX[c], -y, AnsiToUtf8(table.Cell(c, static_cast<int>(r))));
                }
                y += kLineHeight;
            }
            if (p < pages) {
                canvas.NewPage();
            }
        }
    });
}

void PrintCard(PrintCanvas& canvas, const CardTable& table, const std::string& title, int row,
               TPrinterOrientation orientation) {
    const Page page = PrepareJob(canvas, title, orientation, CardLinesPerPage);
    const int perPage = CardLinesPerPage(page.H);
    const int columns = table.ColCount();
    const int pages = PageCount(columns, perPage);

    DrawJob(canvas, [&] {
        int c = 0;
        for (int p = 1; p <= pages; ++p) {
            DrawPageFrame(canvas, page, title, p, pages);
            int y = kFirstLineY;
            for (int j = 0; j < perPage && c < columns; ++j, ++c) {
                canvas.TextOut(100, -y, AnsiToUtf8(table.Cell(c, 0)));
                canvas.TextOut(500, -y, AnsiToUtf8(table.Cell(c, row)));
                y += kLineHeight;
            }
            if (p < pages) {
                canvas.NewPage();
            }
        }
    });
}
