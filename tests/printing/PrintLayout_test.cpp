// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The list and card printouts, drawn on a canvas that records every step.

#include "core/files/CardTable.h"
#include "core/printing/PrintLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Text {
    int page;
    int x;
    int y;
    int fontHeight;
    std::string text;
};
struct Rule {
    int page;
    int x1, y1, x2, y2;
    int penWidth;
};

// Texts are 5 units wide a byte, so odd widths show how the centring divides.
class RecordingCanvas : public PrintCanvas {
public:
    PhysicalPage paper;
    std::vector<std::string> calls;
    std::vector<Text> texts;
    std::vector<Rule> rules;
    std::string title;
    TPrinterOrientation orientation = poLandscape;
    int page = 0;
    int failOnNewPage = -1;

    explicit RecordingCanvas(PhysicalPage p) : paper(p) {}

    void SetOrientation(TPrinterOrientation o) override {
        calls.push_back("orientation");
        orientation = o;
    }
    void SetTitle(const std::string& t) override {
        calls.push_back("title");
        title = t;
    }
    PhysicalPage Paper() override {
        calls.push_back("paper");
        return paper;
    }
    void BeginJob() override {
        calls.push_back("begin");
        page = 1;
    }
    void EndJob() override { calls.push_back("end"); }
    void SetFontHeight(int h) override { fontHeight_ = h; }
    void SetBold(bool) override {}
    void SetPenWidth(int w) override { penWidth_ = w; }
    int TextWidth(const std::string& text) override { return 5 * static_cast<int>(text.size()); }
    void TextOut(int x, int y, const std::string& text) override {
        texts.push_back({page, x, y, fontHeight_, text});
    }
    void Line(int x1, int y1, int x2, int y2) override {
        rules.push_back({page, x1, y1, x2, y2, penWidth_});
    }
    void NewPage() override {
        if (page == failOnNewPage) {
            throw std::runtime_error("paper jam");
        }
        ++page;
    }

    std::vector<Text> TextsAtX(int x, int onPage = 0) const {
        std::vector<Text> out;
        for (const Text& t : texts) {
            if (t.x == x && (onPage == 0 || t.page == onPage)) {
                out.push_back(t);
            }
        }
        return out;
    }
    const Text* Find(const std::string& text) const {
        for (const Text& t : texts) {
            if (t.text == text) {
                return &t;
            }
        }
        return nullptr;
    }

private:
    int fontHeight_ = 0;
    int penWidth_ = 0;
};

// A4 as a 600 dpi printer reports it: 210.0 x 297.0 mm.
PhysicalPage A4() {
    return {4961, 7016, 600, 600};
}

// At 254 dpi one pixel is 0.1 mm, so a page of H units is H pixels high.
PhysicalPage PaperOfHeight(int heightUnits) {
    return {2100, heightUnits, 254, 254};
}

// `cards` cards of `cols` columns; cell (c, r) reads "r/c", captions "C0", "C1", ...
CardTable MakeTable(int cards, int cols) {
    CardTable table;
    table.SetColCount(cols);
    table.SetRowCount(cards + 1);
    for (int c = 0; c < cols; ++c) {
        table.SetCell(c, 0, "C" + std::to_string(c));
        for (int r = 1; r <= cards; ++r) {
            table.SetCell(c, r, std::to_string(r) + "/" + std::to_string(c));
        }
    }
    return table;
}

void ExpectFrame(const RecordingCanvas& canvas, int page, int W, int H, const std::string& title,
                 const std::string& pageLine) {
    const Text* titleText = nullptr;
    const Text* pageText = nullptr;
    for (const Text& t : canvas.texts) {
        if (t.page == page && t.y == -20) {
            titleText = &t;
        }
        if (t.page == page && t.text == pageLine) {
            pageText = &t;
        }
    }
    ASSERT_NE(titleText, nullptr) << "page " << page;
    EXPECT_EQ(titleText->text, title);
    EXPECT_EQ(titleText->fontHeight, 48);
    EXPECT_EQ(titleText->x, W / 2 - static_cast<int>(5 * title.size()) / 2);
    ASSERT_NE(pageText, nullptr) << pageLine;
    EXPECT_EQ(pageText->y, -(H - 150));
    EXPECT_EQ(pageText->fontHeight, 36);
    EXPECT_EQ(pageText->x, W / 2 - static_cast<int>(5 * pageLine.size()) / 2);

    std::vector<Rule> rules;
    for (const Rule& r : canvas.rules) {
        if (r.page == page) {
            rules.push_back(r);
        }
    }
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].y1, -100);
    EXPECT_EQ(rules[0].y2, -100);
    EXPECT_EQ(rules[1].y1, -(H - 200));
    EXPECT_EQ(rules[1].y2, -(H - 200));
    for (const Rule& r : rules) {
        EXPECT_EQ(r.x1, 0);
        EXPECT_EQ(r.x2, W);
        EXPECT_EQ(r.penWidth, 5);
    }
}

} // namespace

