#pragma once

#include "CoolingSolver.h"

// A reference solver of the cooling model in its plainest form: every coefficient of every row, and the
// Thomas pivots, are recomputed in every pass, and every sweep runs over all rows. It makes the same
// choices as RunCoolingSimulation (n1 for odd lifts, a zero T[1] - dAirTemp, NaN change, the sample of a
// step that did not converge). Kept only to prove that the library's solver, which forms what it can
// once and sweeps only what can change, gives identical doubles. With pProfile it also records node 0
// and the temperature at depth L/2, interpolated by position between the two cell centres around it
// (the library's value up to rounding), or the previous sample's after a step that did not converge.
int LiteralCoolingSimulation(const NormalizedInputs& inputs, const SurfaceBoundary& boundary,
                             CoolingCurve& curve, CoolingProfile* pProfile = nullptr);
