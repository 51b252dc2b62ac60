#pragma once

#include <cstring>

#include "CoolingSolver.h"
#include "SimulationInputs.h"

// The worked runs of the cooling model and the other inputs that the tests and the benchmark share.
// Header only, so that the benchmark uses it without linking the test library.

// SI inputs (wind km/h, lift mm, temperatures C) on Dense Graded mix over dry, unfrozen Granular Base.
inline SimulationInputs SiInputs(int month, int day, int hour, int minute, double latitude, int sky,
                                 double air, double windKmh, double liftMm, double delivery, double surface) {
    SimulationInputs in;
    in.m_nUnits = UnitCode(UnitSystem::SI);
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

// Never below the stop temperature in two hours (stop code -1): 254 mm at 157.2 C on PCC, air and
// surface 48.89 C, no wind, noon.
inline SimulationInputs SlowRun() {
    SimulationInputs in = SiInputs(6, 15, 12, 0, 45.0, 0, 48.89, 0.0, 254.0, 157.2, 48.89);
    in.m_nMaterialType = 1;
    return in;
}

// Below 50 C after the first 20 s (stop code -2): 12.7 mm at 65.56 C on wet, frozen base at -40 C,
// 193.08 km/h, clear winter night.
inline SimulationInputs RapidRun() {
    SimulationInputs in = SiInputs(1, 15, 2, 0, 45.0, 0, -40.0, 193.08, 12.7, 65.56, -40.0);
    in.m_nMoistureContent = 1;
    in.m_nMoistureState = 0;
    return in;
}

// Midsummer noon, air and surface 0 C, wind 20 km/h: lift (mm) and delivery temperature (C) choose the
// minute at which the mat mean crosses the stop temperature.
inline SimulationInputs SummerNoonRun(double liftMm, double delivery) {
    return SiInputs(6, 15, 12, 0, 45.0, 0, 0.0, 20.0, liftMm, delivery, 0.0);
}

// The boundary of the inputs' date, time, place and sky, at the normalised air temperature and wind.
inline SurfaceBoundary BoundaryOf(const SimulationInputs& in, const NormalizedInputs& n) {
    return ComputeSurfaceBoundary({in.m_nMonth, in.m_nDay, in.m_nHour, in.m_nMinute, in.m_dLatitude,
                                   in.m_nSkyCondition, n.dAirTemp, n.dWindSpeed});
}

// Solver inputs set directly, beyond the form's reach: air, surface and no wind at `air` C, a mat of
// `liftM` metres with conductivity `matConductivity` (W/(m K)) delivered at `delivery` C, on dry,
// unfrozen Granular Base.
inline NormalizedInputs CraftedInputs(double delivery, double matConductivity, double liftM, double air) {
    NormalizedInputs n{};
    n.dAirTemp = air;
    n.dSurfaceTemp = air;
    n.dDeliveryTemp = delivery;
    n.dLiftThicknessCm = liftM * 100.0;
    n.dLiftThickness = liftM;
    n.dWindSpeed = 0.0;
    n.mix = {matConductivity, 2000.0, 1000.0};
    n.existing = {1.16, 2000.0, 960.0};
    return n;
}

// The minute counter after `steps` steps: a running sum of the double nearest 1/3.
inline double RunningMinutes(int steps) {
    double tm = 0.0;
    for (int i = 0; i < steps; ++i) tm = tm + 0.3333333333333333;
    return tm;
}

// Bit-for-bit equality of two curves (all 361 entries of both arrays, and the last sample).
inline bool SameCurve(const CoolingCurve& a, const CoolingCurve& b) {
    return a.m_nLastSample == b.m_nLastSample &&
           std::memcmp(a.m_dCurveTime, b.m_dCurveTime, sizeof a.m_dCurveTime) == 0 &&
           std::memcmp(a.m_dCurveTemp, b.m_dCurveTemp, sizeof a.m_dCurveTemp) == 0;
}
