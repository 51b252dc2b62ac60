#pragma once

#include <span>
#include <string>
#include <string_view>

#include "FormRecord.h"
#include "OptionText.h"
#include "PavingDayPlanner.h"
#include "StudyInputs.h"

// The paving-day planner's own options: from, to, every, min-window and weather.

struct PlanArgs {
    PavingDayRequest request;    // base is the caller's to set
    std::string strFrom;         // --from as given; empty when left out
    std::string strTo;           // --to as given; empty when left out
    std::string strWeatherPath;  // the --weather file; empty when none (or when a caller set the rows)
};

// from, to, every, min-window, weather.
std::span<const std::string_view> PlanOptionNames();

// One option onto `plan`: from and to "HH:MM" 00:00 to 24:00, every whole minutes 1 to 1440, min-window
// minutes 0 to 120, weather a CSV file read now in the site's unit system. "" or the refusal.
std::string ReadPlanOption(const OptionText& option, const FormRecord& site, PlanArgs& plan);

// After every option: the last paving time may not come before the first; the refusal names whichever
// of the two was given (--to when both or neither).
std::string CheckPlanTimes(const PlanArgs& plan);

// The planner's refusal: a fault of the hourly weather names --weather (and its file when one was read),
// any other fault is its message alone.
std::string PlanFaultText(const StudyFault& fault, const PlanArgs& plan);
