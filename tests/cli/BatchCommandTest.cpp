#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BatchRun.h"
#include "CliRun.h"
#include "TemporaryFolder.h"

namespace {

constexpr std::time_t kNow = 1781524800;  // Mon 15 June 2026 12:00:00 UTC
const CliEnvironment kEnvironment{kNow, "0"};

using Json = nlohmann::json;

// Rows across the engine's outcomes and the readers' paths: both unit systems, bound and unbound
// materials, the soft grades (start at 110 C), a slow run that never cools to the stop temperature, a
// rapid one, list entries by index, a quoted id with a comma.
constexpr const char* kRows =
    "id,units,air,wind,sky,latitude,mix,pg-high,pg-low,lift,delivery,material,moisture,state,surface,date,"
    "time\n"
    "run-a,si,10,8,Clear & Dry,45,Dense Graded,58,-34,75,150,Granular Base,Dry,Unfrozen,10,2026-06-15,12:00\n"
    "\"soft, english\",english,50,5,2,30,SMA,46,-40,2,280,AC,,,50,2026-01-10,08:30\n"
    "slow,si,48.89,0,0,45,0,58,-34,254,157.2,PCC,,,48.89,2026-06-15,12:00\n"
    "rapid,si,-40,193.08,0,45,0,58,-34,12.7,65.56,Granular Base,Wet,Frozen,-40,2026-01-15,02:00\n"
    "wet,english,-10.5,30,Overcast,89.99,3,52,-10,0.5,150,Subgrade Soil,1,0,-40,3001-12-31,24:60\n";

class BatchCommand : public TemporaryFolderFixture {
protected:
    std::string Put(const char* name, const std::string& text) {
        PutFile(dir_ / name, text);
        return (dir_ / name).string();
    }
};

// Each row of a batch gives what a single dravonel-cli calculation of the same inputs gives, to the bit.
TEST_F(BatchCommand, EveryRowEqualsTheSingleCalculation) {
    const std::string input = Put("rows.csv", kRows);
    const CliOutcome batch =
        RunCli({"batch", "--input", input, "--format", "jsonl", "--curves"}, kEnvironment);
    ASSERT_EQ(batch.nExitStatus, kExitDone) << batch.strErr;
    std::istringstream lines(batch.strOut);
    int nRows = 0;
    for (std::string line; std::getline(lines, line); ++nRows) {
        const Json row = Json::parse(line);
        std::vector<std::string> args{"--format", "json"};
        for (const char* name :
             {"units", "air", "wind", "sky", "latitude", "mix", "pg-high", "pg-low", "lift", "delivery",
              "material", "moisture", "state", "surface", "date", "time"}) {
            if (row[name].is_null()) continue;
            args.push_back(std::string("--") + name);
            args.push_back(row[name].is_string() ? row[name].get<std::string>() : row[name].dump());
        }
        const CliOutcome single = RunCli(args, kEnvironment);
        ASSERT_EQ(single.nExitStatus, kExitDone) << single.strErr;
        const Json expected = Json::parse(single.strOut);
        const std::string id = row["id"];
        EXPECT_EQ(row["stop_code"], expected["stop_code"]) << id;
        EXPECT_EQ(row["stop_time"], expected["stop_time"]) << id;
        EXPECT_EQ(row["start_temp"], expected["start_temp_c"]) << id;
        EXPECT_EQ(row["start_time"], expected["start_time"]) << id;
        EXPECT_EQ(row["notice"], expected["notice"]) << id;
        EXPECT_EQ(row["window"].get<double>(),
                  expected["stop_time"].get<double>() - expected["start_time"].get<double>())
            << id;
        ASSERT_EQ(row["curve"].size(), expected["curve"].size()) << id;
        for (std::size_t i = 0; i < row["curve"].size(); ++i) {
            ASSERT_EQ(row["curve"][i][0].get<double>(), expected["curve"][i]["t"].get<double>())
                << id << " " << i;
            ASSERT_EQ(row["curve"][i][1].get<double>(), expected["curve"][i]["temp_c"].get<double>())
                << id << " " << i;
        }
    }
    EXPECT_EQ(nRows, 5);
    EXPECT_NE(batch.strOut.find("{\"id\": \"soft, english\", \"units\": \"english\", \"air\": 50,"),
              std::string::npos);
    EXPECT_NE(batch.strOut.find("\"material\": \"AC\", \"moisture\": null, \"state\": null,"),
              std::string::npos);
}

// Chunks are an inner matter: any chunk size gives the same bytes, and a file gets what standard output gets.
TEST_F(BatchCommand, ChunkSizeAndDestinationDoNotChangeTheBytes) {
    const std::string input = Put("rows.csv", kRows);
    BatchRequest request;
    request.strInputPath = input;
    request.now = kNow;
    std::string whole;
    request.nChunkRows = 4096;
    ASSERT_EQ(RunBatch(request, {nullptr, &whole}).end, BatchEnd::Done);
    std::string byTwo;
    request.nChunkRows = 2;
    ASSERT_EQ(RunBatch(request, {nullptr, &byTwo}).end, BatchEnd::Done);
    EXPECT_EQ(byTwo, whole);
    EXPECT_EQ(
        whole.substr(0, whole.find('\n')),
        "id,units,air,wind,sky,latitude,mix,pg-high,pg-low,lift,delivery,material,moisture,state,surface,"
        "date,time,stop_code,stop_time,start_temp,start_time,window,notice");
    EXPECT_NE(
        whole.find("\n\"soft, english\",english,50,5,Partly Cloudy,30,SMA,46,-40,2,280,AC,,,50,2026-01-10,"
                   "08:30,"),
        std::string::npos);
    EXPECT_NE(
        whole.find("\nrun-a,si,10,8,Clear & Dry,45,Dense Graded,58,-34,75,150,Granular Base,Dry,Unfrozen,10,"
                   "2026-06-15,12:00,68,68,120,"),
        std::string::npos);

    const std::string output = (dir_ / "out.csv").string();
    const CliOutcome toFile = RunCli({"batch", "--input", input, "--output", output}, kEnvironment);
    ASSERT_EQ(toFile.nExitStatus, kExitDone) << toFile.strErr;
    EXPECT_EQ(toFile.strOut, "");
    EXPECT_EQ(ReadFile(output), whole);
}

// Refused input: the exit status, every message line, and an output file neither made nor changed.
struct BatchRefusal {
    const char* name;
    std::string csv;
    std::vector<std::string> args;  // after "batch --input FILE --output OUT"
    int nStatus;
    std::string messages;  // standard error, FILE standing for the input's name
};
void PrintTo(const BatchRefusal& c, std::ostream* os) { *os << c.name; }

class RefusedBatch : public BatchCommand, public testing::WithParamInterface<BatchRefusal> {};

std::string ManyBadRows() {
    std::string csv = "air\n";
    for (int i = 0; i < 25; ++i) csv += "x" + std::to_string(i) + "\n";
    return csv;
}

std::string ManyBadRowsMessages() {
    std::string text;
    for (int i = 0; i < 20; ++i)
        text += "dravonel-cli: FILE:" + std::to_string(i + 2) + ": air: not a number (\"x" +
                std::to_string(i) + "\"); allowed -40 to 120 F\n";
    return text + "dravonel-cli: ... and 5 more\n";
}

TEST_P(RefusedBatch, SaysWhereAndWhyAndWritesNothing) {
    const std::string input = Put("in.csv", GetParam().csv);
    const std::string output = Put("out.csv", "old");
    std::vector<std::string> args{"batch", "--input", input, "--output", output};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliOutcome outcome = RunCli(args, kEnvironment);
    EXPECT_EQ(outcome.nExitStatus, GetParam().nStatus);
    std::string expected = GetParam().messages;
    for (std::size_t at; (at = expected.find("FILE")) != std::string::npos;) expected.replace(at, 4, input);
    EXPECT_EQ(outcome.strErr, expected);
    EXPECT_EQ(outcome.strOut, "");
    EXPECT_EQ(ReadFile(output), "old");
    EXPECT_EQ(NamesIn(dir_), (std::set<std::string>{"in.csv", "out.csv"}));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedBatch,
    testing::Values(
        BatchRefusal{
            "EveryBadCellOfEveryRow",
            "id,units,air,sky,material,moisture,date\n"
            "1,si,50,Sunny,AC,Wet,2026-06-15\n"
            "2,si,10,0,2,,2026-06-15\n"
            "3,english,,0,2,Dry,2026-02-30\n",
            {},
            kExitRefused,
            "dravonel-cli: FILE:2: air: out of range (\"50\"); allowed -40 to 48.89 C\n"
            "dravonel-cli: FILE:2: sky: not an entry (\"Sunny\"); allowed 0 to 4 or \"Clear & Dry\", "
            "\"Humid & Hazy\", \"Partly Cloudy\", \"Mostly Cloudy\", \"Overcast\"\n"
            "dravonel-cli: FILE:2: moisture: not used with material \"AC\" (\"Wet\"); allowed only with "
            "\"Granular Base\" or \"Subgrade Soil\"\n"
            "dravonel-cli: FILE:4: air: not a number (\"\"); allowed -40 to 120 F\n"
            "dravonel-cli: FILE:4: date: not a calendar date (\"2026-02-30\"); allowed YYYY-MM-DD, a "
            "calendar date from 1990-01-01 to 3001-12-31\n"},
        BatchRefusal{"UnitsRefusedAloneSinceEveryNumberDependsOnIt",
                     "units,air\nmetric,abc\n",
                     {},
                     kExitRefused,
                     "dravonel-cli: FILE:2: units: not a unit system (\"metric\"); allowed english or si\n"},
        BatchRefusal{"TwentyListedThenACount", ManyBadRows(), {}, kExitRefused, ManyBadRowsMessages()},
        BatchRefusal{"FieldCountAndBrokenQuoting",
                     "id,air\n1\n2,\"3\"x\n4,5\n",
                     {},
                     kExitRefused,
                     "dravonel-cli: FILE:2: 1 fields where the header has 2\n"
                     "dravonel-cli: FILE:3: text after the closing quote of a field\n"},
        BatchRefusal{
            "UnknownColumn",
            "id,colour\n",
            {},
            kExitRefused,
            "dravonel-cli: FILE:1: \"colour\": not a column; allowed id, units, air, wind, sky, latitude, "
            "mix, pg-high, pg-low, lift, delivery, material, moisture, state, surface, date, time\n"},
        BatchRefusal{"ColumnTwice",
                     "air,wind,air\n",
                     {},
                     kExitRefused,
                     "dravonel-cli: FILE:1: air: a column given twice\n"},
        BatchRefusal{"EmptyFile",
                     "",
                     {},
                     kExitRefused,
                     "dravonel-cli: FILE: empty; the first line names the columns\n"},
        BatchRefusal{"CurvesNeedJsonLines",
                     "air\n10\n",
                     {"--curves"},
                     kExitRefused,
                     "dravonel-cli: --curves: not with --format csv; allowed with --format jsonl\n"},
        BatchRefusal{"UnknownFormat",
                     "air\n10\n",
                     {"--format", "xml"},
                     kExitRefused,
                     "dravonel-cli: --format \"xml\": not a format; allowed csv or jsonl\n"},
        BatchRefusal{"OptionOfTheCalculation",
                     "air\n10\n",
                     {"--air", "10"},
                     kExitRefused,
                     "dravonel-cli: unknown option \"--air\"; see --help\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BatchCommand, OutputThatCannotBeWrittenEndsWithStatus1) {
    const std::string input = Put("rows.csv", kRows);
    const std::string output = (dir_ / "missing" / "out.csv").string();
    const CliOutcome outcome = RunCli({"batch", "--input", input, "--output", output}, kEnvironment);
    EXPECT_EQ(outcome.nExitStatus, kExitWriteFailed);
    EXPECT_EQ(outcome.strErr, "dravonel-cli: Cannot write \"" + output + "\": No such file or directory\n");
}

}  // namespace
