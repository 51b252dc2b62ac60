#include <array>
#include <charconv>
#include <optional>

#include "CliSubcommands.h"
#include "StudyCommand.h"
#include "Uncertainty.h"

// dravonel-cli uncertainty: the scenario run over Latin hypercube samples of its five least certain inputs
// (RunUncertainty): percentiles of the window, the share of short windows and a tornado table.

namespace {

constexpr int kFewestSamples = 2;
constexpr int kMostSamples = 1000000;
constexpr double kLargestSpread = 100.0;  // C or percent, as the study takes them
constexpr double kLongestMinimumWindow = 120.0;
constexpr double kFahrenheitPerCelsius = 1.8;

// How each spread option is given: a temperature difference in the chosen units, or percent of the value.
struct SpreadOption {
    const char* name;
    UncertainInput input;
    bool bTemperature;
    double UncertaintySpreads::*pValue;
};
constexpr SpreadOption kSpreadOptions[kUncertainInputCount] = {
    {"spread-air", UncertainInput::AirTemp, true, &UncertaintySpreads::dAirTempC},
    {"spread-wind", UncertainInput::WindSpeed, false, &UncertaintySpreads::dWindPercent},
    {"spread-delivery", UncertainInput::DeliveryTemp, true, &UncertaintySpreads::dDeliveryTempC},
    {"spread-surface", UncertainInput::SurfaceTemp, true, &UncertaintySpreads::dSurfaceTempC},
    {"spread-lift", UncertainInput::LiftThickness, false, &UncertaintySpreads::dLiftPercent},
};

// The spreads as given, in the chosen units, so that a spread of 5.4 F is written back as 5.4 and not as
// 5.4 / 1.8 * 1.8; none for a spread left at its default.
using GivenSpreads = std::array<std::optional<double>, kUncertainInputCount>;

double PerCelsius(UnitSystem units) { return units == UnitSystem::English ? kFahrenheitPerCelsius : 1.0; }

std::span<const OptionInfo> UncertaintyOptions() {
    static const std::vector<OptionInfo> table = StudyOptionTable({
        CommandOption("samples", OptionKind::Value, "how many samples to draw", "2 to 1000000 (default 1000)",
                      "N"),
        CommandOption("seed", OptionKind::Value, "the seed of the random draws",
                      "0 to 18446744073709551615, or random for a seed drawn afresh\n"
                      "(default 20240917); the same seed gives the same samples and figures",
                      "S"),
        CommandOption("spread-air", OptionKind::Value, "air temperature spread, +-",
                      "0 to 100 C or 0 to 180 F (default 2 C, 3.6 F)", "X"),
        CommandOption("spread-wind", OptionKind::Value, "wind speed spread, +- percent of the wind",
                      "0 to 100 (default 30)", "P"),
        CommandOption("spread-delivery", OptionKind::Value, "delivery temperature spread, +-",
                      "0 to 100 C or 0 to 180 F (default 5 C, 9 F)", "X"),
        CommandOption("spread-surface", OptionKind::Value, "surface temperature spread, +-",
                      "0 to 100 C or 0 to 180 F (default 3 C, 5.4 F)", "X"),
        CommandOption("spread-lift", OptionKind::Value, "lift thickness spread, +- percent of the lift",
                      "0 to 100 (default 10)", "P"),
        CommandOption("min-window", OptionKind::Value, "the shortest window the rollers need, minutes",
                      "0 to 120 (default 15); the share of samples below it is given", "MIN"),
    });
    return table;
}

std::string UncertaintyUsageText() {
    return StudyUsageText(
        "Usage: dravonel-cli uncertainty [scenario options] [--samples N] [--seed S] [--spread-air X]\n"
        "                                [--spread-wind P] [--spread-delivery X] [--spread-surface X]\n"
        "                                [--spread-lift P] [--min-window MIN] [--format text|csv|json]\n"
        "                                [--output FILE]\n",
        "Runs the scenario many times with its five least certain inputs (air, wind, delivery,\n"
        "surface, lift) drawn around the values given, to show how far the compaction window may\n"
        "move. Temperature spreads are in the chosen units (C or F), wind and lift spreads percent.\n",
        UncertaintyOptions(),
        "\nMethod: Latin hypercube sampling. Each input is uniform over nominal - spread to nominal +\n"
        "spread: its range is cut into as many strata as samples, each used by one sample, and the\n"
        "inputs' strata are paired at random. A value outside its field's range is clamped to it (the\n"
        "clamps are counted) and rounded to hundredths. The random numbers come from std::mt19937_64.\n"
        "Percentiles: by linear interpolation between the sorted values, at position (n - 1) p.\n"
        "Tornado: the stop time with one input at each end of its spread, the others nominal,\n"
        "largest effect (|stop at high - stop at low|) first.\n"
        "Times are minutes after laydown.\n\n");
}

// A seed is a plain decimal number that fits 64 bits, or "random".
std::string ReadSeed(const GivenOption& given, UncertaintyRequest& request) {
    const std::string allowed = "0 to 18446744073709551615 or random";
    if (given.bMissing) return std::string("--seed: missing value; allowed ") + allowed;
    const std::string& text = given.value;
    if (text == "random") {
        request.bRandomSeed = true;
        return "";
    }
    std::uint64_t nSeed = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), nSeed);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return OptionRefusal(*given.option, text,
                             ec == std::errc::result_out_of_range ? "out of range" : "not a seed", allowed);
    request.nSeed = nSeed;
    request.bRandomSeed = false;
    return "";
}

