// Throughput over 10,000 scenarios around Run A (air, wind, lift and delivery temperature each varied by up
// to +-10 %, fixed seed). The cooling run alone: the scalar solver one scenario at a time (BatchScalar), the
// vector kernel on one thread (BatchKernel) and on every core (BatchParallel). The whole answer
// (BatchThroughput): RunScenarios on every core - normalisation, boundary, kernel, stop outcome and start -
// against RunCalculation one scenario at a time on one thread, and RunScenarios on one thread
// (BatchThroughputOneThread).
// Counters: scenarios per second and the ratio to the matching scalar rate, which is timed once in the same
// process. One-thread rates count the CPU time of the calling thread, so that other load on a shared machine
// does not distort them; the parallel rates count wall-clock time.
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "BatchSolver.h"
#include "NamedRuns.h"
#include "Scenarios.h"

namespace {

constexpr int kScenarios = 10000;

const std::vector<SimulationInputs>& ScenarioInputs() {
    static const std::vector<SimulationInputs> inputs = [] {
        std::vector<SimulationInputs> v;
        std::uint64_t state = 20260615;
        auto factor = [&state] {  // uniform in [0.9, 1.1]
            state = state * 6364136223846793005ULL + 1442695040888963407ULL;
            return 0.9 + 0.2 * (static_cast<double>(state >> 11) * 0x1.0p-53);
        };
        for (int i = 0; i < kScenarios; ++i) {
            SimulationInputs in = RunA();
            in.m_dAirTemp *= factor();
            in.m_dWindSpeed *= factor();
            in.m_dLiftThickness *= factor();
            in.m_dDeliveryTemp *= factor();
            v.push_back(in);
        }
        return v;
    }();
    return inputs;
}

const std::vector<SolverJob>& Scenarios() {
    static const std::vector<SolverJob> jobs = [] {
        std::vector<SolverJob> v;
        for (const SimulationInputs& in : ScenarioInputs()) {
            const NormalizedInputs n = NormalizeInputs(in, SelectedProperties{});
            v.push_back({n, BoundaryOf(in, n)});
        }
        return v;
    }();
    return jobs;
}

struct Results {
    std::vector<int> codes = std::vector<int>(kScenarios);
    std::vector<CoolingCurve> curves = std::vector<CoolingCurve>(kScenarios);
};

void SolveScalar(Results& r) {
    const std::vector<SolverJob>& jobs = Scenarios();
    for (int i = 0; i < kScenarios; ++i)
        r.codes[i] = RunCoolingSimulation(jobs[i].normalized, jobs[i].boundary, r.curves[i]);
}

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Scenarios per CPU second of the scalar engine on one thread, timed once.
double ScalarRate() {
    static const double rate = [] {
        Results r;
        const double start = ThreadCpuSeconds();
        SolveScalar(r);
        return kScenarios / (ThreadCpuSeconds() - start);
    }();
    return rate;
}

// Runs `solve` once per benchmark iteration and sets the counters from the time `clock` measured.
template <class Solve>
void Measure(benchmark::State& state, double (*clock)(), Solve solve) {
    Results r;
    ScalarRate();
    double seconds = 0.0;
    for (auto _ : state) {
        const double start = clock();
        solve(r);
        seconds += clock() - start;
        benchmark::ClobberMemory();
    }
    const double rate = static_cast<double>(state.iterations()) * kScenarios / seconds;
    state.counters["scenarios/s"] = rate;
    state.counters["x_scalar"] = rate / ScalarRate();
}

void BatchScalar(benchmark::State& state) { Measure(state, ThreadCpuSeconds, SolveScalar); }
BENCHMARK(BatchScalar)->Unit(benchmark::kMillisecond);

void BatchKernel(benchmark::State& state) {
    Measure(state, ThreadCpuSeconds,
            [](Results& r) { SolveCoolingBatchOnThisThread(Scenarios(), r.codes, r.curves); });
    state.SetLabel(std::string(BatchKernelTarget()) + ", " + std::to_string(BatchKernelLanes()) + " lanes");
}
BENCHMARK(BatchKernel)->Unit(benchmark::kMillisecond);

void BatchParallel(benchmark::State& state) {
    Measure(state, WallSeconds, [&state](Results& r) {
        if (!SolveCoolingBatch(Scenarios(), r.codes, r.curves, BatchControl{}))
            state.SkipWithError("the batch stopped early");
    });
    state.SetLabel(std::string(BatchKernelTarget()) + ", " + std::to_string(BatchKernelLanes()) + " lanes");
}
BENCHMARK(BatchParallel)->Unit(benchmark::kMillisecond)->UseRealTime();

// Scenarios per CPU second of RunCalculation on one thread, the whole answer, timed once.
double WholeAnswerScalarRate() {
    static const double rate = [] {
        double sum = 0.0;
        const double start = ThreadCpuSeconds();
        for (const SimulationInputs& in : ScenarioInputs())
            sum += RunCalculation(in).summary.start.nStartTime;
        const double seconds = ThreadCpuSeconds() - start;
        benchmark::DoNotOptimize(sum);
        return kScenarios / seconds;
    }();
    return rate;
}

void BatchThroughput(benchmark::State& state) {
    const double scalarRate = WholeAnswerScalarRate();
    double seconds = 0.0;
    for (auto _ : state) {
        const double start = WallSeconds();
        const ScenarioResults r = RunScenarios(ScenarioInputs(), ScenarioOptions{});
        seconds += WallSeconds() - start;
        if (r.summaries.size() != ScenarioInputs().size()) state.SkipWithError("answers missing");
        benchmark::DoNotOptimize(r.summaries.data());
    }
    const double rate = static_cast<double>(state.iterations()) * kScenarios / seconds;
    state.counters["scenarios/s"] = rate;
    state.counters["scalar/s"] = scalarRate;
    state.counters["x_scalar"] = rate / scalarRate;
    state.SetLabel(std::string(BatchKernelTarget()) + ", " + std::to_string(BatchKernelLanes()) + " lanes");
}
BENCHMARK(BatchThroughput)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same on the calling thread alone, in its CPU time: what the whole answer costs beside the kernel.
void BatchThroughputOneThread(benchmark::State& state) {
    const double scalarRate = WholeAnswerScalarRate();
    ScenarioOptions options;
    options.nThreads = 1;
    double seconds = 0.0;
    for (auto _ : state) {
        const double start = ThreadCpuSeconds();
        const ScenarioResults r = RunScenarios(ScenarioInputs(), options);
        seconds += ThreadCpuSeconds() - start;
        benchmark::DoNotOptimize(r.summaries.data());
    }
    const double rate = static_cast<double>(state.iterations()) * kScenarios / seconds;
    state.counters["scenarios/s"] = rate;
    state.counters["x_scalar"] = rate / scalarRate;
}
BENCHMARK(BatchThroughputOneThread)->Unit(benchmark::kMillisecond);

}  // namespace
