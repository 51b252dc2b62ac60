// Timings of the studies on the batch solver: a paving day of Run A every 30 minutes from 05:00 to 22:00
// (35 calculations) and an uncertainty study of Run A with 1000 samples (1011 calculations), each on every
// core. Wall-clock time, as a user waits for it.
#include <benchmark/benchmark.h>

#include "NamedRuns.h"
#include "PavingDayPlanner.h"
#include "Uncertainty.h"

namespace {

void PlannerDay(benchmark::State& state) {
    PavingDayRequest request;
    request.base = RunA();
    for (auto _ : state) {
        PavingDayPlan plan = PlanPavingDay(request);
        benchmark::DoNotOptimize(plan);
        if (plan.timeSlots.size() != 35) state.SkipWithError("the day did not give 35 slots");
    }
}
BENCHMARK(PlannerDay)->Unit(benchmark::kMillisecond)->UseRealTime();

void Uncertainty1000(benchmark::State& state) {
    UncertaintyRequest request;
    request.base = RunA();
    for (auto _ : state) {
        UncertaintyResult result = RunUncertainty(request);
        benchmark::DoNotOptimize(result);
        if (result.outcome != StudyOutcome::Done) state.SkipWithError("the study did not finish");
    }
}
BENCHMARK(Uncertainty1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
