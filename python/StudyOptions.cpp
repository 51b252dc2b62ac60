#include "StudyOptions.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "FieldText.h"
#include "InputValues.h"
#include "QuotedText.h"
#include "ReadInputs.h"

namespace {

// A form field reads at most 31 characters; a longer text would be read as another number than typed.
constexpr std::size_t kTextLimit = 31;

constexpr std::array<std::string_view, 4> kPlanNames{"from", "to", "every", "min-window"};
constexpr std::array<std::string_view, 8> kUncertaintyNames{
    "samples",         "seed",           "spread-air",  "spread-wind",
    "spread-delivery", "spread-surface", "spread-lift", "min-window"};
constexpr std::array<std::string_view, 3> kCalibrationNames{"measured", "at", "where"};
constexpr std::array<std::string_view, 6> kLiftKeys{"at", "lift", "delivery", "mix", "pg-high", "pg-low"};

constexpr const char* kClockAllowed = "HH:MM, 00:00 to 24:00";
constexpr const char* kMinutesAllowed = "0 to 120 (minutes)";
constexpr const char* kTemperatureSpreadAllowed = "0 to 100 (C, in either unit system)";
constexpr const char* kPercentSpreadAllowed = "0 to 100 (percent of the value)";

std::string Refusal(std::string_view prefix, std::string_view text, std::string_view problem,
                    std::string_view allowed) {
    return std::string(prefix) + " " + QuoteForMessage(text) + ": " + std::string(problem) + "; allowed " +
           std::string(allowed);
}

std::string OptionRefusal(const NamedText& option, std::string_view problem, std::string_view allowed) {
    return Refusal("--" + option.strName, option.strText, problem, allowed);
}

bool ReadNumber(const std::string& text, double* pValue) {
    return text.size() <= kTextLimit && ParseFieldDouble(text, pValue);
}

bool ReadWhole(const std::string& text, int* pValue) {
    return text.size() <= kTextLimit && ParseFieldInt(text, pValue);
}

// "" when read, else the refusal.
std::string Number(const NamedText& option, const char* allowed, double* pValue) {
    return ReadNumber(option.strText, pValue) ? "" : OptionRefusal(option, "not a number", allowed);
}

std::string Whole(const NamedText& option, const char* allowed, int* pValue) {
    return ReadWhole(option.strText, pValue) ? "" : OptionRefusal(option, "not a whole number", allowed);
}

std::string Clock(const NamedText& option, int* pMinuteOfDay) {
    ClockTime time{};
    if (!ParseClockTime(option.strText, &time)) return OptionRefusal(option, "not a time", kClockAllowed);
    *pMinuteOfDay = time.nHour * 60 + time.nMinute;
    return "";
}

// Digits only: the whole range of a 64-bit seed, which no form field holds.
std::string Seed(const NamedText& option, UncertaintyRequest& request) {
    if (option.strText == "random") {
        request.bRandomSeed = true;
        return "";
    }
    const std::string& text = option.strText;
    std::uint64_t nSeed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), nSeed);
    if (text.empty() || text.front() < '0' || text.front() > '9' || ec != std::errc() ||
        end != text.data() + text.size())
        return OptionRefusal(option, "not a seed", "a whole number 0 to 18446744073709551615, or random");
    request.nSeed = nSeed;
    request.bRandomSeed = false;
    return "";
}

// "C" or "F" for a unit code (0 SI, any other code English).
const char* TemperatureUnit(int nUnits) { return kTemperatureUnit[UnitCode(DisplayUnitsOfCode(nUnits))]; }

}  // namespace

std::span<const std::string_view> PlanOptionNames() { return kPlanNames; }
std::span<const std::string_view> UncertaintyOptionNames() { return kUncertaintyNames; }
std::span<const std::string_view> CalibrationOptionNames() { return kCalibrationNames; }

std::string ReadPlanOptions(std::span<const NamedText> options, PavingDayRequest& request) {
    for (const NamedText& option : options) {
        std::string error;
        if (option.strName == "from")
            error = Clock(option, &request.nFromMinute);
        else if (option.strName == "to")
            error = Clock(option, &request.nToMinute);
        else if (option.strName == "every")
            error = Whole(option, "1 to 1440 (minutes)", &request.nStepMinutes);
        else if (option.strName == "min-window")
            error = Number(option, kMinutesAllowed, &request.dMinimumWindow);
        if (!error.empty()) return error;
    }
    return "";
}

std::string ReadUncertaintyOptions(std::span<const NamedText> options, UncertaintyRequest& request) {
    UncertaintySpreads& spreads = request.spreads;
    const std::array<std::pair<std::string_view, double*>, 5> spreadMembers{{
        {"spread-air", &spreads.dAirTempC},
        {"spread-wind", &spreads.dWindPercent},
        {"spread-delivery", &spreads.dDeliveryTempC},
        {"spread-surface", &spreads.dSurfaceTempC},
        {"spread-lift", &spreads.dLiftPercent},
    }};
    for (const NamedText& option : options) {
        std::string error;
        if (option.strName == "samples") {
            int nSamples = 0;
            error = Whole(option, "2 to 1000000", &nSamples);
            // A negative count is refused by the study as it stands, not wrapped to a huge one.
            if (error.empty()) request.nSamples = nSamples < 0 ? 0 : static_cast<std::size_t>(nSamples);
        } else if (option.strName == "seed") {
            error = Seed(option, request);
        } else if (option.strName == "min-window") {
            error = Number(option, kMinutesAllowed, &request.dMinimumWindow);
        } else {
            for (const auto& [name, pMember] : spreadMembers) {
                if (option.strName != name) continue;
                const bool bPercent = name == "spread-wind" || name == "spread-lift";
                error = Number(option, bPercent ? kPercentSpreadAllowed : kTemperatureSpreadAllowed, pMember);
            }
        }
        if (!error.empty()) return error;
    }
    return "";
}

