#include "WindowBatch.h"

#include <algorithm>
#include <vector>

#include "BatchSolver.h"

namespace {
// Scenarios solved per call of the batch solver: enough to keep every core and lane busy, few enough
// that their curves (about 5.8 kB each) stay near 24 MB.
constexpr std::size_t kChunkScenarios = 4096;
// Jobs a worker takes at a time inside a chunk: small, so that a chunk spreads over many cores.
constexpr std::size_t kWorkerJobs = 128;
}  // namespace

double WindowLength(const WindowRun& run) {
    return std::max(0.0, run.stop.dStopTime - static_cast<double>(run.start.nStartTime));
}

double WindowLength(const CalculationSummary& summary) { return WindowLength({summary.start, summary.stop}); }

bool RunWindows(const std::function<SimulationInputs(std::size_t)>& scenario, std::span<WindowRun> out,
                const StudyProgress& progress, std::size_t nDoneBefore, std::size_t nTotal,
                const std::stop_token& stop) {
    const std::size_t nCount = out.size();
    const std::size_t nChunk = std::min(nCount, kChunkScenarios);
    std::vector<SolverJob> jobs(nChunk);
    std::vector<SimulationInputs> inputs(nChunk);
    std::vector<int> codes(nChunk);
    std::vector<CoolingCurve> curves(nChunk);
    const SelectedProperties properties{};

    for (std::size_t nBegin = 0; nBegin < nCount; nBegin += nChunk) {
        if (stop.stop_requested()) return false;
        const std::size_t n = std::min(nChunk, nCount - nBegin);
        for (std::size_t i = 0; i < n; ++i) {
            inputs[i] = scenario(nBegin + i);
            jobs[i].normalized = NormalizeInputs(inputs[i], properties);
            jobs[i].boundary = ComputeSurfaceBoundary(LaydownConditionsOf(inputs[i], jobs[i].normalized));
        }
        BatchControl control;
        control.nChunkJobs = kWorkerJobs;
        control.stopToken = stop;
        const std::span<const SolverJob> chunkJobs(jobs.data(), n);
        if (!SolveCoolingBatch(chunkJobs, std::span(codes.data(), n), std::span(curves.data(), n), control))
            return false;
        for (std::size_t i = 0; i < n; ++i) {
            WindowRun& run = out[nBegin + i];
            run.stop = StopOutcomeFromCode(codes[i]);
            run.start =
                ReadCompactionStart(curves[i], inputs[i].m_nPgHigh, DisplayUnitsOfCode(inputs[i].m_nUnits));
        }
        if (progress) progress(nDoneBefore + nBegin + n, nTotal);
    }
    return true;
}
