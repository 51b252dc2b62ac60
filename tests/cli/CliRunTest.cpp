#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "Calculation.h"
#include "CliOptionTable.h"
#include "CliRun.h"
#include "CommandLine.h"
#include "TemporaryFolder.h"

namespace fs = std::filesystem;

namespace {

constexpr std::time_t kNow = 1781524800;  // Mon 15 June 2026 12:00:00 UTC
const CliEnvironment kFixedEnvironment{kNow, "1781524800"};

using Args = std::vector<std::string>;

// The calculation of Run A, as the command line is asked for it.
Args RunAArgs() {
    return {"--units",    "si",         "--air",      "10",     "--wind",     "8",      "--sky",
            "0",          "--latitude", "45",         "--mix",  "0",          "--lift", "75",
            "--delivery", "150",        "--material", "2",      "--moisture", "0",      "--state",
            "1",          "--surface",  "10",         "--date", "2026-06-15", "--time", "12:00"};
}

Args With(Args args, std::initializer_list<std::string> more) {
    args.insert(args.end(), more);
    return args;
}

struct CurvePoint {
    double dTime;
    double dTemp;
};

// The "curve" entries of the JSON text, read back with from_chars.
std::vector<CurvePoint> CurveOf(const std::string& json) {
    std::vector<CurvePoint> points;
    const std::string tKey = "{\"t\": ";
    const std::string tempKey = ", \"temp_c\": ";
    for (auto at = json.find(tKey); at != std::string::npos; at = json.find(tKey, at + 1)) {
        CurvePoint point{};
        const char* p = json.data() + at + tKey.size();
        const char* end = json.data() + json.size();
        p = std::from_chars(p, end, point.dTime).ptr;
        if (std::string_view(p, tempKey.size()) != tempKey) break;
        std::from_chars(p + tempKey.size(), end, point.dTemp);
        points.push_back(point);
    }
    return points;
}

TEST(RunCli, RunAAsJsonStopsAt68AndRunsTheFullTwoHours) {
    const CliOutcome outcome = RunCli(With(RunAArgs(), {"--format", "json"}), kFixedEnvironment);
    ASSERT_EQ(outcome.nExitStatus, kExitDone) << outcome.strErr;
    EXPECT_EQ(outcome.strErr, "");
    const std::string& json = outcome.strOut;
    EXPECT_NE(json.find("\"stop_code\": 68,"), std::string::npos);
    EXPECT_NE(json.find("\"stop_time\": 68,"), std::string::npos);
    EXPECT_NE(json.find("\"notice\": \"none\","), std::string::npos);
    EXPECT_NE(json.find("\"last_sample\": 360,"), std::string::npos);
    EXPECT_NE(json.find("\"start_temp_c\": 120,"), std::string::npos);
    EXPECT_NE(json.find("\"units\": \"si\","), std::string::npos);
    EXPECT_NE(json.find("\"date\": \"2026-06-15\",\n    \"time\": \"12:00\"\n"), std::string::npos);
    EXPECT_NE(json.find("\"moisture\": \"Dry\","), std::string::npos);

    // Worked whole-minute samples of Run A; tolerance 0.005 C, the precision they are stated to.
    const std::vector<CurvePoint> curve = CurveOf(json);
    ASSERT_EQ(curve.size(), 361u);
    EXPECT_EQ(curve[0].dTime, 0.0);
    EXPECT_EQ(curve[0].dTemp, 150.0);
    EXPECT_NEAR(curve[3].dTemp, 143.95, 0.005);
    EXPECT_NEAR(curve[6].dTemp, 139.97, 0.005);
    EXPECT_NEAR(curve[15].dTemp, 132.03, 0.005);
    EXPECT_NEAR(curve[30].dTemp, 122.82, 0.005);
    EXPECT_EQ(curve[6].dTime, 1.9999999999999998);  // the running sum of thirds, not rounded on the way out
}

TEST(RunCli, JsonNumbersReadBackToTheEngineDoubles) {
    const CliOutcome outcome =
        RunCli(With(RunAArgs(), {"--format=json", "--pg-high", "46"}), kFixedEnvironment);
    ASSERT_EQ(outcome.nExitStatus, kExitDone) << outcome.strErr;

    const CliParseResult parsed = ParseCommandLine(With(RunAArgs(), {"--pg-high", "46"}), kNow);
    ASSERT_TRUE(parsed.bOk);
    const CalculationResult result = RunCalculation(parsed.request.record.inputs);
    const CoolingCurve& curve = result.curve;

    const std::vector<CurvePoint> points = CurveOf(outcome.strOut);
    ASSERT_EQ(points.size(), static_cast<std::size_t>(curve.m_nLastSample + 1));
    for (std::size_t i = 0; i < points.size(); ++i) {
        ASSERT_EQ(points[i].dTime, curve.m_dCurveTime[i]) << "sample " << i;
        ASSERT_EQ(points[i].dTemp, curve.m_dCurveTemp[i]) << "sample " << i;
    }
    std::string boundary = "\"boundary\": {\"absorbed_solar\": ";
    const auto at = outcome.strOut.find(boundary);
    ASSERT_NE(at, std::string::npos);
    double dAbsorbed = 0.0;
    const char* p = outcome.strOut.data() + at + boundary.size();
    std::from_chars(p, p + 40, dAbsorbed);
    EXPECT_EQ(dAbsorbed, result.summary.boundary.dAbsorbedSolar);
    EXPECT_NE(outcome.strOut.find("\"start_temp_c\": 110,"), std::string::npos);
}

TEST(RunCli, SameRunTwiceGivesIdenticalBytes) {
    for (const char* format : {"report", "json"}) {
        const Args args = With(RunAArgs(), {"--format", format});
        const CliOutcome first = RunCli(args, kFixedEnvironment);
        const CliOutcome second = RunCli(args, kFixedEnvironment);
        ASSERT_EQ(first.nExitStatus, kExitDone) << first.strErr;
        EXPECT_EQ(first.strOut, second.strOut) << format;
    }
}

TEST(RunCli, ReportIsTheExportText) {
    const CliOutcome outcome = RunCli(RunAArgs(), kFixedEnvironment);
    ASSERT_EQ(outcome.nExitStatus, kExitDone) << outcome.strErr;
    const std::string& report = outcome.strOut;
    EXPECT_EQ(report.rfind("KELVANOR 2.0 - Simulation Output\r\n\r\nTime of Simulation:\r\n"
                           "Mon Jun 15 12:00:00 2026\r\n",
                           0),
              0u);
    EXPECT_NE(report.find("Air Temp:\t10.00\tC\r\nWind:\t8.00\tkm/h\r\n"), std::string::npos);
    EXPECT_NE(report.find("Material:\tUnbound - Coarse\r\nMoisture:\tDry\r\nState:\tUnfrozen\r\n"),
              std::string::npos);
    EXPECT_NE(report.find("STOP compaction time: 68 min\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\n1.00\t143.95\t79.5\r\n"), std::string::npos);
    const std::string lastRow = report.substr(report.rfind("\r\n", report.size() - 3) + 2);
    EXPECT_EQ(lastRow.rfind("119.00\t", 0), 0u) << lastRow;
    EXPECT_EQ(lastRow.substr(lastRow.size() - 7), "\t79.5\r\n") << lastRow;
    const std::string header = "Time(min)\tTemp(C)\tStop(C)\r\n";
    const std::string rows = report.substr(report.find(header) + header.size());
    int nRows = 0;
    for (char c : rows) nRows += c == '\n';
    EXPECT_EQ(nRows, 120);
}

// SOURCE_DATE_EPOCH fixes the report's date line for reproducible files.
struct EpochCase {
    const char* name;
    const char* value;
    int nStatus;
    const char* dateLine;  // when accepted
};
void PrintTo(const EpochCase& c, std::ostream* os) { *os << c.name; }

class SourceDateEpoch : public testing::TestWithParam<EpochCase> {};

TEST_P(SourceDateEpoch, SetsOrRefusesTheDateLine) {
    const CliOutcome outcome = RunCli(RunAArgs(), {kNow, GetParam().value});
    EXPECT_EQ(outcome.nExitStatus, GetParam().nStatus) << outcome.strErr;
    if (GetParam().nStatus != kExitDone) {
        EXPECT_EQ(outcome.strOut, "");
        EXPECT_EQ(outcome.strErr.rfind("dravonel-cli: SOURCE_DATE_EPOCH ", 0), 0u) << outcome.strErr;
        return;
    }
    EXPECT_NE(outcome.strOut.find(std::string("Time of Simulation:\r\n") + GetParam().dateLine + "\r\n"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Environment, SourceDateEpoch,
    testing::Values(EpochCase{"EpochStart", "0", kExitDone, "Thu Jan 01 00:00:00 1970"},
                    EpochCase{"LeapDayEvening", "1709251199", kExitDone, "Thu Feb 29 23:59:59 2024"},
                    EpochCase{"Letters", "yesterday", kExitRefused, nullptr},
                    EpochCase{"Negative", "-1", kExitRefused, nullptr},
                    EpochCase{"TrailingText", "12s", kExitRefused, nullptr},
                    EpochCase{"LeadingBlank", " 12", kExitRefused, nullptr},
                    EpochCase{"BeyondAnyYear", "99999999999999999999", kExitRefused, nullptr},
                    EpochCase{"YearTooLargeForTheClock", "9223372036854775807", kExitRefused, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunCli, EmptySourceDateEpochMeansTheLocalClock) {
    const CliOutcome outcome = RunCli(RunAArgs(), {kNow, ""});
    ASSERT_EQ(outcome.nExitStatus, kExitDone);
    std::tm local{};
    localtime_r(&kNow, &local);
    char hour[8];
    std::snprintf(hour, sizeof hour, " %02d:", local.tm_hour);
    EXPECT_NE(outcome.strOut.substr(0, 80).find(hour), std::string::npos);
}

TEST(RunCli, JsonNeedsNoDateSoABadEpochDoesNotMatter) {
    EXPECT_EQ(RunCli(With(RunAArgs(), {"--format", "json"}), {kNow, "junk"}).nExitStatus, kExitDone);
}

class RunCliFiles : public TemporaryFolderFixture {};

TEST_F(RunCliFiles, OutputFileHoldsWhatStandardOutputWouldShow) {
    const fs::path file = dir_ / "Output.xls";
    const CliOutcome toFile = RunCli(With(RunAArgs(), {"--output", file.string()}), kFixedEnvironment);
    ASSERT_EQ(toFile.nExitStatus, kExitDone) << toFile.strErr;
    EXPECT_EQ(toFile.strOut, "");
    EXPECT_EQ(toFile.strErr, "");
    EXPECT_EQ(ReadFile(file), RunCli(RunAArgs(), kFixedEnvironment).strOut);
}

// A file that cannot be written: status 1, the file's name and the reason, and the old file kept.
struct WriteFailure {
    const char* name;
    const char* relative;
    const char* reason;
};
void PrintTo(const WriteFailure& c, std::ostream* os) { *os << c.name; }

class RunCliWriteFailure : public RunCliFiles, public testing::WithParamInterface<WriteFailure> {};

TEST_P(RunCliWriteFailure, ReportsTheFileAndWritesNothing) {
    fs::create_directory(dir_ / "folder");
    PutFile(dir_ / "folder" / "old.xls", "old");
    const std::string path = (dir_ / GetParam().relative).string();
    const CliOutcome outcome = RunCli(With(RunAArgs(), {"--output", path}), kFixedEnvironment);
    EXPECT_EQ(outcome.nExitStatus, kExitWriteFailed);
    EXPECT_EQ(outcome.strOut, "");
    EXPECT_EQ(outcome.strErr, "dravonel-cli: Cannot write \"" + path + "\": " + GetParam().reason + "\n");
    EXPECT_EQ(ReadFile(dir_ / "folder" / "old.xls"), "old");
    EXPECT_EQ(NamesIn(dir_ / "folder"), std::set<std::string>{"old.xls"});
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, RunCliWriteFailure,
    testing::Values(WriteFailure{"MissingFolder", "missing/Output.xls", "No such file or directory"},
                    WriteFailure{"OntoAFolder", "folder", "is a folder"},
                    WriteFailure{"BelowAFile", "folder/old.xls/Output.xls", "Not a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

// Refused input never creates the output file, whatever the refusal.
struct RefusedRun {
    const char* name;
    Args args;
};
void PrintTo(const RefusedRun& c, std::ostream* os) { *os << c.name; }

class RunCliRefusal : public RunCliFiles, public testing::WithParamInterface<RefusedRun> {};

TEST_P(RunCliRefusal, ExitsWithStatus2AndCreatesNoFile) {
    const fs::path file = dir_ / "Output.xls";
    Args args = {"--output", file.string()};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliOutcome outcome = RunCli(args, kFixedEnvironment);
    EXPECT_EQ(outcome.nExitStatus, kExitRefused);
    EXPECT_EQ(outcome.strOut, "");
    ASSERT_FALSE(outcome.strErr.empty());
    EXPECT_EQ(outcome.strErr.rfind("dravonel-cli: ", 0), 0u);
    EXPECT_EQ(outcome.strErr.find('\n'), outcome.strErr.size() - 1) << "one line: " << outcome.strErr;
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::is_empty(dir_));
}

INSTANTIATE_TEST_SUITE_P(
    Junk, RunCliRefusal,
    testing::Values(RefusedRun{"Letters", {"--air", "abc"}}, RefusedRun{"NotANumber", {"--air", "nan"}},
                    RefusedRun{"Infinity", {"--air", "inf"}}, RefusedRun{"Overflow", {"--air", "1e999"}},
                    RefusedRun{"Hexadecimal", {"--air", "0x10"}}, RefusedRun{"EmptyValue", {"--air="}},
                    RefusedRun{"OutOfRange", {"--air", "130"}},
                    RefusedRun{"Month13", {"--date", "2026-13-01"}},
                    RefusedRun{"NoLeapDay", {"--date", "2026-02-29"}},
                    RefusedRun{"April31", {"--date", "2026-04-31"}},
                    RefusedRun{"UnknownEntry", {"--mix", "Hot"}},
                    RefusedRun{"UnknownOption", {"--speed", "5"}}, RefusedRun{"MissingValue", {"--time"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RunCli, HelpListsEveryOptionAndEntry) {
    const CliOutcome outcome = RunCli({"--help"}, kFixedEnvironment);
    EXPECT_EQ(outcome.nExitStatus, kExitDone);
    const std::string& help = outcome.strOut;
    for (const OptionInfo& option : CliOptions()) {
        EXPECT_NE(help.find(std::string("  --") + option.name + " "), std::string::npos) << option.name;
        for (int i = 0; i < option.list.nCount; ++i)
            EXPECT_NE(help.find(std::string("\"") + option.list.names[i] + "\""), std::string::npos)
                << option.name << " entry " << option.list.names[i];
    }
    for (const char* range : {"-40 to 120 F", "-40 to 48.89 C", "0 to 193.08 km/h", "0.5 to 10 in.",
                              "12.7 to 254 mm", "65.56 to 157.2 C", "0 to 90 degrees", "hour 0 to 24"})
        EXPECT_NE(help.find(range), std::string::npos) << range;
}

TEST(RunCli, VersionIsOneLine) {
    const CliOutcome outcome = RunCli({"--version"}, kFixedEnvironment);
    EXPECT_EQ(outcome.nExitStatus, kExitDone);
    EXPECT_EQ(outcome.strOut, "dravonel-cli 2.0\n");
    EXPECT_EQ(outcome.strErr, "");
}

}  // namespace
