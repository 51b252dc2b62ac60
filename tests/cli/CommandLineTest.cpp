#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CommandLine.h"

namespace {

constexpr std::time_t kNow = 1781524800;  // Mon 15 June 2026 12:00:00 UTC

using Args = std::vector<std::string>;

CliRequest Parsed(const Args& args) {
    const CliParseResult result = ParseCommandLine(args, kNow);
    EXPECT_TRUE(result.bOk) << result.strError;
    return result.request;
}

// Values compared exactly: what the engine sees must be the double the form would hold.
struct AcceptedNumber {
    const char* name;
    Args args;
    double SimulationInputs::*member;
    double expected;
};
void PrintTo(const AcceptedNumber& c, std::ostream* os) { *os << c.name; }

class AcceptedNumberOption : public testing::TestWithParam<AcceptedNumber> {};

TEST_P(AcceptedNumberOption, HoldsTheValueAsTheFormShowsIt) {
    const CliRequest request = Parsed(GetParam().args);
    EXPECT_EQ(request.record.inputs.*GetParam().member, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, AcceptedNumberOption,
    testing::Values(
        AcceptedNumber{"EnglishDefaultAir", {}, &SimulationInputs::m_dAirTemp, 50.0},
        AcceptedNumber{"SiDefaultAir", {"--units", "si"}, &SimulationInputs::m_dAirTemp, 10.0},
        AcceptedNumber{"SiDefaultWind", {"--units", "si"}, &SimulationInputs::m_dWindSpeed, 8.05},
        AcceptedNumber{"SiDefaultDelivery", {"--units", "si"}, &SimulationInputs::m_dDeliveryTemp, 148.89},
        AcceptedNumber{"SiDefaultLift", {"--units", "si"}, &SimulationInputs::m_dLiftThickness, 76.2},
        AcceptedNumber{"SiDefaultSurface", {"--units", "si"}, &SimulationInputs::m_dSurfaceTemp, 10.0},
        AcceptedNumber{"LatitudeSameInBothSystems", {"--units", "si"}, &SimulationInputs::m_dLatitude, 45.0},
        AcceptedNumber{"RoundedHalfUp", {"--lift", "3.145"}, &SimulationInputs::m_dLiftThickness, 3.15},
        AcceptedNumber{
            "NegativeCutTowardZero", {"--surface", "-12.345"}, &SimulationInputs::m_dSurfaceTemp, -12.34},
        AcceptedNumber{
            "RoundsOntoTheMaximumSilently", {"--air", "119.996"}, &SimulationInputs::m_dAirTemp, 120.0},
        AcceptedNumber{"UpperLimitIncluded", {"--air=120"}, &SimulationInputs::m_dAirTemp, 120.0},
        AcceptedNumber{
            "LowerLimitIncludedAsNextArgument", {"--air", "-40"}, &SimulationInputs::m_dAirTemp, -40.0},
        AcceptedNumber{"SiMaximumDelivery",
                       {"--units", "si", "--delivery", "157.2"},
                       &SimulationInputs::m_dDeliveryTemp,
                       157.2},
        AcceptedNumber{
            "SiMinimumLift", {"--units=si", "--lift", "12.7"}, &SimulationInputs::m_dLiftThickness, 12.7},
        AcceptedNumber{"ExponentForm", {"--wind", "1.5e1"}, &SimulationInputs::m_dWindSpeed, 15.0},
        AcceptedNumber{"ThirtyOneCharactersAreRead",
                       {"--wind", "0000000000000000000000000000012"},
                       &SimulationInputs::m_dWindSpeed,
                       12.0},
        AcceptedNumber{
            "BlanksAroundAsTheFieldAllows", {"--latitude", " 44.999 "}, &SimulationInputs::m_dLatitude, 45.0},
        AcceptedNumber{"UnitsGivenAfterTheNumber",
                       {"--air", "40", "--units", "si"},
                       &SimulationInputs::m_dAirTemp,
                       40.0},
        AcceptedNumber{"LastUnitsCounts",
                       {"--units", "si", "--units", "english", "--air", "100"},
                       &SimulationInputs::m_dAirTemp,
                       100.0},
        AcceptedNumber{"LastValueCounts", {"--air", "1", "--air", "2"}, &SimulationInputs::m_dAirTemp, 2.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct AcceptedChoice {
    const char* name;
    Args args;
    int SimulationInputs::*member;
    int expected;
};
void PrintTo(const AcceptedChoice& c, std::ostream* os) { *os << c.name; }

class AcceptedChoiceOption : public testing::TestWithParam<AcceptedChoice> {};

TEST_P(AcceptedChoiceOption, SelectsTheEntry) {
    const CliRequest request = Parsed(GetParam().args);
    EXPECT_EQ(request.record.inputs.*GetParam().member, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, AcceptedChoiceOption,
    testing::Values(
        AcceptedChoice{"EnglishByDefault", {}, &SimulationInputs::m_nUnits, UnitCode(UnitSystem::English)},
        AcceptedChoice{"SiUnits", {"--units", "si"}, &SimulationInputs::m_nUnits, UnitCode(UnitSystem::SI)},
        AcceptedChoice{"SkyByText", {"--sky", "Partly Cloudy"}, &SimulationInputs::m_nSkyCondition, 2},
        AcceptedChoice{"SkyByIndexWithEquals", {"--sky=4"}, &SimulationInputs::m_nSkyCondition, 4},
        AcceptedChoice{"MixByText", {"--mix", "Superpave-Coarse"}, &SimulationInputs::m_nMixType, 3},
        AcceptedChoice{"HighGradeByNumber", {"--pg-high", "52"}, &SimulationInputs::m_nPgHigh, 5},
        AcceptedChoice{"LowGradeStartsWithAMinus", {"--pg-low", "-40"}, &SimulationInputs::m_nPgLow, 5},
        AcceptedChoice{"AcEmptiesMoisture", {"--material", "AC"}, &SimulationInputs::m_nMoistureContent, -1},
        AcceptedChoice{"PccEmptiesState", {"--material", "1"}, &SimulationInputs::m_nMoistureState, -1},
        AcceptedChoice{"SubgradeWithWet",
                       {"--material", "Subgrade Soil", "--moisture", "Wet"},
                       &SimulationInputs::m_nMoistureContent,
                       1},
        AcceptedChoice{"MoistureBeforeMaterialStillCounts",
                       {"--state", "Frozen", "--material", "3"},
                       &SimulationInputs::m_nMoistureState,
                       0},
        AcceptedChoice{
            "UnboundMaterialKeepsDefaults", {"--material", "3"}, &SimulationInputs::m_nMoistureState, 1},
        AcceptedChoice{"LeapDay", {"--date", "2024-02-29"}, &SimulationInputs::m_nDay, 29},
        AcceptedChoice{"LeapDayMonth", {"--date", "2024-02-29"}, &SimulationInputs::m_nMonth, 2},
        AcceptedChoice{"Year", {"--date", "3001-12-31"}, &SimulationInputs::m_nYear, 3001},
        AcceptedChoice{"Hour24", {"--time", "24:60"}, &SimulationInputs::m_nHour, 24},
        AcceptedChoice{"Minute60", {"--time", "24:60"}, &SimulationInputs::m_nMinute, 60}),
    [](const auto& info) { return std::string(info.param.name); });

// Every refusal names the option and the value and says what is allowed.
struct Refusal {
    const char* name;
    Args args;
    const char* message;
};
void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class RefusedCommandLine : public testing::TestWithParam<Refusal> {};

TEST_P(RefusedCommandLine, GivesOneLineNamingTheProblem) {
    const CliParseResult result = ParseCommandLine(GetParam().args, kNow);
    EXPECT_FALSE(result.bOk);
    EXPECT_EQ(result.strError, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Junk, RefusedCommandLine,
    testing::Values(
        Refusal{"Letters", {"--air", "warm"}, "--air \"warm\": not a number; allowed -40 to 120 F"},
        Refusal{"NotANumber", {"--wind", "nan"}, "--wind \"nan\": not a number; allowed 0 to 120 mph"},
        Refusal{"Infinity", {"--lift", "inf"}, "--lift \"inf\": not a number; allowed 0.5 to 10 in."},
        Refusal{
            "Overflow", {"--delivery", "1e999"}, "--delivery \"1e999\": not a number; allowed 150 to 315 F"},
        Refusal{
            "Hexadecimal", {"--surface", "0x10"}, "--surface \"0x10\": not a number; allowed -40 to 120 F"},
        Refusal{"EmptyValue", {"--latitude="}, "--latitude \"\": not a number; allowed 0 to 90 degrees"},
        Refusal{"LongerThanAFieldReads",
                {"--wind", "000000000000000000000000000000012"},
                "--wind \"000000000000000000000000000000012\": too long, at most 31 characters are read; "
                "allowed 0 to 120 mph"},
        Refusal{"LongExponentForm",
                {"--units", "si", "--delivery=1.00000000000000000000000000000e2"},
                "--delivery \"1.00000000000000000000000000000e2\": too long, at most 31 characters are read; "
                "allowed 65.56 to 157.2 C"},
        Refusal{"CommaDecimal", {"--air", "10,5"}, "--air \"10,5\": not a number; allowed -40 to 120 F"},
        Refusal{
            "AboveTheEnglishMaximum", {"--air", "130"}, "--air \"130\": out of range; allowed -40 to 120 F"},
        Refusal{"JustAboveTheMaximum",
                {"--air", "120.004"},
                "--air \"120.004\": out of range; allowed -40 to 120 F"},
        Refusal{"BelowTheMinimum", {"--wind", "-5"}, "--wind \"-5\": out of range; allowed 0 to 120 mph"},
        Refusal{"SiRangeApplies",
                {"--units", "si", "--air", "50"},
                "--air \"50\": out of range; allowed -40 to 48.89 C"},
        Refusal{"SiDeliveryAboveStoredMaximum",
                {"--delivery", "157.22", "--units", "si"},
                "--delivery \"157.22\": out of range; allowed 65.56 to 157.2 C"},
        Refusal{"LatitudeSouth",
                {"--latitude", "-10"},
                "--latitude \"-10\": out of range; allowed 0 to 90 degrees"},
        Refusal{
            "Month13",
            {"--date", "2026-13-01"},
            "--date \"2026-13-01\": not a calendar date; allowed YYYY-MM-DD, a calendar date from 1990-01-01 "
            "to 3001-12-31"},
        Refusal{
            "NoLeapDay",
            {"--date", "2026-02-29"},
            "--date \"2026-02-29\": not a calendar date; allowed YYYY-MM-DD, a calendar date from 1990-01-01 "
            "to 3001-12-31"},
        Refusal{"Hour25",
                {"--time", "25:00"},
                "--time \"25:00\": not a time; allowed HH:MM, hour 0 to 24 and minute 0 to 60"},
        Refusal{"UnknownSky",
                {"--sky", "Sunny"},
                "--sky \"Sunny\": not an entry; allowed 0 to 4 or \"Clear & Dry\", \"Humid & Hazy\", "
                "\"Partly Cloudy\", \"Mostly Cloudy\", \"Overcast\""},
        Refusal{"GradeNotInTheList",
                {"--pg-high", "60"},
                "--pg-high \"60\": not an entry; allowed 0 to 6 or \"82\", \"76\", \"70\", \"64\", \"58\", "
                "\"52\", "
                "\"46\""},
        Refusal{"MoistureWithAc",
                {"--moisture", "Wet", "--material", "AC"},
                "--moisture \"Wet\": not used with material \"AC\"; allowed only with \"Granular Base\" or "
                "\"Subgrade Soil\""},
        Refusal{"StateWithPcc",
                {"--material", "PCC", "--state", "0"},
                "--state \"0\": not used with material \"PCC\"; allowed only with \"Granular Base\" or "
                "\"Subgrade Soil\""},
        Refusal{"UnknownUnits",
                {"--units", "metric"},
                "--units \"metric\": not a unit system; allowed english or si"},
        Refusal{
            "UnknownFormat", {"--format", "xml"}, "--format \"xml\": not a format; allowed report or json"},
        Refusal{"EmptyOutput", {"--output", ""}, "--output \"\": no file name; allowed a file name"},
        Refusal{"UnknownOption", {"--colour", "red"}, "unknown option \"--colour\"; see --help"},
        Refusal{"UnknownOptionWithValue", {"--colour=red"}, "unknown option \"--colour\"; see --help"},
        Refusal{"ShortOption", {"-h"}, "unknown option \"-h\"; see --help"},
        Refusal{"StrayArgument",
                {"report.xls"},
                "unexpected argument \"report.xls\"; options start with \"--\", see --help"},
        Refusal{"MissingValueAtTheEnd", {"--air"}, "--air: missing value; allowed -40 to 120 F"},
        Refusal{"MissingValueBeforeAnOption",
                {"--wind", "--air", "3"},
                "--wind: missing value; allowed 0 to 120 mph"},
        Refusal{
            "MissingValueInSi", {"--units", "si", "--lift"}, "--lift: missing value; allowed 12.7 to 254 mm"},
        Refusal{"MissingUnits", {"--units"}, "--units: missing value; allowed english or si"},
        Refusal{"ValueForAFlag", {"--version=2"}, "--version takes no value"},
        Refusal{
            "LineBreakInAValue",
            {"--sky", "Clear\n& Dry"},
            "--sky \"Clear\\x0A& Dry\": not an entry; allowed 0 to 4 or \"Clear & Dry\", \"Humid & Hazy\", "
            "\"Partly Cloudy\", \"Mostly Cloudy\", \"Overcast\""},
        Refusal{"FirstRefusalIsReported",
                {"--air", "200", "--wind", "-1"},
                "--air \"200\": out of range; allowed -40 to 120 F"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseCommandLine, DefaultsAreAFreshFormDatedNow) {
    const CliRequest request = Parsed({});
    std::tm local{};
    ASSERT_NE(localtime_r(&kNow, &local), nullptr);
    EXPECT_EQ(request.record.inputs.m_nYear, local.tm_year + 1900);
    EXPECT_EQ(request.record.inputs.m_nMonth, local.tm_mon + 1);
    EXPECT_EQ(request.record.inputs.m_nDay, local.tm_mday);
    EXPECT_EQ(request.record.inputs.m_nHour, local.tm_hour);
    EXPECT_EQ(request.record.inputs.m_nMinute, local.tm_min);
    EXPECT_EQ(request.record.inputs.m_nMaterialType, 2);
    EXPECT_EQ(request.record.inputs.m_nMoistureContent, 0);
    EXPECT_EQ(request.record.inputs.m_nMoistureState, 1);
    EXPECT_EQ(request.record.inputs.m_nPgHigh, 4);
    EXPECT_EQ(request.format, CliFormat::Report);
    EXPECT_FALSE(request.bHasOutput);
}

TEST(ParseCommandLine, HelpAndVersionEndTheReading) {
    const CliParseResult help = ParseCommandLine({"--air", "10", "--help", "--bogus"}, kNow);
    EXPECT_TRUE(help.bOk);
    EXPECT_EQ(help.request.action, CliAction::Help);
    const CliParseResult version = ParseCommandLine({"--version"}, kNow);
    EXPECT_TRUE(version.bOk);
    EXPECT_EQ(version.request.action, CliAction::Version);
    const CliParseResult tooLate = ParseCommandLine({"--bogus", "--help"}, kNow);
    EXPECT_FALSE(tooLate.bOk);
}

TEST(ParseCommandLine, OutputAndFormatAreKept) {
    // A value that looks like an option needs the "=" form.
    const CliRequest request = Parsed({"--format=json", "--output=--odd name.json"});
    EXPECT_EQ(request.format, CliFormat::Json);
    EXPECT_TRUE(request.bHasOutput);
    EXPECT_EQ(request.strOutputPath, "--odd name.json");
}

}  // namespace
