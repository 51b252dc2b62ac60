// RunScenarios and RunScenarioStream against the engine: every summary field and every kept curve must be
// the double RunCalculation gives, bit for bit, whatever the options; a stop leaves nothing that could pass
// for an answer.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "NamedRuns.h"
#include "RandomInputs.h"
#include "Scenarios.h"

namespace {

SimulationInputs With(SimulationInputs in, void (*edit)(SimulationInputs&)) {
    edit(in);
    return in;
}

// Random form inputs over every range and list of both unit systems, the runs that end each way, and
// values the form refuses (non-finite, out of range, indices outside their lists).
const std::vector<SimulationInputs>& Inputs() {
    static const std::vector<SimulationInputs> inputs = [] {
        constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
        constexpr double kInf = std::numeric_limits<double>::infinity();
        std::vector<SimulationInputs> v = {
            RunA(),
            RunB(),
            RunC(),
            SlowRun(),
            RapidRun(),
            SummerNoonRun(24.0, 157.0),
            With(RunA(), [](SimulationInputs& s) { s.m_dDeliveryTemp = 1500.0; }),  // never converges
            With(RunA(), [](SimulationInputs& s) { s.m_dDeliveryTemp = kNaN; }),
            With(RunB(), [](SimulationInputs& s) { s.m_dAirTemp = -kInf; }),
            With(RunA(), [](SimulationInputs& s) { s.m_dLiftThickness = kInf; }),
            With(RunA(), [](SimulationInputs& s) { s.m_dLiftThickness = -5.0; }),
            With(RunC(), [](SimulationInputs& s) { s.m_dWindSpeed = -10.0; }),
            With(SimulationInputs{},
                 [](SimulationInputs& s) {
                     s.m_nMonth = 13;
                     s.m_nDay = 40;
                     s.m_nHour = 99;
                 }),
            With(SimulationInputs{},
                 [](SimulationInputs& s) {
                     s.m_nUnits = 7;
                     s.m_nMixType = -1;
                     s.m_nMaterialType = 9;
                     s.m_nSkyCondition = 12;
                     s.m_nPgHigh = 40;
                 }),
        };
        InputsLcg rng(4242);
        for (int i = 0; i < 300; ++i) {
            const SimulationInputs in = RandomFormInputs(rng, true);
            v.push_back(in);
        }
        return v;
    }();
    return inputs;
}

const std::vector<CalculationResult>& Reference() {
    static const std::vector<CalculationResult> results = [] {
        std::vector<CalculationResult> r;
        for (const SimulationInputs& in : Inputs()) r.push_back(RunCalculation(in));
        return r;
    }();
    return results;
}

bool Same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool Same(const LayerProperties& a, const LayerProperties& b) {
    return Same(a.dConductivity, b.dConductivity) && Same(a.dDensity, b.dDensity) &&
           Same(a.dSpecificHeat, b.dSpecificHeat);
}

// Every field, bit for bit (the padding of the record is not compared).
bool Same(const CalculationSummary& a, const CalculationSummary& b) {
    const NormalizedInputs& n = a.normalized;
    const NormalizedInputs& m = b.normalized;
    return Same(n.dAirTemp, m.dAirTemp) && Same(n.dSurfaceTemp, m.dSurfaceTemp) &&
           Same(n.dDeliveryTemp, m.dDeliveryTemp) && Same(n.dLiftThicknessCm, m.dLiftThicknessCm) &&
           Same(n.dLiftThickness, m.dLiftThickness) && Same(n.dWindSpeed, m.dWindSpeed) &&
           Same(n.mix, m.mix) && Same(n.existing, m.existing) &&
           Same(a.boundary.dAbsorbedSolar, b.boundary.dAbsorbedSolar) &&
           Same(a.boundary.dSkyTemp, b.boundary.dSkyTemp) &&
           Same(a.boundary.dConvection, b.boundary.dConvection) &&
           Same(a.boundary.dAirTemp, b.boundary.dAirTemp) && a.nStopCode == b.nStopCode &&
           Same(a.stop.dStopTime, b.stop.dStopTime) && a.stop.notice == b.stop.notice &&
           Same(a.start.dStartTemp, b.start.dStartTemp) && a.start.nStartTime == b.start.nStartTime;
}

// Answers for inputs[nFirst...] against RunCalculation; curves too when given.
::testing::AssertionResult SameAsEngine(std::size_t nFirst, const std::vector<CalculationSummary>& summaries,
                                        const std::vector<CoolingCurve>& curves) {
    for (std::size_t j = 0; j < summaries.size(); ++j) {
        const CalculationResult& ref = Reference()[nFirst + j];
        if (!Same(summaries[j], ref.summary))
            return ::testing::AssertionFailure() << "scenario " << nFirst + j << ": summary differs";
        if (!curves.empty() && !SameCurve(curves[j], ref.curve))
            return ::testing::AssertionFailure() << "scenario " << nFirst + j << ": curve differs";
    }
    return ::testing::AssertionSuccess();
}

TEST(ScenarioTable, ReachesEveryEnding) {
    int rapid = 0, failed = 0, slow = 0, early = 0, late = 0, english = 0;
    for (std::size_t i = 0; i < Inputs().size(); ++i) {
        const CalculationSummary& s = Reference()[i].summary;
        const int last = Reference()[i].curve.m_nLastSample;
        rapid += s.nStopCode == kStopRapidOrFailed && last == 1;
        failed += s.nStopCode == kStopRapidOrFailed && last > 1;
        slow += s.nStopCode == kStopNeverReached;
        early += s.nStopCode >= 0 && s.nStopCode < 10;
        late += s.nStopCode >= 10;
        english += Inputs()[i].m_nUnits == UnitCode(UnitSystem::English);
    }
    EXPECT_GT(rapid, 0);
    EXPECT_GT(failed, 0);
    EXPECT_GT(slow, 0);
    EXPECT_GT(early, 0);
    EXPECT_GT(late, 0);
    EXPECT_GT(english, 50);
}

struct Setting {
    const char* name;
    ScenarioOptions options;
};

void PrintTo(const Setting& setting, std::ostream* os) { *os << setting.name; }

class ScenarioSettingTest : public ::testing::TestWithParam<Setting> {};

TEST_P(ScenarioSettingTest, RunScenariosEqualsEngine) {
    const ScenarioOptions& options = GetParam().options;
    std::vector<std::size_t> done;
    const ScenarioResults r = RunScenarios(Inputs(), options, [&](std::size_t nDone, std::size_t nTotal) {
        EXPECT_EQ(nTotal, Inputs().size());
        done.push_back(nDone);
    });
    EXPECT_FALSE(r.bCancelled);
    ASSERT_EQ(r.summaries.size(), Inputs().size());
    ASSERT_EQ(r.curves.size(), options.bKeepCurves ? Inputs().size() : 0u);
    EXPECT_TRUE(SameAsEngine(0, r.summaries, r.curves));
    ASSERT_FALSE(done.empty());
    for (std::size_t i = 1; i < done.size(); ++i) EXPECT_LT(done[i - 1], done[i]);
    EXPECT_EQ(done.back(), Inputs().size());
}

// The source hands out 7 rows a call, so chunks are filled by several reads.
TEST_P(ScenarioSettingTest, StreamEqualsEngine) {
    const ScenarioOptions& options = GetParam().options;
    std::size_t nRead = 0;
    std::vector<CalculationSummary> summaries;
    std::vector<CoolingCurve> curves;
    std::size_t nLastDone = 0;
    const StreamOutcome outcome = RunScenarioStream(
        [&](std::span<SimulationInputs> room) {
            const std::size_t n = std::min({room.size(), std::size_t{7}, Inputs().size() - nRead});
            for (std::size_t i = 0; i < n; ++i) room[i] = Inputs()[nRead++];
            return n;
        },
        [&](std::span<const SimulationInputs> in, std::span<const CalculationSummary> s,
            std::span<const CoolingCurve> c) {
            EXPECT_EQ(in.size(), s.size());
            EXPECT_EQ(c.size(), options.bKeepCurves ? s.size() : 0u);
            EXPECT_EQ(in.front().m_dAirTemp, Inputs()[summaries.size()].m_dAirTemp);
            summaries.insert(summaries.end(), s.begin(), s.end());
            curves.insert(curves.end(), c.begin(), c.end());
        },
        options,
        [&](std::size_t nDone, std::size_t nTotal) {
            EXPECT_LE(nDone, nTotal);
            nLastDone = nDone;
        });
    EXPECT_FALSE(outcome.bCancelled);
    EXPECT_EQ(outcome.nWritten, Inputs().size());
    ASSERT_EQ(summaries.size(), Inputs().size());
    EXPECT_TRUE(SameAsEngine(0, summaries, curves));
    EXPECT_EQ(nLastDone, Inputs().size());
}

ScenarioOptions Options(bool bKeepCurves, int nThreads, std::size_t nChunkJobs) {
    ScenarioOptions o;
    o.bKeepCurves = bKeepCurves;
    o.nThreads = nThreads;
    o.nChunkJobs = nChunkJobs;
    return o;
}

INSTANTIATE_TEST_SUITE_P(Settings, ScenarioSettingTest,
                         ::testing::Values(Setting{"Defaults", ScenarioOptions{}},
                                           Setting{"CurvesOneThreadOneScenarioChunks", Options(true, 1, 1)},
                                           Setting{"CurvesTwoThreadsOddChunks", Options(true, 2, 45)},
                                           Setting{"ZeroChunkCountsAsOne", Options(false, 2, 0)}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScenarioStop, StopHalfwayReturnsNoAnswers) {
    std::stop_source stop;
    std::size_t nCalls = 0;
    const ScenarioResults r = RunScenarios(
        Inputs(), Options(true, 2, 64),
        [&](std::size_t nDone, std::size_t nTotal) {
            ++nCalls;
            if (2 * nDone >= nTotal) stop.request_stop();
        },
        stop.get_token());
    EXPECT_GT(nCalls, 0u);
    EXPECT_TRUE(r.bCancelled);
    EXPECT_TRUE(r.summaries.empty());
    EXPECT_TRUE(r.curves.empty());
}

TEST(ScenarioStop, StoppedStreamWritesOnlyWholeChunksInOrder) {
    std::stop_source stop;
    std::size_t nRead = 0;
    std::vector<CalculationSummary> summaries;
    std::vector<std::size_t> chunkSizes;
    const StreamOutcome outcome = RunScenarioStream(
        [&](std::span<SimulationInputs> room) {
            const std::size_t n = std::min(room.size(), Inputs().size() - nRead);
            for (std::size_t i = 0; i < n; ++i) room[i] = Inputs()[nRead++];
            return n;
        },
        [&](std::span<const SimulationInputs>, std::span<const CalculationSummary> s,
            std::span<const CoolingCurve>) {
            chunkSizes.push_back(s.size());
            summaries.insert(summaries.end(), s.begin(), s.end());
            stop.request_stop();
        },
        Options(false, 2, 50), {}, stop.get_token());
    EXPECT_TRUE(outcome.bCancelled);
    EXPECT_EQ(outcome.nWritten, summaries.size());
    EXPECT_LT(summaries.size(), Inputs().size());
    for (std::size_t n : chunkSizes) EXPECT_EQ(n, 50u);
    EXPECT_TRUE(SameAsEngine(0, summaries, {}));
}

TEST(ScenarioStop, StopBeforeTheRunAnswersNothing) {
    std::stop_source stop;
    stop.request_stop();
    bool bReported = false;
    const ScenarioResults r = RunScenarios(
        Inputs(), ScenarioOptions{}, [&](std::size_t, std::size_t) { bReported = true; }, stop.get_token());
    EXPECT_TRUE(r.bCancelled);
    EXPECT_TRUE(r.summaries.empty());
    EXPECT_FALSE(bReported);
}

TEST(ScenarioStream, SourceFillingMoreThanItsRoomIsRefused) {
    EXPECT_THROW(RunScenarioStream([](std::span<SimulationInputs> room) { return room.size() + 1; },
                                   [](auto, auto, auto) {}, Options(false, 1, 8)),
                 std::length_error);
}

}  // namespace
