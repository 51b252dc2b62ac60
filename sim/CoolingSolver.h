#pragma once

#include "LayerProperties.h"
#include "SurfaceBoundary.h"
#include "UnitConversion.h"

constexpr int kCurveCapacity = 361;        // sample 0 and one every 20 s for 120 minutes
constexpr double STOP_TEMPERATURE = 79.5;  // C: compaction must stop below this mat mean
// The stop level in F, as the English chart and report state it; the conversion gives this double exactly.
constexpr double kStopTemperatureF = 175.1;
static_assert(CelsiusToFahrenheit(STOP_TEMPERATURE) == kStopTemperatureF);

// Mean temperature of the new mat after laydown. Samples 0 to m_nLastSample are valid.
struct CoolingCurve {
    int m_nLastSample = 0;
    double m_dCurveTime[kCurveCapacity] = {};  // minutes after laydown
    double m_dCurveTemp[kCurveCapacity] = {};  // C
};

// The temperatures beside the mat mean at every sample of a run, for comparison with measurements: an
// infrared reading of the surface, a probe pushed to half the lift. Samples 0 to the curve's m_nLastSample
// are valid; entries beyond are left as they were.
//  - m_dSurfaceTemp: the surface node (zero width, node 0) in C;
//  - m_dMidDepthTemp: the temperature at depth L/2 of a lift L thick, in C. Mat cell j (1 to n1) has its
//    centre at (j - 0.5) * L / n1, so for odd n1 the middle cell (n1 + 1) / 2 sits at L/2 and is taken as
//    it is; for even n1, L/2 lies halfway between the centres of cells n1/2 and n1/2 + 1 and the value
//    is (T[n1/2] + T[n1/2 + 1]) * 0.5, the linear interpolation between them.
// Sample 0 holds the delivery temperature in both. Unlike the curve's mean, which is refreshed only at
// whole minutes, every sample holds the values at the end of its own 20 s step; a step that ends the run
// unsettled repeats the previous sample's values.
struct CoolingProfile {
    double m_dSurfaceTemp[kCurveCapacity] = {};   // C
    double m_dMidDepthTemp[kCurveCapacity] = {};  // C
};

// Stop codes besides a minute count of 0 or more.
constexpr int kStopNeverReached = -1;   // still at or above 79.5 C after 120 minutes
constexpr int kStopRapidOrFailed = -2;  // below 50 C after 20 s, or a step did not converge

// Node capacity of the single-lift column: the surface node, at most 50 mat cells and 20 existing ones,
// with room to spare.
constexpr int kSingleLiftNodes = 75;

// Implicit finite-volume solve of the mat and three existing layers (6 cells in 0.06 m, 6 in 0.1 m and
// 8 in 0.2 m), 20 s steps, at most 120 minutes. Fills samples 0 to m_nLastSample of `curve` (entries
// beyond are left as they were) and returns the stop code: the truncated minute at which the mat mean
// first fell below STOP_TEMPERATURE, or kStopNeverReached, or kStopRapidOrFailed.
// Where the model leaves the behaviour open:
//  - a step that reaches 100 passes ends the run with kStopRapidOrFailed; the sample it counted
//    (m_nLastSample) is written with the running minute counter and the last mat mean (0.0 if the first
//    step fails), so no sample up to m_nLastSample holds data of an earlier calculation;
//  - when T[1] - dAirTemp is exactly 0.0 the change terms are divided by 1.0 instead (an absolute change
//    in kelvin against the same 0.00001 limit), so no infinity or NaN decides convergence; a change that
//    is NaN for any other reason (only with non-finite inputs) never counts as converged;
//  - the mat has MatCellCount(dLiftThickness) cells (CoolingGrid.h).
// Identical inputs give identical doubles; nothing is allocated. With pProfile the surface and mid-depth
// temperatures of every sample are written there too (CoolingProfile); the curve and the stop code are
// the same doubles with or without it.
int RunCoolingSimulation(const NormalizedInputs& inputs, const SurfaceBoundary& boundary, CoolingCurve& curve,
                         CoolingProfile* pProfile = nullptr);
