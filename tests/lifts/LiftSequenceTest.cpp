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

LiftInput LiftOf(const SimulationInputs& in, int nAt) {
    return {in.m_nMixType, in.m_dLiftThickness, in.m_dDeliveryTemp, in.m_nPgHigh, in.m_nPgLow, nAt};
}

LiftSequenceInputs Sequence(const SimulationInputs& site, std::vector<LiftInput> lifts) {
    LiftSequenceInputs s{site, std::move(lifts), std::nullopt, false};
    s.site.m_nYear = 2026;
    return s;
}

SimulationInputs English(SimulationInputs in) {
    in.m_nUnits = UnitCode(UnitSystem::English);
    for (double* p : {&in.m_dAirTemp, &in.m_dSurfaceTemp, &in.m_dDeliveryTemp}) *p = CelsiusToFahrenheit(*p);
    in.m_dLiftThickness /= 25.4;
    in.m_dWindSpeed /= 1.609;
    return in;
}

std::string NameOf(const auto& info) { return info.param.name; }

// ---- One lift is the single-lift calculation, bit for bit ------------------------------------------------
TEST(OneLift, IsTheSingleLiftCalculationBitForBit) {
    static const int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::uint64_t state = 20260615;
    auto index = [&](int n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
    };
    auto hundredths = [&](double lo, double hi) {
        return lo + index(static_cast<int>((hi - lo) * 100.0 + 1.5)) * 0.01;
    };
    for (int run = 0; run < 300; ++run) {
        SimulationInputs in;
        in.m_nUnits = run % 2;
        const InputRanges& r = run % 2 == 0 ? kSiRanges : kEnglishRanges;
        in.m_dAirTemp = hundredths(r.m_dAirTempMin, r.m_dAirTempMax);
        in.m_dSurfaceTemp = hundredths(r.m_dSurfaceTempMin, r.m_dSurfaceTempMax);
        in.m_dDeliveryTemp = hundredths(r.m_dDeliveryTempMin, r.m_dDeliveryTempMax);
        in.m_dLiftThickness = hundredths(r.m_dLiftThicknessMin, r.m_dLiftThicknessMax);
        in.m_dWindSpeed = hundredths(r.m_dWindSpeedMin, r.m_dWindSpeedMax);
        in.m_dLatitude = hundredths(0.0, 90.0);
        in.m_nMonth = 1 + index(12);
        in.m_nDay = 1 + index(kMonthLength[in.m_nMonth - 1]);
        in.m_nHour = index(25);
        in.m_nMinute = index(61);
        in.m_nSkyCondition = index(5);
        in.m_nMixType = index(4);
        in.m_nMaterialType = index(4);
        in.m_nMoistureContent = index(2);
        in.m_nMoistureState = index(2);
        in.m_nPgHigh = index(7);

        const CalculationResult one = RunCalculation(in);
        const LiftSequenceResult seq = RunLiftSequence(Sequence(in, {LiftOf(in, 0)}));
        ASSERT_FALSE(seq.error) << run << ": " << seq.error->strMessage;
        const LiftOutcome& lift = seq.lifts[0];
        ASSERT_EQ(lift.nStopCode, one.summary.nStopCode) << run;
        ASSERT_TRUE(SameCurve(lift.curve, one.curve)) << run;
        ASSERT_EQ(lift.stop.dStopTime, one.summary.stop.dStopTime) << run;
        ASSERT_EQ(lift.stop.notice, one.summary.stop.notice) << run;
        ASSERT_EQ(lift.start.nStartTime, one.summary.start.nStartTime) << run;
        ASSERT_EQ(lift.start.dStartTemp, one.summary.start.dStartTemp) << run;
    }
}

// ---- Two equal lifts at once against one lift of twice the thickness -------------------------------------
// Tolerance on the thickness-weighted mean of the two: 1 C where the grids differ (2 x MatCellCount(t) cells
// against MatCellCount(2 t)), 1e-9 C where they are the same cells; the stop within 1 minute.
struct TwoAtOnceCase {
    const char* name;
    SimulationInputs whole;  // SI; each lift is half of m_dLiftThickness
    double dTolerance;
    bool bTopColderAtEnd;  // false where the sun keeps the top lift the warmer one for the two hours
};

