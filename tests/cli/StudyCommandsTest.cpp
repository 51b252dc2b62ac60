#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "Calibration.h"
#include "CliDocument.h"
#include "CliRun.h"
#include "CommandLine.h"
#include "HourlyWeatherCsv.h"
#include "LiftSequence.h"
#include "PavingDayPlanner.h"
#include "TemporaryFolder.h"
#include "Uncertainty.h"
#include "UnitConversion.h"
#include "WindowBatch.h"

// The study subcommands as a user runs them, against the study libraries called directly on the same
// scenario: every figure of the JSON output must be the library's double, bit for bit.

namespace {

constexpr std::time_t kNow = 1781524800;  // Mon 15 June 2026 12:00:00 UTC
const CliEnvironment kEnvironment{kNow, "0"};

using Json = nlohmann::json;
using Args = std::vector<std::string>;

Args Join(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The scenario's options as the single calculation reads them, for the library calls.
SimulationInputs Scenario(const Args& site) {
    const CliParseResult parsed = ParseCommandLine(site, kNow);
    EXPECT_TRUE(parsed.bOk) << parsed.strError;
    return parsed.request.record.inputs;
}

Json RunJson(const Args& args) {
    const CliOutcome outcome = RunCli(Join(args, {"--format", "json"}), kEnvironment);
    EXPECT_EQ(outcome.nExitStatus, kExitDone) << outcome.strErr;
    return outcome.nExitStatus == kExitDone ? Json::parse(outcome.strOut) : Json::object();
}

const Args kSiSite{"--units", "si",         "--air", "10",     "--wind",     "10",     "--lift",
                   "50",      "--delivery", "150",   "--date", "2026-06-15", "--time", "12:00"};
const Args kEnglishSite{"--air",      "35",  "--wind", "12",         "--sky",  "Overcast",
                        "--material", "PCC", "--date", "2026-10-20", "--time", "07:30"};

struct PlanCase {
    const char* name;
    Args site;
    Args plan;
    std::vector<HourlyWeather> hourly;  // written to a weather file when not empty
};

void PrintTo(const PlanCase& c, std::ostream* os) { *os << c.name; }

class PlanCommand : public TemporaryFolderFixture, public testing::WithParamInterface<PlanCase> {};

TEST_P(PlanCommand, EverySlotIsThePlannersOwn) {
    const PlanCase& c = GetParam();
    PavingDayRequest request;
    request.base = Scenario(c.site);
    Args args = Join(Join({"plan"}, c.site), c.plan);
    if (!c.hourly.empty()) {
        PutFile(dir_ / "weather.csv", HourlyWeatherCsvText(c.hourly));
        args = Join(args, {"--weather", (dir_ / "weather.csv").string()});
        request.hourly = c.hourly;
    }
    for (std::size_t i = 0; i < c.plan.size(); i += 2) {
        if (c.plan[i] == "--from") request.nFromMinute = std::stoi(c.plan[i + 1]) * 60;
        if (c.plan[i] == "--to") request.nToMinute = std::stoi(c.plan[i + 1]) * 60;
        if (c.plan[i] == "--every") request.nStepMinutes = std::stoi(c.plan[i + 1]);
        if (c.plan[i] == "--min-window") request.dMinimumWindow = std::stod(c.plan[i + 1]);
    }
    const PavingDayPlan plan = PlanPavingDay(request);
    ASSERT_EQ(plan.outcome, StudyOutcome::Done) << plan.fault.strMessage;
    const Json json = RunJson(args);
    ASSERT_EQ(json["slots"].size(), plan.timeSlots.size());
    Json best = Json::array();
    for (std::size_t i = 0; i < plan.timeSlots.size(); ++i) {
        const PavingSlot& slot = plan.timeSlots[i];
        const Json& row = json["slots"][i];
        EXPECT_EQ(row["time"], ClockText(slot.nClockMinute));
        EXPECT_EQ(row["start"].get<int>(), slot.nStartTime) << row;
        EXPECT_EQ(row["stop"].get<double>(), slot.dStopTime) << row;
        EXPECT_EQ(row["window"].get<double>(), slot.dWindow) << row;
        EXPECT_EQ(row["short"].get<bool>(), slot.bShortWindow) << row;
        EXPECT_EQ(row["best"].get<bool>(), slot.bBest) << row;
        if (!c.hourly.empty()) {
            EXPECT_EQ(row["air"].get<double>(), slot.dAirTemp) << row;
        }
        if (slot.bBest) best.push_back(ClockText(slot.nClockMinute));
    }
    EXPECT_EQ(json["best"], best);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanCommand,
    testing::Values(
        PlanCase{"SiDefaults", kSiSite, {}, {}},
        PlanCase{"EnglishShortWindowsEveryHour", kEnglishSite, {"--every", "60", "--min-window", "40"}, {}},
        // The rows' air and wind are read in the chosen units (F and mph here).
        PlanCase{"EnglishHourlyWeather",
                 kEnglishSite,
                 {"--from", "06:00", "--to", "09:00", "--every", "30"},
                 {{6, 20, 3, 0}, {7, 30, 10, 1}, {8, 45, 25, 4}, {9, 60, 0, 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Plan's times are whole hours in the cases above; the option takes HH:MM.
TEST(PlanCommandOptions, ClockTimesAreHoursAndMinutes) {
    const Json json =
        RunJson(Join({"plan"}, Join(kSiSite, {"--from", "6:15", "--to", "07:45", "--every", "45"})));
    ASSERT_EQ(json["slots"].size(), 3u);
    EXPECT_EQ(json["slots"][0]["time"], "06:15");
    EXPECT_EQ(json["slots"][2]["time"], "07:45");
}

struct UncertaintyCase {
    const char* name;
    Args site;
    Args options;
    UncertaintySpreads spreads;  // in C and percent, as the library takes them
    std::size_t nSamples;
    std::uint64_t nSeed;
};

void PrintTo(const UncertaintyCase& c, std::ostream* os) { *os << c.name; }

class UncertaintyCommand : public testing::TestWithParam<UncertaintyCase> {};

TEST_P(UncertaintyCommand, FiguresAreTheLibrarysOwn) {
    const UncertaintyCase& c = GetParam();
    UncertaintyRequest request;
    request.base = Scenario(c.site);
    request.spreads = c.spreads;
    request.nSamples = c.nSamples;
    request.nSeed = c.nSeed;
    const UncertaintyResult expected = RunUncertainty(request);
    ASSERT_EQ(expected.outcome, StudyOutcome::Done) << expected.fault.strMessage;
    const Json json = RunJson(Join(Join({"uncertainty"}, c.site), c.options));
    EXPECT_EQ(json["seed"].get<std::uint64_t>(), c.nSeed);
    EXPECT_EQ(json["samples"].get<std::size_t>(), c.nSamples);
    EXPECT_EQ(json["short_window_probability"].get<double>(), expected.dShortWindowShare);
    EXPECT_EQ(json["method"], expected.pszSampling);
    const Percentiles* rows[] = {&expected.start, &expected.stop, &expected.window};
    for (std::size_t i = 0; i < 3; ++i) {
        const Json& row = json["percentiles"][i];
        EXPECT_EQ(row["p10"].get<double>(), rows[i]->dP10) << row;
        EXPECT_EQ(row["p50"].get<double>(), rows[i]->dP50) << row;
        EXPECT_EQ(row["p90"].get<double>(), rows[i]->dP90) << row;
    }
    for (std::size_t k = 0; k < kUncertainInputCount; ++k)
        EXPECT_EQ(json["spreads"][k]["clamped"].get<std::size_t>(), expected.clamped[k]) << k;
    ASSERT_EQ(json["tornado"].size(), expected.sensitivity.size());
    for (std::size_t i = 0; i < expected.sensitivity.size(); ++i) {
        const SensitivityRow& row = expected.sensitivity[i];
        EXPECT_EQ(json["tornado"][i]["input"], UncertainInputName(row.input));
        EXPECT_EQ(json["tornado"][i]["stop_at_low"].get<double>(), row.dStopAtLow);
        EXPECT_EQ(json["tornado"][i]["stop_at_high"].get<double>(), row.dStopAtHigh);
        EXPECT_EQ(json["tornado"][i]["effect"].get<double>(), row.dEffect);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UncertaintyCommand,
    testing::Values(UncertaintyCase{"SiDefaults", kSiSite, {}, {}, 1000, kDefaultUncertaintySeed},
                    // Temperature spreads are given in F on an English scenario: 9 F is 5 C, 5.4 F is 3 C.
                    UncertaintyCase{"EnglishSpreadsInFahrenheit",
                                    kEnglishSite,
                                    {"--samples", "200", "--seed", "7", "--spread-air", "9",
                                     "--spread-surface", "5.4", "--spread-wind", "50", "--spread-lift", "0"},
                                    {5.0, 50.0, 5.0, 3.0, 0.0},
                                    200,
                                    7},
                    // Wide spreads push draws past the fields' ranges, which are then clamped and counted.
                    UncertaintyCase{"ClampedAtTheRangeEnds",
                                    Join(kSiSite, {"--air", "48", "--delivery", "156"}),
                                    {"--samples", "64", "--seed", "18446744073709551615", "--spread-air",
                                     "40", "--spread-delivery", "100"},
                                    {40.0, 30.0, 100.0, 3.0, 10.0},
                                    64,
                                    18446744073709551615ull}),
    [](const auto& info) { return std::string(info.param.name); });

struct CalibrateCase {
    const char* name;
    Args site;
    double dMeasured;
    double dMinutes;
    MeasurementPlace place;
};

void PrintTo(const CalibrateCase& c, std::ostream* os) { *os << c.name; }

class CalibrateCommand : public testing::TestWithParam<CalibrateCase> {};

TEST_P(CalibrateCommand, FitAndWindowsAreTheLibrarysOwn) {
    const CalibrateCase& c = GetParam();
    CalibrationRequest request;
    request.base = Scenario(c.site);
    request.dMeasuredTemp = c.dMeasured;
    request.dMinutesAfterLaydown = c.dMinutes;
    request.place = c.place;
    const CalibrationResult fit = Calibrate(request);
    ASSERT_EQ(fit.outcome, StudyOutcome::Done) << fit.fault.strMessage;
    const CalculationSummary given = RunCalculation(request.base).summary;
    const Json json =
        RunJson(Join(Join({"calibrate"}, c.site),
                     {"--measured", NumberText(c.dMeasured), "--at", NumberText(c.dMinutes), "--where",
                      c.place == MeasurementPlace::Surface ? "surface" : "mid-depth"}));
    EXPECT_EQ(json["fitted_delivery"].get<double>(), fit.dDeliveryTemp);
    EXPECT_EQ(json["fitted_delivery_exact"].get<double>(), fit.dDeliveryTempExact);
    EXPECT_EQ(json["model_temp"].get<double>(), fit.dModelTemp);
    EXPECT_EQ(json["engine_runs"].get<int>(), fit.nEngineRuns);
    const Json& fitted = json["windows"][0];
    EXPECT_EQ(fitted["delivery_from"], "fitted");
    EXPECT_EQ(fitted["start"].get<int>(), fit.fitted.summary.start.nStartTime);
    EXPECT_EQ(fitted["stop"].get<double>(), fit.fitted.summary.stop.dStopTime);
    EXPECT_EQ(fitted["window"].get<double>(), fit.dWindow);
    const Json& base = json["windows"][1];
    EXPECT_EQ(base["delivery"].get<double>(), request.base.m_dDeliveryTemp);
    EXPECT_EQ(base["start"].get<int>(), given.start.nStartTime);
    EXPECT_EQ(base["stop"].get<double>(), given.stop.dStopTime);
    EXPECT_EQ(base["window"].get<double>(), WindowLength(given));
}

INSTANTIATE_TEST_SUITE_P(Cases, CalibrateCommand,
                         testing::Values(CalibrateCase{"SiSurface", kSiSite, 110.0, 10.0,
                                                       MeasurementPlace::Surface},
                                         CalibrateCase{"EnglishMidDepthFraction", kEnglishSite, 230.0, 12.5,
                                                       MeasurementPlace::MidDepth}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LiftsCase {
    const char* name;
    Args site;
    Args lifts;                     // --add-lift options, or --job with a lifts section
    const char* pszJob;             // a job file's text, or nullptr
    std::vector<LiftInput> expect;  // the lifts as the engine must get them
    std::optional<double> nextLiftTemp;
};

void PrintTo(const LiftsCase& c, std::ostream* os) { *os << c.name; }

class LiftsCommand : public TemporaryFolderFixture, public testing::WithParamInterface<LiftsCase> {};

TEST_P(LiftsCommand, EveryLiftIsTheEnginesOwn) {
    const LiftsCase& c = GetParam();
    LiftSequenceInputs inputs;
    inputs.site = Scenario(c.site);
    inputs.lifts = c.expect;
    inputs.dNextLiftTemp = c.nextLiftTemp;
    const LiftSequenceResult expected = RunLiftSequence(inputs);
    ASSERT_FALSE(expected.error) << expected.error->strMessage;
    Args args = Join(Join({"lifts"}, c.site), Join(c.lifts, {"--curves"}));
    if (c.pszJob != nullptr) {
        PutFile(dir_ / "lifts.dravonel", c.pszJob);
        args = Join(args, {"--job", (dir_ / "lifts.dravonel").string()});
    }
    const Json json = RunJson(args);
    const UnitSystem units = DisplayUnitsOfCode(inputs.site.m_nUnits);
    ASSERT_EQ(json["lifts"].size(), static_cast<std::size_t>(expected.nLifts));
    for (int i = 0; i < expected.nLifts; ++i) {
        const LiftOutcome& lift = expected.lifts[i];
        const Json& row = json["lifts"][i];
        EXPECT_EQ(row["laid"].get<int>(), c.expect[i].nPlacementMinutes);
        EXPECT_EQ(row["thickness"].get<double>(), c.expect[i].dLiftThickness) << row;
        EXPECT_EQ(row["delivery"].get<double>(), c.expect[i].dDeliveryTemp) << row;
        EXPECT_EQ(row["mix"], kMixTypeNames[c.expect[i].nMixType]);
        EXPECT_EQ(row["start"].get<int>(), lift.start.nStartTime);
        EXPECT_EQ(row["stop"].get<double>(), lift.stop.dStopTime);
        if (lift.nextLift.bReached)
            EXPECT_EQ(row["next_lift"].get<int>(), lift.nextLift.nMinutes);
        else
            EXPECT_TRUE(row["next_lift"].is_null());
        const Json& curve = row["curve"];
        ASSERT_EQ(curve.size(), static_cast<std::size_t>(lift.curve.m_nLastSample + 1));
        for (int s = 0; s <= lift.curve.m_nLastSample; s += 30) {
            EXPECT_EQ(curve[s][0].get<double>(), lift.curve.m_dCurveTime[s]);
            const double dTemp = lift.curve.m_dCurveTemp[s];
            EXPECT_EQ(curve[s][1].get<double>(),
                      units == UnitSystem::English ? CelsiusToFahrenheit(dTemp) : dTemp);
        }
    }
}

LiftInput Lift(int nAt, double dThickness, double dDelivery, int nMix = 0, int nHigh = 4, int nLow = 4) {
    return {nMix, dThickness, dDelivery, nHigh, nLow, nAt};
}

constexpr const char* kEnglishLiftsJob = R"({"format": "dravonel-job", "version": 1, "units": "english",
  "inputs": {"air": "50", "mix": "SMA"},
  "lifts": {"next-lift-temp": "150", "lifts": [{"at": "0", "lift": "2"}, {"at": "45", "delivery": "280", "pg-high": "64"}]}})";

INSTANTIATE_TEST_SUITE_P(
    Cases, LiftsCommand,
    testing::Values(
        LiftsCase{"TwoSiLifts",
                  kSiSite,
                  {"--add-lift", "at=0,lift=50,delivery=150", "--add-lift", "at=40,lift=40,delivery=145"},
                  nullptr,
                  {Lift(0, 50, 150), Lift(40, 40, 145)},
                  std::nullopt},
        // Keys left out come from the lift below, the first lift's from the scenario's mix options.
        LiftsCase{"KeysLeftOutFollowTheLiftBelow",
                  Join(kEnglishSite, {"--mix", "SMA", "--lift", "2.5", "--delivery", "290"}),
                  {"--add-lift", "at=0", "--add-lift", "at=30,mix=Superpave-Fine,pg-high=64", "--add-lift",
                   "lift=1.5,at=90", "--next-lift-temp", "130"},
                  nullptr,
                  {Lift(0, 2.5, 290, 1), Lift(30, 2.5, 290, 2, 3), Lift(90, 1.5, 290, 2, 3)},
                  130.0},
        // A job written in English read with --units si: each value converted as the unit switch does
        // (2 in. is 50.8 mm, 300 F is 148.89 C, 280 F 137.78 C, 150 F 65.56 C).
        LiftsCase{"EnglishJobReadInSi",
                  {"--units", "si", "--date", "2026-06-15", "--time", "12:00"},
                  {},
                  kEnglishLiftsJob,
                  {Lift(0, 50.8, 148.89, 1), Lift(45, 50.8, 137.78, 1, 3)},
                  65.56}),
    [](const auto& info) { return std::string(info.param.name); });

// The defaults each help states are the libraries' own, so the help cannot drift from them.
struct HelpCase {
    const char* name;
    const char* subcommand;
    std::string expected;
};

void PrintTo(const HelpCase& c, std::ostream* os) { *os << c.name; }

class StudyHelp : public testing::TestWithParam<HelpCase> {};

TEST_P(StudyHelp, StatesTheLibraryDefault) {
    const CliOutcome outcome = RunCli({GetParam().subcommand, "--help"}, kEnvironment);
    EXPECT_EQ(outcome.nExitStatus, kExitDone);
    EXPECT_NE(outcome.strOut.find(GetParam().expected), std::string::npos) << outcome.strOut;
}

std::string DefaultText(double dValue) { return "(default " + NumberText(dValue); }

INSTANTIATE_TEST_SUITE_P(
    Defaults, StudyHelp,
    testing::Values(
        HelpCase{"PlanFrom", "plan", "(default " + ClockText(PavingDayRequest{}.nFromMinute) + ")"},
        HelpCase{"PlanTo", "plan", "(default " + ClockText(PavingDayRequest{}.nToMinute) + ")"},
        HelpCase{"PlanStep", "plan", DefaultText(PavingDayRequest{}.nStepMinutes) + ")"},
        HelpCase{"PlanMinimum", "plan", DefaultText(PavingDayRequest{}.dMinimumWindow) + ")"},
        HelpCase{"Samples", "uncertainty", DefaultText(double(UncertaintyRequest{}.nSamples)) + ")"},
        HelpCase{"Seed", "uncertainty", "(default " + std::to_string(kDefaultUncertaintySeed) + ")"},
        HelpCase{"SpreadAir", "uncertainty",
                 DefaultText(UncertaintySpreads{}.dAirTempC) + " C, " +
                     NumberText(UncertaintySpreads{}.dAirTempC * 1.8) + " F)"},
        HelpCase{"SpreadWind", "uncertainty", DefaultText(UncertaintySpreads{}.dWindPercent) + ")"},
        HelpCase{"SpreadDelivery", "uncertainty",
                 DefaultText(UncertaintySpreads{}.dDeliveryTempC) + " C, " +
                     NumberText(UncertaintySpreads{}.dDeliveryTempC * 1.8) + " F)"},
        HelpCase{"SpreadSurface", "uncertainty",
                 DefaultText(UncertaintySpreads{}.dSurfaceTempC) + " C, " +
                     NumberText(UncertaintySpreads{}.dSurfaceTempC * 1.8) + " F)"},
        HelpCase{"SpreadLift", "uncertainty", DefaultText(UncertaintySpreads{}.dLiftPercent) + ")"},
        HelpCase{"MinimumWindow", "uncertainty", DefaultText(UncertaintyRequest{}.dMinimumWindow) + ")"},
        HelpCase{"NextLiftTemp", "lifts",
                 DefaultText(kNextLiftTempC) + " C, " + NumberText(kNextLiftTempF) + " F"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
