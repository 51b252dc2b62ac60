#include "Calculation.h"

LaydownConditions LaydownConditionsOf(const SimulationInputs& inputs, const NormalizedInputs& normalized) {
    return {inputs.m_nMonth,    inputs.m_nDay,          inputs.m_nHour,      inputs.m_nMinute,
            inputs.m_dLatitude, inputs.m_nSkyCondition, normalized.dAirTemp, normalized.dWindSpeed};
}

CompactionStart ReadCompactionStart(const CoolingCurve& curve, int nPgHigh, UnitSystem axisUnits) {
    const double dStartTemp = StartTemperatureForGrade(nPgHigh);
    return {dStartTemp, FindStartTime(curve, dStartTemp, axisUnits)};
}

namespace {
CalculationSummary Calculate(const SimulationInputs& inputs, const SelectedProperties& previous,
                             CoolingCurve& curve, CoolingProfile* pProfile) {
    CalculationSummary s{};
    s.normalized = NormalizeInputs(inputs, previous);
    s.boundary = ComputeSurfaceBoundary(LaydownConditionsOf(inputs, s.normalized));
    s.nStopCode = RunCoolingSimulation(s.normalized, s.boundary, curve, pProfile);
    s.stop = StopOutcomeFromCode(s.nStopCode);
    s.start = ReadCompactionStart(curve, inputs.m_nPgHigh, DisplayUnitsOfCode(inputs.m_nUnits));
    return s;
}
}  // namespace

CalculationResult RunCalculation(const SimulationInputs& inputs, const SelectedProperties& previous) {
    CalculationResult r{};
    r.summary = Calculate(inputs, previous, r.curve, nullptr);
    return r;
}

CalculationWithProfile RunCalculationWithProfile(const SimulationInputs& inputs,
                                                 const SelectedProperties& previous) {
    CalculationWithProfile r{};
    r.summary = Calculate(inputs, previous, r.curve, &r.profile);
    return r;
}
