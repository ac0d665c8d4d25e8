// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryPage.h"

#include "core/history/HistoryChart.h"
#include "core/history/HistoryTable.h"
#include "core/printing/PrintLayout.h"

#include <algorithm>
#include <cmath>

const char* const kHistoryPrintTitle = "Messverlauf";

namespace {

// Lengths in 0.1 mm, as on the other printouts.
constexpr int kTitleY = 20;
constexpr int kRuleY = 100;
constexpr int kCustomerY = 130;
constexpr int kNotesY = 185;
constexpr int kChartTop = 240;
constexpr int kChartHeight = 900;
constexpr int kTableGap = 50;
constexpr int kFootRule = 200;
constexpr int kFootTextY = 150;
constexpr int kCellGap = 24;
constexpr int kLargestTableFont = 30;
constexpr int kSmallestTableFont = 16;
constexpr int kChartFont = 28;

struct Rect {
    int left = 0;
    int top = 0; // distance from the top, positive
    int right = 0;
    int bottom = 0;
};

void Centred(PrintCanvas& canvas, int x, int y, const std::string& text) {
    canvas.TextOut(x - canvas.TextWidth(text) / 2, -y, text);
}

// A dashed line: `on` drawn, `off` left out, along the way from one point to the other.
void Dashed(PrintCanvas& canvas, double x1, double y1, double x2, double y2, double on,
            double off) {
    const double length = std::hypot(x2 - x1, y2 - y1);
    if (length <= 0) {
        return;
    }
    const double dx = (x2 - x1) / length;
    const double dy = (y2 - y1) / length;
    for (double s = 0; s < length; s += on + off) {
        const double e = std::min(s + on, length);
        canvas.Line(
            static_cast<int>(std::lround(x1 + dx * s)), static_cast<int>(std::lround(y1 + dy * s)),
            static_cast<int>(std::lround(x1 + dx * e)), static_cast<int>(std::lround(y1 + dy * e)));
    }
}

void Square(PrintCanvas& canvas, int x, int y, int r) {
    canvas.Line(x - r, y - r, x + r, y - r);
    canvas.Line(x + r, y - r, x + r, y + r);
    canvas.Line(x + r, y + r, x - r, y + r);
    canvas.Line(x - r, y + r, x - r, y - r);
}

void Cross(PrintCanvas& canvas, int x, int y, int r) {
    canvas.Line(x - r, y - r, x + r, y + r);
    canvas.Line(x - r, y + r, x + r, y - r);
}

class ChartDrawing {
public:
    ChartDrawing(PrintCanvas& canvas, const HistoryChart& chart, const Rect& area)
        : canvas_(canvas), chart_(chart) {
        plot_ = {area.left + 170, area.top + 110, area.right - 170, area.bottom - 110};
    }

    void Draw() {
        canvas_.SetFontHeight(kChartFont);
        canvas_.SetPenWidth(3);
        Frame();
        if (chart_.loss.empty() && chart_.efficiency.empty()) {
            Centred(canvas_, (plot_.left + plot_.right) / 2, (plot_.top + plot_.bottom) / 2,
                    "Keine Messwerte");
            return;
        }
        Ranges();
        DateTicks();
        ValueTicks();
        Legend();
        if (chart_.lossLimit) {
            canvas_.SetPenWidth(4);
            const double y = Y(*chart_.lossLimit, loss_);
            Dashed(canvas_, plot_.left, y, plot_.right, y, 40, 25);
        }
        Series(chart_.loss, loss_, true);
        Series(chart_.efficiency, efficiency_, false);
    }

private:
    double X(double day) const {
        return plot_.left + (day - firstDay_) / (lastDay_ - firstDay_) * (plot_.right - plot_.left);
    }
    // Canvas y (negative) of a value on an axis.
    double Y(double value, const ChartAxis& axis) const {
        const double share = (value - axis.min) / (axis.max - axis.min);
        return -(plot_.bottom - share * (plot_.bottom - plot_.top));
    }

