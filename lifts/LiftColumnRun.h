#pragma once

#include "CoolingColumn.h"
#include "CoolingRun.h"
#include "LiftSequence.h"

// The stepping of a lift sequence, for RunLiftSequence and for the checks that look into the column
// between steps (heat content). Not part of the public interface.

// RunLiftSequence in two stages. Prepare: the checks, then every lift's SI values, cell count, placement
// clock and boundary, with stop code kStopRapidOrFailed until its curve runs (`error` set and nothing
// else when refused). Run prepared: the column from the first placement to the end of the last curve
// (a LiftColumnRun), then every placed lift's stop outcome, compaction start and next-lift time.
LiftSequenceResult PrepareLiftSequence(const LiftSequenceInputs& inputs);
void RunPreparedLiftSequence(const LiftSequenceInputs& inputs, LiftSequenceResult& result);

// One lift's curve, sampled by the single-lift run's rules on the lift's own clock: a running minute
// counter of one third per step, the mean of the lift's cells refreshed at whole minutes and after the
// first step, the stop minute, the end below 50 C, and the end after 120 minutes.
struct LiftCurveSampler {
    double ts = 0.0;    // s since the lift's laydown
    double tm = 0.0;    // min since the lift's laydown, the running counter
    double Tavg = 0.0;  // C, the mean as last refreshed
    int nStop = kStopNeverReached;
    bool bRunning = false;
    int nFirstNode = 1;  // the lift's top cell; moves down as lifts go on above it
    int nCells = 0;

    // Sample 0: the mix as delivered.
    void Begin(CoolingCurve& curve, double dDeliveryTemp);
    // After a column step: counts the sample, and either records the failure (the minute counter and the
    // last mean, as the single-lift run records it) or reads the mean. Ends the curve when it is done.
    template <int kCapacity>
    void AfterStep(bool bSettled, const CoolingColumn<kCapacity>& column, CoolingCurve& curve);
};

class LiftColumnRun {
public:
    using Column = CoolingColumn<kLiftColumnNodes>;

    // `result` holds nLifts lifts with their placement, SI inputs, boundary and cell count; the run writes
    // their curves and stop codes (and bPlaced). The air temperature is the site's, in C.
    LiftColumnRun(LiftSequenceResult& result, double dAirTemp, bool bInsulatedTop);

    // Puts on the column every lift due at the present minute (several at once bottom first) and forms
    // the grid again; returns how many went on.
    int PlaceDue();
    // One 20 s step of the column and a sample of every running curve. false: the step did not settle;
    // the run is over.
    bool Advance();
    // Lifts wait to be placed, or a curve is still running, and no step has failed.
    bool Running() const;

    int Steps() const { return m_nSteps; }
    int PlacedLifts() const { return m_nPlaced; }
    const Column& ColumnState() const { return m_column; }

private:
    LiftSequenceResult& m_result;
    double m_dAirTemp;
    bool m_bInsulatedTop;
    int m_nSteps = 0;
    int m_nPlaced = 0;
    bool m_bFailed = false;
    SurfaceDrive m_drive{};
    LiftCurveSampler m_samplers[kMaxLifts];
    Column m_column;
    double m_dKept[kLiftColumnNodes];  // the cells kept across a placement
};

template <int kCapacity>
void LiftCurveSampler::AfterStep(bool bSettled, const CoolingColumn<kCapacity>& column, CoolingCurve& curve) {
    if (!bRunning) return;
    tm = tm + single_lift::kMinutesPerStep;
    curve.m_nLastSample = curve.m_nLastSample + 1;
    ts = ts + CoolingModel::kStepSeconds;

    if (!bSettled) {
        curve.m_dCurveTime[curve.m_nLastSample] = tm;
        curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
        nStop = kStopRapidOrFailed;
        bRunning = false;
        return;
    }

    if (std::fmod(ts, 60.0) == 0.0 || ts == CoolingModel::kStepSeconds)
        Tavg = column.MeanTemperature(nFirstNode, nCells);

    if (Tavg < STOP_TEMPERATURE && nStop == kStopNeverReached) nStop = static_cast<int>(tm);

    if (Tavg < single_lift::kColdMatTemp) {
        if (ts == CoolingModel::kStepSeconds) nStop = kStopRapidOrFailed;
        curve.m_dCurveTime[curve.m_nLastSample] = ts * single_lift::kSecondsToMinutes;
        curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
        bRunning = false;
        return;
    }

    curve.m_dCurveTime[curve.m_nLastSample] = tm;
    curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
    if (!(ts < single_lift::kRunSeconds)) bRunning = false;
}
