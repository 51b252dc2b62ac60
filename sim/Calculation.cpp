#include "Calculation.h"

CalculationResult RunCalculation(const SimulationInputs& inputs, SelectedProperties& properties,
                                 CoolingCurve& curve) {
    CalculationResult r{};
    r.normalized = NormalizeInputs(inputs, properties);
    r.boundary = ComputeSurfaceBoundary(inputs.m_nMonth, inputs.m_nDay, inputs.m_nHour, inputs.m_nMinute,
                                        inputs.m_dLatitude, inputs.m_nSkyCondition, r.normalized.dAirTemp,
                                        r.normalized.dWindSpeed);
    r.nStopCode = RunCoolingSimulation(r.normalized, r.boundary, curve);
    r.stop = StopOutcomeFromCode(r.nStopCode);
    return r;
}
