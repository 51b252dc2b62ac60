#pragma once

#include <cmath>

#include "CoolingColumn.h"
#include "CoolingGrid.h"
#include "CoolingSolver.h"

// The run of one lift around the column (CoolingColumn.h): the grid of the mat on three existing layers,
// the curve's samples and the stop minute. Working storage is the column on the stack; nothing is
// allocated.

namespace single_lift {
// Minutes count as a running sum of 1/3 per step, never recomputed from the seconds, so they drift
// slightly below whole minutes (six steps give 1.9999999999999998); a run ending below 50 C is stamped
// with its seconds instead.
constexpr double kMinutesPerStep = CoolingModel::kThird;
constexpr double kSecondsToMinutes = 0.016666666666666666;  // nearest double to 1/60
constexpr double kRunSeconds = 7200.0;                      // 120 minutes
constexpr double kColdMatTemp = 50.0;                       // C: a mat mean below this ends the run

// The existing surface under the mat: thickness (m) and cells of each of the three layers.
constexpr double kExistingThickness[3] = {0.06, 0.1, 0.2};
constexpr int kExistingCells[3] = {6, 6, 8};
}  // namespace single_lift

// The temperature at half the depth of a mat of n1 cells (CoolingProfile): the middle cell's for odd n1,
// the mean of the two cells around the middle for even n1.
template <int kCapacity>
double MidDepthTemperature(const CoolingColumn<kCapacity>& column, int n1) {
    const int j = n1 / 2;
    if (n1 % 2 != 0) return column.T[j + 1];
    return (column.T[j] + column.T[j + 1]) * 0.5;
}

// Sets `column` up for the run of one lift: the mat (MatCellCount(dLiftThickness) cells, 6 to 50) at the
// delivery temperature over the three existing layers at the surface temperature, and forms its
// coefficients for the convection dConvection (W/(m2 K)). Returns the mat cell count. Any inputs are
// taken; non-finite ones give non-finite coefficients. The batch kernel copies its lanes from this column.
template <int kCapacity>
int SetUpSingleLiftColumn(CoolingColumn<kCapacity>& column, const NormalizedInputs& inputs,
                          double dConvection) {
    static_assert(kCapacity >= 71, "50 mat cells, 20 existing cells and the surface node");
    const int n1 = MatCellCount(inputs.dLiftThickness);
    const ColumnLayer layers[4] = {
        {inputs.dLiftThickness, n1, inputs.mix, inputs.dDeliveryTemp},
        {single_lift::kExistingThickness[0], single_lift::kExistingCells[0], inputs.existing,
         inputs.dSurfaceTemp},
        {single_lift::kExistingThickness[1], single_lift::kExistingCells[1], inputs.existing,
         inputs.dSurfaceTemp},
        {single_lift::kExistingThickness[2], single_lift::kExistingCells[2], inputs.existing,
         inputs.dSurfaceTemp},
    };
    // 6 to 50 mat cells and 20 existing ones always fit 71 nodes.
    [[maybe_unused]] const bool bFits = column.SetUp(layers, 4);
    column.FormCoefficients(dConvection);
    return n1;
}

// RunCoolingSimulation on a column of any capacity from 71 nodes up (it runs on kSingleLiftNodes);
// every capacity gives the same doubles. pProfile may be null; the run then records no profile.
template <int kCapacity>
int RunSingleLiftColumn(const NormalizedInputs& inputs, const SurfaceBoundary& boundary, CoolingCurve& curve,
                        CoolingProfile* pProfile = nullptr) {
    CoolingColumn<kCapacity> column;
    const int n1 = SetUpSingleLiftColumn(column, inputs, boundary.dConvection);

    // Sample 0: the mix as delivered.
    curve.m_nLastSample = 0;
    curve.m_dCurveTime[0] = 0.0;
    curve.m_dCurveTemp[0] = inputs.dDeliveryTemp;
    if (pProfile) {
        pProfile->m_dSurfaceTemp[0] = inputs.dDeliveryTemp;
        pProfile->m_dMidDepthTemp[0] = inputs.dDeliveryTemp;
    }

    const SurfaceDrive drive = SurfaceDriveOf(boundary);

    double ts = 0.0;    // s
    double tm = 0.0;    // min
    double Tavg = 0.0;  // C, the mat mean as last sampled
    int nStop = kStopNeverReached;
    for (;;) {
        tm = tm + single_lift::kMinutesPerStep;
        curve.m_nLastSample = curve.m_nLastSample + 1;
        ts = ts + CoolingModel::kStepSeconds;

        if (!column.AdvanceStep(drive, inputs.dAirTemp)) {
            // Unsettled after 100 passes: the counted sample gets the minute and the last mean.
            curve.m_dCurveTime[curve.m_nLastSample] = tm;
            curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
            if (pProfile) {
                const int i = curve.m_nLastSample;
                pProfile->m_dSurfaceTemp[i] = pProfile->m_dSurfaceTemp[i - 1];
                pProfile->m_dMidDepthTemp[i] = pProfile->m_dMidDepthTemp[i - 1];
            }
            return kStopRapidOrFailed;
        }
        if (pProfile) {
            pProfile->m_dSurfaceTemp[curve.m_nLastSample] = column.T[0];
            pProfile->m_dMidDepthTemp[curve.m_nLastSample] = MidDepthTemperature(column, n1);
        }

        // The mat mean (surface node excluded) is sampled at whole minutes and after the first step;
        // the samples between repeat it.
        if (std::fmod(ts, 60.0) == 0.0 || ts == CoolingModel::kStepSeconds)
            Tavg = column.MeanTemperature(1, n1);

        if (Tavg < STOP_TEMPERATURE && nStop == kStopNeverReached) nStop = static_cast<int>(tm);

        if (Tavg < single_lift::kColdMatTemp) {
            // Cold already after the first step: too rapid to compact at all.
            if (ts == CoolingModel::kStepSeconds) nStop = kStopRapidOrFailed;
            curve.m_dCurveTime[curve.m_nLastSample] = ts * single_lift::kSecondsToMinutes;
            curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
            return nStop;
        }

        curve.m_dCurveTime[curve.m_nLastSample] = tm;
        curve.m_dCurveTemp[curve.m_nLastSample] = Tavg;
        if (!(ts < single_lift::kRunSeconds)) return nStop;
    }
}
