// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryChart.h"

#include "core/files/CardColumns.h"
#include "core/history/HistoryTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

const char* const kChartDateTitle = "Messdatum";
const char* const kChartLossTitle = "Abgasverlust in %";
const char* const kChartEfficiencyTitle = "Wirkungsgrad in %";

namespace {

// Days from 1 January 1970 to a day of the proleptic Gregorian calendar.
long long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The inverse of DaysFromCivil.
CardDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return {y, m, d};
}

void AddPoint(std::vector<ChartPoint>& series, const HistoryEntry& e, int col) {
    double value = 0;
    if (static_cast<size_t>(col) < e.card.size() &&
        ParseMeasuredValue(e.card[static_cast<size_t>(col)], value)) {
        series.push_back({e.date, std::max(e.minutes, 0), value});
    }
}

} // namespace

HistoryChart BuildHistoryChart(const History& history) {
    HistoryChart chart;
    for (auto it = history.entries.rbegin(); it != history.entries.rend(); ++it) {
        AddPoint(chart.loss, *it, kColFlueGasLoss);
        AddPoint(chart.efficiency, *it, kColEfficiency);
    }
    chart.lossLimit = HistoryLossLimit(history);
    return chart;
}

double ChartDay(const ChartPoint& point) {
    return static_cast<double>(DaysFromCivil(point.date.year, point.date.month, point.date.day)) +
           point.minutes / 1440.0;
}

CardDate ChartDate(double day) {
    return CivilFromDays(static_cast<long long>(std::floor(day)));
}

std::string DateText(const CardDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day % 100, date.month % 100,
                  date.year % 10000);
    return text;
}

std::vector<CardDate> DateTicks(double firstDay, double lastDay, int maxTicks) {
    const CardDate first = ChartDate(firstDay);
    const CardDate last = ChartDate(lastDay);
    // Months since year 0, so that years and months step alike.
    const long long firstMonth = first.year * 12LL + first.month - 1;
    const long long lastMonth = last.year * 12LL + last.month - 1;
    const bool years = lastMonth - firstMonth >= 24;
    std::vector<CardDate> ticks;
    for (long long step : {1, 2, 3, 6, 12, 24, 60, 120, 240, 600, 1200}) {
        if (years && step < 12) {
            continue;
        }
        ticks.clear();
        for (long long m = (firstMonth + step - 1) / step * step; m <= lastMonth; m += step) {
            const CardDate tick{static_cast<int>(m / 12), static_cast<int>(m % 12) + 1, 1};
            const double day = static_cast<double>(DaysFromCivil(tick.year, tick.month, 1));
            if (day >= firstDay && day <= lastDay) {
                ticks.push_back(tick);
            }
        }
        if (static_cast<int>(ticks.size()) <= std::max(maxTicks, 1)) {
            break;
        }
    }
    return ticks;
}

std::string AxisNumber(double value, double step) {
    char text[32];
    std::snprintf(text, sizeof text, step >= 1 ? "%.0f" : "%.1f", value);
    std::string number = text;
    std::replace(number.begin(), number.end(), '.', ',');
    return number;
}

ChartAxis RoundAxis(double low, double high, int maxSteps) {
    if (!(high > low)) {
        low -= 1;
        high += 1;
    }
    maxSteps = std::max(maxSteps, 1);
    const double raw = (high - low) / maxSteps;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= raw) {
            break;
        }
    }
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}