std::string ReadUncertaintyOption(const GivenOption& given, const FormRecord& record,
                                  UncertaintyRequest& request, GivenSpreads& givenSpreads) {
    const std::string_view name = given.option->name;
    if (name == "samples") {
        int nSamples = 0;
        std::string error = ReadWholeValue(given, kFewestSamples, kMostSamples, "2 to 1000000", &nSamples);
        request.nSamples = static_cast<std::size_t>(nSamples);
        return error;
    }
    if (name == "seed") return ReadSeed(given, request);
    if (name == "min-window")
        return ReadNumberValue(given, 0.0, kLongestMinimumWindow, "0 to 120 minutes",
                               &request.dMinimumWindow);
    const UnitSystem units = UnitSystemOfCode(record.inputs.m_nUnits);
    for (std::size_t k = 0; k < kUncertainInputCount; ++k) {
        const SpreadOption& spread = kSpreadOptions[k];
        if (name != spread.name) continue;
        // A temperature spread is a difference: 1 C is 1.8 F, with no offset.
        const double dPer = spread.bTemperature ? PerCelsius(units) : 1.0;
        const std::string allowed =
            "0 to " + NumberText(kLargestSpread * dPer) +
            (spread.bTemperature ? std::string(" ") + kTemperatureUnit[UnitCode(units)]
                                 : std::string(" percent"));
        double dValue = 0.0;
        if (std::string error = ReadNumberValue(given, 0.0, kLargestSpread * dPer, allowed, &dValue);
            !error.empty())
            return error;
        request.spreads.*spread.pValue = dValue / dPer;
        givenSpreads[k] = dValue;
        return "";
    }
    return "";
}

const char* InputUnit(UncertainInput input, int u) {
    switch (input) {
        case UncertainInput::WindSpeed:
            return kWindUnit[u];
        case UncertainInput::LiftThickness:
            return kLiftUnit[u];
        default:
            break;
    }
    return kTemperatureUnit[u];
}

