#include "Calculation.h"

LaydownConditions LaydownConditionsOf(const SimulationInputs& inputs, const NormalizedInputs& normalized) {
    return {inputs.m_nMonth,    inputs.m_nDay,          inputs.m_nHour,      inputs.m_nMinute,
            inputs.m_dLatitude, inputs.m_nSkyCondition, normalized.dAirTemp, normalized.dWindSpeed};
}

CompactionStart ReadCompactionStart(const CoolingCurve& curve, int nPgHigh, UnitSystem axisUnits) {
    const double dStartTemp = StartTemperatureForGrade(nPgHigh);
    return {dStartTemp, FindStartTime(curve, dStartTemp, axisUnits)};
}

CalculationResult RunCalculation(const SimulationInputs& inputs, const SelectedProperties& previous) {
    CalculationResult r{};
    CalculationSummary& s = r.summary;
    s.normalized = NormalizeInputs(inputs, previous);
    s.boundary = ComputeSurfaceBoundary(LaydownConditionsOf(inputs, s.normalized));
    s.nStopCode = RunCoolingSimulation(s.normalized, s.boundary, r.curve);
    s.stop = StopOutcomeFromCode(s.nStopCode);
    s.start = ReadCompactionStart(r.curve, inputs.m_nPgHigh, DisplayUnitsOfCode(inputs.m_nUnits));
    return r;
}
