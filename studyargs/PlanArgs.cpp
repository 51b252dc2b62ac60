#include "PlanArgs.h"

#include <array>

#include "HourlyWeatherCsv.h"
#include "QuotedText.h"

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr double kLongestMinimumWindow = 120.0;  // minutes: no window outlasts the two-hour run
constexpr std::string_view kClockAllowed = "HH:MM from 00:00 to 24:00";

constexpr std::array<std::string_view, 5> kNames{"from", "to", "every", "min-window", "weather"};

}  // namespace

std::span<const std::string_view> PlanOptionNames() { return kNames; }

std::string ReadPlanOption(const OptionText& option, const FormRecord& site, PlanArgs& plan) {
    PavingDayRequest& request = plan.request;
    if (option.name == "from") {
        plan.strFrom = option.value;
        return ReadClockOption(option, 0, kMinutesPerDay, kClockAllowed, &request.nFromMinute);
    }
    if (option.name == "to") {
        plan.strTo = option.value;
        return ReadClockOption(option, 0, kMinutesPerDay, kClockAllowed, &request.nToMinute);
    }
    if (option.name == "every")
        return ReadWholeOption(option, 1, kMinutesPerDay, "1 to 1440 minutes", &request.nStepMinutes);
    if (option.name == "min-window")
        return ReadNumberOption(option, 0.0, kLongestMinimumWindow, "0 to 120 minutes",
                                &request.dMinimumWindow);
    // weather: read now, in the unit system every number is read in.
    std::string path;
    if (std::string error = ReadFileNameOption(option, &path); !error.empty()) return error;
    const HourlyWeatherRead weather = ReadHourlyWeatherCsvFile(path, UnitSystemOfCode(site.inputs.m_nUnits));
    if (!weather.strError.empty()) return weather.strError;
    request.hourly = weather.rows;
    plan.strWeatherPath = std::move(path);
    return "";
}

std::string CheckPlanTimes(const PlanArgs& plan) {
    const PavingDayRequest& r = plan.request;
    if (r.nToMinute >= r.nFromMinute) return "";
    if (!plan.strTo.empty() || plan.strFrom.empty())
        return OptionValueRefusal("to", plan.strTo,
                                  "before the first paving time " + ClockText(r.nFromMinute),
                                  ClockText(r.nFromMinute) + " to 24:00");
    return OptionValueRefusal(
        "from", plan.strFrom,
        "after the last paving time " + ClockText(r.nToMinute) + " (the default of --to)",
        "00:00 to " + ClockText(r.nToMinute));
}

std::string PlanFaultText(const StudyFault& fault, const PlanArgs& plan) {
    if (fault.strField != "hourly weather") return fault.strMessage;
    if (plan.strWeatherPath.empty()) return "--weather: " + fault.strMessage;
    return "--weather " + QuoteForMessage(plan.strWeatherPath) + ": " + fault.strMessage;
}
