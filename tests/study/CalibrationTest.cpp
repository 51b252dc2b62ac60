// Calibration: a reading the engine itself produced leads back to the delivery temperature behind it,
// and readings the model cannot reach are refused naming the nearest value it can.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Calibration.h"
#include "NamedRuns.h"
#include "UnitConversion.h"

namespace {

SimulationInputs EnglishNoon() {
    SimulationInputs in;  // the form's English start values, 3 in. at 300 F
    in.m_nMonth = 6;
    in.m_nDay = 15;
    in.m_dDeliveryTemp = 287.35;
    return in;
}

struct RecoverCase {
    const char* name;
    SimulationInputs scenario;  // its delivery temperature is the one to recover
    MeasurementPlace place;
    double minutes;
};

// The engine's own value at t, linear between the 20 s samples around it, in the scenario's units.
double EngineReading(const SimulationInputs& in, MeasurementPlace place, double t) {
    const CalculationWithProfile run = RunCalculationWithProfile(in);
    const double* v =
        place == MeasurementPlace::Surface ? run.profile.m_dSurfaceTemp : run.profile.m_dMidDepthTemp;
    const int i = static_cast<int>(t * 3.0);
    const double w = t * 3.0 - i;
    const double c = w == 0.0 ? v[i] : v[i] + w * (v[i + 1] - v[i]);
    return in.m_nUnits == 0 ? c : CelsiusToFahrenheit(c);
}

class RecoverTest : public ::testing::TestWithParam<RecoverCase> {};

TEST_P(RecoverTest, FindsTheDeliveryBehindAnEngineReading) {
    const RecoverCase& c = GetParam();
    CalibrationRequest request;
    request.base = c.scenario;
    request.base.m_dDeliveryTemp = 100.0;  // not read
    request.dMeasuredTemp = EngineReading(c.scenario, c.place, c.minutes);
    request.dMinutesAfterLaydown = c.minutes;
    request.place = c.place;
    std::size_t nLastDone = 0;
    const CalibrationResult r = Calibrate(request, [&](std::size_t done, std::size_t) { nLastDone = done; });
    ASSERT_EQ(r.outcome, StudyOutcome::Done) << r.fault.strMessage;
    const double toC = c.scenario.m_nUnits == 0 ? 1.0 : 1.0 / 1.8;
    EXPECT_NEAR(r.dDeliveryTemp * toC, c.scenario.m_dDeliveryTemp * toC, 0.1);
    EXPECT_NEAR(r.dDeliveryTempExact * toC, c.scenario.m_dDeliveryTemp * toC, 0.1);
    EXPECT_EQ(r.dDeliveryTemp, RoundValue(r.dDeliveryTempExact));
    EXPECT_NEAR(r.dModelTemp * toC, request.dMeasuredTemp * toC, 0.05);
    EXPECT_LE(r.nEngineRuns, 12);
    EXPECT_EQ(nLastDone, 12u);
    const CalculationSummary truth = RunCalculation(c.scenario).summary;
    EXPECT_EQ(r.fitted.summary.stop.dStopTime, truth.stop.dStopTime);
    EXPECT_EQ(r.fitted.summary.stop.notice, truth.stop.notice);
    EXPECT_EQ(r.fitted.summary.start.nStartTime, truth.start.nStartTime);
    EXPECT_EQ(r.dWindow, truth.stop.dStopTime - truth.start.nStartTime);
    // The fitted run is the one the form would make with the rounded delivery.
    SimulationInputs fitted = c.scenario;
    fitted.m_dDeliveryTemp = r.dDeliveryTemp;
    const CalculationResult again = RunCalculation(fitted);
    EXPECT_TRUE(SameCurve(again.curve, r.fitted.curve));
}

INSTANTIATE_TEST_SUITE_P(
    Readings, RecoverTest,
    ::testing::Values(
        RecoverCase{"RunASurfaceAt30", RunA(), MeasurementPlace::Surface, 30.0},
        RecoverCase{"RunAProbeBetweenSamples", RunA(), MeasurementPlace::MidDepth, 12.55},
        RecoverCase{"EvenCellsSurfaceAt5", SummerNoonRun(24.0, 121.3), MeasurementPlace::Surface, 5.0},
        RecoverCase{"EnglishProbeAt45", EnglishNoon(), MeasurementPlace::MidDepth, 45.0},
        RecoverCase{"HottestDeliveryAtSurface", SummerNoonRun(75.0, 157.2), MeasurementPlace::Surface, 20.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefuseCase {
    const char* name;
    SimulationInputs scenario;
    double measured;
    double minutes;
    MeasurementPlace place;
    const char* field;
    const char* text;  // part of the message
};

class CalibrationRefusalTest : public ::testing::TestWithParam<RefuseCase> {};

TEST_P(CalibrationRefusalTest, NamesTheNearestReachableValue) {
    const RefuseCase& c = GetParam();
    const CalibrationResult r = Calibrate({c.scenario, c.measured, c.minutes, c.place});
    EXPECT_EQ(r.outcome, StudyOutcome::Refused);
    EXPECT_EQ(r.fault.strField, c.field);
    EXPECT_NE(r.fault.strMessage.find(c.text), std::string::npos) << r.fault.strMessage;
    EXPECT_EQ(r.dDeliveryTemp, 0.0);
    EXPECT_EQ(r.fitted.curve.m_nLastSample, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, CalibrationRefusalTest,
    ::testing::Values(RefuseCase{"TooHot", RunA(), 150.0, 30.0, MeasurementPlace::Surface,
                                 "measured temperature", "the hottest delivery (157.2 C) gives "},
                      RefuseCase{"TooCold", RunA(), 20.0, 30.0, MeasurementPlace::MidDepth,
                                 "measured temperature", "the coldest delivery (65.56 C) gives "},
                      RefuseCase{"TooHotEnglish", EnglishNoon(), 400.0, 10.0, MeasurementPlace::Surface,
                                 "measured temperature", "the hottest delivery (315 F) gives "},
                      RefuseCase{"LaterThanTheRun", RunA(), 80.0, 120.5, MeasurementPlace::Surface,
                                 "minutes after laydown", "120.5 min is later than the model runs (120 min)"},
                      RefuseCase{"AtLaydown", RunA(), 80.0, 0.0, MeasurementPlace::Surface,
                                 "minutes after laydown", "after laydown"},
                      RefuseCase{"AfterTheRunEnded", RunB(), 40.0, 60.0, MeasurementPlace::MidDepth,
                                 "minutes after laydown",
                                 "even the hottest delivery (157.2 C) leaves a mat mean below 50 C at "},
                      RefuseCase{"ColderThanAnyRunThatLasts", RunB(), 30.0, 10.0, MeasurementPlace::MidDepth,
                                 "measured temperature",
                                 "cooler deliveries leave a mat mean below 50 C before then"},
                      RefuseCase{"NotANumber", RunA(), std::nan(""), 30.0, MeasurementPlace::Surface,
                                 "measured temperature", "not a number"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Calibrate, StoppedShowsNoFit) {
    std::stop_source source;
    CalibrationRequest request{RunA(), 90.0, 30.0, MeasurementPlace::Surface};
    const CalibrationResult r = Calibrate(
        request, [&](std::size_t, std::size_t) { source.request_stop(); }, source.get_token());
    EXPECT_EQ(r.outcome, StudyOutcome::Cancelled);
    EXPECT_EQ(r.dDeliveryTemp, 0.0);
    EXPECT_EQ(r.fitted.curve.m_nLastSample, 0);
}

}  // namespace
