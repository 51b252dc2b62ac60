#include "Scenarios.h"

#include <tbb/blocked_range.h>
#include <tbb/enumerable_thread_specific.h>
#include <tbb/info.h>
#include <tbb/parallel_for.h>
#include <tbb/parallel_pipeline.h>
#include <tbb/partitioner.h>
#include <tbb/task_arena.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "BatchKernel.h"
#include "BatchSolver.h"

namespace {

constexpr std::size_t kMostChunkJobs = std::size_t{1} << 24;
// Chunks in flight: one being read, one solved, one written, so that neither end waits for the other.
constexpr std::size_t kChunksInFlight = 3;
// Jobs a thread takes at a time: enough vector groups that lanes seldom wait for the item's last runs,
// few enough that the threads finish a chunk close together.
constexpr std::size_t kMostItemJobs = 512;

// One chunk of scenarios on its way through the run. The spans point into the caller's vectors
// (RunScenarios) or into the chunk's own buffers (a stream).
struct Chunk {
    std::span<const SimulationInputs> inputs;
    std::span<CalculationSummary> summaries;
    std::span<CoolingCurve> curves;  // empty unless curves are kept
    std::vector<SolverJob> jobs;
    bool bAnswered = false;
    // A stream's own storage.
    std::vector<SimulationInputs> inputBuffer;
    std::vector<CalculationSummary> summaryBuffer;
    std::vector<CoolingCurve> curveBuffer;
};

// What one thread solves an item in: the item's jobs side by side, with their stop codes and curves.
struct ItemScratch {
    std::vector<SolverJob> jobs;
    std::vector<std::uint32_t> order;
    std::vector<int> codes;
    std::vector<CoolingCurve> curves;
};

// A curve as RunCalculation leaves it: the samples of the run, 0.0 beyond them.
void CopyCurve(const CoolingCurve& from, CoolingCurve& to) {
    const int last = std::clamp(from.m_nLastSample, 0, kCurveCapacity - 1);
    const std::size_t n = static_cast<std::size_t>(last) + 1;
    to.m_nLastSample = from.m_nLastSample;
    std::memcpy(to.m_dCurveTime, from.m_dCurveTime, n * sizeof(double));
    std::memcpy(to.m_dCurveTemp, from.m_dCurveTemp, n * sizeof(double));
    std::fill(to.m_dCurveTime + n, to.m_dCurveTime + kCurveCapacity, 0.0);
    std::fill(to.m_dCurveTemp + n, to.m_dCurveTemp + kCurveCapacity, 0.0);
}

// Counts answered (and, for a stream, read) scenarios and reports them one call at a time.
class ProgressCount {
public:
    ProgressCount(const ScenarioProgress& onProgress, std::size_t nTotal)
        : m_onProgress(onProgress), m_nTotal(nTotal) {}
    void Read(std::size_t n) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_nTotal += n;
    }
    void Answered(std::size_t n) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_nDone += n;
        if (m_onProgress) m_onProgress(m_nDone, m_nTotal);
    }

private:
    const ScenarioProgress& m_onProgress;
    std::mutex m_mutex;
    std::size_t m_nDone = 0;
    std::size_t m_nTotal;
};

// Answers chunks: the scalar set-up of every scenario, then the kernel over work items of one grid, each
// item's summaries read while its curves are fresh.
class ChunkSolver {
public:
    ChunkSolver(std::size_t nItemJobs, bool bKeepCurves, ProgressCount& progress, std::stop_token stop)
        : m_nItemJobs(nItemJobs), m_bKeepCurves(bKeepCurves), m_progress(progress), m_stop(std::move(stop)) {}

