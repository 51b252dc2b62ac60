#include "CompactionWindow.h"

StopOutcome StopOutcomeFromCode(int nStopCode) {
    if (nStopCode >= 10) return {static_cast<double>(nStopCode), CoolingNotice::None};
    if (nStopCode >= 0) return {static_cast<double>(nStopCode), CoolingNotice::Rapid};
    if (nStopCode == kStopNeverReached) return {120.0, CoolingNotice::Slow};
    // kStopRapidOrFailed, and any other negative code (the solver returns none): rapid, stop time 0.
    return {0.0, CoolingNotice::Rapid};
}

double StartTemperatureForGrade(int nPgHigh) { return nPgHigh > 4 ? 110.0 : 120.0; }

namespace {
// A curve temperature (C) in the axis units of the plot: C on the SI axis, x * 1.8 + 32 otherwise.
inline double AxisTemperature(double dTempC, int nUnits) {
    return nUnits == 0 ? dTempC : dTempC * 1.8 + 32.0;
}

// A curve from the solver has m_nLastSample within 0 to 360; any other count is held inside the
// arrays (below 0 reads as 0, above 360 as 360), so a damaged curve is never read out of bounds.
inline int LastSampleInRange(const CoolingCurve& curve) {
    if (curve.m_nLastSample < 0) return 0;
    if (curve.m_nLastSample > kCurveCapacity - 1) return kCurveCapacity - 1;
    return curve.m_nLastSample;
}
}  // namespace

int FindStartSample(const CoolingCurve& curve, double dStartTempC, int nUnits) {
    const int nLast = LastSampleInRange(curve);
    const double dStart = AxisTemperature(dStartTempC, nUnits);
    for (int i = 0; i < nLast - 1; ++i) {
        if (AxisTemperature(curve.m_dCurveTemp[i], nUnits) < dStart) return i;
    }
    return -1;
}

int FindStartTime(const CoolingCurve& curve, double dStartTempC, int nUnits) {
    const int nFound = FindStartSample(curve, dStartTempC, nUnits);
    if (nFound >= 0) return static_cast<int>(curve.m_dCurveTime[nFound]);  // truncation toward zero
    const int nLast = LastSampleInRange(curve);
    const int nBefore = nLast > 0 ? nLast - 1 : 0;
    if (AxisTemperature(curve.m_dCurveTemp[nBefore], nUnits) > AxisTemperature(dStartTempC, nUnits))
        return 120;
    return 0;
}
