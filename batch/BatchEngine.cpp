#include "BatchEngine.h"

#include "Scenarios.h"

ScenarioAnswers AnswerScenarios(std::span<const SimulationInputs> inputs, bool bKeepCurves,
                                std::stop_token stop) {
    ScenarioOptions options;
    options.bKeepCurves = bKeepCurves;
    ScenarioResults results = RunScenarios(inputs, options, {}, stop);
    return {std::move(results.summaries), std::move(results.curves), results.bCancelled};
}
