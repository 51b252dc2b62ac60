#pragma once

#include <QFont>
#include <QString>
#include <vector>

#include "Uncertainty.h"

class QChart;

// Names of the series of the two uncertainty charts.
constexpr const char* kHistogramBars = "Samples";
constexpr const char* kPercentileLines = "Percentiles 10, 50, 90";
constexpr const char* kNominalLine = "Nominal stop";
constexpr const char* kLowEndBars = "Input - spread";
constexpr const char* kHighEndBars = "Input + spread";

// Minutes a histogram bar covers: 1, or 2 or 5 when the stops spread over more than 40 or 80 minutes.
int HistogramBinMinutes(const UncertaintyResult& result);

// Fills `chart` (emptied first) with the histogram of the samples' stop times: one bar a bin of
// HistogramBinMinutes (series kHistogramBars, one area whose bars stand on the time axis), dashed lines
// at the 10th, 50th and 90th percentile and a solid one at the nominal stop. Axes "Stop time after
// laydown, min" and "Samples per N min". A result without samples shows only the axes.
void FillStopHistogram(QChart& chart, const UncertaintyResult& result, const QFont& font);

// Fills `chart` (emptied first) with the tornado of the one-at-a-time runs: one row an input, largest
// effect on top, `labels[i]` naming result.sensitivity[i] on the vertical axis; two bars a row from the
// nominal stop to the stop with the input at its low end (upper half of the row) and at its high end
// (lower half), and a line at the nominal stop. Axis "Stop time after laydown, min" across.
void FillTornado(QChart& chart, const UncertaintyResult& result, const std::vector<QString>& labels,
                 const QFont& font);
