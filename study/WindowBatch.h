#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <stop_token>

#include "Calculation.h"
#include "StudyInputs.h"

// Many whole calculations for the studies of this folder, answered by RunScenarios (normalisation and
// boundary as RunCalculation does, the default SelectedProperties: the studies refuse a list index that
// selects nothing), so every result equals RunCalculation(scenario).summary bit for bit. The studies keep
// only the window of each run; this adds the order and progress a study promises its caller.

struct WindowRun {
    CompactionStart start;
    StopOutcome stop;
};

// Window length in minutes: stop - start, never below 0 (a run that fails at once stops at 0 while its
// start can read 120 off a curve of one step).
double WindowLength(const WindowRun& run);
double WindowLength(const CalculationSummary& summary);

// Solves scenario(0) .. scenario(out.size() - 1) into out, drawing and answering a few thousand at a time
// so that memory stays bounded whatever the count; `scenario` is called once per index, in order, on this
// thread. After each chunk calls progress(nDoneBefore + done, nTotal) on this thread and checks the stop
// token; returns false when it stopped (out is then partly filled).
bool RunWindows(const std::function<SimulationInputs(std::size_t)>& scenario, std::span<WindowRun> out,
                const StudyProgress& progress, std::size_t nDoneBefore, std::size_t nTotal,
                const std::stop_token& stop);
