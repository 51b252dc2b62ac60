// Timings of the cooling engine. FullRunA is one whole Calculate from the Run A inputs:
// normalisation, boundary model and the 120-minute solve.
#include <benchmark/benchmark.h>

#include "Calculation.h"
#include "NamedRuns.h"

namespace {

void FullRunA(benchmark::State& state) {
    const SimulationInputs in = RunA();
    const SelectedProperties properties;
    int nLastSample = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        CalculationResult r = RunCalculation(in, properties);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
        nLastSample = r.curve.m_nLastSample;
    }
    if (nLastSample != 360) state.SkipWithError("Run A did not run to 120 minutes");
}
BENCHMARK(FullRunA)->Unit(benchmark::kMicrosecond);

void Boundary(benchmark::State& state) {
    int nHour = 12;
    double dAir = 10.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nHour);
        benchmark::DoNotOptimize(dAir);
        SurfaceBoundary b =
            ComputeSurfaceBoundary({6, 15, nHour, 0, 45.0, 0, dAir, 8.0 * 0.2777777777777778});
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(Boundary)->Unit(benchmark::kNanosecond);

void SolveRunA(benchmark::State& state) {
    const SimulationInputs in = RunA();
    const NormalizedInputs n = NormalizeInputs(in, SelectedProperties{});
    const SurfaceBoundary b = BoundaryOf(in, n);
    CoolingCurve curve;
    for (auto _ : state) {
        benchmark::DoNotOptimize(n);
        int code = RunCoolingSimulation(n, b, curve);
        benchmark::DoNotOptimize(code);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SolveRunA)->Unit(benchmark::kMicrosecond);

}  // namespace
