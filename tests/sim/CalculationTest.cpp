#include <gtest/gtest.h>

#include <cstring>

#include "Calculation.h"
#include "NamedRuns.h"

namespace {

TEST(RunCalculation, IsNormaliseBoundarySolveAndStopTable) {
    const SimulationInputs in = RunA();
    SelectedProperties p1, p2;
    CoolingCurve c1, c2;
    const CalculationResult r = RunCalculation(in, p1, c1);

    const NormalizedInputs n = NormalizeInputs(in, p2);
    const SurfaceBoundary b = BoundaryOf(in, n);
    const int code = RunCoolingSimulation(n, b, c2);

    EXPECT_EQ(0, std::memcmp(&r.normalized, &n, sizeof n));
    EXPECT_EQ(r.boundary.dAbsorbedSolar, b.dAbsorbedSolar);
    EXPECT_EQ(r.boundary.dSkyTemp, b.dSkyTemp);
    EXPECT_EQ(r.boundary.dConvection, b.dConvection);
    EXPECT_EQ(r.boundary.dAirTemp, 10.0);
    EXPECT_EQ(r.nStopCode, code);
    EXPECT_EQ(r.nStopCode, 68);
    EXPECT_EQ(r.stop.dStopTime, 68.0);
    EXPECT_EQ(r.stop.notice, CoolingNotice::None);
    EXPECT_EQ(c1.m_nLastSample, 360);
    EXPECT_TRUE(SameCurve(c1, c2));
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
    SelectedProperties p;
    CoolingCurve c;
    const CalculationResult r = RunCalculation(GetParam().inputs, p, c);
    EXPECT_EQ(r.nStopCode, GetParam().code);
    EXPECT_EQ(r.stop.dStopTime, GetParam().stopTime);
    EXPECT_EQ(r.stop.notice, GetParam().notice);
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
    si.m_nUnits = UNITS_SI;
    si.m_dAirTemp = (50.0 - 32.0) * 0.5555555555555556;
    si.m_dSurfaceTemp = (50.0 - 32.0) * 0.5555555555555556;
    si.m_dDeliveryTemp = (300.0 - 32.0) * 0.5555555555555556;
    si.m_dLiftThickness = 3.0 * 25.4;
    si.m_dWindSpeed = 5.0 * 1.609;
    SelectedProperties p1, p2;
    CoolingCurve c1, c2;
    const CalculationResult a = RunCalculation(english, p1, c1);
    const CalculationResult b = RunCalculation(si, p2, c2);
    EXPECT_EQ(a.nStopCode, b.nStopCode);
    EXPECT_TRUE(SameCurve(c1, c2));
    EXPECT_EQ(english.m_dAirTemp, 50.0);  // inputs untouched
}

TEST(RunCalculation, TwiceGivesTheSameResults) {
    SelectedProperties p;
    CoolingCurve c1, c2;
    const CalculationResult a = RunCalculation(RunB(), p, c1);
    const CalculationResult b = RunCalculation(RunB(), p, c2);
    EXPECT_EQ(a.nStopCode, b.nStopCode);
    EXPECT_EQ(a.stop.dStopTime, b.stop.dStopTime);
    EXPECT_EQ(a.stop.notice, b.stop.notice);
    EXPECT_TRUE(SameCurve(c1, c2));
}

TEST(RunCalculation, ShortRunOverALongOneKeepsTheEntriesBeyond) {
    SelectedProperties p;
    CoolingCurve c;
    RunCalculation(RunA(), p, c);
    const double beyond = c.m_dCurveTemp[100];
    RunCalculation(RunB(), p, c);
    EXPECT_EQ(c.m_nLastSample, 42);
    EXPECT_EQ(c.m_dCurveTemp[100], beyond);
}

TEST(RunCalculation, StartTimeOfRunA) {
    SelectedProperties p;
    CoolingCurve c;
    RunCalculation(RunA(), p, c);
    // First sample below 120 C / 110 C, read as the plot reads it; the same on both axes.
    for (int grade : {4, 5}) {
        const double start = StartTemperatureForGrade(grade);
        int first = -1;
        for (int i = 0; i < c.m_nLastSample - 1 && first < 0; ++i)
            if (c.m_dCurveTemp[i] < start) first = i;
        ASSERT_GE(first, 0);
        EXPECT_EQ(FindStartTime(c, start, 0), static_cast<int>(c.m_dCurveTime[first]));
        EXPECT_EQ(FindStartTime(c, start, 1), FindStartTime(c, start, 0));
    }
}

}  // namespace
