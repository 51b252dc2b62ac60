#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "CommandLine.h"
#include "TemporaryFolder.h"

namespace {

constexpr std::time_t kNow = 1781524800;  // Mon 15 June 2026 12:00:00 UTC

// An SI job: air 10 C, lift 75 mm, Subgrade Soil, wet.
constexpr const char* kSiJob =
    "{\"format\": \"dravonel-job\", \"version\": 1, \"units\": \"si\",\n"
    " \"inputs\": {\"air\": \"10\", \"lift\": \"75\", \"material\": \"Subgrade Soil\", \"moisture\": \"Wet\","
    " \"date\": \"2026-06-15\", \"time\": \"12:00\"}}\n";

// --job takes the job's inputs; options beside it change them, read in the job's system unless --units
// names another, which converts the job's values as the form's unit switch does.
struct JobCase {
    const char* name;
    std::vector<std::string> args;  // after --job FILE
    double SimulationInputs::*member;
    double expected;
    int nUnits;
};
void PrintTo(const JobCase& c, std::ostream* os) { *os << c.name; }

class JobOption : public TemporaryFolderFixture, public testing::WithParamInterface<JobCase> {};

TEST_P(JobOption, TakesTheJobThenTheOptions) {
    PutFile(dir_ / "a.dravonel", kSiJob);
    std::vector<std::string> args{"--job", (dir_ / "a.dravonel").string()};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliParseResult parsed = ParseCommandLine(args, kNow);
    ASSERT_TRUE(parsed.bOk) << parsed.strError;
    EXPECT_EQ(parsed.request.record.inputs.*GetParam().member, GetParam().expected);
    EXPECT_EQ(parsed.request.record.inputs.m_nUnits, GetParam().nUnits);
    EXPECT_EQ(parsed.request.record.m_nActiveUnits, GetParam().nUnits);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, JobOption,
    testing::Values(
        JobCase{"JobValue", {}, &SimulationInputs::m_dLiftThickness, 75.0, 0},
        JobCase{"StartValueWhereTheJobHasNone", {}, &SimulationInputs::m_dWindSpeed, 8.05, 0},
        JobCase{"OptionReadInTheJobsUnits", {"--air", "40"}, &SimulationInputs::m_dAirTemp, 40.0, 0},
        JobCase{"UnitsConvertTheJob", {"--units", "english"}, &SimulationInputs::m_dLiftThickness, 2.95, 1},
        JobCase{"OptionReadInTheUnitsGiven",
                {"--air", "100", "--units", "english"},
                &SimulationInputs::m_dAirTemp,
                100.0,
                1}),
    [](const auto& info) { return std::string(info.param.name); });

class JobOptionRefusal : public TemporaryFolderFixture {};

TEST_F(JobOptionRefusal, NamesTheFileTheKeyAndTheReasonAndWritesNothing) {
    PutFile(dir_ / "bad.dravonel",
            "{\"format\": \"dravonel-job\", \"version\": 1, \"units\": \"si\", "
            "\"inputs\": {\"air\": \"abc\"}}");
    PutFile(dir_ / "empty.dravonel", "");
    PutFile(dir_ / "a.dravonel", kSiJob);
    const std::string out = (dir_ / "out.xls").string();
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--job", (dir_ / "bad.dravonel").string()},
         (dir_ / "bad.dravonel").string() + ": inputs.air: not a number (\"abc\"); allowed -40 to 48.89 C"},
        {{"--job", (dir_ / "empty.dravonel").string()},
         (dir_ / "empty.dravonel").string() + ": the file is empty and holds no inputs"},
        {{"--job", (dir_ / "a.dravonel").string(), "--air", "50"},
         "--air \"50\": out of range; allowed -40 to 48.89 C"},
        {{"--job="}, "--job \"\": no file name; allowed a file name"},
        {{"--job", (dir_ / "a.dravonel").string(), "--material", "AC"},
         ""},  // the job's moisture goes with it
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--output", out});
        const CliOutcome outcome = RunCli(args, {kNow, "0"});
        if (c.message.empty()) {
            EXPECT_EQ(outcome.nExitStatus, kExitDone) << outcome.strErr;
            continue;
        }
        EXPECT_EQ(outcome.nExitStatus, kExitRefused);
        EXPECT_EQ(outcome.strErr, "dravonel-cli: " + c.message + "\n");
        EXPECT_EQ(ReadFile(out), "");
    }
}

}  // namespace