TEST(PrintMetrics, PaperLengthDropsTheFractionOfAMillimetre) {
    EXPECT_EQ(PaperTenthsOfMm(7016, 600), 2970); // 297.01 mm
    EXPECT_EQ(PaperTenthsOfMm(4960, 600), 2090); // 209.97 mm
    EXPECT_EQ(PaperTenthsOfMm(14033, 1200), 2970);
    // 2100 / 254 × 25.4 is 209.99999... in floating point; the paper is 210 mm.
    EXPECT_EQ(PaperTenthsOfMm(2100, 254), 2100);
    EXPECT_EQ(PaperTenthsOfMm(7016, 0), 0);
    EXPECT_EQ(ListLinesPerPage(2970), 74);
    EXPECT_EQ(CardLinesPerPage(2970), 73);
}

TEST(PrintList, A4ListOfHundredCardsTakesTwoPages) {
    RecordingCanvas canvas(A4());
    const CardTable table = MakeTable(100, 25);
    PrintList(canvas, table, ListPrintTitle("/data/k.csv"), poPortrait, 130, 130);

    EXPECT_EQ(canvas.calls,
              (std::vector<std::string>{"orientation", "title", "paper", "begin", "end"}));
    EXPECT_EQ(canvas.orientation, poPortrait);
    EXPECT_EQ(canvas.title, "vexa\xC2\xAE Fendro K.CSV");
    EXPECT_EQ(canvas.page, 2);
    ExpectFrame(canvas, 1, 2100, 2970, canvas.title, "Page: 1 of 2");
    ExpectFrame(canvas, 2, 2100, 2970, canvas.title, "Page: 2 of 2");

    const std::vector<Text> first = canvas.TextsAtX(0, 1);
    ASSERT_EQ(first.size(), 74u);
    EXPECT_EQ(first.front().text, "C0");
    EXPECT_EQ(first.front().y, -110);
    EXPECT_EQ(first[1].text, "1/0");
    EXPECT_EQ(first.back().text, "73/0");
    EXPECT_EQ(first.back().y, -(110 + 73 * 36));
    for (const Text& t : first) {
        EXPECT_EQ(t.fontHeight, 36);
    }
    const std::vector<Text> second = canvas.TextsAtX(0, 2);
    ASSERT_EQ(second.size(), 27u);
    EXPECT_EQ(second.front().text, "74/0");
    EXPECT_EQ(second.front().y, -110);
    EXPECT_EQ(second.back().text, "100/0");

    // The other two columns at 3 × the screen widths, on the same lines.
    const std::vector<Text> street = canvas.TextsAtX(390);
    const std::vector<Text> town = canvas.TextsAtX(780);
    ASSERT_EQ(street.size(), 101u);
    ASSERT_EQ(town.size(), 101u);
    EXPECT_EQ(street[5].text, "5/1");
    EXPECT_EQ(town[5].text, "5/2");
    EXPECT_EQ(town[5].y, first[5].y);
}

TEST(PrintList, PrintsOnlyTheFirstThreeColumns) {
    RecordingCanvas canvas(A4());
    PrintList(canvas, MakeTable(3, 25), "T", poPortrait, 100, 50);
    for (const Text& t : canvas.texts) {
        EXPECT_EQ(t.text.find("/3"), std::string::npos) << t.text;
        EXPECT_NE(t.text, "C3");
    }
    EXPECT_EQ(canvas.TextsAtX(300).size(), 4u);
    EXPECT_EQ(canvas.TextsAtX(450).size(), 4u);
    // A table narrower than three columns draws what it has.
    RecordingCanvas narrow(A4());
    PrintList(narrow, MakeTable(2, 1), "T", poPortrait, 130, 130);
    EXPECT_EQ(narrow.TextsAtX(0).size(), 3u);
    EXPECT_TRUE(narrow.TextsAtX(390).empty());
}