CliDocument UncertaintyDocument(const UncertaintyRequest& request, const GivenSpreads& givenSpreads,
                                const UncertaintyResult& result) {
    const UnitSystem units = DisplayUnitsOfCode(request.base.m_nUnits);
    const int u = UnitCode(units);
    CliDocument document;
    document.strHeading = "Uncertainty of the compaction window: " + std::to_string(result.nSamples) +
                          " samples, seed " + UnsignedCell(result.nSeed).strShown;
    document.facts.push_back(InputsFact(request.base, true, true, {}));
    document.facts.push_back(UnitsFact(request.base));
    document.facts.push_back({"method", "Method", TextCell(result.pszSampling)});
    document.facts.push_back({"percentile_rule", "Percentile rule", TextCell(result.pszPercentileRule)});
    document.facts.push_back({"samples", "Samples", WholeCell(static_cast<long long>(result.nSamples))});
    document.facts.push_back({"seed", "Seed", UnsignedCell(result.nSeed)});
    const WindowFigures& nominal = result.nominal;
    document.facts.push_back({"nominal_start", "Nominal start", WholeCell(nominal.nStartTime, "min")});
    document.facts.push_back({"nominal_stop", "Nominal stop", NumberCell(nominal.dStopTime, "min")});
    document.facts.push_back({"nominal_window", "Nominal window", NumberCell(nominal.dWindow, "min")});
    document.facts.push_back({"nominal_notice", "Nominal notice", TextCell(NoticeWord(nominal.notice))});
    document.facts.push_back({"min_window", "Minimum window", NumberCell(request.dMinimumWindow, "min")});
    CliCell share = NumberCell(result.dShortWindowShare);
    share.strShown = NumberText(result.dShortWindowShare * 100.0) + " % of the samples";
    document.facts.push_back({"short_window_probability", "Window below the minimum", share});
    document.facts.push_back({"rapid_samples", "Rapid-cooling notices",
                              WholeCell(static_cast<long long>(result.nRapidSamples), "samples")});
    document.facts.push_back({"slow_samples", "Slow-cooling notices",
                              WholeCell(static_cast<long long>(result.nSlowSamples), "samples")});

    CliTable percentiles;
    percentiles.strKey = "percentiles";
    percentiles.strTitle = "Percentiles over the samples, minutes after laydown";
    percentiles.columns = {{"quantity", "quantity"}, {"p10", "p10"}, {"p50", "p50"}, {"p90", "p90"}};
    for (const auto& [name, p] : {std::pair{"start", &result.start}, std::pair{"stop", &result.stop},
                                  std::pair{"window", &result.window}})
        percentiles.rows.push_back(
            {TextCell(name), NumberCell(p->dP10), NumberCell(p->dP50), NumberCell(p->dP90)});
    document.tables.push_back(std::move(percentiles));

    CliTable spreads;
    spreads.strKey = "spreads";
    spreads.strTitle =
        "Spreads: each input uniform over nominal +- spread; values clamped to the field's range";
    spreads.columns = {
        {"input", "input"}, {"spread", "spread"}, {"unit", "unit"}, {"clamped", "clamped\nsamples"}};
    for (std::size_t k = 0; k < kUncertainInputCount; ++k) {
        const SpreadOption& spread = kSpreadOptions[k];
        const double dPer = spread.bTemperature ? PerCelsius(units) : 1.0;
        spreads.rows.push_back({TextCell(UncertainInputName(spread.input)),
                                NumberCell(givenSpreads[k].value_or(request.spreads.*spread.pValue * dPer)),
                                TextCell(spread.bTemperature ? kTemperatureUnit[u] : "%"),
                                WholeCell(static_cast<long long>(result.clamped[k]))});
    }
    document.tables.push_back(std::move(spreads));

    CliTable tornado;
    tornado.strKey = "tornado";
    tornado.strTitle = "Tornado: the stop time with one input at each end of its spread, the others nominal";
    tornado.columns = {{"input", "input"},
                       {"low", "low"},
                       {"high", "high"},
                       {"unit", "unit"},
                       {"stop_at_low", "stop at low\nmin"},
                       {"stop_at_high", "stop at high\nmin"},
                       {"effect", "effect\nmin"}};
    for (const SensitivityRow& row : result.sensitivity)
        tornado.rows.push_back({TextCell(UncertainInputName(row.input)), NumberCell(row.dLowValue),
                                NumberCell(row.dHighValue), TextCell(InputUnit(row.input, u)),
                                NumberCell(row.dStopAtLow), NumberCell(row.dStopAtHigh),
                                NumberCell(row.dEffect)});
    document.tables.push_back(std::move(tornado));
    return document;
}

}  // namespace

CliOutcome RunUncertaintyCommand(const std::vector<std::string>& args, const CliEnvironment& env) {
    UncertaintyRequest request;
    GivenSpreads givenSpreads;
    const StudyArguments arguments = ReadStudyArguments(
        args, UncertaintyOptions(), env.now, [&](const GivenOption& given, FormRecord& record) {
            return ReadUncertaintyOption(given, record, request, givenSpreads);
        });
    if (!arguments.strError.empty()) return StudyRefused(arguments.strError);
    if (arguments.action == CliAction::Help) return {kExitDone, UncertaintyUsageText(), ""};

    request.base = arguments.record.inputs;
    const UncertaintyResult result = RunUncertainty(request);
    if (result.outcome != StudyOutcome::Done) return StudyRefused(result.fault.strMessage);
    return StudyOutput(arguments, UncertaintyDocument(request, givenSpreads, result));
}
