#include "UncertaintyArgs.h"

#include <charconv>
#include <cstdint>

#include "InputOptions.h"
#include "StudyInputs.h"

namespace {

constexpr int kFewestSamples = 2;
constexpr int kMostSamples = 1000000;
constexpr double kLargestSpread = 100.0;  // C or percent, as the study takes them
constexpr double kLongestMinimumWindow = 120.0;
constexpr double kFahrenheitPerCelsius = 1.8;

constexpr SpreadOption kSpreadOptions[kUncertainInputCount] = {
    {"spread-air", UncertainInput::AirTemp, true, &UncertaintySpreads::dAirTempC},
    {"spread-wind", UncertainInput::WindSpeed, false, &UncertaintySpreads::dWindPercent},
    {"spread-delivery", UncertainInput::DeliveryTemp, true, &UncertaintySpreads::dDeliveryTempC},
    {"spread-surface", UncertainInput::SurfaceTemp, true, &UncertaintySpreads::dSurfaceTempC},
    {"spread-lift", UncertainInput::LiftThickness, false, &UncertaintySpreads::dLiftPercent},
};

constexpr std::array<std::string_view, 8> kNames{
    "samples",         "seed",           "spread-air",  "spread-wind",
    "spread-delivery", "spread-surface", "spread-lift", "min-window"};

// A temperature spread is a difference: 1 C is 1.8 F, with no offset.
double PerStudyUnit(const SpreadOption& spread, UnitSystem units) {
    return spread.bTemperature && units == UnitSystem::English ? kFahrenheitPerCelsius : 1.0;
}

// A seed is a plain decimal number that fits 64 bits, or "random".
std::string ReadSeed(const OptionText& option, UncertaintyRequest& request) {
    const std::string_view allowed = "0 to 18446744073709551615 or random";
    if (option.bMissing) return MissingValueText(option.name, allowed);
    const std::string_view text = option.value;
    if (text == "random") {
        request.bRandomSeed = true;
        return "";
    }
    std::uint64_t nSeed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), nSeed);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return OptionValueRefusal(
            option.name, text, ec == std::errc::result_out_of_range ? "out of range" : "not a seed", allowed);
    request.nSeed = nSeed;
    request.bRandomSeed = false;
    return "";
}

}  // namespace

std::span<const SpreadOption> SpreadOptions() { return kSpreadOptions; }

std::span<const std::string_view> UncertaintyOptionNames() { return kNames; }

std::string ReadUncertaintyOption(const OptionText& option, const FormRecord& site, UncertaintyArgs& args) {
    UncertaintyRequest& request = args.request;
    if (option.name == "samples") {
        int nSamples = 0;
        std::string error = ReadWholeOption(option, kFewestSamples, kMostSamples, "2 to 1000000", &nSamples);
        request.nSamples = static_cast<std::size_t>(nSamples);
        return error;
    }
    if (option.name == "seed") return ReadSeed(option, request);
    if (option.name == "min-window")
        return ReadNumberOption(option, 0.0, kLongestMinimumWindow, "0 to 120 minutes",
                                &request.dMinimumWindow);
    const UnitSystem units = UnitSystemOfCode(site.inputs.m_nUnits);
    for (std::size_t k = 0; k < kUncertainInputCount; ++k) {
        const SpreadOption& spread = kSpreadOptions[k];
        if (option.name != spread.name) continue;
        const double dPer = PerStudyUnit(spread, units);
        const std::string allowed =
            "0 to " + NumberText(kLargestSpread * dPer) +
            (spread.bTemperature ? std::string(" ") + kTemperatureUnit[UnitCode(units)]
                                 : std::string(" percent"));
        double dValue = 0.0;
        if (std::string error = ReadNumberOption(option, 0.0, kLargestSpread * dPer, allowed, &dValue);
            !error.empty())
            return error;
        request.spreads.*spread.pValue = dValue / dPer;
        args.givenSpreads[k] = dValue;
        return "";
    }
    return "";
}

double ShownSpread(const UncertaintyArgs& args, std::size_t k, UnitSystem units) {
    const SpreadOption& spread = kSpreadOptions[k];
    return args.givenSpreads[k].value_or(args.request.spreads.*spread.pValue * PerStudyUnit(spread, units));
}
