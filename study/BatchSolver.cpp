#include "BatchSolver.h"

#include <tbb/blocked_range.h>
#include <tbb/info.h>
#include <tbb/parallel_for.h>
#include <tbb/partitioner.h>
#include <tbb/task_arena.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "BatchKernel.h"
#include "CoolingGrid.h"

namespace {

constexpr int kFewestMatCells = 6;  // MatCellCount's range
constexpr int kMostMatCells = 50;

void CheckSpans(std::span<const SolverJob> jobs, std::span<int> stopCodes, std::span<CoolingCurve> curves) {
    if (stopCodes.size() != jobs.size() || curves.size() != jobs.size())
        throw std::invalid_argument("cooling batch: stop codes and curves must be as many as the jobs");
    if (jobs.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("cooling batch: more than 4294967295 jobs");
}

// A stretch of the grid order: jobs order[nBegin..nEnd) share one mat cell count.
struct OrderSlice {
    std::size_t nBegin;
    std::size_t nEnd;
};

// Job indices grouped by mat cell count (ascending), in job order within a group, and the slices of
// equal cell count.
struct GridOrder {
    std::vector<std::uint32_t> order;
    std::vector<OrderSlice> runs;
};

GridOrder OrderByGrid(std::span<const SolverJob> jobs) {
    constexpr int kCounts = kMostMatCells - kFewestMatCells + 1;
    std::vector<std::uint8_t> cells(jobs.size());
    std::size_t start[kCounts + 1] = {};
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        cells[i] =
            static_cast<std::uint8_t>(MatCellCount(jobs[i].normalized.dLiftThickness) - kFewestMatCells);
        ++start[cells[i] + 1];
    }
    for (int c = 0; c < kCounts; ++c) start[c + 1] += start[c];
    GridOrder grid;
    for (int c = 0; c < kCounts; ++c)
        if (start[c + 1] > start[c]) grid.runs.push_back({start[c], start[c + 1]});
    grid.order.resize(jobs.size());
    for (std::size_t i = 0; i < jobs.size(); ++i)
        grid.order[start[cells[i]]++] = static_cast<std::uint32_t>(i);
    return grid;
}

}  // namespace

bool SolveCoolingBatch(std::span<const SolverJob> jobs, std::span<int> stopCodes,
                       std::span<CoolingCurve> curves, const BatchControl& control) {
    CheckSpans(jobs, stopCodes, curves);
    const GridOrder grid = OrderByGrid(jobs);

    // Work items: slices of one cell count, whole vector groups each except at the end of a run. Within an
    // item the kernel refills the lanes of finished runs, so only its last runs leave lanes idle.
    const std::size_t nGroup = static_cast<std::size_t>(KernelGroupLanes());
    const std::size_t nChunk = std::max<std::size_t>(1, (control.nChunkJobs + nGroup - 1) / nGroup) * nGroup;
    std::vector<OrderSlice> items;
    for (const OrderSlice& run : grid.runs)
        for (std::size_t b = run.nBegin; b < run.nEnd; b += nChunk)
            items.push_back({b, std::min(b + nChunk, run.nEnd)});

    std::mutex progressMutex;
    std::size_t nDone = 0;
    auto solveItem = [&](const OrderSlice& item) {
        if (control.stopToken.stop_requested()) return;
        SolveSameGridJobs(jobs, std::span(grid.order).subspan(item.nBegin, item.nEnd - item.nBegin),
                          stopCodes, curves);
        const std::lock_guard<std::mutex> lock(progressMutex);
        nDone += item.nEnd - item.nBegin;
        if (control.onProgress) control.onProgress(nDone);
    };

    const int nThreads = control.nThreads > 0 ? control.nThreads : tbb::info::default_concurrency();
    tbb::task_arena arena(nThreads);
    arena.execute([&] {
        tbb::parallel_for(
            tbb::blocked_range<std::size_t>(0, items.size(), 1),
            [&](const tbb::blocked_range<std::size_t>& r) {
                for (std::size_t i = r.begin(); i != r.end(); ++i) solveItem(items[i]);
            },
            tbb::simple_partitioner());
    });
    return nDone == jobs.size();
}

void SolveCoolingBatchOnThisThread(std::span<const SolverJob> jobs, std::span<int> stopCodes,
                                   std::span<CoolingCurve> curves) {
    CheckSpans(jobs, stopCodes, curves);
    const GridOrder grid = OrderByGrid(jobs);
    for (const OrderSlice& run : grid.runs)
        SolveSameGridJobs(jobs, std::span(grid.order).subspan(run.nBegin, run.nEnd - run.nBegin), stopCodes,
                          curves);
}

const char* BatchKernelTarget() { return KernelTargetName(); }

int BatchKernelLanes() { return KernelGroupLanes(); }
