#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>

#include "CompactionWindow.h"

namespace {

// ---- Stop code -> stop time and notice ------------------------------------------------------
struct StopCase {
    int code;
    double stopTime;
    CoolingNotice notice;
};

class StopOutcomeTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopOutcomeTest, Table) {
    const StopOutcome o = StopOutcomeFromCode(GetParam().code);
    EXPECT_EQ(o.dStopTime, GetParam().stopTime);
    EXPECT_EQ(o.notice, GetParam().notice);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, StopOutcomeTest,
    ::testing::Values(StopCase{9, 9.0, CoolingNotice::Rapid}, StopCase{10, 10.0, CoolingNotice::None},
                      StopCase{0, 0.0, CoolingNotice::Rapid}, StopCase{-1, 120.0, CoolingNotice::Slow},
                      StopCase{-2, 0.0, CoolingNotice::Rapid}, StopCase{1, 1.0, CoolingNotice::Rapid},
                      StopCase{5, 5.0, CoolingNotice::Rapid}, StopCase{68, 68.0, CoolingNotice::None},
                      StopCase{119, 119.0, CoolingNotice::None}));

// ---- Start temperature ----------------------------------------------------------------------------------
TEST(StartTemperature, TwoSoftestGradesStartAt110) {
    const double expected[7] = {120.0, 120.0, 120.0, 120.0, 120.0, 110.0, 110.0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(StartTemperatureForGrade(i), expected[i]) << i;
    EXPECT_EQ(StartTemperatureForGrade(-1), 120.0);
}

// ---- Start time ------------------------------------------------------------------------------------------
CoolingCurve Curve(std::initializer_list<std::pair<double, double>> samples) {
    CoolingCurve c;
    int i = 0;
    for (const auto& s : samples) {
        c.m_dCurveTime[i] = s.first;
        c.m_dCurveTemp[i] = s.second;
        ++i;
    }
    c.m_nLastSample = i - 1;
    return c;
}

TEST(StartTime, FirstSampleStrictlyBelowTruncated) {
    const CoolingCurve c = Curve({{0.0, 150.0},
                                  {0.3333333333333333, 130.0},
                                  {1.0, 125.0},
                                  {1.9999999999999998, 119.0},
                                  {2.3333333333333335, 119.0},
                                  {7.67, 100.0},
                                  {8.0, 90.0},
                                  {9.0, 80.0}});
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::SI), 1);  // 1.9999999999999998 truncates to 1
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::English), 1);
    EXPECT_EQ(FindStartTime(c, 110.0, UnitSystem::SI), 7);  // 7.67 gives 7
    EXPECT_EQ(FindStartTime(c, 110.0, UnitSystem::English), 7);
}

TEST(StartSample, IndexOfTheFirstSampleBelowOrMinusOne) {
    const CoolingCurve c =
        Curve({{0.0, 150.0}, {1.0, 130.0}, {2.0, 119.0}, {3.0, 100.0}, {4.0, 90.0}, {5.0, 80.0}});
    EXPECT_EQ(FindStartSample(c, 120.0, UnitSystem::SI), 2);
    EXPECT_EQ(FindStartSample(c, 120.0, UnitSystem::English), 2);
    EXPECT_EQ(FindStartSample(c, 110.0, UnitSystem::SI), 3);
    EXPECT_EQ(FindStartSample(c, 95.0, UnitSystem::SI), -1);  // sample 4 is m_nLastSample - 1: not searched
    EXPECT_EQ(FindStartSample(c, 200.0, UnitSystem::SI), 0);
    EXPECT_EQ(FindStartSample(c, 50.0, UnitSystem::SI), -1);
    CoolingCurve empty;
    EXPECT_EQ(FindStartSample(empty, 120.0, UnitSystem::SI), -1);
}

TEST(StartSample, DamagedSampleCountStaysInsideTheArrays) {
    CoolingCurve c;
    for (int i = 0; i < kCurveCapacity; ++i) c.m_dCurveTemp[i] = 150.0;
    c.m_nLastSample = 100000;
    EXPECT_EQ(FindStartSample(c, 120.0, UnitSystem::SI), -1);
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::SI), 120);
    c.m_nLastSample = -5;
    EXPECT_EQ(FindStartSample(c, 120.0, UnitSystem::SI), -1);
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::SI), 120);
}

TEST(StartTime, EqualIsNotBelow) {
    const CoolingCurve c = Curve({{0.0, 150.0}, {1.0, 120.0}, {2.0, 119.99}, {3.0, 100.0}, {4.0, 90.0}});
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::SI), 2);
}

TEST(StartTime, OnlySamplesUpToLastMinusTwoAreSearched) {
    // m_nLastSample 4: samples 0 to 2 are searched. Sample 3 is below 120 but not searched; as the
    // sample m_nLastSample - 1 it is not above the start temperature, so the start time is 0.
    const CoolingCurve c = Curve({{0.0, 150.0}, {1.0, 140.0}, {2.0, 130.0}, {3.0, 100.0}, {4.0, 90.0}});
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::SI), 0);
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::English), 0);
}

TEST(StartTime, NoneFoundAboveGives120) {
    const CoolingCurve c = Curve({{0.0, 150.0}, {1.0, 140.0}, {2.0, 130.0}, {3.0, 125.0}, {4.0, 80.0}});
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::SI), 120);  // sample 3 = 125 > 120
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::English), 120);
}

TEST(StartTime, NoneFoundAtOrBelowGivesZero) {
    // Laydown at or below the start temperature: sample 0 equal, sample m_nLastSample - 1 equal.
    const CoolingCurve c = Curve({{0.0, 110.0}, {1.0, 110.0}, {2.0, 110.0}});
    EXPECT_EQ(FindStartTime(c, 110.0, UnitSystem::SI), 0);
    EXPECT_EQ(FindStartTime(c, 110.0, UnitSystem::English), 0);
}

TEST(StartTime, EmptyCurveLooksAtSampleZero) {
    CoolingCurve c;
    c.m_nLastSample = 0;
    c.m_dCurveTemp[0] = 150.0;
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::SI), 120);
    c.m_dCurveTemp[0] = 100.0;
    EXPECT_EQ(FindStartTime(c, 120.0, UnitSystem::SI), 0);
}

TEST(StartTime, EnglishComparisonIsInFahrenheit) {
    // 124.99999999999999 C is below 125 C, but x * 1.8 + 32 maps both to the same double: the English
    // axis does not see that sample as below the start temperature, the SI axis does.
    const double start = 125.0;
    const double justBelow = std::nextafter(start, 0.0);
    ASSERT_EQ(justBelow * 1.8 + 32.0, start * 1.8 + 32.0);
    const CoolingCurve c = Curve({{0.0, 150.0}, {1.0, justBelow}, {2.0, 100.0}, {3.0, 90.0}, {4.0, 80.0}});
    EXPECT_EQ(FindStartTime(c, start, UnitSystem::SI), 1);
    EXPECT_EQ(FindStartTime(c, start, UnitSystem::English), 2);
}

TEST(StartTime, SiAndEnglishAgreeOnTheWorkedRunsStartTemperatures) {
    // For 120 and 110 C the conversion keeps every neighbouring double apart.
    for (double start : {120.0, 110.0}) {
        const double justBelow = std::nextafter(start, 0.0);
        const CoolingCurve c = Curve({{0.0, 150.0}, {1.0, justBelow}, {2.0, 100.0}, {3.0, 90.0}});
        EXPECT_EQ(FindStartTime(c, start, UnitSystem::SI), 1);
        EXPECT_EQ(FindStartTime(c, start, UnitSystem::English), 1);
    }
}

}  // namespace