class TwoAtOnceTest : public ::testing::TestWithParam<TwoAtOnceCase> {};

TEST_P(TwoAtOnceTest, BehaveAsOneLiftOfTwiceTheThickness) {
    const TwoAtOnceCase& c = GetParam();
    SimulationInputs half = c.whole;
    half.m_dLiftThickness /= 2.0;
    const CoolingCurve single = RunCalculation(c.whole).curve;
    const LiftSequenceResult seq = RunLiftSequence(Sequence(c.whole, {LiftOf(half, 0), LiftOf(half, 0)}));
    const CoolingCurve& bottom = seq.lifts[0].curve;
    const CoolingCurve& top = seq.lifts[1].curve;

    double dMaxDiff = 0.0;
    int nStopPair = -1, nStopSingle = -1, nTopColderFrom = -1;
    for (int i = 0; i <= std::min({single.m_nLastSample, bottom.m_nLastSample, top.m_nLastSample}); ++i) {
        const double dPair = (bottom.m_dCurveTemp[i] + top.m_dCurveTemp[i]) / 2.0;  // equal thicknesses
        dMaxDiff = std::max(dMaxDiff, std::fabs(dPair - single.m_dCurveTemp[i]));
        if (nStopPair < 0 && dPair < STOP_TEMPERATURE) nStopPair = i;
        if (nStopSingle < 0 && single.m_dCurveTemp[i] < STOP_TEMPERATURE) nStopSingle = i;
        if (nTopColderFrom < 0 && top.m_dCurveTemp[i] < bottom.m_dCurveTemp[i]) nTopColderFrom = i;
        // Once the top lift is the colder one it stays so: the base only warms.
        if (nTopColderFrom >= 0) {
            EXPECT_LT(top.m_dCurveTemp[i], bottom.m_dCurveTemp[i]) << "sample " << i;
        }
    }
    std::printf(
        "%s: max |pair - single| %.3g C; stop seen at sample %d (pair), %d (single); top colder from "
        "sample %d\n",
        c.name, dMaxDiff, nStopPair, nStopSingle, nTopColderFrom);
    EXPECT_LE(dMaxDiff, c.dTolerance);
    ASSERT_GE(nStopSingle, 0);
    EXPECT_LE(std::abs(nStopPair - nStopSingle), 3);  // three samples a minute
    // In the first minutes the cold base draws more heat from the bottom lift than the air from the top one.
    EXPECT_LT(bottom.m_dCurveTemp[15], top.m_dCurveTemp[15]);
    EXPECT_EQ(nTopColderFrom >= 0, c.bTopColderAtEnd);
}

INSTANTIATE_TEST_SUITE_P(
    Sites, TwoAtOnceTest,
    ::testing::Values(TwoAtOnceCase{"SummerNoon100mm",
                                    SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 10.0, 100.0, 150.0, 10.0), 1.0,
                                    false},
                      TwoAtOnceCase{"AutumnNight50mm",
                                    SiInputs(11, 1, 22, 0, 45.0, 0, 0.0, 30.0, 50.0, 140.0, 0.0), 1.0, true},
                      // 2 x 6 cells of 10 mm against 12 cells of 10 mm: the same grid.
                      TwoAtOnceCase{"OvercastMorning120mm",
                                    SiInputs(4, 10, 9, 0, 45.0, 4, 5.0, 20.0, 120.0, 150.0, 5.0), 1e-9,
                                    true}),
    [](const auto& info) { return NameOf(info); });

// ---- A warm lift below keeps the new one workable longer -------------------------------------------------
struct SiteCase {
    const char* name;
    SimulationInputs site;
};

class WarmBaseTest : public ::testing::TestWithParam<SiteCase> {};

