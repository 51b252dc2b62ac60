// The paving-day planner: every slot is the calculation a user would make at that time, refusals name
// what is wrong, the best slots follow the stated rule, and a stopped plan shows nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Calculation.h"
#include "NamedRuns.h"
#include "PavingDayPlanner.h"

namespace {

SimulationInputs EnglishSummerDay() {
    SimulationInputs in;  // the form's English start values
    in.m_nMonth = 7;
    in.m_nDay = 20;
    in.m_nYear = 2024;
    return in;
}

std::vector<HourlyWeather> EnglishDayWeather() {
    std::vector<HourlyWeather> rows;
    for (int h = 0; h < 24; ++h) rows.push_back({h, 40.0 + 2.5 * h, 2.0 + h % 7, h % 5});
    return rows;
}

struct PlanCase {
    const char* name;
    PavingDayRequest request;
    std::size_t nSlots;
};

PavingDayRequest Request(SimulationInputs base, int nFrom, int nTo, int nStep,
                         std::vector<HourlyWeather> hourly = {}) {
    PavingDayRequest r;
    r.base = base;
    r.nFromMinute = nFrom;
    r.nToMinute = nTo;
    r.nStepMinutes = nStep;
    r.hourly = std::move(hourly);
    return r;
}

class PlanSlotsTest : public ::testing::TestWithParam<PlanCase> {};

// Each slot equals RunCalculation at its clock time with its hour's weather; the slot list holds both
// ends when they lie on the step.
TEST_P(PlanSlotsTest, EachSlotIsTheSingleCalculation) {
    const PavingDayRequest& request = GetParam().request;
    std::vector<std::size_t> progress;
    const PavingDayPlan plan = PlanPavingDay(
        request, [&](std::size_t done, std::size_t total) { progress.push_back(done * 1000 + total); });
    ASSERT_EQ(plan.outcome, StudyOutcome::Done) << plan.fault.strMessage;
    ASSERT_EQ(plan.timeSlots.size(), GetParam().nSlots);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), plan.timeSlots.size() * 1001);
    for (std::size_t i = 0; i < plan.timeSlots.size(); ++i) {
        const PavingSlot& s = plan.timeSlots[i];
        EXPECT_EQ(s.nClockMinute, request.nFromMinute + static_cast<int>(i) * request.nStepMinutes);
        SimulationInputs in = request.base;
        in.m_nHour = s.nClockMinute / 60;
        in.m_nMinute = s.nClockMinute % 60;
        if (!request.hourly.empty()) {
            const HourlyWeather& w = request.hourly[in.m_nHour % 24];
            in.m_dAirTemp = w.dAirTemp;
            in.m_dWindSpeed = w.dWindSpeed;
            in.m_nSkyCondition = w.nSkyCondition;
        }
        EXPECT_EQ(s.dAirTemp, in.m_dAirTemp);
        const CalculationSummary one = RunCalculation(in).summary;
        EXPECT_EQ(s.nStartTime, one.start.nStartTime) << "slot " << i;
        EXPECT_EQ(s.dStopTime, one.stop.dStopTime) << "slot " << i;
        EXPECT_EQ(s.notice, one.stop.notice) << "slot " << i;
        EXPECT_EQ(s.dWindow, std::max(0.0, one.stop.dStopTime - one.start.nStartTime)) << "slot " << i;
        EXPECT_EQ(s.bShortWindow, s.dWindow < request.dMinimumWindow) << "slot " << i;
    }
    EXPECT_EQ(plan.best, BestSlots(plan.timeSlots));
}

