#pragma once

#include <QFont>
#include <span>

#include "Comparison.h"

class QChart;

// Fills `chart` (emptied first) with the overlay of the kept scenarios' cooling curves in `units`: time 0 to
// 120 minutes, a temperature axis covering every curve, one palette colour a scenario named by its label in
// the legend, a circle at each start and a square at each stop in the scenario's colour, and two legend
// entries that say which shape is which. With nothing kept the chart shows only its axes.
void FillComparisonChart(QChart& chart, std::span<const KeptScenario> kept, UnitSystem units,
                         const QFont& font);
