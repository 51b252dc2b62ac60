#include <gtest/gtest.h>

#include <cmath>

#include "SolarPosition.h"
#include "SurfaceBoundary.h"

namespace {

constexpr double kRadToDeg = 57.29577951307855;

// ---- Day number -------------------------------------------------------------------------------------
struct DayCase {
    int month, day, n;
};

class DayOfYearTest : public ::testing::TestWithParam<DayCase> {};

TEST_P(DayOfYearTest, CommonYear) { EXPECT_EQ(DayOfYear(GetParam().month, GetParam().day), GetParam().n); }

INSTANTIATE_TEST_SUITE_P(Dates, DayOfYearTest,
                         ::testing::Values(DayCase{1, 1, 1}, DayCase{1, 31, 32 - 1}, DayCase{2, 1, 32},
                                           DayCase{2, 28, 59}, DayCase{2, 29, 60}, DayCase{3, 1, 60},
                                           DayCase{4, 1, 91}, DayCase{5, 1, 121}, DayCase{6, 15, 166},
                                           DayCase{6, 21, 172}, DayCase{7, 1, 182}, DayCase{8, 1, 213},
                                           DayCase{9, 1, 244}, DayCase{10, 1, 274}, DayCase{11, 1, 305},
                                           DayCase{12, 21, 355}, DayCase{12, 31, 365},
                                           // Outside 1 to 12: 0.
                                           DayCase{0, 5, 0}, DayCase{13, 1, 0}, DayCase{-1, 1, 0}));

TEST(SkyCoverFraction, QuarterSteps) {
    EXPECT_EQ(SkyCoverFraction(0), 0.0);
    EXPECT_EQ(SkyCoverFraction(1), 0.25);
    EXPECT_EQ(SkyCoverFraction(2), 0.5);
    EXPECT_EQ(SkyCoverFraction(3), 0.75);
    EXPECT_EQ(SkyCoverFraction(4), 1.0);
}

// ---- Worked values of the boundary model ("about": to the digits given) --------------------------------
TEST(SurfaceBoundary, MidsummerNoon) {
    const double v = 10.0 * 0.2777777777777778;
    const SolarTerms s = ComputeSolarTerms(6, 21, 12, 0, 45.0);
    EXPECT_EQ(s.nDayOfYear, 172);
    EXPECT_NEAR(s.dDeclination * kRadToDeg, 23.44, 0.005);
    EXPECT_NEAR(s.dEquationOfTime, 0.0249, 0.00005);
    EXPECT_NEAR(s.dSinAltitude, 0.93002, 0.000005);
    EXPECT_NEAR(s.dDistanceFactor, 0.98367, 0.000005);
    EXPECT_NEAR(s.dClearSkyFlux, 978.90, 0.005);

    const SurfaceBoundary b = ComputeSurfaceBoundary({6, 21, 12, 0, 45.0, 0, 20.0, v});
    EXPECT_NEAR(b.dAbsorbedSolar, 832.06, 0.005);
    EXPECT_EQ(b.dAbsorbedSolar, ((1.0 - 0.0) * s.dClearSkyFlux) * 0.85);
    EXPECT_EQ(b.dSkyTemp, 293.0);
    EXPECT_NEAR(b.dConvection, 11.7709, 0.00005);
    EXPECT_EQ(b.dAirTemp, 20.0);
}

TEST(SurfaceBoundary, NewYearMorningWrapsTheAnomaly) {
    const SolarTerms s = ComputeSolarTerms(1, 1, 9, 30, 45.0);
    EXPECT_EQ(s.nDayOfYear, 1);
    EXPECT_EQ(s.dDistanceFactor, 1.0 + 0.0167238 * std::cos(364 * 0.01720280062856955));
    EXPECT_NEAR(s.dDistanceFactor, 1.01672, 0.000005);
    EXPECT_NEAR(s.dClearSkyFlux, 227.30, 0.005);
    EXPECT_EQ(s.dClockHours, (30 * 0.016666666666666666) + 9);

    const SurfaceBoundary b = ComputeSurfaceBoundary({1, 1, 9, 30, 45.0, 2, 10.0, 0.0});
    EXPECT_NEAR(b.dAbsorbedSolar, 96.60, 0.005);
    EXPECT_EQ(b.dSkyTemp, 283.0);
    EXPECT_EQ(b.dConvection, 1.3 * 3.152);
    EXPECT_NEAR(b.dConvection, 4.0976, 1e-12);
}

TEST(SurfaceBoundary, WinterNightSkyTemperature) {
    EXPECT_EQ(ComputeSolarTerms(12, 21, 22, 0, 45.0).dClearSkyFlux, 0.0);
    const SurfaceBoundary clear = ComputeSurfaceBoundary({12, 21, 22, 0, 45.0, 0, 10.0, 1.0});
    const SurfaceBoundary overcast = ComputeSurfaceBoundary({12, 21, 22, 0, 45.0, 4, 10.0, 1.0});
    EXPECT_EQ(clear.dSkyTemp, 225.0);
    EXPECT_EQ(overcast.dSkyTemp, 283.0);
    EXPECT_EQ(clear.dAbsorbedSolar, 0.0);
    EXPECT_EQ(overcast.dAbsorbedSolar, 0.0);
    // Partly cloudy at night: (air + 48) * 0.5 + 225.
    EXPECT_EQ(ComputeSurfaceBoundary({12, 21, 22, 0, 45.0, 2, 10.0, 1.0}).dSkyTemp,
              (10.0 + 48.0) * 0.5 + 225.0);
}

struct OvercastCase {
    int month, day, hour, minute;
    double lat, air;
};

class OvercastTest : public ::testing::TestWithParam<OvercastCase> {};

TEST_P(OvercastTest, NoSunAndSkyAtAirTemperature) {
    const OvercastCase& c = GetParam();
    const SurfaceBoundary b =
        ComputeSurfaceBoundary({c.month, c.day, c.hour, c.minute, c.lat, 4, c.air, 2.0});
    EXPECT_EQ(b.dAbsorbedSolar, 0.0);
    EXPECT_EQ(b.dSkyTemp, c.air + 273.0);
}

INSTANTIATE_TEST_SUITE_P(Moments, OvercastTest,
                         ::testing::Values(OvercastCase{6, 21, 12, 0, 45.0, 20.0},
                                           OvercastCase{6, 21, 0, 0, 45.0, 15.0},
                                           OvercastCase{1, 1, 9, 30, 10.0, -5.0},
                                           OvercastCase{3, 20, 14, 45, 0.0, 30.0},
                                           OvercastCase{12, 21, 22, 0, 90.0, -40.0}));

TEST(SurfaceBoundary, DaySkyIsAtAirTemperatureWhateverTheCover) {
    for (int sky = 0; sky < 4; ++sky) {
        const SurfaceBoundary b = ComputeSurfaceBoundary({6, 21, 12, 0, 45.0, sky, 20.0, 1.0});
        EXPECT_GT(b.dAbsorbedSolar, 0.0);
        EXPECT_EQ(b.dSkyTemp, 293.0);
    }
}

TEST(SurfaceBoundary, LeapDayIsFirstOfMarch) {
    const SurfaceBoundary a = ComputeSurfaceBoundary({2, 29, 11, 0, 45.0, 1, 5.0, 3.0});
    const SurfaceBoundary b = ComputeSurfaceBoundary({3, 1, 11, 0, 45.0, 1, 5.0, 3.0});
    EXPECT_EQ(a.dAbsorbedSolar, b.dAbsorbedSolar);
    EXPECT_EQ(a.dSkyTemp, b.dSkyTemp);
    EXPECT_EQ(a.dConvection, b.dConvection);
}

TEST(SurfaceBoundary, HalfHourMovesTheHourAngleBySevenAndAHalfDegrees) {
    const SolarTerms a = ComputeSolarTerms(6, 21, 12, 0, 45.0);
    const SolarTerms b = ComputeSolarTerms(6, 21, 12, 30, 45.0);
    EXPECT_NEAR((b.dHourAngle - a.dHourAngle) * kRadToDeg, 7.5, 1e-9);
}

TEST(SurfaceBoundary, ConvectionFormula) {
    for (double v : {0.0, 1.0, 2.2222222222222223, 53.63333333333334}) {
        const SurfaceBoundary b = ComputeSurfaceBoundary({6, 21, 12, 0, 45.0, 0, 20.0, v});
        EXPECT_EQ(b.dConvection, ((std::pow(v, 0.75) * std::pow(2.23, 0.75)) * 0.62 + 1.3) * 3.152);
    }
}

}  // namespace
