#pragma once

#include "LayerProperties.h"
#include "SurfaceBoundary.h"

constexpr int kCurveCapacity = 361;        // sample 0 and one every 20 s for 120 minutes
constexpr double STOP_TEMPERATURE = 79.5;  // C: compaction must stop below this mat mean

// Mean temperature of the new mat after laydown. Samples 0 to m_nLastSample are valid.
struct CoolingCurve {
    int m_nLastSample = 0;
    double m_dCurveTime[kCurveCapacity] = {};  // minutes after laydown
    double m_dCurveTemp[kCurveCapacity] = {};  // C
};

// Stop codes besides a minute count of 0 or more.
constexpr int kStopNeverReached = -1;   // still at or above 79.5 C after 120 minutes
constexpr int kStopRapidOrFailed = -2;  // below 50 C after 20 s, or a step did not converge

// Implicit finite-volume solve of the mat and three existing layers, 20 s steps, at most 120 minutes.
// Fills `curve` and returns the stop code: the truncated minute at which the mat mean first fell below
// STOP_TEMPERATURE, or kStopNeverReached, or kStopRapidOrFailed.
// Choices where the model leaves the behaviour open:
//  - a step that reaches 100 passes ends the run with kStopRapidOrFailed; the sample it counted
//    (m_nLastSample) is written with the running minute counter and the last mat mean (0.0 if the first
//    step fails), so no sample up to m_nLastSample holds data of an earlier calculation;
//  - when T[1] - dAirTemp is exactly 0.0 the change terms are divided by 1.0 instead (an absolute change
//    in kelvin against the same 0.00001 limit), so no infinity or NaN decides convergence; a change that
//    is NaN for any other reason (only with non-finite inputs) never counts as converged;
//  - n1 is MatCellCount(dLiftThickness) (CoolingGrid.h).
// Identical inputs give identical doubles; nothing is allocated.
int RunCoolingSimulation(const NormalizedInputs& inputs, const SurfaceBoundary& boundary,
                         CoolingCurve& curve);