TEST(PrintList, PageBreakFallsAfterExactlyLLines) {
    const int H = 1000; // L = (1000 - 300) div 36 = 19
    const int L = ListLinesPerPage(H);
    ASSERT_EQ(L, 19);
    {
        RecordingCanvas canvas(PaperOfHeight(H));
        PrintList(canvas, MakeTable(L - 1, 3), "T", poPortrait, 130, 130);
        EXPECT_EQ(canvas.page, 1);
        EXPECT_EQ(canvas.TextsAtX(0).size(), static_cast<size_t>(L));
        EXPECT_NE(canvas.Find("Page: 1 of 1"), nullptr);
    }
    {
        RecordingCanvas canvas(PaperOfHeight(H));
        PrintList(canvas, MakeTable(L, 3), "T", poPortrait, 130, 130);
        EXPECT_EQ(canvas.page, 2);
        const std::vector<Text> second = canvas.TextsAtX(0, 2);
        ASSERT_EQ(second.size(), 1u);
        EXPECT_EQ(second[0].text, std::to_string(L) + "/0");
        EXPECT_EQ(second[0].y, -110);
        ExpectFrame(canvas, 2, 2100, H, "T", "Page: 2 of 2");
    }
    {
        RecordingCanvas canvas(PaperOfHeight(H));
        PrintList(canvas, MakeTable(5 * L - 1, 3), "T", poPortrait, 130, 130);
        EXPECT_EQ(canvas.page, 5);
        const Text* line = canvas.Find("Page: 2 of 5");
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->page, 2);
    }
}

TEST(PrintList, TableWithoutCardsPrintsTheCaptionLine) {
    RecordingCanvas canvas(A4());
    PrintList(canvas, MakeTable(0, 25), ListPrintTitle(""), poPortrait, 130, 130);
    EXPECT_EQ(canvas.page, 1);
    EXPECT_EQ(canvas.title, "vexa\xC2\xAE Fendro ");
    ASSERT_EQ(canvas.TextsAtX(0).size(), 1u);
    EXPECT_EQ(canvas.TextsAtX(0)[0].text, "C0");
    ExpectFrame(canvas, 1, 2100, 2970, canvas.title, "Page: 1 of 1");
}

TEST(PrintList, CellsAreDrawnAsUtf8) {
    CardTable table = MakeTable(1, 3);
    table.SetCell(1, 1,
                  "Stra\xDF"
                  "e 4");
    table.SetCell(0, 1, "M\xFCller \x80");
    RecordingCanvas canvas(A4());
    PrintList(canvas, table, "T", poPortrait, 130, 130);
    EXPECT_NE(canvas.Find("Stra\xC3\x9F"
                          "e 4"),
              nullptr);
    EXPECT_NE(canvas.Find("M\xC3\xBCller \xE2\x82\xAC"), nullptr);
}

TEST(PrintList, PaperTooShortForOneLineIsRefusedBeforeTheJob) {
    RecordingCanvas tooShort(PaperOfHeight(335)); // 33 mm: L = 0
    try {
        PrintList(tooShort, MakeTable(3, 3), "T", poPortrait, 130, 130);
        FAIL() << "no error";
    } catch (const EPrinter& e) {
        EXPECT_NE(std::string(e.what()).find("Papier ist zu kurz"), std::string::npos);
    }
    EXPECT_TRUE(tooShort.texts.empty());
    EXPECT_EQ(std::count(tooShort.calls.begin(), tooShort.calls.end(), "begin"), 0);

    RecordingCanvas oneLine(PaperOfHeight(340));
    PrintList(oneLine, MakeTable(2, 3), "T", poPortrait, 130, 130);
    EXPECT_EQ(oneLine.page, 3);

    RecordingCanvas noResolution({4961, 7016, 0, 0});
    EXPECT_THROW(PrintList(noResolution, MakeTable(1, 3), "T", poPortrait, 130, 130), EPrinter);
}

