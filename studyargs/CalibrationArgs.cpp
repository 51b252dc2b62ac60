#include "CalibrationArgs.h"

#include <array>
#include <cfloat>
#include <cmath>

namespace {

constexpr double kLatestMinute = 120.0;  // the model's run ends two hours after laydown

constexpr std::array<std::string_view, 3> kNames{"measured", "at", "where"};

}  // namespace

std::span<const std::string_view> CalibrationOptionNames() { return kNames; }

std::string ReadCalibrationOption(const OptionText& option, const FormRecord& site, CalibrationArgs& args) {
    CalibrationRequest& request = args.request;
    if (option.name == "measured") {
        args.bMeasured = true;
        const std::string allowed = std::string("a temperature in ") +
                                    kTemperatureUnit[UnitCode(DisplayUnitsOfCode(site.inputs.m_nUnits))];
        return ReadNumberOption(option, -DBL_MAX, DBL_MAX, allowed, &request.dMeasuredTemp);
    }
    if (option.name == "at") {
        args.bAt = true;
        // Only after laydown: the smallest double above 0 is the lowest time taken.
        return ReadNumberOption(option, std::nextafter(0.0, 1.0), kLatestMinute, "more than 0 to 120 minutes",
                                &request.dMinutesAfterLaydown);
    }
    int nPlace = 0;
    if (std::string error = ReadChoiceOption(option, kMeasurementPlaceWords, "not a place", &nPlace);
        !error.empty())
        return error;
    args.bWhere = true;
    request.place = nPlace == 0 ? MeasurementPlace::Surface : MeasurementPlace::MidDepth;
    return "";
}

std::string CheckCalibrationOptions(const CalibrationArgs& args) {
    if (args.bMeasured && args.bAt && args.bWhere) return "";
    return "calibrate needs --measured T, --at MIN and --where surface|mid-depth; see dravonel-cli calibrate "
           "--help";
}