TEST_P(WarmBaseTest, LaterStopAndLongerWindowThanOnTheColdSurface) {
    const SimulationInputs site = GetParam().site;
    const LiftSequenceResult seq = RunLiftSequence(Sequence(site, {LiftOf(site, 0), LiftOf(site, 30)}));
    SimulationInputs later = site;  // the same lift alone on the cold surface, at the same clock time
    later.m_nMinute += 30;
    const CalculationSummary cold = RunCalculation(later).summary;
    const LiftOutcome& warm = seq.lifts[1];
    std::printf("%s: stop %.0f, window %.0f on the warm lift; %.0f, %.0f on the cold surface\n",
                GetParam().name, warm.stop.dStopTime, warm.stop.dStopTime - warm.start.nStartTime,
                cold.stop.dStopTime, cold.stop.dStopTime - cold.start.nStartTime);
    EXPECT_GT(warm.stop.dStopTime, cold.stop.dStopTime);
    EXPECT_GT(warm.stop.dStopTime - warm.start.nStartTime, cold.stop.dStopTime - cold.start.nStartTime);

    // The lift below, where its curve still runs: its mean goes on from where it was (its cells moved down
    // under the new ones, their temperatures kept) and rises as the new lift's heat reaches it.
    const CoolingCurve& below = seq.lifts[0].curve;
    if (below.m_nLastSample >= 120) {
        EXPECT_LT(std::fabs(below.m_dCurveTemp[93] - below.m_dCurveTemp[90]), 10.0);
        EXPECT_GT(below.m_dCurveTemp[120], below.m_dCurveTemp[90]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sites, WarmBaseTest,
    ::testing::Values(
        SiteCase{"SummerNoon50mm", SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 10.0, 50.0, 150.0, 10.0)},
        SiteCase{"AutumnNight40mm", SiInputs(11, 1, 22, 0, 45.0, 0, 0.0, 30.0, 40.0, 140.0, 0.0)},
        SiteCase{"ColdWindy75mm", SiInputs(3, 20, 7, 0, 45.0, 2, -5.0, 40.0, 75.0, 150.0, -5.0)}),
    [](const auto& info) { return NameOf(info); });

// ---- Next-lift time: the first whole minute the mean is seen below, on the lift's and the site's clock ----
struct NextLiftCase {
    const char* name;
    SimulationInputs site;
    std::optional<double> dTemp;  // site units
    int nExpectedSample;          // -1: not within the run
};

class NextLiftTest : public ::testing::TestWithParam<NextLiftCase> {};

TEST_P(NextLiftTest, FirstSampleBelowTheTemperature) {
    LiftSequenceInputs in = Sequence(GetParam().site, {LiftOf(GetParam().site, 0)});
    in.dNextLiftTemp = GetParam().dTemp;
    const LiftSequenceResult r = RunLiftSequence(in);
    const NextLiftTime& t = r.lifts[0].nextLift;
    ASSERT_EQ(t.nSample, GetParam().nExpectedSample);
    ASSERT_EQ(t.bReached, t.nSample >= 0);
    if (!t.bReached) return;
    const CoolingCurve& c = r.lifts[0].curve;
    EXPECT_LT(c.m_dCurveTemp[t.nSample], r.dNextLiftTempC);
    EXPECT_GE(c.m_dCurveTemp[t.nSample - 1], r.dNextLiftTempC);
    EXPECT_EQ(t.nMinutes, (t.nSample + 2) / 3);
    EXPECT_EQ(t.clock.nHour * 60 + t.clock.nMinute, 22 * 60 + t.nMinutes);
}

INSTANTIATE_TEST_SUITE_P(
    Temperatures, NextLiftTest,
    ::testing::Values(NextLiftCase{"Default60C", RunB(), std::nullopt, 30},
                      NextLiftCase{"Default140FEnglish", English(RunB()), std::nullopt, 30},
                      NextLiftCase{"FiftyAtTheEarlyEnd", RunB(), 50.0, 42},  // the sample ending the curve
                      NextLiftCase{"SlowThickLiftNever", SlowRun(), std::nullopt, -1}),
    [](const auto& info) { return NameOf(info); });

// ---- The clock of a placement -----------------------------------------------------------------------------
struct ClockCase {
    const char* name;
    LiftClockTime from;  // the first lift's paving time (day offset unused)
    int nAfter;          // minutes
    LiftClockTime expected;
};

class ClockTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockTest, RollsOverMidnightMonthAndYear) {
    const ClockCase& c = GetParam();
    SimulationInputs site;
    site.m_nYear = c.from.nYear;
    site.m_nMonth = c.from.nMonth;
    site.m_nDay = c.from.nDay;
    site.m_nHour = c.from.nHour;
    site.m_nMinute = c.from.nMinute;
    const LiftClockTime t = ClockAfter(site, c.nAfter);
    const LiftClockTime& e = c.expected;
    EXPECT_EQ(std::vector<int>({t.nYear, t.nMonth, t.nDay, t.nHour, t.nMinute, t.nDayOffset}),
              std::vector<int>({e.nYear, e.nMonth, e.nDay, e.nHour, e.nMinute, e.nDayOffset}));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, ClockTest,
    ::testing::Values(ClockCase{"PastMidnight", {2026, 6, 15, 23, 30, 0}, 45, {2026, 6, 16, 0, 15, 1}},
                      ClockCase{"YearEnd", {2026, 12, 31, 23, 50, 0}, 20, {2027, 1, 1, 0, 10, 1}},
                      ClockCase{"LeapDay", {2024, 2, 28, 23, 0, 0}, 90, {2024, 2, 29, 0, 30, 1}},
                      ClockCase{"CenturyWithoutLeapDay", {2100, 2, 28, 23, 0, 0}, 90, {2100, 3, 1, 0, 30, 1}},
                      ClockCase{"Hour24Minute60", {2026, 6, 30, 24, 60, 0}, 480, {2026, 7, 1, 9, 0, 1}}),
    [](const auto& info) { return NameOf(info); });

