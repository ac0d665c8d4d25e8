// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the history chart shows: flue-gas loss and efficiency over the measurement dates, and the
// limit of the flue-gas loss when the boiler's nominal output is known. The window draws it with
// Qt Charts, the printout with lines on the print canvas.

#include "core/history/MeasurementHistory.h"

#include <optional>
#include <string>
#include <vector>

struct ChartPoint {
    CardDate date;
    int minutes = 0; // time of day; a card without one is drawn at midnight
    double value = 0;
};

struct HistoryChart {
    std::vector<ChartPoint> loss;       // oldest first
    std::vector<ChartPoint> efficiency; // oldest first
    std::optional<double> lossLimit;
};

// Entries whose value does not parse are left out of that series only.
HistoryChart BuildHistoryChart(const History& history);

// The axis titles, UTF-8.
extern const char* const kChartDateTitle;
extern const char* const kChartLossTitle;
extern const char* const kChartEfficiencyTitle;

// Days since 1 January 1970 plus the fraction of the day, for a linear time axis.
double ChartDay(const ChartPoint& point);

// The day of a ChartDay value.
CardDate ChartDate(double day);
// "TT.MM.JJJJ".
std::string DateText(const CardDate& date);

// The date ticks between two ChartDay values: 1 January of every year, of every 2nd, 5th, 10th
// ... year when more than `maxTicks` would be needed; a span too short for two years gets the
// first of its months (every 2nd, 3rd or 6th) instead.
std::vector<CardDate> DateTicks(double firstDay, double lastDay, int maxTicks);

// A number of an axis as printed, with a decimal comma: one decimal when `step` is below 1.
std::string AxisNumber(double value, double step);

// A value axis from `low` to `high` in round steps, `low` and `high` widened to whole steps.
struct ChartAxis {
    double min = 0;
    double max = 1;
    double step = 1;
};
ChartAxis RoundAxis(double low, double high, int maxSteps);
