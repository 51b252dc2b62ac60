// Timings of the cooling engine. FullRunA is one whole Calculate from the Run A inputs:
// normalisation, boundary model and the 120-minute solve.
#include <benchmark/benchmark.h>

#include "Calculation.h"

namespace {

SimulationInputs RunAInputs() {
    SimulationInputs in;
    in.m_nUnits = UNITS_SI;
    in.m_nMonth = 6;
    in.m_nDay = 15;
    in.m_nHour = 12;
    in.m_nMinute = 0;
    in.m_dLatitude = 45.0;
    in.m_nSkyCondition = 0;  // Clear & Dry
    in.m_dAirTemp = 10.0;
    in.m_dWindSpeed = 8.0;  // km/h
    in.m_dLiftThickness = 75.0;
    in.m_dDeliveryTemp = 150.0;
    in.m_dSurfaceTemp = 10.0;
    in.m_nMixType = 0;       // Dense Graded
    in.m_nMaterialType = 2;  // Granular Base
    in.m_nMoistureContent = 0;
    in.m_nMoistureState = 1;
    return in;
}

void FullRunA(benchmark::State& state) {
    const SimulationInputs in = RunAInputs();
    SelectedProperties properties;
    CoolingCurve curve;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        CalculationResult r = RunCalculation(in, properties, curve);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
    if (curve.m_nLastSample != 360) state.SkipWithError("Run A did not run to 120 minutes");
}
BENCHMARK(FullRunA)->Unit(benchmark::kMicrosecond);

void Boundary(benchmark::State& state) {
    int nHour = 12;
    double dAir = 10.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nHour);
        benchmark::DoNotOptimize(dAir);
        SurfaceBoundary b = ComputeSurfaceBoundary(6, 15, nHour, 0, 45.0, 0, dAir, 8.0 * 0.2777777777777778);
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(Boundary)->Unit(benchmark::kNanosecond);

void SolveRunA(benchmark::State& state) {
    SelectedProperties properties;
    const NormalizedInputs n = NormalizeInputs(RunAInputs(), properties);
    const SurfaceBoundary b = ComputeSurfaceBoundary(6, 15, 12, 0, 45.0, 0, n.dAirTemp, n.dWindSpeed);
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
