#pragma once

#include <span>
#include <string>
#include <string_view>

#include "Calibration.h"
#include "FormRecord.h"
#include "OptionText.h"

// The calibration's own options: measured, at and where, all three required.

// The words of --where, in MeasurementPlace order.
constexpr const char* kMeasurementPlaceWords[] = {"surface", "mid-depth"};

struct CalibrationArgs {
    CalibrationRequest request;  // base is the caller's to set
    bool bMeasured = false;      // which of the required options were given
    bool bAt = false;
    bool bWhere = false;
};

// measured, at, where.
std::span<const std::string_view> CalibrationOptionNames();

// One option onto `args`: measured a temperature in the site's units, at minutes after laydown more
// than 0 to 120, where "surface" or "mid-depth". "" or the refusal.
std::string ReadCalibrationOption(const OptionText& option, const FormRecord& site, CalibrationArgs& args);

// After every option: "" when measured, at and where were all given, else the refusal that asks for them.
std::string CheckCalibrationOptions(const CalibrationArgs& args);
