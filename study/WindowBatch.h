#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <stop_token>

#include "Calculation.h"
#include "StudyInputs.h"

// Many whole calculations on the batch solver, for the studies of this folder. Each scenario is
// normalised and given its boundary as RunCalculation does (with the default SelectedProperties: the
// studies refuse a list index that selects nothing), solved by SolveCoolingBatch, and read into its stop
// outcome and compaction start, so every result equals RunCalculation(scenario).summary bit for bit.

struct WindowRun {
    CompactionStart start;
    StopOutcome stop;
};

// Window length in minutes: stop - start, never below 0 (a run that fails at once stops at 0 while its
// start can read 120 off a curve of one step).
double WindowLength(const WindowRun& run);
double WindowLength(const CalculationSummary& summary);

// Solves scenario(0) .. scenario(out.size() - 1) into out, in chunks of a few thousand so that memory
// stays bounded whatever the count. After each chunk calls progress(nDoneBefore + done, nTotal) on this
// thread and checks the stop token; returns false when it stopped (out is then partly filled).
bool RunWindows(const std::function<SimulationInputs(std::size_t)>& scenario, std::span<WindowRun> out,
                const StudyProgress& progress, std::size_t nDoneBefore, std::size_t nTotal,
                const std::stop_token& stop);
