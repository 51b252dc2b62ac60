#include "CliSubcommands.h"
#include "StudyCommand.h"
#include "Uncertainty.h"
#include "UncertaintyArgs.h"

// dravonel-cli uncertainty: the scenario run over Latin hypercube samples of its five least certain inputs
// (RunUncertainty): percentiles of the window, the share of short windows and a tornado table.

namespace {

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

CliDocument UncertaintyDocument(const UncertaintyArgs& args, const UncertaintyResult& result) {
    const UncertaintyRequest& request = args.request;
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
    document.facts.push_back({"nominal_notice", "Nominal notice", TextCell(NoticeName(nominal.notice))});
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
        const SpreadOption& spread = SpreadOptions()[k];
        spreads.rows.push_back({TextCell(UncertainInputName(spread.input)),
                                NumberCell(ShownSpread(args, k, units)),
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
    UncertaintyArgs settings;
    const StudyArguments arguments =
        ReadStudyArguments(args, UncertaintyOptions(), env.now, settings, &ReadUncertaintyOption);
    if (!arguments.strError.empty()) return StudyRefused(arguments.strError);
    if (arguments.action == CliAction::Help) return {kExitDone, UncertaintyUsageText(), ""};

    settings.request.base = arguments.record.inputs;
    const UncertaintyResult result = RunUncertainty(settings.request);
    if (result.outcome != StudyOutcome::Done) return StudyRefused(result.fault.strMessage);
    return StudyOutput(arguments, UncertaintyDocument(settings, result));
}
