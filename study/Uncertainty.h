#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stop_token>
#include <vector>

#include "CompactionWindow.h"
#include "SimulationInputs.h"
#include "StudyInputs.h"

// How uncertain inputs spread the compaction window: many calculations with the five least certain
// inputs drawn around their nominal values, and one input at a time moved to each end of its spread.
//
// Sampling: Latin hypercube. Each input is uniform over nominal - spread to nominal + spread: its range
// is cut into nSamples strata of equal width, each stratum is used by exactly one sample at a uniform
// point inside it, and the strata of the inputs are paired by independent random permutations. A drawn
// value outside its field's range is clamped to the range (as the form clamps) and then rounded to
// hundredths (as the form holds values); the clamps are counted per input.
//
// Random numbers: std::mt19937_64 (its output is fixed by the C++ standard) seeded with the request's
// seed; a draw x maps to (x >> 11) * 2^-53 in [0, 1), and a permutation is a Fisher-Yates shuffle whose
// index below k is a draw x % k, drawing again while x >= 2^64 - 2^64 % k. For each input in the order
// of UncertainInput the permutation is drawn first, then the points inside the strata in sample order.
// The same request gives the same samples and the same result bits on every machine and thread count.

// The inputs that vary, in the order their draws are made.
enum class UncertainInput { AirTemp, WindSpeed, DeliveryTemp, SurfaceTemp, LiftThickness };
constexpr std::size_t kUncertainInputCount = 5;
// "air temperature", "wind speed", "delivery temperature", "surface temperature", "lift thickness".
const char* UncertainInputName(UncertainInput input);

// Half-widths of the uniform spreads. Temperature spreads are in C whatever the scenario's units: on an
// English scenario a spread of s C moves the value by s * 1.8 F. Wind and lift spreads are percent of
// the nominal value. Each is 0 to 100.
struct UncertaintySpreads {
    double dAirTempC = 2.0;
    double dWindPercent = 30.0;
    double dDeliveryTempC = 5.0;
    double dSurfaceTempC = 3.0;
    double dLiftPercent = 10.0;
};

// The seed used when the request neither gives one nor asks for a random one.
constexpr std::uint64_t kDefaultUncertaintySeed = 20240917;

// Texts for output and help, stating the method and the percentile rule.
constexpr const char* kUncertaintySamplingText =
    "Latin hypercube sampling; each input uniform over nominal +- spread, clamped to its field's range "
    "and rounded to hundredths";
constexpr const char* kPercentileRuleText =
    "percentiles by linear interpolation between the sorted values, at position (n - 1) p";

struct UncertaintyRequest {
    SimulationInputs base;  // the nominal scenario, checked as CheckScenario checks it
    UncertaintySpreads spreads;
    std::size_t nSamples = 1000;  // 2 to 1,000,000
    std::uint64_t nSeed = kDefaultUncertaintySeed;
    bool bRandomSeed = false;      // true: the seed is drawn from std::random_device (result reports it)
    double dMinimumWindow = 15.0;  // minutes, 0 to 120: windows shorter than this count as too short
};

// 10th, 50th and 90th percentile of a quantity over the samples, in minutes (kPercentileRuleText).
struct Percentiles {
    double dP10;
    double dP50;
    double dP90;
};

// One bar of a tornado chart: the stop time with one input at each end of its spread, others nominal.
struct SensitivityRow {
    UncertainInput input;
    double dLowValue;    // the input at nominal - spread, clamped and rounded: F/C, mph/km/h, in./mm
    double dHighValue;   // the input at nominal + spread, the same way
    double dStopAtLow;   // minutes after laydown
    double dStopAtHigh;  // minutes after laydown
    double dEffect;      // |dStopAtHigh - dStopAtLow|, minutes
};

// The compaction window of one calculation.
struct WindowFigures {
    int nStartTime;    // whole minutes after laydown
    double dStopTime;  // whole minutes after laydown
    double dWindow;    // stop - start, minutes, never below 0
    CoolingNotice notice;
};

// Length of UncertaintyResult::stopCounts: one entry a whole minute from 0 to 120.
constexpr std::size_t kStopCountMinutes = 121;

struct UncertaintyResult {
    StudyOutcome outcome = StudyOutcome::Done;
    StudyFault fault;                                     // when Refused
    const char* pszSampling = kUncertaintySamplingText;   // how the samples were drawn, for output
    const char* pszPercentileRule = kPercentileRuleText;  // how the percentiles were read, for output
    std::uint64_t nSeed = 0;  // the seed the samples were drawn with (also when drawn at random)
    std::size_t nSamples = 0;
    Percentiles start{};             // compaction start, minutes
    Percentiles stop{};              // compaction stop, minutes
    Percentiles window{};            // window length, minutes
    double dShortWindowShare = 0.0;  // share of samples (0 to 1) whose window is below the minimum
    std::size_t nRapidSamples = 0;   // samples with the rapid-cooling notice
    std::size_t nSlowSamples = 0;    // samples with the slow-cooling notice
    // The samples by stop time: stopCounts[m] samples stopped at whole minute m (0 to 120; stop times
    // are whole minutes), for a histogram. Sums to nSamples.
    std::array<std::size_t, kStopCountMinutes> stopCounts{};
    // Drawn values clamped to their field's range, per input in UncertainInput order.
    std::array<std::size_t, kUncertainInputCount> clamped{};
    WindowFigures nominal{};  // the base scenario as it stands
    // One row per input, sorted by dEffect, largest first (equal effects in UncertainInput order).
    std::vector<SensitivityRow> sensitivity;
};

// Runs nSamples Latin hypercube samples, the nominal scenario and ten one-at-a-time runs on the batch
// solver. Refuses a scenario CheckScenario refuses, a sample count outside 2 to 1,000,000, a spread
// outside 0 to 100 and a minimum window outside 0 to 120 minutes. progress counts engine runs
// (nSamples + 11).
UncertaintyResult RunUncertainty(const UncertaintyRequest& request, const StudyProgress& progress = {},
                                 std::stop_token stop = {});

// The sampler on its own: nSamples rows of nInputs points in [0, 1] (row-major), each column a Latin
// hypercube stratification, drawn as described above. RunUncertainty maps point u of an input to
// nominal + spread * (2u - 1).
std::vector<double> LatinHypercube(std::size_t nSamples, std::size_t nInputs, std::uint64_t nSeed);

// The p-quantile (0 <= p <= 1) of ascending sorted values by linear interpolation at position
// (n - 1) p; NaN for no values.
double SortedPercentile(std::span<const double> sorted, double p);