    void Frame() {
        canvas_.Line(plot_.left, -plot_.top, plot_.right, -plot_.top);
        canvas_.Line(plot_.right, -plot_.top, plot_.right, -plot_.bottom);
        canvas_.Line(plot_.right, -plot_.bottom, plot_.left, -plot_.bottom);
        canvas_.Line(plot_.left, -plot_.bottom, plot_.left, -plot_.top);
    }

    void Ranges() {
        double first = 1e18;
        double last = -1e18;
        double lossHigh = chart_.lossLimit.value_or(0);
        double effLow = 100;
        double effHigh = 0;
        for (const ChartPoint& p : chart_.loss) {
            first = std::min(first, ChartDay(p));
            last = std::max(last, ChartDay(p));
            lossHigh = std::max(lossHigh, p.value);
        }
        for (const ChartPoint& p : chart_.efficiency) {
            first = std::min(first, ChartDay(p));
            last = std::max(last, ChartDay(p));
            effLow = std::min(effLow, p.value);
            effHigh = std::max(effHigh, p.value);
        }
        // A single day still gets a readable stretch of time around it.
        if (last - first < 30) {
            const double mid = (first + last) / 2;
            first = mid - 15;
            last = mid + 15;
        }
        const double pad = (last - first) * 0.04;
        firstDay_ = first - pad;
        lastDay_ = last + pad;
        loss_ = RoundAxis(0, std::max(lossHigh * 1.1, 1.0), 5);
        efficiency_ = chart_.efficiency.empty() ? RoundAxis(80, 100, 4)
                                                : RoundAxis(effLow - 1, effHigh + 1, 5);
    }

    // Labels whose text would reach past the plot's sides are left out, so that none runs into
    // the value axes.
    void DateTicks() {
        const int gap = 60;
        const int labelWidth = canvas_.TextWidth(DateText({2000, 12, 31})) + gap;
        const int maxTicks = std::max(1, (plot_.right - plot_.left) / labelWidth);
        for (const CardDate& date : ::DateTicks(firstDay_, lastDay_, maxTicks)) {
            const int x = static_cast<int>(std::lround(X(ChartDay({date, 0, 0}))));
            canvas_.Line(x, -plot_.bottom, x, -(plot_.bottom + 15));
            const std::string text = DateText(date);
            const int half = canvas_.TextWidth(text) / 2;
            if (x - half >= plot_.left && x + half <= plot_.right) {
                Centred(canvas_, x, plot_.bottom + 22, text);
            }
        }
        Centred(canvas_, (plot_.left + plot_.right) / 2, plot_.bottom + 62, kChartDateTitle);
    }

    // Each number centred on its tick.
    void ValueTicks() {
        const int up = kChartFont / 2;
        for (double v = loss_.min; v <= loss_.max + loss_.step / 2; v += loss_.step) {
            const int y = static_cast<int>(std::lround(Y(v, loss_)));
            canvas_.Line(plot_.left - 15, y, plot_.left, y);
            const std::string text = AxisNumber(v, loss_.step);
            canvas_.TextOut(plot_.left - 25 - canvas_.TextWidth(text), y + up, text);
        }
        for (double v = efficiency_.min; v <= efficiency_.max + efficiency_.step / 2;
             v += efficiency_.step) {
            const int y = static_cast<int>(std::lround(Y(v, efficiency_)));
            canvas_.Line(plot_.right, y, plot_.right + 15, y);
            canvas_.TextOut(plot_.right + 25, y + up, AxisNumber(v, efficiency_.step));
        }
        canvas_.TextOut(plot_.left - 150, -(plot_.top - 45), kChartLossTitle);
        const std::string right = kChartEfficiencyTitle;
        canvas_.TextOut(plot_.right + 150 - canvas_.TextWidth(right), -(plot_.top - 45), right);
    }