// Each lift is driven by the sun at its own laydown, over midnight into the next day too.
TEST(Placement, EachLiftSeesTheSunAtItsLaydown) {
    const SimulationInputs site = SiInputs(6, 15, 23, 30, 45.0, 0, 10.0, 10.0, 50.0, 150.0, 10.0);
    const LiftSequenceResult r = RunLiftSequence(
        Sequence(site, {LiftOf(site, 0), LiftOf(site, 100), LiftOf(site, 220), LiftOf(site, 340)}));
    const int kClock[4][3] = {{15, 23, 30}, {16, 1, 10}, {16, 3, 10}, {16, 5, 10}};  // day, hour, minute
    for (int i = 0; i < 4; ++i) {
        const SurfaceBoundary expected = ComputeSurfaceBoundary(
            {6, kClock[i][0], kClock[i][1], kClock[i][2], 45.0, 0, 10.0, r.lifts[i].normalized.dWindSpeed});
        EXPECT_EQ(std::memcmp(&r.lifts[i].boundary, &expected, sizeof expected), 0) << i;
    }
    EXPECT_EQ(r.lifts[2].boundary.dAbsorbedSolar, 0.0);  // night until about half past four
    EXPECT_GT(r.lifts[3].boundary.dAbsorbedSolar, 0.0);
    EXPECT_EQ(r.nColumnMinutes, 340 + 120);
}