    // Fills the chunk's summaries (and curves); false when the stop token left any of them unanswered.
    bool Answer(Chunk& chunk) {
        const std::size_t n = chunk.inputs.size();
        chunk.jobs.resize(n);
        tbb::parallel_for(
            tbb::blocked_range<std::size_t>(0, n, 256), [&](const tbb::blocked_range<std::size_t>& r) {
                for (std::size_t i = r.begin(); i != r.end(); ++i) {
                    const SimulationInputs& in = chunk.inputs[i];
                    SolverJob& job = chunk.jobs[i];
                    job.normalized = NormalizeInputs(in, SelectedProperties{});
                    job.boundary = ComputeSurfaceBoundary(LaydownConditionsOf(in, job.normalized));
                }
            });
        const GridWork work = PlanGridWork(chunk.jobs, m_nItemJobs);
        std::atomic<std::size_t> nAnswered = 0;
        tbb::parallel_for(
            tbb::blocked_range<std::size_t>(0, work.items.size(), 1),
            [&](const tbb::blocked_range<std::size_t>& r) {
                for (std::size_t i = r.begin(); i != r.end(); ++i) {
                    if (m_stop.stop_requested()) return;
                    const OrderSlice& item = work.items[i];
                    const std::span<const std::uint32_t> order(work.order.data() + item.nBegin,
                                                               item.nEnd - item.nBegin);
                    AnswerItem(chunk, order);
                    nAnswered += order.size();
                    m_progress.Answered(order.size());
                }
            },
            tbb::simple_partitioner());
        return nAnswered == n;
    }

private:
    // Solves the chunk's jobs `order` side by side and writes their summaries (and curves).
    void AnswerItem(Chunk& chunk, std::span<const std::uint32_t> order) {
        ItemScratch& s = m_scratch.local();
        const std::size_t n = order.size();
        if (s.jobs.size() < n) {
            s.jobs.resize(n);
            s.order.resize(n);
            std::iota(s.order.begin(), s.order.end(), std::uint32_t{0});
            s.codes.resize(n);
            s.curves.resize(n);
        }
        for (std::size_t j = 0; j < n; ++j) s.jobs[j] = chunk.jobs[order[j]];
        const std::span<CoolingCurve> curves(s.curves.data(), n);
        SolveSameGridJobs(std::span(s.jobs.data(), n), std::span(s.order.data(), n),
                          std::span(s.codes.data(), n), curves);
        for (std::size_t j = 0; j < n; ++j) {
            const std::size_t i = order[j];
            const SimulationInputs& in = chunk.inputs[i];
            CalculationSummary& summary = chunk.summaries[i];
            summary.normalized = s.jobs[j].normalized;
            summary.boundary = s.jobs[j].boundary;
            summary.nStopCode = s.codes[j];
            summary.stop = StopOutcomeFromCode(s.codes[j]);
            summary.start = ReadCompactionStart(curves[j], in.m_nPgHigh, DisplayUnitsOfCode(in.m_nUnits));
            if (m_bKeepCurves) CopyCurve(curves[j], chunk.curves[i]);
        }
    }

    std::size_t m_nItemJobs;
    bool m_bKeepCurves;
    ProgressCount& m_progress;
    std::stop_token m_stop;
    tbb::enumerable_thread_specific<ItemScratch> m_scratch;
};

std::size_t ChunkJobs(const ScenarioOptions& options) {
    return std::clamp<std::size_t>(options.nChunkJobs, 1, kMostChunkJobs);
}

struct ChunksOutcome {
    std::size_t nTaken;  // scenarios of the chunks handed to take
    bool bAllAnswered;   // every scenario up to the end of the input was answered
};

// Runs chunks through three stages: fill(chunk, nMost) gives the next chunk of at most nMost scenarios
// (false: none left), the chunk is answered, and take(chunk) receives it, in order. exhausted() says,
// without reading, that no scenario is left; a stop requested before then leaves the rest unanswered.
// Once a stop is requested, or a chunk was left unanswered, no more chunks are taken.
template <class Exhausted, class Fill, class Take>
ChunksOutcome RunChunks(const ScenarioOptions& options, ProgressCount& progress, const std::stop_token& stop,
                        Exhausted exhausted, Fill fill, Take take) {
    const std::size_t nChunk = ChunkJobs(options);
    const int nThreads = options.nThreads > 0 ? options.nThreads : tbb::info::default_concurrency();
    const std::size_t nItemJobs = std::min(kMostItemJobs, nChunk / static_cast<std::size_t>(nThreads) + 1);
    ChunkSolver solver(nItemJobs, options.bKeepCurves, progress, stop);

    Chunk pool[kChunksInFlight];
    std::vector<Chunk*> freeChunks = {&pool[0], &pool[1], &pool[2]};
    std::mutex poolMutex;
    std::atomic<bool> bStopped = false;
    bool bBroken = false;  // a chunk went unanswered
    bool bTaking = true;   // chunks still go to take
    std::size_t nTaken = 0;

    tbb::task_arena arena(nThreads);
    arena.execute([&] {
        tbb::parallel_pipeline(
            kChunksInFlight,
            tbb::make_filter<void, Chunk*>(tbb::filter_mode::serial_in_order,
                                           [&](tbb::flow_control& fc) -> Chunk* {
                                               if (exhausted()) {
                                                   fc.stop();
                                                   return nullptr;
                                               }
                                               if (stop.stop_requested()) {
                                                   bStopped = true;
                                                   fc.stop();
                                                   return nullptr;
                                               }
                                               Chunk* chunk = nullptr;
                                               {
                                                   const std::lock_guard<std::mutex> lock(poolMutex);
                                                   chunk = freeChunks.back();
                                                   freeChunks.pop_back();
                                               }
                                               if (!fill(*chunk, nChunk)) {
                                                   const std::lock_guard<std::mutex> lock(poolMutex);
                                                   freeChunks.push_back(chunk);
                                                   fc.stop();
                                                   return nullptr;
                                               }
                                               return chunk;
                                           }) &
                tbb::make_filter<Chunk*, Chunk*>(tbb::filter_mode::parallel,
                                                 [&](Chunk* chunk) {
                                                     chunk->bAnswered = solver.Answer(*chunk);
                                                     return chunk;
                                                 }) &
                tbb::make_filter<Chunk*, void>(tbb::filter_mode::serial_in_order, [&](Chunk* chunk) {
                    bBroken = bBroken || !chunk->bAnswered;
                    bTaking = bTaking && !bBroken && !stop.stop_requested();
                    if (bTaking) {
                        take(*chunk);
                        nTaken += chunk->inputs.size();
                    }
                    const std::lock_guard<std::mutex> lock(poolMutex);
                    freeChunks.push_back(chunk);
                }));
    });
    return {nTaken, !bStopped && !bBroken};
}

}  // namespace