    void Legend() {
        int x = plot_.left + 20;
        const int y = -(plot_.top + 20);
        auto entry = [&](const std::string& text, auto sample) {
            sample(x, y - 14);
            x += 110;
            canvas_.TextOut(x, y, text);
            x += canvas_.TextWidth(text) + 60;
        };
        entry("Abgasverlust", [&](int sx, int sy) {
            canvas_.SetPenWidth(6);
            canvas_.Line(sx, sy, sx + 90, sy);
            Square(canvas_, sx + 45, sy, 10);
        });
        entry("Wirkungsgrad", [&](int sx, int sy) {
            canvas_.SetPenWidth(3);
            Dashed(canvas_, sx, sy, sx + 90, sy, 20, 12);
            Cross(canvas_, sx + 45, sy, 10);
        });
        if (chart_.lossLimit) {
            entry("Grenzwert Abgasverlust " + AxisNumber(*chart_.lossLimit, 1) + " %",
                  [&](int sx, int sy) {
                      canvas_.SetPenWidth(4);
                      Dashed(canvas_, sx, sy, sx + 90, sy, 40, 25);
                  });
        }
        canvas_.SetPenWidth(3);
    }

    void Series(const std::vector<ChartPoint>& points, const ChartAxis& axis, bool solid) {
        canvas_.SetPenWidth(solid ? 6 : 3);
        for (size_t i = 0; i < points.size(); ++i) {
            const double x = X(ChartDay(points[i]));
            const double y = Y(points[i].value, axis);
            if (i > 0) {
                const double px = X(ChartDay(points[i - 1]));
                const double py = Y(points[i - 1].value, axis);
                if (solid) {
                    canvas_.Line(
                        static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)),
                        static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
                } else {
                    Dashed(canvas_, px, py, x, y, 20, 12);
                }
            }
            const int ix = static_cast<int>(std::lround(x));
            const int iy = static_cast<int>(std::lround(y));
            if (solid) {
                Square(canvas_, ix, iy, 10);
            } else {
                Cross(canvas_, ix, iy, 10);
            }
        }
    }

    PrintCanvas& canvas_;
    const HistoryChart& chart_;
    Rect plot_;
    double firstDay_ = 0;
    double lastDay_ = 1;
    ChartAxis loss_;
    ChartAxis efficiency_;
};

// Captions of two words or more go on two lines, the unit usually on the second.
std::pair<std::string, std::string> CaptionLines(const std::string& caption) {
    const size_t blank = caption.rfind(' ');
    if (blank == std::string::npos) {
        return {caption, std::string()};
    }
    return {caption.substr(0, blank), caption.substr(blank + 1)};
}

class TableLayout {
public:
    TableLayout(PrintCanvas& canvas, const History& history, const CardTable::Row& captionRow,
                int width)
        : canvas_(canvas) {
        for (const std::string& c : HistoryCaptions(captionRow)) {
            captions_.push_back(CaptionLines(c));
        }
        for (const HistoryEntry& e : history.entries) {
            rows_.push_back(HistoryRowTexts(e));
        }
        // The largest font with which every column fits the width of the paper.
        for (font_ = kLargestTableFont; font_ > kSmallestTableFont; font_ -= 2) {
            if (MeasureColumns() <= width) {
                break;
            }
        }
        MeasureColumns();
    }

    int LineHeight() const { return font_ + font_ / 4; }
    int HeaderHeight() const { return 2 * LineHeight() + 12; }
    size_t Rows() const { return rows_.size(); }

