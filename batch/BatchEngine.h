#pragma once

#include <span>
#include <stop_token>
#include <vector>

#include "Calculation.h"

// The batch's one call into the engine (study/ RunScenarios), kept in this one place so that the engine
// behind it can change without the batch noticing.

struct ScenarioAnswers {
    std::vector<CalculationSummary> summaries;  // one per input, in input order
    std::vector<CoolingCurve> curves;           // likewise when curves were asked for, else empty
    bool bCancelled = false;                    // the stop token ended the run: both vectors are empty
};

// What RunCalculation(inputs[i]) gives for every input, bit for bit, the cooling runs on the vector kernel
// over every core (RunScenarios). Inputs are read in their own unit systems and not judged (see
// RunCalculation). Memory: about 0.5 KB a scenario, plus 6 KB with curves.
ScenarioAnswers AnswerScenarios(std::span<const SimulationInputs> inputs, bool bKeepCurves,
                                std::stop_token stop);
