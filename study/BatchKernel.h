#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "BatchSolver.h"

// Solves the jobs jobs[order[0]], jobs[order[1]], ... with the vector kernel of the dispatched Highway
// target, filling stopCodes[order[j]] and curves[order[j]]. Every listed job must have the same mat cell
// count (MatCellCount of its lift); indices must be below jobs.size() and the output spans as long as jobs.
// Any number of indices is accepted: a lane whose run ends takes the next listed job; lanes left without
// one compute a copy of the first job and write nothing.
void SolveSameGridJobs(std::span<const SolverJob> jobs, std::span<const std::uint32_t> order,
                       std::span<int> stopCodes, std::span<CoolingCurve> curves);

// Scenarios one kernel group advances together on the dispatched target: four vectors of doubles, so 32 with
// AVX-512, 16 with AVX2, 8 with SSE4 or SSSE3, 4 without vectors.
int KernelGroupLanes();

// hwy::TargetName of the dispatched target.
const char* KernelTargetName();

// The Highway targets compiled into the kernel that this processor runs, best first; a test forces each in
// turn with hwy::SetSupportedTargetsForTest.
std::vector<std::int64_t> KernelTargets();
