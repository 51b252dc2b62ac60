#pragma once

#include <QFont>

#include "LiftSequence.h"

class QChart;

// Fills `chart` (emptied first) with a lift run in `display` units: every placed lift's mat mean on one
// time axis in minutes after the first lift's laydown (each curve shifted by its placement), one palette
// colour a lift named in the legend, a circle at each start and a square at each stop in the lift's
// colour, the next-lift temperature as a dashed horizontal line, and legend entries saying which shape is
// which. Without a run (`pResult` null or refused) the chart shows only its axes, 0 to 120 minutes.
void FillLiftsChart(QChart& chart, const LiftSequenceInputs& inputs, const LiftSequenceResult* pResult,
                    UnitSystem display, const QFont& font);

// The time axis's title.
constexpr const char* kLiftsTimeAxisTitle = "Time after the first lift's laydown, min";
