#pragma once

#include "CompactionWindow.h"
#include "LayerProperties.h"
#include "SimulationInputs.h"
#include "SurfaceBoundary.h"

// Everything one calculation produces besides the curve.
struct CalculationResult {
    NormalizedInputs normalized;
    SurfaceBoundary boundary;
    int nStopCode;
    StopOutcome stop;
};

// Normalisation, boundary model and solver in that order, as the Calculate command runs them.
CalculationResult RunCalculation(const SimulationInputs& inputs, SelectedProperties& properties,
                                 CoolingCurve& curve);
