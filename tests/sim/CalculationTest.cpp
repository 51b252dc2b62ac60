#include <gtest/gtest.h>

#include <cstring>

#include "Calculation.h"
#include "NamedRuns.h"

namespace {

TEST(RunCalculation, IsNormaliseBoundarySolveStopTableAndStart) {
    const SimulationInputs in = RunA();
    const CalculationResult r = RunCalculation(in);

    const NormalizedInputs n = NormalizeInputs(in, SelectedProperties{});
    const SurfaceBoundary b = BoundaryOf(in, n);
    CoolingCurve c2;
    const int code = RunCoolingSimulation(n, b, c2);

    const CalculationSummary& s = r.summary;
    EXPECT_EQ(0, std::memcmp(&s.normalized, &n, sizeof n));
    EXPECT_EQ(s.boundary.dAbsorbedSolar, b.dAbsorbedSolar);
    EXPECT_EQ(s.boundary.dSkyTemp, b.dSkyTemp);
    EXPECT_EQ(s.boundary.dConvection, b.dConvection);
    EXPECT_EQ(s.boundary.dAirTemp, 10.0);
    EXPECT_EQ(s.nStopCode, code);
    EXPECT_EQ(s.nStopCode, 68);
    EXPECT_EQ(s.stop.dStopTime, 68.0);
    EXPECT_EQ(s.stop.notice, CoolingNotice::None);
    EXPECT_EQ(s.start.dStartTemp, 120.0);
    EXPECT_EQ(s.start.nStartTime, FindStartTime(c2, 120.0, UnitSystem::SI));
    EXPECT_EQ(r.curve.m_nLastSample, 360);
    EXPECT_TRUE(SameCurve(r.curve, c2));
}

struct VerdictCase {
    const char* name;
    SimulationInputs inputs;
    int code;
    double stopTime;
    CoolingNotice notice;
};

class VerdictTest : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(VerdictTest, StopTimeAndNotice) {
    const CalculationSummary s = RunCalculation(GetParam().inputs).summary;
    EXPECT_EQ(s.nStopCode, GetParam().code);
    EXPECT_EQ(s.stop.dStopTime, GetParam().stopTime);
    EXPECT_EQ(s.stop.notice, GetParam().notice);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, VerdictTest,
    ::testing::Values(VerdictCase{"RunA", RunA(), 68, 68.0, CoolingNotice::None},
                      VerdictCase{"RunB", RunB(), 5, 5.0, CoolingNotice::Rapid},
                      VerdictCase{"RunC", RunC(), 0, 0.0, CoolingNotice::Rapid},
                      VerdictCase{"Slow", SlowRun(), -1, 120.0, CoolingNotice::Slow},
                      VerdictCase{"BelowFiftyAtOnce", RapidRun(), -2, 0.0, CoolingNotice::Rapid},
                      VerdictCase{"Minute9Sample", SummerNoonRun(24.0, 157.0), 8, 8.0, CoolingNotice::Rapid},
                      VerdictCase{"Minute10Sample", SummerNoonRun(26.0, 156.0), 10, 10.0,
                                  CoolingNotice::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunCalculation, EnglishDefaultsEqualTheirSiConversion) {
    // The form's start state (English) against the same values converted by hand (no rounding).
    SimulationInputs english;  // 50 F, 5 mph, 3 in., 300 F, 50 F
    english.m_nMonth = 6;
    english.m_nDay = 15;
    SimulationInputs si = english;
    si.m_nUnits = UnitCode(UnitSystem::SI);
    si.m_dAirTemp = (50.0 - 32.0) * 0.5555555555555556;
    si.m_dSurfaceTemp = (50.0 - 32.0) * 0.5555555555555556;
    si.m_dDeliveryTemp = (300.0 - 32.0) * 0.5555555555555556;
    si.m_dLiftThickness = 3.0 * 25.4;
    si.m_dWindSpeed = 5.0 * 1.609;
    const CalculationResult a = RunCalculation(english);
    const CalculationResult b = RunCalculation(si);
    EXPECT_EQ(a.summary.nStopCode, b.summary.nStopCode);
    EXPECT_TRUE(SameCurve(a.curve, b.curve));
    EXPECT_EQ(english.m_dAirTemp, 50.0);  // inputs untouched
}

TEST(RunCalculation, TwiceGivesTheSameResults) {
    const CalculationResult a = RunCalculation(RunB());
    const CalculationResult b = RunCalculation(RunB());
    EXPECT_EQ(a.summary.nStopCode, b.summary.nStopCode);
    EXPECT_EQ(a.summary.stop.dStopTime, b.summary.stop.dStopTime);
    EXPECT_EQ(a.summary.stop.notice, b.summary.stop.notice);
    EXPECT_EQ(a.summary.start.nStartTime, b.summary.start.nStartTime);
    EXPECT_TRUE(SameCurve(a.curve, b.curve));
}

TEST(RunCoolingSimulation, ShortRunOverALongOneKeepsTheEntriesBeyond) {
    CoolingCurve c = RunCalculation(RunA()).curve;
    const double beyond = c.m_dCurveTemp[100];
    const SimulationInputs in = RunB();
    const NormalizedInputs n = NormalizeInputs(in, SelectedProperties{});
    RunCoolingSimulation(n, BoundaryOf(in, n), c);
    EXPECT_EQ(c.m_nLastSample, 42);
    EXPECT_EQ(c.m_dCurveTemp[100], beyond);
}

// An index that selects nothing takes the properties of `previous`: the view passes those of its last
// calculation, so a mix left unselected keeps the last mix rather than the start-up one.
TEST(RunCalculation, NoSelectionTakesThePreviousProperties) {
    SimulationInputs in = RunA();
    in.m_nMixType = 1;  // SMA
    const SelectedProperties kept = SelectedPropertiesOf(RunCalculation(in).summary.normalized);
    in.m_nMixType = -1;
    const CalculationResult again = RunCalculation(in, kept);
    in.m_nMixType = 1;
    EXPECT_TRUE(SameCurve(again.curve, RunCalculation(in).curve));
    EXPECT_EQ(again.summary.normalized.mix.dConductivity, 1.5);
    EXPECT_EQ(RunCalculation(SimulationInputs{}).summary.normalized.mix.dConductivity, 2.0);
}

// Rows: the high grade and the axis a start is read for, against the chart's search done here by hand
// (first of samples 0 to last - 2 strictly below the start temperature in the axis units).
struct StartCase {
    const char* name;
    int nPgHigh;
    UnitSystem axis;
    double dStartTemp;
};

class CompactionStartTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(CompactionStartTest, RunAByGradeAndAxis) {
    const CalculationResult r = RunCalculation(RunA());
    const CoolingCurve& c = r.curve;
    const StartCase& row = GetParam();
    const CompactionStart start = ReadCompactionStart(c, row.nPgHigh, row.axis);
    EXPECT_EQ(start.dStartTemp, row.dStartTemp);
    int first = -1;
    for (int i = 0; i < c.m_nLastSample - 1 && first < 0; ++i)
        if (c.m_dCurveTemp[i] < row.dStartTemp) first = i;
    ASSERT_GE(first, 0);
    EXPECT_EQ(start.nStartTime, static_cast<int>(c.m_dCurveTime[first]));
    if (row.nPgHigh == RunA().m_nPgHigh) {
        EXPECT_EQ(r.summary.start.nStartTime, start.nStartTime);
    }
}

INSTANTIATE_TEST_SUITE_P(Grades, CompactionStartTest,
                         ::testing::Values(StartCase{"Hard58Si", 4, UnitSystem::SI, 120.0},
                                           StartCase{"Hard58English", 4, UnitSystem::English, 120.0},
                                           StartCase{"Soft52Si", 5, UnitSystem::SI, 110.0},
                                           StartCase{"Soft46English", 6, UnitSystem::English, 110.0},
                                           StartCase{"NoGradeCountsHard", -1, UnitSystem::SI, 120.0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
