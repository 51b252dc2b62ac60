#pragma once

#include "CoolingSolver.h"
#include "ShownUnits.h"
#include "UnitConversion.h"
#include "UnitSystem.h"

enum class CoolingNotice { None, Slow, Rapid };

// The notice as every written result names it: "none", "slow" or "rapid" (any other value "none").
const char* NoticeName(CoolingNotice notice);

struct StopOutcome {
    double dStopTime;  // whole minutes after laydown
    CoolingNotice notice;
};

// Stop code -> stop time and notice: >= 10 none; 0 to 9 rapid; -1 slow and 120; -2 (and any other
// negative code) rapid and 0.
StopOutcome StopOutcomeFromCode(int nStopCode);

// Start temperature in C from the high-grade index: 110.0 for "52" and "46" (index > 4), else 120.0
// (-1, no selection, included).
double StartTemperatureForGrade(int nPgHigh);

// Start time in whole minutes, read off the curve as the chart reads it: the first of samples
// 0 to m_nLastSample - 2 strictly below the start temperature, compared in the axis units (C on the SI
// axis, x * 1.8 + 32 on the English one), its time truncated toward zero. None found: 120 when sample
// m_nLastSample - 1 is above the start temperature, otherwise 0 (the mat is already at or below it at
// laydown). A sample count outside 0 to 360 is held inside the arrays.
int FindStartTime(const CoolingCurve& curve, double dStartTempC, UnitSystem axisUnits);

// Index of the sample FindStartTime reads: the first of samples 0 to m_nLastSample - 2 strictly below
// the start temperature (C) in the axis units; -1 when there is none. The chart draws its start marker
// at this sample.
int FindStartSample(const CoolingCurve& curve, double dStartTempC, UnitSystem axisUnits);
