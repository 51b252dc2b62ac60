#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stop_token>
#include <vector>

#include "CoolingSolver.h"

// One cooling run to make: the inputs RunCoolingSimulation takes.
struct SolverJob {
    NormalizedInputs normalized;
    SurfaceBoundary boundary;
};

// How SolveCoolingBatch spreads its work and reports on it.
struct BatchControl {
    int nThreads = 0;              // worker threads; 0 or less: every hardware thread
    std::size_t nChunkJobs = 512;  // jobs a worker takes at a time (rounded up to whole vector groups)
    // Called after each finished chunk with the number of jobs finished so far (rising, last = all jobs
    // unless stopped). Calls come one at a time but from worker threads; an exception thrown here stops
    // the batch and is rethrown by SolveCoolingBatch.
    std::function<void(std::size_t nJobsDone)> onProgress;
    std::stop_token stopToken;  // checked before every chunk
};

// Solves every job with the vector kernel on all requested threads: stopCodes[i] and curves[i] equal
// what RunCoolingSimulation(jobs[i].normalized, jobs[i].boundary, curves[i]) returns and writes, bit for
// bit, whatever the thread count, chunk size or job order (curve entries beyond m_nLastSample are left
// as they were, as that function leaves them). Returns false when the stop token ended the batch before
// every job was solved; the outputs of unsolved jobs are then unspecified. Throws std::invalid_argument
// when stopCodes or curves is not as long as jobs.
bool SolveCoolingBatch(std::span<const SolverJob> jobs, std::span<int> stopCodes,
                       std::span<CoolingCurve> curves, const BatchControl& control);

// The same results on the calling thread only, without chunks, progress or stop: the vector kernel alone,
// for measuring it. Throws std::invalid_argument as SolveCoolingBatch does.
void SolveCoolingBatchOnThisThread(std::span<const SolverJob> jobs, std::span<int> stopCodes,
                                   std::span<CoolingCurve> curves);

// A stretch of a grid order: the positions [nBegin, nEnd).
struct OrderSlice {
    std::size_t nBegin;
    std::size_t nEnd;
};

// How a batch of jobs is split for the kernel: the job indices grouped by mat cell count (ascending, job
// order within a count), and work items, each a slice of one cell count of at most nItemJobs jobs rounded up
// to whole vector groups (the last item of a count may be shorter). Items are the unit a thread takes.
struct GridWork {
    std::vector<std::uint32_t> order;
    std::vector<OrderSlice> items;
};

// The split of `jobs` (at most 4294967295, else std::invalid_argument) into work items of about nItemJobs
// (0 counts as 1). SolveSameGridJobs(jobs, order[item], ...) solves one item.
GridWork PlanGridWork(std::span<const SolverJob> jobs, std::size_t nItemJobs);

// Name of the Highway target the kernel runs on this processor (hwy::TargetName: "AVX3", "AVX2", "SSE4",
// "SSSE3", "SCALAR"), and the number of scenarios it advances together (four vectors of doubles: 32 with
// AVX-512).
const char* BatchKernelTarget();
int BatchKernelLanes();
