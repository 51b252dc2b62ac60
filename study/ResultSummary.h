#pragma once

#include <string>

#include "CompactionWindow.h"

// One calculation's result in plain words, as the desktop program's status bar and the comparison
// table say it. Numbers keep a full stop as decimal point whatever the locale.

// Said instead of the result while the form's inputs differ from those that produced it.
constexpr const char* kInputsChangedText = "Inputs changed since the last calculation: press Calculate";
// Said instead of the rolling window when the calculation gave a cooling notice.
constexpr const char* kSlowCoolingSummary = "Stop temperature not reached within 120 min";
constexpr const char* kRapidCoolingSummary =
    "Less than 10 min to the stop temperature: paving not recommended";

// The notice's sentence (kSlowCoolingSummary, kRapidCoolingSummary); "" for no notice.
const char* NoticeText(CoolingNotice notice);

// "Rolling window: 12 to 68 min after laydown (56 min)": start and stop in whole minutes after laydown
// (0 to 120), the window = stop - start. With a notice, the notice's sentence instead.
std::string ResultSummaryText(int nStartTime, double dStopTime, CoolingNotice notice);
