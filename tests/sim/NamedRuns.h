#pragma once

#include "SimulationInputs.h"

// The worked runs of the cooling model, in SI units.
inline SimulationInputs SiInputs(int month, int day, int hour, int minute, double latitude, int sky,
                                 double air, double windKmh, double liftMm, double delivery, double surface) {
    SimulationInputs in;
    in.m_nUnits = UNITS_SI;
    in.m_nMonth = month;
    in.m_nDay = day;
    in.m_nHour = hour;
    in.m_nMinute = minute;
    in.m_dLatitude = latitude;
    in.m_nSkyCondition = sky;
    in.m_dAirTemp = air;
    in.m_dWindSpeed = windKmh;
    in.m_dLiftThickness = liftMm;
    in.m_dDeliveryTemp = delivery;
    in.m_dSurfaceTemp = surface;
    in.m_nMixType = 0;          // Dense Graded
    in.m_nMaterialType = 2;     // Granular Base
    in.m_nMoistureContent = 0;  // Dry
    in.m_nMoistureState = 1;    // Unfrozen
    return in;
}

// Run A: 15 June 12:00, latitude 45, Clear & Dry, air 10 C, wind 8 km/h, 75 mm at 150 C on 10 C.
inline SimulationInputs RunA() { return SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 8.0, 75.0, 150.0, 10.0); }
// Run B: 1 November 22:00, air 0 C, wind 30 km/h, 25 mm at 140 C on 0 C.
inline SimulationInputs RunB() { return SiInputs(11, 1, 22, 0, 45.0, 0, 0.0, 30.0, 25.0, 140.0, 0.0); }
// Run C: 15 January 02:00, air -10 C, wind 50 km/h, 12.7 mm at 80 C on -10 C.
inline SimulationInputs RunC() { return SiInputs(1, 15, 2, 0, 45.0, 0, -10.0, 50.0, 12.7, 80.0, -10.0); }

// The minute counter after `steps` steps: a running sum of the double nearest 1/3.
inline double RunningMinutes(int steps) {
    double tm = 0.0;
    for (int i = 0; i < steps; ++i) tm = tm + 0.3333333333333333;
    return tm;
}

#include <cstring>

#include "CoolingSolver.h"

// Bit-for-bit equality of two curves (all 361 entries of both arrays, and the last sample).
inline bool SameCurve(const CoolingCurve& a, const CoolingCurve& b) {
    return a.m_nLastSample == b.m_nLastSample &&
           std::memcmp(a.m_dCurveTime, b.m_dCurveTime, sizeof a.m_dCurveTime) == 0 &&
           std::memcmp(a.m_dCurveTemp, b.m_dCurveTemp, sizeof a.m_dCurveTemp) == 0;
}
