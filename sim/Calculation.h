#pragma once

#include "CompactionWindow.h"
#include "LayerProperties.h"
#include "SimulationInputs.h"
#include "SurfaceBoundary.h"

// The start of the compaction window.
struct CompactionStart {
    double dStartTemp;  // C: 120.0, or 110.0 for the two softest high grades
    int nStartTime;     // whole minutes after laydown
};

// The whole answer of one calculation except the curve.
struct CalculationSummary {
    NormalizedInputs normalized;  // SI working values, with the mix and existing properties used
    SurfaceBoundary boundary;
    int nStopCode;     // the solver's stop code
    StopOutcome stop;  // dStopTime (whole minutes), notice
    CompactionStart start;
};

struct CalculationResult {
    CalculationSummary summary;
    CoolingCurve curve;  // samples 0 to m_nLastSample; entries beyond are 0.0
};

// One calculation: normalisation, boundary model, solver, stop outcome and compaction start, in that
// order. `previous`: the properties kept from the last calculation, used where a list index selects
// nothing. The start is read for the high grade inputs.m_nPgHigh on the axis of inputs.m_nUnits as the
// chart shows it (0 SI, any other code English). The inputs are only read.
CalculationResult RunCalculation(const SimulationInputs& inputs, const SelectedProperties& previous = {});

// A calculation with the surface and mid-depth temperatures of every sample (CoolingProfile, in C).
struct CalculationWithProfile {
    CalculationSummary summary;
    CoolingCurve curve;
    CoolingProfile profile;  // samples 0 to curve.m_nLastSample; entries beyond are 0.0
};

// RunCalculation that records the profile too; summary and curve are the same doubles RunCalculation
// gives for the same inputs.
CalculationWithProfile RunCalculationWithProfile(const SimulationInputs& inputs,
                                                 const SelectedProperties& previous = {});

// Re-reads the start for another high grade (or axis units) from a kept curve; same rules as
// FindStartTime. nPgHigh is a list index (-1 and any other index outside the list count as hard grades).
CompactionStart ReadCompactionStart(const CoolingCurve& curve, int nPgHigh, UnitSystem axisUnits);

// What the boundary model reads of one paving situation: the date, time, latitude and sky of the inputs
// with the air temperature (C) and wind speed (m/s) of their SI working copies.
LaydownConditions LaydownConditionsOf(const SimulationInputs& inputs, const NormalizedInputs& normalized);
