#include "BatchEngine.h"

#include "BatchSolver.h"

ScenarioAnswers AnswerScenarios(std::span<const SimulationInputs> inputs, bool bKeepCurves,
                                std::stop_token stop) {
    ScenarioAnswers answers;
    answers.summaries.resize(inputs.size());
    // The steps of RunCalculation, with the cooling runs of the whole span solved together in between.
    std::vector<SolverJob> jobs(inputs.size());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        CalculationSummary& s = answers.summaries[i];
        s.normalized = NormalizeInputs(inputs[i], SelectedProperties{});
        s.boundary = ComputeSurfaceBoundary(LaydownConditionsOf(inputs[i], s.normalized));
        jobs[i] = {s.normalized, s.boundary};
    }
    std::vector<CoolingCurve> curves(inputs.size());
    std::vector<int> stopCodes(inputs.size());
    BatchControl control;
    control.stopToken = stop;
    if (!SolveCoolingBatch(jobs, stopCodes, curves, control)) return {{}, {}, true};
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        CalculationSummary& s = answers.summaries[i];
        s.nStopCode = stopCodes[i];
        s.stop = StopOutcomeFromCode(s.nStopCode);
        s.start = ReadCompactionStart(curves[i], inputs[i].m_nPgHigh, DisplayUnitsOfCode(inputs[i].m_nUnits));
    }
    if (bKeepCurves) answers.curves = std::move(curves);
    return answers;
}
