// Uncertainty and sensitivity: the sampler is a Latin hypercube fixed by its seed on every machine, the
// percentile rule is the stated one, and a study is repeatable, centred on the nominal result, counts its
// clamps and ranks its inputs by effect.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "Calculation.h"
#include "NamedRuns.h"
#include "Uncertainty.h"

namespace {

TEST(LatinHypercube, EachColumnUsesEveryStratumOnce) {
    constexpr std::size_t n = 97, d = 5;
    const std::vector<double> u = LatinHypercube(n, d, 7);
    for (std::size_t k = 0; k < d; ++k) {
        std::vector<int> hits(n, 0);
        for (std::size_t i = 0; i < n; ++i) ++hits[std::min<std::size_t>(n - 1, u[i * d + k] * n)];
        EXPECT_EQ(std::count(hits.begin(), hits.end(), 1), static_cast<long>(n)) << "input " << k;
    }
}

// The draws are fixed by the standard's mt19937_64 and our own mapping: these bits must never change
// (a library distribution or std::shuffle would make them differ between standard libraries). Worked out
// by an independent implementation of the engine and of the steps stated in Uncertainty.h.
TEST(LatinHypercube, PointsAreFixedByTheSeed) {
    const std::vector<double> u = LatinHypercube(4, 2, kDefaultUncertaintySeed);
    const double expected[8] = {0.6310010740286619,  0.8778651552519723,  0.8432832685235767,
                                0.03528908025401112, 0.12755494977617363, 0.39029902833008057,
                                0.2859646417813735,  0.7278271649599743};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(u[i], expected[i]) << "point " << i;
}

struct PercentileCase {
    const char* name;
    std::vector<double> sorted;
    double p, expected;
};

class PercentileTest : public ::testing::TestWithParam<PercentileCase> {};

TEST_P(PercentileTest, LinearBetweenOrderStatistics) {
    EXPECT_EQ(SortedPercentile(GetParam().sorted, GetParam().p), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rule, PercentileTest,
                         ::testing::Values(PercentileCase{"MedianOfEven", {1, 2, 4, 9}, 0.5, 3.0},
                                           PercentileCase{
                                               "TenthOfEleven", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 0.1, 1.0},
                                           PercentileCase{"BetweenRanks", {10, 20}, 0.9, 19.0},
                                           PercentileCase{"Top", {3, 5, 8}, 1.0, 8.0}),
                         [](const auto& info) { return std::string(info.param.name); });

UncertaintyRequest RunARequest(std::size_t nSamples, std::uint64_t nSeed) {
    UncertaintyRequest r;
    r.base = RunA();
    r.nSamples = nSamples;
    r.nSeed = nSeed;
    return r;
}

bool SameFigures(const UncertaintyResult& a, const UncertaintyResult& b) {
    return std::memcmp(&a.start, &b.start, sizeof a.start) == 0 &&
           std::memcmp(&a.stop, &b.stop, sizeof a.stop) == 0 &&
           std::memcmp(&a.window, &b.window, sizeof a.window) == 0 &&
           a.dShortWindowShare == b.dShortWindowShare;
}

TEST(RunUncertainty, SameSeedSameBitsOtherSeedOtherFigures) {
    std::size_t nLeft = 1;
    const UncertaintyResult a = RunUncertainty(
        RunARequest(300, 11), [&](std::size_t done, std::size_t total) { nLeft = total - done; });
    ASSERT_EQ(a.outcome, StudyOutcome::Done) << a.fault.strMessage;
    EXPECT_EQ(a.nSeed, 11u);
    EXPECT_EQ(nLeft, 0u);  // the last report says all 311 runs are done
    EXPECT_TRUE(SameFigures(a, RunUncertainty(RunARequest(300, 11))));
    EXPECT_FALSE(SameFigures(a, RunUncertainty(RunARequest(300, 12))));

    UncertaintyRequest drawn = RunARequest(300, 0);
    drawn.bRandomSeed = true;
    const UncertaintyResult d = RunUncertainty(drawn);
    EXPECT_TRUE(SameFigures(d, RunUncertainty(RunARequest(300, d.nSeed))));  // the reported seed repeats it
}

// The histogram's counts hold every sample's stop: laid out in order they give the same percentiles.
TEST(RunUncertainty, StopCountsHoldEverySample) {
    const UncertaintyResult r = RunUncertainty(RunARequest(300, 5));
    ASSERT_EQ(r.outcome, StudyOutcome::Done) << r.fault.strMessage;
    std::vector<double> stops;
    for (std::size_t m = 0; m < kStopCountMinutes; ++m) stops.insert(stops.end(), r.stopCounts[m], double(m));
    ASSERT_EQ(stops.size(), 300u);
    EXPECT_EQ(SortedPercentile(stops, 0.1), r.stop.dP10);
    EXPECT_EQ(SortedPercentile(stops, 0.5), r.stop.dP50);
    EXPECT_EQ(SortedPercentile(stops, 0.9), r.stop.dP90);
}

// With symmetric spreads the median lies near the nominal result, and the nominal and one-at-a-time runs
// are the single calculations they stand for.
TEST(RunUncertainty, CentredOnNominalAndRankedByEffect) {
    const UncertaintyResult r = RunUncertainty(RunARequest(1000, kDefaultUncertaintySeed));
    ASSERT_EQ(r.outcome, StudyOutcome::Done) << r.fault.strMessage;
    const CalculationSummary nominal = RunCalculation(RunA()).summary;
    EXPECT_EQ(r.nominal.dStopTime, nominal.stop.dStopTime);
    EXPECT_EQ(r.nominal.nStartTime, nominal.start.nStartTime);
    EXPECT_NEAR(r.stop.dP50, nominal.stop.dStopTime, 2.0);
    EXPECT_NEAR(r.start.dP50, nominal.start.nStartTime, 2.0);
    EXPECT_TRUE(r.stop.dP10 < r.stop.dP50 && r.stop.dP50 < r.stop.dP90);

    ASSERT_EQ(r.sensitivity.size(), kUncertainInputCount);
    for (std::size_t i = 1; i < r.sensitivity.size(); ++i)
        EXPECT_GE(r.sensitivity[i - 1].dEffect, r.sensitivity[i].dEffect);
    // A thicker mat stays workable longest: 75 mm +- 10 % moves the stop the most.
    const SensitivityRow& lift = r.sensitivity[0];
    EXPECT_EQ(lift.input, UncertainInput::LiftThickness);
    EXPECT_EQ(lift.dLowValue, 67.5);
    EXPECT_EQ(lift.dHighValue, 82.5);
    SimulationInputs in = RunA();
    in.m_dLiftThickness = 82.5;
    EXPECT_EQ(lift.dStopAtHigh, RunCalculation(in).summary.stop.dStopTime);
}

struct ClampCase {
    const char* name;
    std::function<void(SimulationInputs&)> edit;
    UncertainInput input;
    double share;  // expected share of clamped draws, to within 0.003
};

class ClampTest : public ::testing::TestWithParam<ClampCase> {};

// Stratification makes the share of draws beyond a range end exact to about one sample.
TEST_P(ClampTest, DrawsBeyondTheRangeAreCounted) {
    UncertaintyRequest r = RunARequest(400, 3);
    GetParam().edit(r.base);
    const UncertaintyResult result = RunUncertainty(r);
    ASSERT_EQ(result.outcome, StudyOutcome::Done) << result.fault.strMessage;
    for (std::size_t k = 0; k < kUncertainInputCount; ++k) {
        const bool bVaried = static_cast<UncertainInput>(k) == GetParam().input;
        EXPECT_NEAR(result.clamped[k] / 400.0, bVaried ? GetParam().share : 0.0, 0.003) << "input " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ends, ClampTest,
    ::testing::Values(
        ClampCase{"AirAtSiMaximum", [](SimulationInputs& s) { s.m_dAirTemp = 48.89; },
                  UncertainInput::AirTemp, 0.5},
        ClampCase{"LiftAtSiMinimum", [](SimulationInputs& s) { s.m_dLiftThickness = 12.7; },
                  UncertainInput::LiftThickness, 0.5},
        // English: the 5 C spread is 9 F, so from 310 F the top 4 F of the 18 F span lie beyond 315 F.
        ClampCase{"EnglishDeliveryNearTop",
                  [](SimulationInputs& s) { s = SimulationInputs{}, s.m_dDeliveryTemp = 310.0; },
                  UncertainInput::DeliveryTemp, 4.0 / 18}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::function<void(UncertaintyRequest&)> edit;
    const char* field;
};

class UncertaintyRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(UncertaintyRefusalTest, NamesTheField) {
    UncertaintyRequest r = RunARequest(1000, 1);
    GetParam().edit(r);
    const UncertaintyResult result = RunUncertainty(r);
    EXPECT_EQ(result.outcome, StudyOutcome::Refused);
    EXPECT_EQ(result.fault.strField, GetParam().field) << result.fault.strMessage;
    EXPECT_TRUE(result.sensitivity.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, UncertaintyRefusalTest,
    ::testing::Values(
        RefusalCase{"OneSample", [](UncertaintyRequest& r) { r.nSamples = 1; }, "samples"},
        RefusalCase{"TooManySamples", [](UncertaintyRequest& r) { r.nSamples = 1000001; }, "samples"},
        RefusalCase{"NegativeSpread", [](UncertaintyRequest& r) { r.spreads.dWindPercent = -1.0; },
                    "wind speed spread"},
        RefusalCase{"LiftOutOfRange", [](UncertaintyRequest& r) { r.base.m_dLiftThickness = 300.0; },
                    "lift thickness"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunUncertainty, StoppedHalfwayShowsNothing) {
    std::stop_source source;
    const UncertaintyResult result = RunUncertainty(
        RunARequest(9000, 5), [&](std::size_t, std::size_t) { source.request_stop(); }, source.get_token());
    EXPECT_EQ(result.outcome, StudyOutcome::Cancelled);
    EXPECT_TRUE(result.sensitivity.empty());
    EXPECT_EQ(result.stop.dP50, 0.0);
}

}  // namespace