TEST(PrintList, JobIsEndedWhenAStepFails) {
    RecordingCanvas canvas(A4());
    canvas.failOnNewPage = 1;
    EXPECT_THROW(PrintList(canvas, MakeTable(200, 3), "T", poPortrait, 130, 130),
                 std::runtime_error);
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls.back(), "end");
    EXPECT_EQ(std::count(canvas.calls.begin(), canvas.calls.end(), "end"), 1);
}

TEST(PrintCard, EveryColumnWithItsCaptionOnOnePage) {
    RecordingCanvas canvas(A4());
    const CardTable table = MakeTable(5, 25);
    PrintCard(canvas, table, kCardPrintTitle, 4, poPortrait);

    EXPECT_EQ(canvas.title, "vexa\xC2\xAE Fendro");
    EXPECT_EQ(canvas.orientation, poPortrait);
    EXPECT_EQ(canvas.page, 1);
    ExpectFrame(canvas, 1, 2100, 2970, canvas.title, "Page: 1 of 1");
    const std::vector<Text> captions = canvas.TextsAtX(100);
    const std::vector<Text> values = canvas.TextsAtX(500);
    ASSERT_EQ(captions.size(), 25u);
    ASSERT_EQ(values.size(), 25u);
    for (int c = 0; c < 25; ++c) {
        EXPECT_EQ(captions[c].text, "C" + std::to_string(c));
        EXPECT_EQ(values[c].text, "4/" + std::to_string(c));
        EXPECT_EQ(captions[c].y, -(110 + 36 * c));
        EXPECT_EQ(values[c].y, captions[c].y);
        EXPECT_EQ(values[c].fontHeight, 36);
    }
}

TEST(PrintCard, CaptionRowAsCurrentRowShowsEachCaptionTwice) {
    RecordingCanvas canvas(A4());
    PrintCard(canvas, MakeTable(0, 4), kCardPrintTitle, 0, poPortrait);
    const std::vector<Text> values = canvas.TextsAtX(500);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[2].text, "C2");
    EXPECT_EQ(canvas.TextsAtX(100)[2].text, "C2");
}

TEST(PrintCard, ColumnsBeyondTheLowerRuleGoOnToTheNextPage) {
    RecordingCanvas canvas(A4());
    PrintCard(canvas, MakeTable(1, 80), kCardPrintTitle, 1, poPortrait);
    EXPECT_EQ(canvas.page, 2);
    ExpectFrame(canvas, 1, 2100, 2970, canvas.title, "Page: 1 of 2");
    ExpectFrame(canvas, 2, 2100, 2970, canvas.title, "Page: 2 of 2");
    const std::vector<Text> first = canvas.TextsAtX(500, 1);
    ASSERT_EQ(first.size(), 73u);
    EXPECT_EQ(first.back().text, "1/72");
    // The last line ends above the lower rule.
    EXPECT_GE(first.back().y - 36, -2770);
    const std::vector<Text> second = canvas.TextsAtX(500, 2);
    ASSERT_EQ(second.size(), 7u);
    EXPECT_EQ(second.front().text, "1/73");
    EXPECT_EQ(second.front().y, -110);
    EXPECT_EQ(canvas.TextsAtX(100, 2).front().text, "C73");

    // 73 columns still fit one page.
    RecordingCanvas full(A4());
    PrintCard(full, MakeTable(1, 73), kCardPrintTitle, 1, poPortrait);
    EXPECT_EQ(full.page, 1);
}

TEST(PrintTitles, ListTitleUpperCasesOnlyAsciiLettersOfTheFileName) {
    EXPECT_EQ(ListPrintTitle("/home/anna/Kunden-2024.csv"), "vexa\xC2\xAE Fendro KUNDEN-2024.CSV");
    // ü (UTF-8) stays as it is.
    EXPECT_EQ(ListPrintTitle("/x/m\xC3\xBCller.csv"), "vexa\xC2\xAE Fendro M\xC3\xBCLLER.CSV");
    EXPECT_EQ(ListPrintTitle("karte"), "vexa\xC2\xAE Fendro KARTE");
#ifdef _WIN32
    // The name after a backslash or a drive.
    EXPECT_EQ(ListPrintTitle("C:\\Daten\\kunden.csv"), "vexa\xC2\xAE Fendro KUNDEN.CSV");
    EXPECT_EQ(ListPrintTitle("D:karte.csv"), "vexa\xC2\xAE Fendro KARTE.CSV");
#endif
}
