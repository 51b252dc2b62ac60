#pragma once

#include "CoolingSolver.h"

// A plain port of the cooling model exactly as written: every coefficient of every row, and the Thomas
// pivots, are recomputed in every pass. It makes the same choices as RunCoolingSimulation where the
// text leaves them open (n1 for odd lifts, a zero T[1] - dAirTemp, NaN change, the sample of a step
// that did not converge). Kept only to prove that the library's hoisted solver gives identical doubles.
int LiteralCoolingSimulation(const NormalizedInputs& inputs, const SurfaceBoundary& boundary,
                             CoolingCurve& curve);
