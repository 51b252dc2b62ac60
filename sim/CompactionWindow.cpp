#include "CompactionWindow.h"

#include "UnitConversion.h"

StopOutcome StopOutcomeFromCode(int nStopCode) {
    if (nStopCode >= 10) return {static_cast<double>(nStopCode), CoolingNotice::None};
    if (nStopCode >= 0) return {static_cast<double>(nStopCode), CoolingNotice::Rapid};
    if (nStopCode == kStopNeverReached) return {120.0, CoolingNotice::Slow};
    // kStopRapidOrFailed, and any other negative code (the solver returns none): rapid, stop time 0.
    return {0.0, CoolingNotice::Rapid};
}

const char* NoticeName(CoolingNotice notice) {
    switch (notice) {
        case CoolingNotice::Slow:
            return "slow";
        case CoolingNotice::Rapid:
            return "rapid";
        case CoolingNotice::None:
            break;
    }
    return "none";
}

double StartTemperatureForGrade(int nPgHigh) { return nPgHigh > 4 ? 110.0 : 120.0; }

namespace {

// A curve from the solver has m_nLastSample within 0 to 360; any other count is held inside the
// arrays (below 0 reads as 0, above 360 as 360), so a damaged curve is never read out of bounds.
inline int LastSampleInRange(const CoolingCurve& curve) {
    if (curve.m_nLastSample < 0) return 0;
    if (curve.m_nLastSample > kCurveCapacity - 1) return kCurveCapacity - 1;
    return curve.m_nLastSample;
}
}  // namespace

int FindStartSample(const CoolingCurve& curve, double dStartTempC, UnitSystem axisUnits) {
    const int nLast = LastSampleInRange(curve);
    // Compared on the axis the user sees, so an English axis can see two neighbouring C values as one F.
    const double dStart = ShownTemperature(dStartTempC, axisUnits);
    for (int i = 0; i < nLast - 1; ++i) {
        if (ShownTemperature(curve.m_dCurveTemp[i], axisUnits) < dStart) return i;
    }
    return -1;
}

int FindStartTime(const CoolingCurve& curve, double dStartTempC, UnitSystem axisUnits) {
    const int nFound = FindStartSample(curve, dStartTempC, axisUnits);
    if (nFound >= 0) return static_cast<int>(curve.m_dCurveTime[nFound]);  // truncation toward zero
    // None below: still hot at the end of the searched samples means compaction can wait the whole
    // two hours; a mat at or below the start temperature from laydown on can be rolled at once.
    const int nLast = LastSampleInRange(curve);
    const int nBefore = nLast > 0 ? nLast - 1 : 0;
    if (ShownTemperature(curve.m_dCurveTemp[nBefore], axisUnits) > ShownTemperature(dStartTempC, axisUnits))
        return 120;
    return 0;
}
