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
}

}  // namespace

GridWork PlanGridWork(std::span<const SolverJob> jobs, std::size_t nItemJobs) {
    if (jobs.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::invalid_argument("cooling batch: more than 4294967295 jobs");
    constexpr int kCounts = kMostMatCells - kFewestMatCells + 1;
    std::vector<std::uint8_t> cells(jobs.size());
    std::size_t start[kCounts + 1] = {};
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        cells[i] =
            static_cast<std::uint8_t>(MatCellCount(jobs[i].normalized.dLiftThickness) - kFewestMatCells);
        ++start[cells[i] + 1];
    }
    for (int c = 0; c < kCounts; ++c) start[c + 1] += start[c];

    // Within an item the kernel refills the lanes of finished runs, so only its last runs leave lanes idle.
    const std::size_t nGroup = static_cast<std::size_t>(KernelGroupLanes());
    nItemJobs =
        std::min(nItemJobs, jobs.size());  // an item never needs more, and the rounding cannot overflow
    const std::size_t nItem =
        std::max<std::size_t>(1, nItemJobs / nGroup + (nItemJobs % nGroup != 0)) * nGroup;
    GridWork work;
    for (int c = 0; c < kCounts; ++c)
        for (std::size_t b = start[c]; b < start[c + 1]; b += nItem)
            work.items.push_back({b, std::min(b + nItem, start[c + 1])});
    work.order.resize(jobs.size());
    for (std::size_t i = 0; i < jobs.size(); ++i)
        work.order[start[cells[i]]++] = static_cast<std::uint32_t>(i);
    return work;
}

bool SolveCoolingBatch(std::span<const SolverJob> jobs, std::span<int> stopCodes,
                       std::span<CoolingCurve> curves, const BatchControl& control) {
    CheckSpans(jobs, stopCodes, curves);
    const GridWork work = PlanGridWork(jobs, control.nChunkJobs);
    std::span<const std::uint32_t> order(work.order);

    std::mutex progressMutex;
    std::size_t nDone = 0;
    auto solveItem = [&](const OrderSlice& item) {
        if (control.stopToken.stop_requested()) return;
        SolveSameGridJobs(jobs, order.subspan(item.nBegin, item.nEnd - item.nBegin), stopCodes, curves);
        const std::lock_guard<std::mutex> lock(progressMutex);
        nDone += item.nEnd - item.nBegin;
        if (control.onProgress) control.onProgress(nDone);
    };

    const int nThreads = control.nThreads > 0 ? control.nThreads : tbb::info::default_concurrency();
    tbb::task_arena arena(nThreads);
    arena.execute([&] {
        tbb::parallel_for(
            tbb::blocked_range<std::size_t>(0, work.items.size(), 1),
            [&](const tbb::blocked_range<std::size_t>& r) {
                for (std::size_t i = r.begin(); i != r.end(); ++i) solveItem(work.items[i]);
            },
            tbb::simple_partitioner());
    });
    return nDone == jobs.size();
}

void SolveCoolingBatchOnThisThread(std::span<const SolverJob> jobs, std::span<int> stopCodes,
                                   std::span<CoolingCurve> curves) {
    CheckSpans(jobs, stopCodes, curves);
    const GridWork work = PlanGridWork(jobs, jobs.size());
    for (const OrderSlice& item : work.items)
        SolveSameGridJobs(jobs, std::span(work.order).subspan(item.nBegin, item.nEnd - item.nBegin),
                          stopCodes, curves);
}

const char* BatchKernelTarget() { return KernelTargetName(); }

int BatchKernelLanes() { return KernelGroupLanes(); }
