// The batch solver against the scalar engine: every stop code and every curve double must be the one
// RunCoolingSimulation gives, on every compiled vector target, for any thread count and chunk size.
#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "BatchKernel.h"
#include "BatchSolver.h"
#include "NamedRuns.h"
#include "RandomInputs.h"

namespace {

struct Batch {
    std::vector<std::string> names;
    std::vector<SolverJob> jobs;
};

SolverJob JobOf(const SimulationInputs& in) {
    SelectedProperties properties;
    const NormalizedInputs n = NormalizeInputs(in, properties);
    return {n, BoundaryOf(in, n)};
}

SimulationInputs With(SimulationInputs in, void (*edit)(SimulationInputs&)) {
    edit(in);
    return in;
}

// Random form inputs over the whole ranges of both unit systems and all lists, and the runs that end each
// way (rapid, slow, not converging, never converging for NaN, zero change denominators, the largest
// grid), shuffled together so that lanes of different endings share vectors.
const Batch& TestBatch() {
    static const Batch batch = [] {
        Batch b;
        InputsLcg rng(977);
        for (int i = 0; i < 420; ++i) {
            SimulationInputs in = RandomFormInputs(rng);
            // A third share one grid (7 mat cells): more runs than lanes, ending at different steps, so
            // that lanes take new jobs in the middle of a group's run.
            if (i % 3 == 0) in.m_dLiftThickness = in.m_nUnits == UnitCode(UnitSystem::SI) ? 75.0 : 3.0;
            b.names.push_back("random " + std::to_string(i));
            b.jobs.push_back(JobOf(in));
        }
        const std::pair<const char*, SolverJob> named[] = {
            {"RunA", JobOf(RunA())},
            {"RunB", JobOf(RunB())},
            {"RunC", JobOf(RunC())},
            {"SlowRun", JobOf(SlowRun())},
            {"RapidRun", JobOf(RapidRun())},
            {"StopCode8", JobOf(SummerNoonRun(24.0, 157.0))},
            {"Diverges1500C", JobOf(With(RunA(), [](SimulationInputs& s) { s.m_dDeliveryTemp = 1500.0; }))},
            {"NaNDelivery", JobOf(With(RunA(),
                                       [](SimulationInputs& s) {
                                           s.m_dDeliveryTemp = std::numeric_limits<double>::quiet_NaN();
                                       }))},
            {"LateNonConvergence50Cells",
             {CraftedInputs(95.0, 0.05, 0.5, 20.0), SurfaceBoundary{2100.0, 293.0, 4.0976, 20.0}}},
            {"Ordinary50Cells",
             {CraftedInputs(150.0, 2.0, 0.5, 10.0), SurfaceBoundary{500.0, 280.0, 10.0, 10.0}}},
            {"ZeroDenominator",
             {CraftedInputs(0.0, 2.0, 0.075, 0.0), SurfaceBoundary{0.0, 273.0, 4.0976, 0.0}}},
            {"ZeroDenominatorSixty",
             {CraftedInputs(60.0, 2.0, 0.075, 60.0), SurfaceBoundary{0.0, 333.0, 4.0976, 60.0}}},
        };
        for (const auto& [name, job] : named) {
            b.names.push_back(name);
            b.jobs.push_back(job);
        }
        for (std::size_t i = b.jobs.size() - 1; i > 0; --i) {
            const std::size_t j = rng.Next() % (i + 1);
            std::swap(b.jobs[i], b.jobs[j]);
            std::swap(b.names[i], b.names[j]);
        }
        return b;
    }();
    return batch;
}

// Stop codes and curves, prepared with values no run writes, so that entries a solver leaves alone
// compare equal only if both leave them alone.
struct Outputs {
    std::vector<int> codes;
    std::vector<CoolingCurve> curves;
    explicit Outputs(std::size_t n) : codes(n, 12345), curves(n) {
        for (CoolingCurve& c : curves) {
            c.m_nLastSample = -99;
            for (int i = 0; i < kCurveCapacity; ++i) c.m_dCurveTime[i] = c.m_dCurveTemp[i] = -7.25;
        }
    }
};

const Outputs& ScalarResults() {
    static const Outputs reference = [] {
        const Batch& b = TestBatch();
        Outputs out(b.jobs.size());
        for (std::size_t i = 0; i < b.jobs.size(); ++i)
            out.codes[i] = RunCoolingSimulation(b.jobs[i].normalized, b.jobs[i].boundary, out.curves[i]);
        return out;
    }();
    return reference;
}

::testing::AssertionResult SameAsScalar(const Outputs& out) {
    const Outputs& ref = ScalarResults();
    const Batch& b = TestBatch();
    for (std::size_t i = 0; i < ref.codes.size(); ++i) {
        if (out.codes[i] != ref.codes[i] || !SameCurve(out.curves[i], ref.curves[i]))
            return ::testing::AssertionFailure()
                   << b.names[i] << ": stop code " << out.codes[i] << " (scalar " << ref.codes[i]
                   << "), last sample " << out.curves[i].m_nLastSample << " (scalar "
                   << ref.curves[i].m_nLastSample << ")"
                   << (out.codes[i] == ref.codes[i] ? ", curve differs" : "");
    }
    return ::testing::AssertionSuccess();
}

TEST(BatchTable, ReachesEveryEnding) {
    int rapid = 0, failed = 0, slow = 0, early = 0, late = 0;
    for (std::size_t i = 0; i < ScalarResults().codes.size(); ++i) {
        const int code = ScalarResults().codes[i];
        const int last = ScalarResults().curves[i].m_nLastSample;
        rapid += code == kStopRapidOrFailed && last == 1;
        failed += code == kStopRapidOrFailed && last > 1;
        slow += code == kStopNeverReached;
        early += code >= 0 && code < 10;
        late += code >= 10;
    }
    EXPECT_GT(rapid, 0);
    EXPECT_GT(failed, 0);
    EXPECT_GT(slow, 0);
    EXPECT_GT(early, 0);
    EXPECT_GT(late, 0);
}

// Every vector target compiled into the kernel that this processor runs, forced in turn.
class BatchTargetTest : public ::testing::TestWithParam<std::int64_t> {
protected:
    void TearDown() override { hwy::SetSupportedTargetsForTest(0); }
};

TEST_P(BatchTargetTest, EqualsScalarEngine) {
    hwy::SetSupportedTargetsForTest(GetParam());
    ASSERT_STREQ(BatchKernelTarget(), hwy::TargetName(GetParam()));
    const Batch& b = TestBatch();
    Outputs out(b.jobs.size());
    SolveCoolingBatchOnThisThread(b.jobs, out.codes, out.curves);
    EXPECT_TRUE(SameAsScalar(out));
}

INSTANTIATE_TEST_SUITE_P(Targets, BatchTargetTest, ::testing::ValuesIn(KernelTargets()),
                         [](const auto& info) { return std::string(hwy::TargetName(info.param)); });

// Threads and chunks change only who solves what.
struct Split {
    const char* name;
    int nThreads;
    std::size_t nChunkJobs;
};

class BatchSplitTest : public ::testing::TestWithParam<Split> {};

TEST_P(BatchSplitTest, EqualsScalarEngine) {
    const Batch& b = TestBatch();
    Outputs out(b.jobs.size());
    std::vector<std::size_t> reported;
    BatchControl control;
    control.nThreads = GetParam().nThreads;
    control.nChunkJobs = GetParam().nChunkJobs;
    control.onProgress = [&](std::size_t n) { reported.push_back(n); };
    EXPECT_TRUE(SolveCoolingBatch(b.jobs, out.codes, out.curves, control));
    EXPECT_TRUE(SameAsScalar(out));
    ASSERT_FALSE(reported.empty());
    for (std::size_t i = 1; i < reported.size(); ++i) EXPECT_LT(reported[i - 1], reported[i]);
    EXPECT_EQ(reported.back(), b.jobs.size());
}

INSTANTIATE_TEST_SUITE_P(Splits, BatchSplitTest,
                         ::testing::Values(Split{"OneThreadOneGroupAtATime", 1, 1},
                                           Split{"TwoThreadsSmallChunks", 2, 7},
                                           Split{"TwoThreadsDefaultChunks", 2, 512},
                                           Split{"AllThreadsOneChunkPerGrid", 0, 1000000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BatchStop, StopDuringTheBatchEndsItEarly) {
    const Batch& b = TestBatch();
    Outputs out(b.jobs.size());
    std::stop_source stop;
    std::size_t nLastReported = 0;
    BatchControl control;
    control.nThreads = 2;
    control.nChunkJobs = 1;
    control.stopToken = stop.get_token();
    control.onProgress = [&](std::size_t n) {
        nLastReported = n;
        stop.request_stop();
    };
    EXPECT_FALSE(SolveCoolingBatch(b.jobs, out.codes, out.curves, control));
    // At most the chunk each thread had begun finishes after the request.
    EXPECT_GT(nLastReported, 0u);
    EXPECT_LE(nLastReported, 2u * static_cast<std::size_t>(BatchKernelLanes()));
}

TEST(BatchStop, StopBeforeTheBatchSolvesNothing) {
    const Batch& b = TestBatch();
    Outputs out(b.jobs.size());
    std::stop_source stop;
    stop.request_stop();
    BatchControl control;
    control.stopToken = stop.get_token();
    bool reported = false;
    control.onProgress = [&](std::size_t) { reported = true; };
    EXPECT_FALSE(SolveCoolingBatch(b.jobs, out.codes, out.curves, control));
    EXPECT_FALSE(reported);
    const Outputs untouched(b.jobs.size());
    for (std::size_t i = 0; i < b.jobs.size(); ++i) {
        EXPECT_EQ(out.codes[i], untouched.codes[i]);
        EXPECT_TRUE(SameCurve(out.curves[i], untouched.curves[i]));
    }
}

TEST(BatchSolver, RefusesOutputsOfAnotherLength) {
    const Batch& b = TestBatch();
    Outputs out(b.jobs.size() - 1);
    Outputs fits(b.jobs.size());
    EXPECT_THROW(SolveCoolingBatch(b.jobs, out.codes, fits.curves, BatchControl{}), std::invalid_argument);
    EXPECT_THROW(SolveCoolingBatch(b.jobs, fits.codes, out.curves, BatchControl{}), std::invalid_argument);
    EXPECT_THROW(SolveCoolingBatchOnThisThread(b.jobs, fits.codes, out.curves), std::invalid_argument);
}

}  // namespace
