#pragma once

#include <QFont>

#include "PavingDayPlanner.h"

class QChart;

// Names of the planner chart's series, for the legend and for finding them.
constexpr const char* kBandNoNotice = "Window";
constexpr const char* kBandSlow = "Window, slow cooling";
constexpr const char* kBandRapid = "Window, rapid cooling";
constexpr const char* kShortMarks = "Too short";
constexpr const char* kBestMarks = "Best";

// The name of the line that shows where a stop would leave the minimum window: "Start + 15 min".
QString MinimumLineName(double dMinimumWindow);

// Fills `chart` (emptied first) with the paving-day ribbon: paving time of day across (clock labels),
// minutes after laydown up (0 to 120). Each slot is a band from its start to its stop, as wide as the
// step, coloured by its notice (palette colours; neighbouring slots of one notice form one band, and a
// notice has one legend entry). A dashed line runs at start + the minimum window: where a band's top lies
// below it, the rollers have less time than they need, and a diamond marks that slot's stop. A star sits
// above each best slot. With no slots only the axes show.
void FillPlannerChart(QChart& chart, const PavingDayPlan& plan, int nStepMinutes, double dMinimumWindow,
                      const QFont& font);
