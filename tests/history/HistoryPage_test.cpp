// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The printed chart as drawn: where its numbers and dates sit against its ticks and axes.

#include "core/files/CardColumns.h"
#include "core/history/HistoryChart.h"
#include "core/history/HistoryPage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace {

struct Text {
    int x, y, width, height;
    std::string text;
};
struct Stroke {
    int x1, y1, x2, y2;
};

class RecordingCanvas : public PrintCanvas {
public:
    std::vector<Text> texts;
    std::vector<Stroke> lines;
    void SetOrientation(TPrinterOrientation) override {}
    void SetTitle(const std::string&) override {}
    PhysicalPage Paper() override { return {2480, 3508, 300, 300}; } // A4 at 300 dpi
    void BeginJob() override {}
    void EndJob() override {}
    void SetFontHeight(int height) override { height_ = height; }
    void SetBold(bool) override {}
    void SetPenWidth(int) override {}
    int TextWidth(const std::string& text) override {
        return height_ * 6 / 10 * static_cast<int>(text.size());
    }
    void TextOut(int x, int y, const std::string& text) override {
        texts.push_back({x, y, TextWidth(text), height_, text});
    }
    void Line(int x1, int y1, int x2, int y2) override { lines.push_back({x1, y1, x2, y2}); }
    void NewPage() override {}

private:
    int height_ = 10;
};

HistoryEntry Entry(CardDate date, const std::string& loss, const std::string& output = "") {
    HistoryEntry e;
    e.card.assign(30, std::string());
    e.card[kColFlueGasLoss] = loss;
    e.card[kColEfficiency] = "93.5";
    e.card[kColNominalOutput] = output;
    e.date = date;
    return e;
}

// The frame's sides: the two longest vertical lines.
std::pair<int, int> PlotSides(const RecordingCanvas& canvas) {
    int left = 1 << 30;
    int right = -(1 << 30);
    for (const Stroke& s : canvas.lines) {
        if (s.x1 == s.x2 && std::abs(s.y1 - s.y2) > 500) {
            left = std::min(left, s.x1);
            right = std::max(right, s.x1);
        }
    }
    return {left, right};
}

double Day(int y, int m, int d) {
    return ChartDay({{y, m, d}, 0, 0});
}

} // namespace

TEST(HistoryPage, AxisNumbersSitOnTheirTicksWithADecimalComma) {
    History h;
    h.entries = {Entry({2024, 3, 1}, "1.4"), Entry({2023, 3, 1}, "1.2")};
    RecordingCanvas canvas;
    PrintHistory(canvas, h, "M\xC3\xBCller", CardTable::Row(30));
    const auto [left, right] = PlotSides(canvas);

    // Every number beside an axis has a tick of that axis through the middle of its line.
    const std::regex number("-?[0-9]+(,[0-9])?");
    int numbers = 0;
    for (const Text& t : canvas.texts) {
        const bool beside = t.x + t.width < left || t.x > right;
        if (!beside || !std::regex_match(t.text, number)) {
            continue;
        }
        ++numbers;
        const int middle = t.y - t.height / 2;
        const int axis = t.x > right ? right : left;
        bool ticked = false;
        for (const Stroke& s : canvas.lines) {
            ticked |= s.y1 == s.y2 && std::abs(s.y1 - middle) <= 1 &&
                      (s.x1 == axis || s.x2 == axis) && std::abs(s.x1 - s.x2) < 30;
        }
        EXPECT_TRUE(ticked) << t.text << " at " << t.y;
    }
    EXPECT_GE(numbers, 6);

    // Both axes step by 0,5.
    int halves = 0;
    for (const Text& t : canvas.texts) {
        halves += t.text == "0,5" || t.text == "93,5";
    }
    EXPECT_EQ(halves, 2);
    EXPECT_EQ(AxisNumber(11, 1), "11");
}

TEST(HistoryPage, DateLabelsOnTheFirstOfJanuaryAndInsideTheAxes) {
    History h;
    h.entries = {Entry({2022, 12, 30}, "6.0"), Entry({2021, 6, 15}, "6.5"),
                 Entry({2020, 1, 2}, "7.0")};
    RecordingCanvas canvas;
    PrintHistory(canvas, h, "M\xC3\xBCller", CardTable::Row(30));
    const auto [left, right] = PlotSides(canvas);

    // The chart's date labels: the dates between the chart's lower side and the table.
    const std::regex date("[0-9]{2}\\.[0-9]{2}\\.[0-9]{4}");
    std::vector<std::string> labels;
    for (const Text& t : canvas.texts) {
        if (!std::regex_match(t.text, date) || t.y > -1000 || t.y < -1300) {
            continue;
        }
        labels.push_back(t.text);
        EXPECT_TRUE(t.x >= left && t.x + t.width <= right) << t.text << " crosses an axis";
        bool ticked = false;
        for (const Stroke& s : canvas.lines) {
            ticked |= s.x1 == s.x2 && std::abs(s.y1 - s.y2) < 30 &&
                      std::abs(s.x1 - (t.x + t.width / 2)) <= 1;
        }
        EXPECT_TRUE(ticked) << t.text;
    }
    // 1 January 2020 lies two days from the first measurement, too near the axis for its label.
    EXPECT_EQ(labels, (std::vector<std::string>{"01.01.2021", "01.01.2022"}));
}

TEST(HistoryChart, DateTicksFallOnYearsOrEveryFewYears) {
    const std::vector<CardDate> three = DateTicks(Day(2020, 3, 15), Day(2023, 2, 10), 6);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(DateText(three[0]), "01.01.2021");
    EXPECT_EQ(DateText(three[2]), "01.01.2023");

    const std::vector<CardDate> twenty = DateTicks(Day(2003, 6, 1), Day(2023, 5, 1), 6);
    std::vector<std::string> texts;
    for (const CardDate& d : twenty) {
        texts.push_back(DateText(d));
    }
    EXPECT_EQ(texts,
              (std::vector<std::string>{"01.01.2005", "01.01.2010", "01.01.2015", "01.01.2020"}));

    // A month still gets a tick, on the first of a month.
    const std::vector<CardDate> month = DateTicks(Day(2024, 4, 20), Day(2024, 5, 20), 6);
    ASSERT_EQ(month.size(), 1u);
    EXPECT_EQ(DateText(month[0]), "01.05.2024");
}
