// Hourly weather files: what is accepted, each refusal as FILE:LINE: column: reason, and the writer's
// text read back to the same rows.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "HourlyWeatherCsv.h"

namespace {

HourlyWeatherRead Read(const std::string& text, UnitSystem units = UnitSystem::English) {
    std::istringstream in(text);
    return ReadHourlyWeatherCsv(in, "day.csv", units);
}

const std::vector<HourlyWeather> kWritten = {{0, -12.34, 0.0, 4}, {13, 48.89, 193.08, 0}, {6, 1e-2, 7.5, 2}};

struct AcceptCase {
    const char* name;
    std::string text;
    UnitSystem units;
    std::vector<HourlyWeather> rows;
};

class CsvAcceptTest : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(CsvAcceptTest, ReadsTheRows) {
    const HourlyWeatherRead read = Read(GetParam().text, GetParam().units);
    ASSERT_EQ(read.strError, "");
    ASSERT_EQ(read.rows.size(), GetParam().rows.size());
    for (std::size_t i = 0; i < read.rows.size(); ++i) {
        const HourlyWeather &got = read.rows[i], &want = GetParam().rows[i];
        EXPECT_TRUE(got.nHour == want.nHour && got.dAirTemp == want.dAirTemp &&
                    got.dWindSpeed == want.dWindSpeed && got.nSkyCondition == want.nSkyCondition)
            << "row " << i;
    }
}

// The last row reads back what the writer wrote, sky texts and all.
INSTANTIATE_TEST_SUITE_P(
    Files, CsvAcceptTest,
    ::testing::Values(AcceptCase{"IndexAndText",
                                 "hour,air,wind,sky\n5,48.5,6,Clear & Dry\n6,50,8,2\n",
                                 UnitSystem::English,
                                 {{5, 48.5, 6.0, 0}, {6, 50.0, 8.0, 2}}},
                      AcceptCase{"CrLfBomBlanksAndCase",
                                 "\xEF\xBB\xBFhour,air,wind,sky\r\n\r\n 7 , -3.5e1 ,\t0, overcast \r\n",
                                 UnitSystem::English,
                                 {{7, -35.0, 0.0, 4}}},
                      AcceptCase{"WrittenText", HourlyWeatherCsvText(kWritten), UnitSystem::SI, kWritten}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefuseCase {
    const char* name;
    std::string text;
    const char* error;
};

class CsvRefuseTest : public ::testing::TestWithParam<RefuseCase> {};

TEST_P(CsvRefuseTest, SaysFileLineColumnAndReason) {
    const HourlyWeatherRead read = Read(GetParam().text);
    EXPECT_EQ(read.strError, GetParam().error);
    EXPECT_TRUE(read.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvRefuseTest,
    ::testing::Values(
        RefuseCase{"Empty", "", "day.csv: no header \"hour,air,wind,sky\" (the file is empty)"},
        RefuseCase{"HeaderOnly", "hour,air,wind,sky\n", "day.csv: no weather rows after the header"},
        RefuseCase{"OtherHeader", "hour,temp,wind,sky\n5,50,5,0\n",
                   "day.csv:1: header: expected exactly \"hour,air,wind,sky\""},
        RefuseCase{"HourNotInteger", "hour,air,wind,sky\n5.5,50,5,0\n",
                   "day.csv:2: hour: \"5.5\" is not an integer"},
        RefuseCase{"HourTwice", "hour,air,wind,sky\n5,50,5,0\n\n5,51,5,0\n",
                   "day.csv:4: hour: 5 appears twice (first on line 2)"},
        RefuseCase{"AirTooHot", "hour,air,wind,sky\n5,120.01,5,0\n",
                   "day.csv:2: air: 120.01 F is outside -40 to 120 F"},
        RefuseCase{"WindTooLong", "hour,air,wind,sky\n5,50,0000000000000000000000000000000012,0\n",
                   "day.csv:2: wind: longer than 31 characters"},
        RefuseCase{
            "SkyUnknown", "hour,air,wind,sky\n5,50,5,Foggy\n",
            "day.csv:2: sky: \"Foggy\" is neither 0 to 4 nor Clear & Dry, Humid & Hazy, Partly Cloudy, "
            "Mostly Cloudy or Overcast"},
        RefuseCase{"ThreeColumns", "hour,air,wind,sky\n5,50,5\n",
                   "day.csv:2: sky: missing (4 columns expected)"},
        RefuseCase{"FiveColumns", "hour,air,wind,sky\n5,50,5,0,1\n", "day.csv:2: row: more than 4 columns"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HourlyWeatherCsv, WriterShowsNumbersAsTheFormAndSkyAsText) {
    EXPECT_EQ(HourlyWeatherCsvText(std::span(kWritten).first(1)), "hour,air,wind,sky\n0,-12.34,0,Overcast\n");
}

TEST(HourlyWeatherCsv, MissingFileIsNamed) {
    const HourlyWeatherRead read = ReadHourlyWeatherCsvFile("/nonexistent/day.csv", UnitSystem::SI);
    EXPECT_EQ(read.strError, "/nonexistent/day.csv: the file cannot be opened");
}

}  // namespace