ScenarioResults RunScenarios(std::span<const SimulationInputs> inputs, const ScenarioOptions& options,
                             const ScenarioProgress& onProgress, std::stop_token stop) {
    ScenarioResults results;
    results.summaries.resize(inputs.size());
    if (options.bKeepCurves) results.curves.resize(inputs.size());
    ProgressCount progress(onProgress, inputs.size());
    std::size_t nNext = 0;
    auto fill = [&](Chunk& chunk, std::size_t nMost) {
        const std::size_t n = std::min(nMost, inputs.size() - nNext);
        if (n == 0) return false;
        chunk.inputs = inputs.subspan(nNext, n);
        chunk.summaries = std::span(results.summaries).subspan(nNext, n);
        if (options.bKeepCurves) chunk.curves = std::span(results.curves).subspan(nNext, n);
        nNext += n;
        return true;
    };
    const ChunksOutcome outcome = RunChunks(
        options, progress, stop, [&] { return nNext == inputs.size(); }, fill, [](const Chunk&) {});
    if (!outcome.bAllAnswered) {
        results = ScenarioResults{};
        results.bCancelled = true;
    }
    return results;
}

StreamOutcome RunScenarioStream(const ScenarioSource& read, const ScenarioSink& write,
                                const ScenarioOptions& options, const ScenarioProgress& onProgress,
                                std::stop_token stop) {
    ProgressCount progress(onProgress, 0);
    bool bEnded = false;
    std::size_t nRead = 0;
    auto fill = [&](Chunk& chunk, std::size_t nMost) {
        if (bEnded) return false;
        if (chunk.inputBuffer.size() != nMost) {
            chunk.inputBuffer.resize(nMost);
            chunk.summaryBuffer.resize(nMost);
            if (options.bKeepCurves) chunk.curveBuffer.resize(nMost);
        }
        std::size_t n = 0;
        while (n < nMost) {
            const std::size_t nRead = read(std::span(chunk.inputBuffer).subspan(n));
            if (nRead == 0) {
                bEnded = true;
                break;
            }
            if (nRead > nMost - n) throw std::length_error("scenario source: filled more than its room");
            n += nRead;
        }
        if (n == 0) return false;
        progress.Read(n);
        nRead += n;
        chunk.inputs = std::span(chunk.inputBuffer).first(n);
        chunk.summaries = std::span(chunk.summaryBuffer).first(n);
        if (options.bKeepCurves) chunk.curves = std::span(chunk.curveBuffer).first(n);
        return true;
    };
    auto take = [&](const Chunk& chunk) {
        write(chunk.inputs, chunk.summaries, std::span<const CoolingCurve>(chunk.curves));
    };
    const ChunksOutcome outcome = RunChunks(
        options, progress, stop, [&] { return bEnded; }, fill, take);
    return {outcome.nTaken, !outcome.bAllAnswered || outcome.nTaken < nRead};
}