    // Draws the header and rows [first, end) from `top` down.
    void Draw(int top, size_t first, size_t end) {
        canvas_.SetFontHeight(font_);
        canvas_.SetPenWidth(3);
        for (size_t c = 0; c < captions_.size(); ++c) {
            canvas_.TextOut(x_[c], -top, captions_[c].first);
            canvas_.TextOut(x_[c], -(top + LineHeight()), captions_[c].second);
        }
        const int rule = top + 2 * LineHeight() + 6;
        canvas_.Line(0, -rule, x_.back() + widths_.back(), -rule);
        int y = top + HeaderHeight();
        for (size_t r = first; r < end; ++r) {
            for (size_t c = 0; c < rows_[r].size() && c < x_.size(); ++c) {
                canvas_.TextOut(x_[c], -y, rows_[r][c]);
            }
            y += LineHeight();
        }
    }

private:
    int MeasureColumns() {
        canvas_.SetFontHeight(font_);
        widths_.assign(captions_.size(), 0);
        for (size_t c = 0; c < captions_.size(); ++c) {
            widths_[c] = std::max(canvas_.TextWidth(captions_[c].first),
                                  canvas_.TextWidth(captions_[c].second));
        }
        for (const auto& row : rows_) {
            for (size_t c = 0; c < row.size() && c < widths_.size(); ++c) {
                widths_[c] = std::max(widths_[c], canvas_.TextWidth(row[c]));
            }
        }
        x_.assign(widths_.size(), 0);
        int x = 0;
        for (size_t c = 0; c < widths_.size(); ++c) {
            x_[c] = x;
            x += widths_[c] + kCellGap;
        }
        return x - kCellGap;
    }

    PrintCanvas& canvas_;
    std::vector<std::pair<std::string, std::string>> captions_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<int> widths_;
    std::vector<int> x_;
    int font_ = kLargestTableFont;
};

void DrawFrame(PrintCanvas& canvas, const Page& page, int number, int count) {
    canvas.SetFontHeight(PrintMetrics::kTitleFontHeight);
    Centred(canvas, page.W / 2, kTitleY, kHistoryPrintTitle);
    canvas.SetPenWidth(PrintMetrics::kRuleWidth);
    canvas.Line(0, -kRuleY, page.W, -kRuleY);
    canvas.Line(0, -(page.H - kFootRule), page.W, -(page.H - kFootRule));
    canvas.SetFontHeight(PrintMetrics::kBodyFontHeight);
    Centred(canvas, page.W / 2, page.H - kFootTextY,
            "Seite " + std::to_string(number) + " von " + std::to_string(count));
}

} // namespace

void PrintHistory(PrintCanvas& canvas, const History& history, const std::string& customer,
                  const CardTable::Row& captionRow) {
    const Page page = PreparePage(canvas, kHistoryPrintTitle, poPortrait);
    TableLayout table(canvas, history, captionRow, page.W);
    const int bottom = page.H - kFootRule - 10;
    const int firstTop = kChartTop + kChartHeight + kTableGap;
    const int firstRows = (bottom - firstTop - table.HeaderHeight()) / table.LineHeight();
    const int laterRows = (bottom - kCustomerY - table.HeaderHeight()) / table.LineHeight();
    if (firstRows <= 0 || laterRows <= 0) {
        throw EPrinter("Das Papier ist zu kurz f\xC3\xBCr den Messverlauf.");
    }
    const size_t rows = table.Rows();
    int pages = 1;
    if (rows > static_cast<size_t>(firstRows)) {
        pages += PageCount(static_cast<int>(rows - static_cast<size_t>(firstRows)), laterRows);
    }
    const HistoryChart chart = BuildHistoryChart(history);

    DrawJob(canvas, [&] {
        DrawFrame(canvas, page, 1, pages);
        canvas.SetFontHeight(PrintMetrics::kBodyFontHeight);
        canvas.TextOut(0, -kCustomerY, "Kunde: " + customer);
        std::string notes = WithoutDateText(history.withoutDate);
        const std::string skipped = SkippedText(history.skipped);
        if (!skipped.empty()) {
            notes += (notes.empty() ? "" : "; ") + skipped;
        }
        if (!notes.empty()) {
            canvas.SetFontHeight(28);
            canvas.TextOut(0, -kNotesY, notes);
        }
        ChartDrawing(canvas, chart, {0, kChartTop, page.W, kChartTop + kChartHeight}).Draw();
        size_t first = 0;
        size_t end = std::min(rows, static_cast<size_t>(firstRows));
        table.Draw(firstTop, first, end);
        for (int p = 2; p <= pages; ++p) {
            canvas.NewPage();
            DrawFrame(canvas, page, p, pages);
            first = end;
            end = std::min(rows, first + static_cast<size_t>(laterRows));
            table.Draw(kCustomerY, first, end);
        }
    });
}
