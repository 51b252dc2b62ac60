// Timing of a lift sequence beside FullRunA: 50 mm at 150 C, then 40 mm at 145 C 40 minutes later, at
// 10 C air and 10 km/h wind (15 June 12:00, latitude 45, Clear & Dry, Dense Graded on dry, unfrozen
// Granular Base at 10 C). The column runs 160 minutes; the aim is at most 2.5 times FullRunA.
#include <benchmark/benchmark.h>

#include "LiftSequence.h"
#include "NamedRuns.h"

namespace {

void TwoLifts(benchmark::State& state) {
    LiftSequenceInputs in;
    in.site = SiInputs(6, 15, 12, 0, 45.0, 0, 10.0, 10.0, 50.0, 150.0, 10.0);
    in.site.m_nYear = 2026;
    in.lifts = {{0, 50.0, 150.0, 4, 4, 0}, {0, 40.0, 145.0, 4, 4, 40}};
    int nColumnMinutes = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        LiftSequenceResult r = RunLiftSequence(in);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
        nColumnMinutes = r.nColumnMinutes;
    }
    if (nColumnMinutes != 160) state.SkipWithError("the two lifts did not run 160 minutes");
}
BENCHMARK(TwoLifts)->Unit(benchmark::kMicrosecond);

}  // namespace