INSTANTIATE_TEST_SUITE_P(
    Days, PlanSlotsTest,
    ::testing::Values(PlanCase{"DefaultDaySi", Request(RunB(), 5 * 60, 22 * 60, 30), 35},
                      PlanCase{"HourlyEnglishToMidnight",
                               Request(EnglishSummerDay(), 20 * 60, 24 * 60, 20, EnglishDayWeather()), 13},
                      PlanCase{"EndOffTheStep", Request(RunA(), 6 * 60, 7 * 60 + 50, 25), 5},
                      PlanCase{"OneSlot", Request(RunA(), 12 * 60, 12 * 60, 30), 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::function<void(PavingDayRequest&)> edit;
    const char* field;
    const char* text;  // part of the message
};

class PlanRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(PlanRefusalTest, NamesTheFieldAndWhatIsAllowed) {
    PavingDayRequest request = Request(RunA(), 5 * 60, 22 * 60, 30, EnglishDayWeather());
    for (HourlyWeather& w : request.hourly) w.dAirTemp = 10.0;  // within the SI range
    GetParam().edit(request);
    const PavingDayPlan plan = PlanPavingDay(request);
    EXPECT_EQ(plan.outcome, StudyOutcome::Refused);
    EXPECT_EQ(plan.fault.strField, GetParam().field);
    EXPECT_NE(plan.fault.strMessage.find(GetParam().text), std::string::npos) << plan.fault.strMessage;
    EXPECT_TRUE(plan.timeSlots.empty());
}

// The first rows go through CheckScenario, which every study calls first.
INSTANTIATE_TEST_SUITE_P(
    Requests, PlanRefusalTest,
    ::testing::Values(
        RefusalCase{"UnitsTwo", [](PavingDayRequest& r) { r.base.m_nUnits = 2; }, "units",
                    "units 2 is neither 0 (SI) nor 1 (English)"},
        RefusalCase{"BaseDeliveryTooHot", [](PavingDayRequest& r) { r.base.m_dDeliveryTemp = 157.21; },
                    "delivery temperature", "delivery temperature 157.21 C is outside 65.56 to 157.2 C"},
        RefusalCase{"NaNLift", [](PavingDayRequest& r) { r.base.m_dLiftThickness = 0.0 / 0.0; },
                    "lift thickness", "nan mm is outside 12.7 to 254 mm"},
        RefusalCase{
            "NoLeapDay",
            [](PavingDayRequest& r) { r.base.m_nYear = 2023, r.base.m_nMonth = 2, r.base.m_nDay = 29; },
            "day", "day 29 is outside 1 to 28"},
        RefusalCase{"NoMix", [](PavingDayRequest& r) { r.base.m_nMixType = -1; }, "mix type",
                    "-1 is not an entry of the list (0 Dense Graded, 1 SMA, 2 Superpave-Fine, 3 "
                    "Superpave-Coarse)"},
        RefusalCase{"ToBeforeFrom", [](PavingDayRequest& r) { r.nToMinute = 4 * 60; }, "to",
                    "04:00 is before the first, 05:00"},
        RefusalCase{"StepZero", [](PavingDayRequest& r) { r.nStepMinutes = 0; }, "step", "1 to 1440"},
        RefusalCase{"MinimumNegative", [](PavingDayRequest& r) { r.dMinimumWindow = -1.0; }, "minimum window",
                    "0 to 120 min"},
        RefusalCase{"HourWithoutRow", [](PavingDayRequest& r) { r.hourly.erase(r.hourly.begin() + 13); },
                    "hourly weather", "no row for hour 13 (paving at 13:00)"},
        RefusalCase{"HourTwice", [](PavingDayRequest& r) { r.hourly[3].nHour = 4; }, "hourly weather",
                    "hour 4 twice"},
        RefusalCase{"RowAirOutOfRange", [](PavingDayRequest& r) { r.hourly[9].dAirTemp = 50.0; },
                    "hourly weather", "hour 9 air temperature 50 C is outside -40 to 48.89 C"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BestCase {
    const char* name;
    std::vector<std::pair<double, CoolingNotice>> slots;  // window, notice
    std::vector<std::size_t> best;
};

class BestSlotsTest : public ::testing::TestWithParam<BestCase> {};

TEST_P(BestSlotsTest, LongestWindowsWithoutRapidNotice) {
    std::vector<PavingSlot> slots;
    for (const auto& [window, notice] : GetParam().slots) {
        PavingSlot s{};
        s.dWindow = window;
        s.notice = notice;
        slots.push_back(s);
    }
    EXPECT_EQ(BestSlots(slots), GetParam().best);
}

constexpr CoolingNotice kNone = CoolingNotice::None;
constexpr CoolingNotice kRapid = CoolingNotice::Rapid;
constexpr CoolingNotice kSlow = CoolingNotice::Slow;

INSTANTIATE_TEST_SUITE_P(
    Rule, BestSlotsTest,
    ::testing::Values(BestCase{"Longest", {{20, kNone}, {31, kNone}, {25, kNone}}, {1}},
                      BestCase{"TiesAllNamed", {{31, kNone}, {20, kNone}, {31, kSlow}}, {0, 2}},
                      BestCase{"RapidNeverBest", {{40, kRapid}, {12, kNone}, {3, kNone}}, {1}},
                      BestCase{"OnlyRapidLeft", {{4, kRapid}, {9, kRapid}, {9, kRapid}}, {1, 2}},
                      BestCase{"NoSlots", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlanPavingDay, StoppedBeforeTheEndShowsNoSlots) {
    std::stop_source source;
    source.request_stop();
    const PavingDayPlan plan = PlanPavingDay(Request(RunA(), 5 * 60, 22 * 60, 30), {}, source.get_token());
    EXPECT_EQ(plan.outcome, StudyOutcome::Cancelled);
    EXPECT_TRUE(plan.timeSlots.empty());
    EXPECT_TRUE(plan.best.empty());
}

}  // namespace