// ---- A step that does not settle
// --------------------------------------------------------------------------- Out of the form's reach, so the
// prepared lift is edited: the running curves end as the single-lift run ends (the counted sample holds the
// minute counter), later lifts stay unplaced.
TEST(Unsettled, RunningCurvesEndAndLaterLiftsStayUnplaced) {
    const LiftSequenceInputs in =
        Sequence(RunA(), {LiftOf(RunA(), 0), LiftOf(RunA(), 0), LiftOf(RunA(), 30)});
    LiftSequenceResult r = PrepareLiftSequence(in);
    r.lifts[1].normalized.dDeliveryTemp = 1500.0;  // the mix of the single-lift run that does not settle
    RunPreparedLiftSequence(in, r);
    ASSERT_FALSE(r.bSettled);
    for (int i = 0; i < 2; ++i) {
        const int nLast = r.lifts[i].curve.m_nLastSample;
        EXPECT_EQ(r.lifts[i].nStopCode, kStopRapidOrFailed);
        EXPECT_EQ(r.lifts[i].curve.m_dCurveTime[nLast], RunningMinutes(nLast));
        EXPECT_EQ(r.nFailedStepMinutes, (nLast + 2) / 3);
    }
    EXPECT_FALSE(r.lifts[2].bPlaced);
    EXPECT_FALSE(r.lifts[2].nextLift.bReached);
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

using L = LiftSequenceInputs;
using F = LiftField;
INSTANTIATE_TEST_SUITE_P(
    Limits, RefusalTest,
    ::testing::Values(
        RefusalCase{"NoLift", [](L& in) { in.lifts.clear(); }, 0, F::LiftCount,
                    "No lift to place: a sequence needs 1 to 4 lifts."},
        RefusalCase{"FiveLifts", [](L& in) { in.lifts.resize(5, in.lifts.back()); }, 5, F::LiftCount,
                    "5 lifts given: a sequence holds at most 4, so lift 5 cannot be placed."},
        RefusalCase{
            "FirstNotAtZero", [](L& in) { in.lifts[0].nPlacementMinutes = 5; }, 1, F::Placement,
            "Lift 1 is placed at 5 min; the first lift goes down at 0 min and the others count from it."},
        RefusalCase{
            "Negative", [](L& in) { in.lifts[1].nPlacementMinutes = -10; }, 2, F::Placement,
            "Lift 2 is placed at -10 min; placements count minutes after the first lift's laydown and "
            "cannot be negative."},
        RefusalCase{
            "OutOfOrder", [](L& in) { in.lifts[2].nPlacementMinutes = 30; }, 3, F::Placement,
            "Lift 3 is placed at 30 min, before lift 2 at 40 min; lifts go down in order, bottom first."},
        RefusalCase{
            "AfterThePreviousRunEnded", [](L& in) { in.lifts[2].nPlacementMinutes = 161; }, 3, F::Placement,
            "Lift 3 is placed at 161 min, after the run of lift 2 ended (120 min after its placement at "
            "40 min)."},
        RefusalCase{"ThinnerThanTheForm", [](L& in) { in.lifts[1].dLiftThickness = 12.69; }, 2,
                    F::LiftThickness,
                    "Lift 2: the lift thickness 12.69 mm is outside the allowed 12.7 to 254 mm."},
        RefusalCase{"ThicknessNaN",
                    [](L& in) { in.lifts[0].dLiftThickness = std::numeric_limits<double>::quiet_NaN(); }, 1,
                    F::LiftThickness,
                    "Lift 1: the lift thickness is not a number within the allowed 12.7 to 254 mm."},
        RefusalCase{"HotterThanTheFormEnglish",
                    [](L& in) {
                        in.site = English(in.site);
                        in.lifts.assign(3, {0, 2.0, 300.0, 4, 4, 0});
                        in.lifts[2].dDeliveryTemp = 316.0;
                    },
                    3, F::DeliveryTemp,
                    "Lift 3: the delivery temperature 316 F is outside the allowed 150 to 315 F."},
        RefusalCase{"NextLiftBelowFifty", [](L& in) { in.dNextLiftTemp = 49.99; }, 0, F::NextLiftTemp,
                    "The next-lift temperature 49.99 C is outside the allowed 50 to 157.2 C."},
        RefusalCase{"SiteLeapDayOfACommonYear",
                    [](L& in) {
                        in.site.m_nMonth = 2;
                        in.site.m_nDay = 29;
                    },
                    0, F::SiteDate, "The paving date 2026-2-29 is not a date of the years 1990 to 3001."}),
    [](const auto& info) { return NameOf(info); });

}  // namespace
