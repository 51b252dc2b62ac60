#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "Calculation.h"
#include "LiftColumnRun.h"
#include "LiftSequence.h"
#include "NamedRuns.h"

namespace {

LiftInput LiftOf(const SimulationInputs& in, int nPlacementMinutes) {
    return {in.m_nMixType, in.m_dLiftThickness, in.m_dDeliveryTemp,
            in.m_nPgHigh,  in.m_nPgLow,         nPlacementMinutes};
}

LiftSequenceInputs Sequence(const SimulationInputs& site, std::vector<LiftInput> lifts) {
    LiftSequenceInputs s;
    s.site = site;
    s.site.m_nYear = 2026;
    s.lifts = std::move(lifts);
    return s;
}

bool SameBits(const void* a, const void* b, std::size_t n) { return std::memcmp(a, b, n) == 0; }

// First sample strictly below t, or -1.
int FirstBelow(const CoolingCurve& c, double t) {
    for (int i = 0; i <= c.m_nLastSample; ++i)
        if (c.m_dCurveTemp[i] < t) return i;
    return -1;
}

// ---- One lift is the single-lift calculation, bit for bit ------------------------------------------------
class Lcg {
public:
    explicit Lcg(std::uint64_t seed) : m_state(seed) {}
    int Index(int count) {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((m_state >> 33) % static_cast<std::uint64_t>(count));
    }
    double Hundredths(double lo, double hi) {
        return lo + Index(static_cast<int>((hi - lo) * 100.0 + 0.5) + 1) * 0.01;
    }

private:
    std::uint64_t m_state;
};

TEST(OneLift, IsTheSingleLiftCalculationBitForBit) {
    static const int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    Lcg rng(20260615);
    int nEnglish = 0;
    for (int run = 0; run < 300; ++run) {
        SimulationInputs in;
        in.m_nUnits = rng.Index(2);
        nEnglish += in.m_nUnits;
        const InputRanges& r = UnitSystemOfCode(in.m_nUnits) == UnitSystem::SI ? kSiRanges : kEnglishRanges;
        in.m_dAirTemp = rng.Hundredths(r.m_dAirTempMin, r.m_dAirTempMax);
        in.m_dSurfaceTemp = rng.Hundredths(r.m_dSurfaceTempMin, r.m_dSurfaceTempMax);
        in.m_dDeliveryTemp = rng.Hundredths(r.m_dDeliveryTempMin, r.m_dDeliveryTempMax);
        in.m_dLiftThickness = rng.Hundredths(r.m_dLiftThicknessMin, r.m_dLiftThicknessMax);
        in.m_dWindSpeed = rng.Hundredths(r.m_dWindSpeedMin, r.m_dWindSpeedMax);
        in.m_dLatitude = rng.Hundredths(0.0, 90.0);
        in.m_nMonth = 1 + rng.Index(12);
        in.m_nDay = 1 + rng.Index(kMonthLength[in.m_nMonth - 1]);
        in.m_nHour = rng.Index(25);
        in.m_nMinute = rng.Index(61);
        in.m_nSkyCondition = rng.Index(5);
        in.m_nMixType = rng.Index(4);
        in.m_nMaterialType = rng.Index(4);
        in.m_nMoistureContent = rng.Index(2);
        in.m_nMoistureState = rng.Index(2);
        in.m_nPgHigh = rng.Index(7);
        const std::string name = "scenario " + std::to_string(run);

        const CalculationResult single = RunCalculation(in);
        const LiftSequenceResult seq = RunLiftSequence(Sequence(in, {LiftOf(in, 0)}));
        ASSERT_FALSE(seq.error) << name << ": " << seq.error->strMessage;
        const LiftOutcome& lift = seq.lifts[0];
        ASSERT_EQ(lift.nStopCode, single.summary.nStopCode) << name;
        ASSERT_TRUE(SameCurve(lift.curve, single.curve)) << name;
        ASSERT_EQ(lift.stop.dStopTime, single.summary.stop.dStopTime) << name;
        ASSERT_EQ(lift.stop.notice, single.summary.stop.notice) << name;
        ASSERT_EQ(lift.start.nStartTime, single.summary.start.nStartTime) << name;
        ASSERT_EQ(lift.start.dStartTemp, single.summary.start.dStartTemp) << name;
        ASSERT_TRUE(SameBits(&lift.boundary, &single.summary.boundary, sizeof lift.boundary)) << name;
    }
    EXPECT_GT(nEnglish, 100);
    EXPECT_LT(nEnglish, 200);
}

// ---- Two equal lifts at once against one lift of twice the thickness -------------------------------------
// Tolerances: 1 C on the thickness-weighted mean of the two lifts and 1 minute on the stop where the grids
// differ (2 x MatCellCount(t) cells against MatCellCount(2 t)); 1e-9 C where they are the same cells.
struct DoubleLiftCase {
    const char* name;
    SimulationInputs site;  // SI; each lift is m_dLiftThickness / 2
    double dTolerance;      // C, on the weighted mean
    bool bTopColderAtEnd;   // false where the sun keeps the top lift the warmer one for two hours
};

class TwoAtOnceTest : public ::testing::TestWithParam<DoubleLiftCase> {};

TEST_P(TwoAtOnceTest, BehaveAsOneLiftOfTwiceTheThickness) {
    const SimulationInputs whole = GetParam().site;
    SimulationInputs half = whole;
    half.m_dLiftThickness = whole.m_dLiftThickness / 2.0;
    const CalculationResult single = RunCalculation(whole);
    const LiftSequenceResult seq = RunLiftSequence(Sequence(whole, {LiftOf(half, 0), LiftOf(half, 0)}));
    ASSERT_FALSE(seq.error);
    const CoolingCurve& bottom = seq.lifts[0].curve;
    const CoolingCurve& top = seq.lifts[1].curve;

    const int nLast = std::min({single.curve.m_nLastSample, bottom.m_nLastSample, top.m_nLastSample});
    double dMaxDiff = 0.0;
    int nStopPair = -1;
    int nTopColderFrom = -1;
    for (int i = 0; i <= nLast; ++i) {
        const double dPair = (bottom.m_dCurveTemp[i] + top.m_dCurveTemp[i]) / 2.0;  // equal thicknesses
        dMaxDiff = std::max(dMaxDiff, std::fabs(dPair - single.curve.m_dCurveTemp[i]));
        if (nStopPair < 0 && dPair < STOP_TEMPERATURE) nStopPair = i;
        if (nTopColderFrom < 0 && top.m_dCurveTemp[i] < bottom.m_dCurveTemp[i]) nTopColderFrom = i;
        // Once the top lift is the colder one it stays so: the base only warms.
        if (nTopColderFrom >= 0) {
            EXPECT_LT(top.m_dCurveTemp[i], bottom.m_dCurveTemp[i]) << "sample " << i;
        }
    }
    const int nStopSingle = FirstBelow(single.curve, STOP_TEMPERATURE);
    std::printf(
        "%s: max |pair - single| %.3g C over %d samples; stop seen at sample %d (pair) / %d (single); "
        "stop codes bottom %d, top %d, single %d; top colder from sample %d\n",
        GetParam().name, dMaxDiff, nLast + 1, nStopPair, nStopSingle, seq.lifts[0].nStopCode,
        seq.lifts[1].nStopCode, single.summary.nStopCode, nTopColderFrom);
    EXPECT_LE(dMaxDiff, GetParam().dTolerance);
    ASSERT_GE(nStopSingle, 0);
    EXPECT_LE(std::abs(nStopPair - nStopSingle), 3);  // three samples a minute
    // In the first minutes the cold base draws more heat from the bottom lift than the air from the top one;
    // later the base has warmed and the top lift cools faster, unless the sun holds it warm.
    EXPECT_LT(bottom.m_dCurveTemp[15], top.m_dCurveTemp[15]);
    EXPECT_EQ(nTopColderFrom >= 0, GetParam().bTopColderAtEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Sites, TwoAtOnceTest,
    ::testing::Values(DoubleLiftCase{"SummerNoon100mm",
                                     SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 10.0, 100.0, 150.0, 10.0), 1.0,
                                     false},
                      DoubleLiftCase{"AutumnNight50mm",
                                     SiInputs(11, 1, 22, 0, 45.0, 0, 0.0, 30.0, 50.0, 140.0, 0.0), 1.0, true},
                      // 2 x 6 cells of 10 mm against 12 cells of 10 mm: the same grid.
                      DoubleLiftCase{"OvercastMorning120mm",
                                     SiInputs(4, 10, 9, 0, 45.0, 4, 5.0, 20.0, 120.0, 150.0, 5.0), 1e-9,
                                     true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- A warm lift below keeps the new one workable longer -------------------------------------------------
struct WarmBaseCase {
    const char* name;
    SimulationInputs site;
};

class WarmBaseTest : public ::testing::TestWithParam<WarmBaseCase> {};

TEST_P(WarmBaseTest, LaterStopAndLongerWindowThanOnTheColdSurface) {
    const SimulationInputs site = GetParam().site;
    const LiftSequenceResult seq = RunLiftSequence(Sequence(site, {LiftOf(site, 0), LiftOf(site, 30)}));
    ASSERT_FALSE(seq.error);
    // The same lift alone on the cold surface, laid at the same clock time.
    SimulationInputs later = site;
    later.m_nMinute += 30;
    const CalculationResult cold = RunCalculation(later);
    const LiftOutcome& warm = seq.lifts[1];
    std::printf("%s: stop %.0f (window %.0f) on the warm lift, %.0f (window %.0f) on the cold surface\n",
                GetParam().name, warm.stop.dStopTime, warm.stop.dStopTime - warm.start.nStartTime,
                cold.summary.stop.dStopTime, cold.summary.stop.dStopTime - cold.summary.start.nStartTime);
    EXPECT_GT(warm.stop.dStopTime, cold.summary.stop.dStopTime);
    EXPECT_GT(warm.stop.dStopTime - warm.start.nStartTime,
              cold.summary.stop.dStopTime - cold.summary.start.nStartTime);

    // The lift below, where its curve still runs: its mean goes on from where it was (its cells moved down
    // under the new ones, their temperatures kept) and rises as the new lift's heat reaches it.
    const CoolingCurve& below = seq.lifts[0].curve;
    if (below.m_nLastSample >= 120) {
        const double dAtPlacement = below.m_dCurveTemp[90];
        std::printf("    lift below: %.2f C at the placement, %.2f a minute later, %.2f ten minutes later\n",
                    dAtPlacement, below.m_dCurveTemp[93], below.m_dCurveTemp[120]);
        EXPECT_LT(std::fabs(below.m_dCurveTemp[93] - dAtPlacement), 10.0);
        EXPECT_GT(below.m_dCurveTemp[120], dAtPlacement);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sites, WarmBaseTest,
    ::testing::Values(
        WarmBaseCase{"SummerNoon50mm", SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 10.0, 50.0, 150.0, 10.0)},
        WarmBaseCase{"AutumnNight40mm", SiInputs(11, 1, 22, 0, 45.0, 0, 0.0, 30.0, 40.0, 140.0, 0.0)},
        WarmBaseCase{"ColdWindy75mm", SiInputs(3, 20, 7, 0, 45.0, 2, -5.0, 40.0, 75.0, 150.0, -5.0)}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Next-lift time ---------------------------------------------------------------------------------------
struct NextLiftCase {
    const char* name;
    SimulationInputs site;
    std::optional<double> dNextLiftTemp;  // site units
    double dExpectedTempC;
    bool bReached;
};

class NextLiftTest : public ::testing::TestWithParam<NextLiftCase> {};

TEST_P(NextLiftTest, FirstWholeMinuteBelowTheTemperature) {
    const NextLiftCase& c = GetParam();
    LiftSequenceInputs in = Sequence(c.site, {LiftOf(c.site, 0), LiftOf(c.site, 25)});
    in.dNextLiftTemp = c.dNextLiftTemp;
    const LiftSequenceResult r = RunLiftSequence(in);
    ASSERT_FALSE(r.error) << r.error->strMessage;
    EXPECT_EQ(r.dNextLiftTempC, c.dExpectedTempC);
    const LiftOutcome& lift = r.lifts[1];
    const NextLiftTime& t = lift.nextLift;
    ASSERT_EQ(t.bReached, c.bReached);
    if (!t.bReached) return;
    // Seen at a whole minute (or at the end of a curve below 50 C, or at laydown); a minute earlier the
    // mean was not yet below.
    ASSERT_LE(t.nSample, lift.curve.m_nLastSample);
    EXPECT_LT(lift.curve.m_dCurveTemp[t.nSample], r.dNextLiftTempC);
    EXPECT_EQ(t.nMinutes, (t.nSample + 2) / 3);
    if (t.nSample > 0) {
        EXPECT_GE(lift.curve.m_dCurveTemp[t.nSample - 1], r.dNextLiftTempC);
    }
    const LiftClockTime expected = ClockAfter(in.site, 25 + t.nMinutes);
    EXPECT_EQ(t.clock.nHour * 60 + t.clock.nMinute, expected.nHour * 60 + expected.nMinute);
    EXPECT_EQ(t.clock.nDayOffset, expected.nDayOffset);
}

SimulationInputs English(SimulationInputs in) {
    in.m_nUnits = UnitCode(UnitSystem::English);
    in.m_dAirTemp = CelsiusToFahrenheit(in.m_dAirTemp);
    in.m_dSurfaceTemp = CelsiusToFahrenheit(in.m_dSurfaceTemp);
    in.m_dDeliveryTemp = CelsiusToFahrenheit(in.m_dDeliveryTemp);
    in.m_dLiftThickness = in.m_dLiftThickness / 25.4;
    in.m_dWindSpeed = in.m_dWindSpeed / 1.609;
    return in;
}

const SimulationInputs kNight40mm = SiInputs(11, 1, 22, 0, 45.0, 0, 0.0, 30.0, 40.0, 140.0, 0.0);

INSTANTIATE_TEST_SUITE_P(Temperatures, NextLiftTest,
                         ::testing::Values(NextLiftCase{"Default60C", kNight40mm, std::nullopt, 60.0, true},
                                           NextLiftCase{"Default140F", English(kNight40mm), std::nullopt,
                                                        FahrenheitToCelsius(140.0), true},
                                           // At 50 C the crossing is the sample that ends the curve.
                                           NextLiftCase{"FiftyAtTheEarlyEnd", kNight40mm, 50.0, 50.0, true},
                                           // Above the delivery temperature: at laydown.
                                           NextLiftCase{"AboveDelivery", kNight40mm, 150.0, 150.0, true},
                                           NextLiftCase{"SlowThickLiftNever", SlowRun(), std::nullopt, 60.0,
                                                        false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- The clock of a placement
// ------------------------------------------------------------------------------
struct ClockCase {
    const char* name;
    int nYear, nMonth, nDay, nHour, nMinute;  // the first lift's paving time
    int nAfter;                               // minutes
    LiftClockTime expected;
};

class ClockTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockTest, RollsOverMidnightMonthAndYear) {
    const ClockCase& c = GetParam();
    SimulationInputs site;
    site.m_nYear = c.nYear;
    site.m_nMonth = c.nMonth;
    site.m_nDay = c.nDay;
    site.m_nHour = c.nHour;
    site.m_nMinute = c.nMinute;
    const LiftClockTime t = ClockAfter(site, c.nAfter);
    EXPECT_EQ(t.nYear, c.expected.nYear);
    EXPECT_EQ(t.nMonth, c.expected.nMonth);
    EXPECT_EQ(t.nDay, c.expected.nDay);
    EXPECT_EQ(t.nHour, c.expected.nHour);
    EXPECT_EQ(t.nMinute, c.expected.nMinute);
    EXPECT_EQ(t.nDayOffset, c.expected.nDayOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ClockTest,
    ::testing::Values(ClockCase{"SameDay", 2026, 6, 15, 12, 0, 40, {2026, 6, 15, 12, 40, 0}},
                      ClockCase{"PastMidnight", 2026, 6, 15, 23, 30, 45, {2026, 6, 16, 0, 15, 1}},
                      ClockCase{"MonthEnd", 2026, 4, 30, 22, 0, 150, {2026, 5, 1, 0, 30, 1}},
                      ClockCase{"YearEnd", 2026, 12, 31, 23, 50, 20, {2027, 1, 1, 0, 10, 1}},
                      ClockCase{"LeapDay", 2024, 2, 28, 23, 0, 90, {2024, 2, 29, 0, 30, 1}},
                      ClockCase{"NoLeapDay", 2100, 2, 28, 23, 0, 90, {2100, 3, 1, 0, 30, 1}},
                      ClockCase{"Hour24Minute60", 2026, 6, 15, 24, 60, 0, {2026, 6, 16, 1, 0, 1}},
                      ClockCase{"LastPlacementAndItsRun", 2026, 6, 30, 24, 60, 480, {2026, 7, 1, 9, 0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// Each lift is driven by the sun of its own laydown, over midnight into the next day too.
TEST(Placement, EachLiftSeesTheSunAtItsLaydown) {
    const SimulationInputs site = SiInputs(6, 15, 23, 30, 45.0, 0, 10.0, 10.0, 50.0, 150.0, 10.0);
    const LiftSequenceResult r = RunLiftSequence(
        Sequence(site, {LiftOf(site, 0), LiftOf(site, 100), LiftOf(site, 220), LiftOf(site, 340)}));
    ASSERT_FALSE(r.error);
    const int kHours[4][2] = {{23, 30}, {1, 10}, {3, 10}, {5, 10}};
    for (int i = 0; i < 4; ++i) {
        const LiftOutcome& lift = r.lifts[i];
        const int nDay = i == 0 ? 15 : 16;
        EXPECT_EQ(lift.placement.nDay, nDay) << i;
        const SurfaceBoundary expected = ComputeSurfaceBoundary(
            {6, nDay, kHours[i][0], kHours[i][1], 45.0, 0, 10.0, lift.normalized.dWindSpeed});
        EXPECT_TRUE(SameBits(&lift.boundary, &expected, sizeof expected)) << i;
    }
    // Night until about half past four in June at 45 degrees north: only the last lift has sun.
    EXPECT_EQ(r.lifts[2].boundary.dAbsorbedSolar, 0.0);
    EXPECT_GT(r.lifts[3].boundary.dAbsorbedSolar, 0.0);
    EXPECT_EQ(r.nColumnMinutes, 340 + 120);
}

// ---- A step that does not settle
// --------------------------------------------------------------------------- Out of the form's reach, so the
// prepared lift is edited: the curves running end as the single-lift run ends (the counted sample holds the
// minute counter and the last mean), later lifts stay unplaced.
TEST(Unsettled, RunningCurvesEndAndLaterLiftsStayUnplaced) {
    const SimulationInputs site = RunA();
    const LiftSequenceInputs in = Sequence(site, {LiftOf(site, 0), LiftOf(site, 0), LiftOf(site, 30)});
    LiftSequenceResult r = PrepareLiftSequence(in);
    ASSERT_FALSE(r.error);
    r.lifts[1].normalized.dDeliveryTemp = 1500.0;  // the mix of the single-lift run that does not settle
    RunPreparedLiftSequence(in, r);
    ASSERT_FALSE(r.bSettled);
    for (int i = 0; i < 2; ++i) {
        const LiftOutcome& lift = r.lifts[i];
        EXPECT_TRUE(lift.bPlaced);
        EXPECT_EQ(lift.nStopCode, kStopRapidOrFailed);
        EXPECT_EQ(lift.stop.notice, CoolingNotice::Rapid);
        const int nLast = lift.curve.m_nLastSample;
        EXPECT_EQ(lift.curve.m_dCurveTime[nLast], RunningMinutes(nLast));
        EXPECT_EQ(r.nFailedStepMinutes, (nLast + 2) / 3);
    }
    EXPECT_FALSE(r.lifts[2].bPlaced);
    EXPECT_FALSE(r.lifts[2].nextLift.bReached);
    EXPECT_EQ(r.lifts[2].nStopCode, kStopRapidOrFailed);
}

// ---- Refusals ---------------------------------------------------------------------------------------------
struct RefusalCase {
    const char* name;
    std::function<void(LiftSequenceInputs&)> edit;
    int nLift;
    LiftField field;
    const char* pMessage;
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, NamesTheLiftAndTheReason) {
    const SimulationInputs site = SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 10.0, 50.0, 150.0, 10.0);
    LiftSequenceInputs in = Sequence(site, {LiftOf(site, 0), LiftOf(site, 40), LiftOf(site, 90)});
    GetParam().edit(in);
    const LiftSequenceResult r = RunLiftSequence(in);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->nLift, GetParam().nLift);
    EXPECT_EQ(r.error->field, GetParam().field);
    EXPECT_EQ(r.error->strMessage, GetParam().pMessage);
    EXPECT_EQ(r.nLifts, 0);  // nothing ran
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Limits, RefusalTest,
    ::testing::Values(
        RefusalCase{"NoLift", [](auto& in) { in.lifts.clear(); }, 0, LiftField::LiftCount,
                    "No lift to place: a sequence needs 1 to 4 lifts."},
        RefusalCase{"FiveLifts",
                    [](auto& in) {
                        in.lifts.push_back(in.lifts.back());
                        in.lifts.push_back(in.lifts.back());
                    },
                    5, LiftField::LiftCount,
                    "5 lifts given: a sequence holds at most 4, so lift 5 cannot be placed."},
        RefusalCase{
            "FirstNotAtZero", [](auto& in) { in.lifts[0].nPlacementMinutes = 5; }, 1, LiftField::Placement,
            "Lift 1 is placed at 5 min; the first lift goes down at 0 min and the others count from it."},
        RefusalCase{
            "Negative", [](auto& in) { in.lifts[1].nPlacementMinutes = -10; }, 2, LiftField::Placement,
            "Lift 2 is placed at -10 min; placements count minutes after the first lift's laydown and "
            "cannot be negative."},
        RefusalCase{
            "OutOfOrder", [](auto& in) { in.lifts[2].nPlacementMinutes = 30; }, 3, LiftField::Placement,
            "Lift 3 is placed at 30 min, before lift 2 at 40 min; lifts go down in order, bottom first."},
        RefusalCase{
            "AfterThePreviousRunEnded", [](auto& in) { in.lifts[2].nPlacementMinutes = 161; }, 3,
            LiftField::Placement,
            "Lift 3 is placed at 161 min, after the run of lift 2 ended (120 min after its placement at "
            "40 min)."},
        RefusalCase{"ThicknessBelowRange", [](auto& in) { in.lifts[1].dLiftThickness = 12.69; }, 2,
                    LiftField::LiftThickness,
                    "Lift 2: the lift thickness 12.69 mm is outside the allowed 12.7 to 254 mm."},
        RefusalCase{"ThicknessNaN", [](auto& in) { in.lifts[0].dLiftThickness = kNaN; }, 1,
                    LiftField::LiftThickness,
                    "Lift 1: the lift thickness is not a number within the allowed 12.7 to 254 mm."},
        RefusalCase{"DeliveryAboveRangeEnglish",
                    [](auto& in) {
                        in.site = English(in.site);
                        for (LiftInput& l : in.lifts) {
                            l.dLiftThickness = 2.0;
                            l.dDeliveryTemp = 300.0;
                        }
                        in.lifts[2].dDeliveryTemp = 316.0;
                    },
                    3, LiftField::DeliveryTemp,
                    "Lift 3: the delivery temperature 316 F is outside the allowed 150 to 315 F."},
        RefusalCase{"MixNotInList", [](auto& in) { in.lifts[1].nMixType = 4; }, 2, LiftField::MixType,
                    "Lift 2: the mix type 4 is not in its list."},
        RefusalCase{"NoHighGrade", [](auto& in) { in.lifts[2].nPgHigh = -1; }, 3, LiftField::PgHigh,
                    "Lift 3: the high binder grade -1 is not in its list."},
        RefusalCase{"NextLiftBelowFifty", [](auto& in) { in.dNextLiftTemp = 49.99; }, 0,
                    LiftField::NextLiftTemp,
                    "The next-lift temperature 49.99 C is outside the allowed 50 to 157.2 C."},
        RefusalCase{"SiteWind", [](auto& in) { in.site.m_dWindSpeed = 200.0; }, 0, LiftField::SiteWindSpeed,
                    "The wind speed 200 km/h is outside the allowed 0 to 193.08 km/h."},
        RefusalCase{"SiteLeapDayOfACommonYear",
                    [](auto& in) {
                        in.site.m_nMonth = 2;
                        in.site.m_nDay = 29;
                    },
                    0, LiftField::SiteDate,
                    "The paving date 2026-2-29 is not a date of the years 1990 to 3001."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
