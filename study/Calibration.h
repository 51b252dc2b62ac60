#pragma once

#include <stop_token>

#include "Calculation.h"
#include "SimulationInputs.h"
#include "StudyInputs.h"

// Calibration to one measured temperature: the delivery temperature that makes the model reproduce a
// reading taken on the mat, and the compaction window that follows from it.
//
// The model's value at t minutes is read from the run's profile (CoolingProfile: the surface node, or
// the temperature at half the lift), interpolated linearly in time between the 20 s samples around t
// (sample i lies at i / 3 minutes). A hotter delivery gives a hotter mat at every later time, so the
// search brackets the root between the ends of the delivery field's range and narrows it by regula
// falsi with the Illinois correction (a bisection step while the cold end's run has already ended
// before t). It stops when the model is within 0.01 C of the measurement, after 11 search runs at
// most; the fit is then rounded to hundredths (as the form holds it) and run once more for the window,
// curve and profile shown, so a calibration takes at most 12 engine runs.

enum class MeasurementPlace {
    Surface,   // an infrared reading of the surface
    MidDepth,  // a probe at half the lift's thickness
};

struct CalibrationRequest {
    // The scenario. Its m_dDeliveryTemp is what is fitted and is not read; everything else is checked as
    // CheckScenario checks it.
    SimulationInputs base;
    double dMeasuredTemp = 0.0;         // F or C (base.m_nUnits), any finite value
    double dMinutesAfterLaydown = 0.0;  // when it was measured: 0 < t <= 120, fractions allowed
    MeasurementPlace place = MeasurementPlace::Surface;
};

struct CalibrationResult {
    StudyOutcome outcome = StudyOutcome::Done;
    // When Refused: the field and a message in the scenario's units, naming the nearest value the model
    // can reach, e.g. "the hottest delivery (157.2 C) gives 96.43 C at 30 min at the surface".
    StudyFault fault;
    double dDeliveryTemp = 0.0;       // the fit in F or C, rounded to hundredths as the form holds it
    double dDeliveryTempExact = 0.0;  // the fit in F or C as the search found it
    double dModelTemp = 0.0;          // F or C: the fitted run's value at t, where the measurement was taken
    double dWindow = 0.0;             // minutes: fitted.summary.stop.dStopTime - start time, never below 0
    int nEngineRuns = 0;              // engine runs made, 1 to 12
    // The run with dDeliveryTemp: its stop time and notice, start, curve (mat mean, C) and profile (C).
    CalculationWithProfile fitted{};
};

// Fits the delivery temperature within the delivery range of the scenario's units (SI 65.56 to 157.2 C,
// English 150 to 315 F). Refuses a scenario CheckScenario refuses, a measurement that is not finite, a
// time outside 0 < t <= 120 min, a measurement hotter than the hottest delivery gives or colder than the
// coldest gives, and one taken after the run ends (the mat mean below 50 C) for every delivery that
// could match it. progress counts engine runs against 12.
CalibrationResult Calibrate(const CalibrationRequest& request, const StudyProgress& progress = {},
                            std::stop_token stop = {});