std::string ReadCalibrationOptions(std::span<const NamedText> options, CalibrationRequest& request) {
    const std::string measuredAllowed =
        std::string("a temperature in ") + TemperatureUnit(request.base.m_nUnits);
    const char* atAllowed = "more than 0 to 120 (minutes after laydown)";
    bool bMeasured = false;
    bool bAt = false;
    for (const NamedText& option : options) {
        std::string error;
        if (option.strName == "measured") {
            bMeasured = true;
            error = Number(option, measuredAllowed.c_str(), &request.dMeasuredTemp);
        } else if (option.strName == "at") {
            bAt = true;
            error = Number(option, atAllowed, &request.dMinutesAfterLaydown);
        } else if (option.strName == "where") {
            if (option.strText == "surface")
                request.place = MeasurementPlace::Surface;
            else if (option.strText == "mid-depth")
                request.place = MeasurementPlace::MidDepth;
            else
                error = OptionRefusal(option, "not a place", "surface or mid-depth");
        }
        if (!error.empty()) return error;
    }
    if (!bMeasured) return "--measured: missing value; allowed " + measuredAllowed;
    if (!bAt) return std::string("--at: missing value; allowed ") + atAllowed;
    return "";
}

std::vector<NamedText> SplitLiftText(std::string_view text) {
    std::vector<NamedText> values;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t comma = text.find(',', pos);
        const std::string_view part =
            text.substr(pos, comma == std::string_view::npos ? text.npos : comma - pos);
        const std::size_t equals = part.find('=');
        if (equals == std::string_view::npos)
            values.push_back({std::string(part), ""});
        else
            values.push_back({std::string(part.substr(0, equals)), std::string(part.substr(equals + 1))});
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
    return values;
}

std::string ReadLiftOptions(const LiftOptions& options, const FormRecord& site, LiftSequenceInputs& inputs) {
    inputs.site = site.inputs;
    inputs.lifts.clear();
    inputs.dNextLiftTemp.reset();
    if (options.nextLiftTemp) {
        const bool bSi = DisplayUnitsOfCode(site.m_nActiveUnits) == UnitSystem::SI;
        const NextLiftTempRange range = bSi ? kNextLiftTempRangeSi : kNextLiftTempRangeEnglish;
        const std::string allowed = FormatFieldDouble(range.dMin) + " to " + FormatFieldDouble(range.dMax) +
                                    " " + TemperatureUnit(site.m_nActiveUnits);
        double dTemp = 0.0;
        if (std::string error = Number({"next-lift-temp", *options.nextLiftTemp}, allowed.c_str(), &dTemp);
            !error.empty())
            return error;
        inputs.dNextLiftTemp = dTemp;
    }

    std::string keys;
    for (std::string_view key : kLiftKeys) keys += std::string(keys.empty() ? "" : ", ") + std::string(key);
    for (std::size_t i = 0; i < options.lifts.size(); ++i) {
        const std::string prefix = "--add-lift " + std::to_string(i + 1);
        FormRecord record = site;
        InputApplier applier(record);
        std::optional<int> at;
        std::vector<std::string_view> seen;
        for (std::size_t k = 0; k < options.lifts[i].size(); ++k) {
            const NamedText& value = options.lifts[i][k];
            bool bKnown = false;
            for (std::string_view key : kLiftKeys) bKnown = bKnown || value.strName == key;
            if (!bKnown) return Refusal(prefix, value.strName, "not a value of a lift", keys);
            for (std::string_view name : seen)
                if (name == value.strName) return prefix + " " + value.strName + ": given twice";
            seen.push_back(value.strName);
            if (value.strName == "at") {
                int nAt = 0;
                if (!ReadWhole(value.strText, &nAt))
                    return Refusal(prefix + " at", value.strText, "not a whole number",
                                   "whole minutes after the first lift's laydown");
                at = nAt;
                continue;
            }
            if (auto refusal = applier.Apply({value.strName, value.strText}, k))
                return Refusal(prefix + " " + refusal->strName, refusal->strValue, refusal->strReason,
                               refusal->strAllowed);
        }
        if (!at && i > 0)
            return prefix + " at: missing value; allowed whole minutes after the first lift's laydown";
        const SimulationInputs& in = record.inputs;
        inputs.lifts.push_back({in.m_nMixType, in.m_dLiftThickness, in.m_dDeliveryTemp, in.m_nPgHigh,
                                in.m_nPgLow, at.value_or(0)});
    }
    return "";
}

std::string StudyFaultText(const StudyFault& fault) {
    static constexpr std::array<std::pair<std::string_view, const char*>, 14> kOptions{{
        {"from", "from"},
        {"to", "to"},
        {"step", "every"},
        {"minimum window", "min-window"},
        {"hourly weather", "weather"},
        {"samples", "samples"},
        {"air temperature spread", "spread-air"},
        {"wind speed spread", "spread-wind"},
        {"delivery temperature spread", "spread-delivery"},
        {"surface temperature spread", "spread-surface"},
        {"lift thickness spread", "spread-lift"},
        {"measured temperature", "measured"},
        {"minutes after laydown", "at"},
        {"delivery temperature", "delivery"},
    }};
    for (const auto& [field, option] : kOptions)
        if (fault.strField == field) return std::string("--") + option + ": " + fault.strMessage;
    return fault.strMessage;
}
