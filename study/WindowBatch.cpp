#include "WindowBatch.h"

#include <algorithm>
#include <vector>

#include "Scenarios.h"

namespace {
// Scenarios drawn and answered at a time: enough to keep every core and lane busy, few enough that the
// inputs and summaries held stay near a few MB whatever the study's count.
constexpr std::size_t kChunkScenarios = 4096;
}  // namespace

double WindowLength(const WindowRun& run) {
    return std::max(0.0, run.stop.dStopTime - static_cast<double>(run.start.nStartTime));
}

double WindowLength(const CalculationSummary& summary) { return WindowLength({summary.start, summary.stop}); }

bool RunWindows(const std::function<SimulationInputs(std::size_t)>& scenario, std::span<WindowRun> out,
                const StudyProgress& progress, std::size_t nDoneBefore, std::size_t nTotal,
                const std::stop_token& stop) {
    const std::size_t nCount = out.size();
    std::vector<SimulationInputs> inputs;
    inputs.reserve(std::min(nCount, kChunkScenarios));
    for (std::size_t nBegin = 0; nBegin < nCount; nBegin += kChunkScenarios) {
        if (stop.stop_requested()) return false;
        const std::size_t n = std::min(kChunkScenarios, nCount - nBegin);
        // Drawn here, in order, on the caller's thread: a study's scenario function may count what it draws.
        inputs.clear();
        for (std::size_t i = 0; i < n; ++i) inputs.push_back(scenario(nBegin + i));
        // A chunk as small as the study's own, so that a short study still spreads over every core.
        ScenarioOptions options;
        options.nChunkJobs = n;
        const ScenarioResults results = RunScenarios(inputs, options, {}, stop);
        if (results.bCancelled) return false;
        for (std::size_t i = 0; i < n; ++i)
            out[nBegin + i] = {results.summaries[i].start, results.summaries[i].stop};
        if (progress) progress(nDoneBefore + nBegin + n, nTotal);
    }
    return true;
}
