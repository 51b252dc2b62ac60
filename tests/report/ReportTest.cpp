#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <ostream>
#include <string>

#include "CalendarTime.h"
#include "CompactionWindow.h"
#include "Report.h"

namespace {

// Thursday 7 March 2024, 09:05:03.
std::tm KnownTime() { return CalendarTime(2024, 3, 7, 9, 5, 3, 4); }

SimulationInputs KnownInputs(int nUnits) {
    SimulationInputs in;
    in.m_nUnits = nUnits;
    in.m_nHour = 9;
    in.m_nMinute = 5;
    in.m_nMonth = 3;
    in.m_nDay = 7;
    in.m_nYear = 2024;
    in.m_dAirTemp = 10.5;
    in.m_dWindSpeed = 8.05;
    in.m_nSkyCondition = 2;
    in.m_dLatitude = 44.5;  // "%.0f" rounds an exact half to even: 44
    in.m_nMixType = 1;
    in.m_nPgHigh = 4;
    in.m_nPgLow = 4;
    in.m_dLiftThickness = 76.2;
    in.m_dDeliveryTemp = 148.89;
    in.m_nMaterialType = 3;
    in.m_nMoistureContent = 1;
    in.m_nMoistureState = 0;
    in.m_dSurfaceTemp = -17.77;
    return in;
}

// Times as the solver stores them: a running sum of thirds, so sample 6 holds 1.9999999999999998.
CoolingCurve CurveWithSamples(int nLastSample) {
    CoolingCurve curve;
    curve.m_nLastSample = nLastSample;
    double dMinutes = 0.0;
    for (int i = 0; i < kCurveCapacity; ++i) {
        curve.m_dCurveTime[i] = dMinutes;
        curve.m_dCurveTemp[i] = 150.0 - 0.25 * i;
        dMinutes += 0.3333333333333333;
    }
    return curve;
}

CoolingCurve SmallKnownCurve() {
    CoolingCurve curve = CurveWithSamples(7);
    const double temps[8] = {150.0, 148.0, 148.0, 143.949, 143.949, 143.949, 139.966, 139.966};
    for (int i = 0; i < 8; ++i) curve.m_dCurveTemp[i] = temps[i];
    return curve;
}

const ReportResults kKnownResults{120.0, 12, 68.0};

std::string ReportOf(const SimulationInputs& in, const CoolingCurve& curve,
                     const ReportResults& results = kKnownResults) {
    return WriteReport(in, results, curve, KnownTime());
}

std::string RowsOf(const std::string& report) {
    const std::string header = "Stop(C)\r\n";
    const auto at = report.find(header);
    return at == std::string::npos ? std::string("<no header>") : report.substr(at + header.size());
}

int CountLines(const std::string& text) {
    int nLines = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++nLines;
    return nLines;
}

TEST(WriteReport, WholeTextInSiUnits) {
    const std::string expected =
        "KELVANOR 2.0 - Simulation Output\r\n\r\n"
        "Time of Simulation:\r\n"
        "Thu Mar 07 09:05:03 2024\r\n\r\n\r\n"
        "***PAVING TIME***\r\n\r\n"
        "Hour:\t9\r\nMin.:\t5\r\nMon.:\t3\r\nDay:\t7\r\nYear:\t2024\r\n\r\n\r\n"
        "***ENVIRONMENTAL CONDITIONS***\r\n\r\n"
        "Air Temp:\t10.50\tC\r\n"
        "Wind:\t8.05\tkm/h\r\n"
        "Sky:\tPartly Cloudy\r\n"
        "Lat:\t44\tdegrees\r\n\r\n\r\n"
        "***MIX SPECIFICATIONS***\r\n\r\n"
        "Mix:\tSMA\r\n"
        "Asphalt:\tPG 58-34\r\n"
        "Lift:\t76.20\tmm\r\n"
        "Temp:\t148.89\tC\r\n\r\n\r\n"
        "***EXISTING SURFACE***\r\n\r\n"
        "Material:\tUnbound - Fine\r\n"
        "Moisture:\tWet\r\n"
        "State:\tFrozen\r\n"
        "Temp:\t-17.77\tC\r\n\r\n\r\n"
        "***COOLING DATA***\r\n\r\n"
        "START compaction temp: 120.0C\r\n"
        "START compaction time: 12 min\r\n\r\n"
        "STOP compaction temp: 79.5C\r\n"
        "STOP compaction time: 68 min\r\n\r\n"
        "Time(min)\tTemp(C)\tStop(C)\r\n"
        "0.00\t150.00\t79.5\r\n"
        "1.00\t143.95\t79.5\r\n"
        "2.00\t139.97\t79.5\r\n";
    EXPECT_EQ(ReportOf(KnownInputs(UnitCode(UnitSystem::SI)), SmallKnownCurve()), expected);
}

TEST(WriteReport, WholeTextInEnglishUnits) {
    const std::string expected =
        "KELVANOR 2.0 - Simulation Output\r\n\r\n"
        "Time of Simulation:\r\n"
        "Thu Mar 07 09:05:03 2024\r\n\r\n\r\n"
        "***PAVING TIME***\r\n\r\n"
        "Hour:\t9\r\nMin.:\t5\r\nMon.:\t3\r\nDay:\t7\r\nYear:\t2024\r\n\r\n\r\n"
        "***ENVIRONMENTAL CONDITIONS***\r\n\r\n"
        "Air Temp:\t10.50\tF\r\n"
        "Wind:\t8.05\tmph\r\n"
        "Sky:\tPartly Cloudy\r\n"
        "Lat:\t44\tdegrees\r\n\r\n\r\n"
        "***MIX SPECIFICATIONS***\r\n\r\n"
        "Mix:\tSMA\r\n"
        "Asphalt:\tPG 58-34\r\n"
        "Lift:\t76.20\tin.\r\n"
        "Temp:\t148.89\tF\r\n\r\n\r\n"
        "***EXISTING SURFACE***\r\n\r\n"
        "Material:\tUnbound - Fine\r\n"
        "Moisture:\tWet\r\n"
        "State:\tFrozen\r\n"
        "Temp:\t-17.77\tF\r\n\r\n\r\n"
        "***COOLING DATA***\r\n\r\n"
        "START compaction temp: 248.0F\r\n"
        "START compaction time: 12 min\r\n\r\n"
        "STOP compaction temp: 175.1F\r\n"
        "STOP compaction time: 68 min\r\n\r\n"
        "Time(min)\tTemp(F)\tStop(F)\r\n"
        "0.00\t302.00\t175.1\r\n"
        "1.00\t291.11\t175.1\r\n"
        "2.00\t283.94\t175.1\r\n";
    EXPECT_EQ(ReportOf(KnownInputs(UnitCode(UnitSystem::English)), SmallKnownCurve()), expected);
}

TEST(WriteReport, BeforeAnyCalculationHasTheHeaderAndNoRows) {
    SimulationInputs in;
    in.m_nUnits = UnitCode(UnitSystem::SI);
    const std::string report =
        WriteReport(in, {StartTemperatureForGrade(in.m_nPgHigh), 0, 0.0}, CoolingCurve{}, KnownTime());
    const std::string tail =
        "START compaction temp: 120.0C\r\n"
        "START compaction time: 0 min\r\n\r\n"
        "STOP compaction temp: 79.5C\r\n"
        "STOP compaction time: 0 min\r\n\r\n"
        "Time(min)\tTemp(C)\tStop(C)\r\n";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
}

TEST(WriteReport, EveryLineEndsInCrLf) {
    const std::string report = ReportOf(KnownInputs(UnitCode(UnitSystem::SI)), CurveWithSamples(360));
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (report[i] == '\n') {
            ASSERT_TRUE(i > 0 && report[i - 1] == '\r') << "bare line feed at " << i;
        }
        if (report[i] == '\r') {
            ASSERT_TRUE(i + 1 < report.size() && report[i + 1] == '\n') << "bare carriage return at " << i;
        }
    }
    EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
}

// Rows: samples 0, 3, 6, ... below m_nLastSample; times compared as written ("%.2f").
struct RowCount {
    const char* name;
    int nLastSample;
    int nRows;
    const char* firstRow;  // nullptr when there are none
    const char* lastRow;
};
void PrintTo(const RowCount& c, std::ostream* os) { *os << c.name; }

class ReportRows : public testing::TestWithParam<RowCount> {};

TEST_P(ReportRows, ListsWholeMinutesBelowTheLastSample) {
    const RowCount& row = GetParam();
    const std::string rows =
        RowsOf(ReportOf(KnownInputs(UnitCode(UnitSystem::SI)), CurveWithSamples(row.nLastSample)));
    EXPECT_EQ(CountLines(rows), row.nRows);
    if (row.firstRow == nullptr) {
        EXPECT_EQ(rows, "");
        return;
    }
    EXPECT_EQ(rows.substr(0, rows.find("\r\n")), row.firstRow);
    const std::string withoutLastEnd = rows.substr(0, rows.size() - 2);
    EXPECT_EQ(withoutLastEnd.substr(
                  withoutLastEnd.rfind("\r\n") == std::string::npos ? 0 : withoutLastEnd.rfind("\r\n") + 2),
              row.lastRow);
}

// Temperature of sample i is 150 - 0.25 i.
INSTANTIATE_TEST_SUITE_P(
    Curve, ReportRows,
    testing::Values(
        RowCount{"FullRun", 360, 120, "0.00\t150.00\t79.5", "119.00\t60.75\t79.5"},
        RowCount{"StoppedAfter25Minutes", 75, 25, "0.00\t150.00\t79.5", "24.00\t132.00\t79.5"},
        RowCount{"NoCalculation", 0, 0, nullptr, nullptr},
        RowCount{"OneStep", 1, 1, "0.00\t150.00\t79.5", "0.00\t150.00\t79.5"},
        RowCount{"LastSampleOnAMinuteIsNotListed", 3, 1, "0.00\t150.00\t79.5", "0.00\t150.00\t79.5"},
        RowCount{"OneSamplePastAMinute", 4, 2, "0.00\t150.00\t79.5", "1.00\t149.25\t79.5"},
        RowCount{"NegativeLastSample", -5, 0, nullptr, nullptr},
        // Never from the solver; the rows stay within the 361 stored samples.
        RowCount{"LastSampleBeyondTheArrays", 100000, 121, "0.00\t150.00\t79.5", "120.00\t60.00\t79.5"}),
    [](const auto& info) { return std::string(info.param.name); });

// Moisture and state lines: only for the unbound materials, by the rule 0 / otherwise.
struct SurfaceCase {
    const char* name;
    int nMaterial;
    int nMoisture;
    int nState;
    const char* block;  // from "Material:" to the surface temperature
};
void PrintTo(const SurfaceCase& c, std::ostream* os) { *os << c.name; }

class ReportSurface : public testing::TestWithParam<SurfaceCase> {};

TEST_P(ReportSurface, WritesTheMaterialBlock) {
    SimulationInputs in = KnownInputs(UnitCode(UnitSystem::SI));
    in.m_nMaterialType = GetParam().nMaterial;
    in.m_nMoistureContent = GetParam().nMoisture;
    in.m_nMoistureState = GetParam().nState;
    const std::string report = ReportOf(in, SmallKnownCurve());
    const auto from = report.find("Material:");
    const auto to = report.find("Temp:\t-17.77");
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    EXPECT_EQ(report.substr(from, to - from), GetParam().block);
}

INSTANTIATE_TEST_SUITE_P(
    Materials, ReportSurface,
    testing::Values(SurfaceCase{"AcHasNoMoisture", 0, -1, -1, "Material:\tAC\r\n"},
                    SurfaceCase{"PccHasNoMoisture", 1, -1, -1, "Material:\tPCC\r\n"},
                    SurfaceCase{"PccIgnoresStaleChoices", 1, 1, 0, "Material:\tPCC\r\n"},
                    SurfaceCase{"GranularBaseDryUnfrozen", 2, 0, 1,
                                "Material:\tUnbound - Coarse\r\nMoisture:\tDry\r\nState:\tUnfrozen\r\n"},
                    SurfaceCase{"SubgradeWetFrozen", 3, 1, 0,
                                "Material:\tUnbound - Fine\r\nMoisture:\tWet\r\nState:\tFrozen\r\n"},
                    SurfaceCase{"NoSelectionReadsAsWetUnfrozen", 2, -1, -1,
                                "Material:\tUnbound - Coarse\r\nMoisture:\tWet\r\nState:\tUnfrozen\r\n"},
                    SurfaceCase{"MaterialOutsideTheListIsBlank", 7, 0, 1, "Material:\t\r\n"},
                    SurfaceCase{"NoMaterialIsBlank", -1, 0, 1, "Material:\t\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

std::string LineStartingWith(const std::string& report, const std::string& start) {
    const auto at = report.find("\r\n" + start);
    if (at == std::string::npos) return "<missing>";
    return report.substr(at + 2, report.find("\r\n", at + 2) - at - 2);
}

// The grade line and the start temperature the high grade gives, in the report's unit system.
struct GradeCase {
    const char* name;
    int nPgHigh;
    int nPgLow;
    int nUnits;
    const char* lineStart;
    const char* line;
};
void PrintTo(const GradeCase& c, std::ostream* os) { *os << c.name; }

class ReportGrade : public testing::TestWithParam<GradeCase> {};

TEST_P(ReportGrade, ShowsTheGradesAndTheirStart) {
    SimulationInputs in = KnownInputs(GetParam().nUnits);
    in.m_nPgHigh = GetParam().nPgHigh;
    in.m_nPgLow = GetParam().nPgLow;
    const ReportResults results{StartTemperatureForGrade(in.m_nPgHigh), 12, 68.0};
    EXPECT_EQ(LineStartingWith(ReportOf(in, SmallKnownCurve(), results), GetParam().lineStart),
              GetParam().line);
}

constexpr const char* kStart = "START compaction temp";

INSTANTIATE_TEST_SUITE_P(
    Grades, ReportGrade,
    testing::Values(
        GradeCase{"Grade58StartsAt120C", 4, 4, UnitCode(UnitSystem::SI), kStart,
                  "START compaction temp: 120.0C"},
        GradeCase{"Grade52StartsAt110C", 5, 4, UnitCode(UnitSystem::SI), kStart,
                  "START compaction temp: 110.0C"},
        GradeCase{"Grade52StartsAt230F", 5, 4, UnitCode(UnitSystem::English), kStart,
                  "START compaction temp: 230.0F"},
        GradeCase{"Grade46StartsAt230F", 6, 4, UnitCode(UnitSystem::English), kStart,
                  "START compaction temp: 230.0F"},
        GradeCase{"Grade82StartsAt248F", 0, 4, UnitCode(UnitSystem::English), kStart,
                  "START compaction temp: 248.0F"},
        GradeCase{"GradeExtremes", 0, 6, UnitCode(UnitSystem::SI), "Asphalt", "Asphalt:\tPG 82-46"},
        GradeCase{"SoftHighHardLow", 6, 0, UnitCode(UnitSystem::SI), "Asphalt", "Asphalt:\tPG 46-10"},
        // An index outside a list writes no grade number rather than one that does not exist.
        GradeCase{"NoHighGrade", -1, 4, UnitCode(UnitSystem::SI), "Asphalt", "Asphalt:\tPG -34"},
        GradeCase{"NoGradesAtAll", 7, -1, UnitCode(UnitSystem::SI), "Asphalt", "Asphalt:\tPG "}),
    [](const auto& info) { return std::string(info.param.name); });

// One report line, picked by its start, for inputs changed by one member.
struct LineCase {
    const char* name;
    void (*change)(SimulationInputs&);
    const char* lineStart;
    const char* line;
};
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class ReportLine : public testing::TestWithParam<LineCase> {};

TEST_P(ReportLine, ShowsTheValue) {
    SimulationInputs in = KnownInputs(UnitCode(UnitSystem::SI));
    GetParam().change(in);
    EXPECT_EQ(LineStartingWith(ReportOf(in, SmallKnownCurve()), GetParam().lineStart), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ReportLine,
    testing::Values(
        LineCase{"SkyOutsideTheList", [](SimulationInputs& in) { in.m_nSkyCondition = 5; }, "Sky", "Sky:\t"},
        LineCase{"MixNotSelected", [](SimulationInputs& in) { in.m_nMixType = -1; }, "Mix", "Mix:\t"},
        LineCase{"LatitudeRoundsHalfToEven", [](SimulationInputs& in) { in.m_dLatitude = 45.5; }, "Lat",
                 "Lat:\t46\tdegrees"},
        LineCase{"LatitudeBelowHalf", [](SimulationInputs& in) { in.m_dLatitude = 44.49; }, "Lat",
                 "Lat:\t44\tdegrees"},
        LineCase{"AirBelowZeroKeepsItsSign", [](SimulationInputs& in) { in.m_dAirTemp = -0.001; }, "Air Temp",
                 "Air Temp:\t-0.00\tC"},
        LineCase{"SurfaceAtMinimum", [](SimulationInputs& in) { in.m_dSurfaceTemp = -40.0; }, "Temp:\t-40",
                 "Temp:\t-40.00\tC"},
        LineCase{"UnitsCodeOtherThanSiIsEnglish", [](SimulationInputs& in) { in.m_nUnits = 7; }, "Wind",
                 "Wind:\t8.05\tmph"}),
    [](const auto& info) { return std::string(info.param.name); });

// "%.2f" as printf gives it in the C locale, for values where rounding is easy to get wrong.
struct PrintfCase {
    const char* name;
    double dValue;
};
void PrintTo(const PrintfCase& c, std::ostream* os) { *os << c.name; }

class FixedLikePrintf : public testing::TestWithParam<PrintfCase> {};

TEST_P(FixedLikePrintf, AirTempMatchesPrintf) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    char expected[512];
    std::snprintf(expected, sizeof expected, "Air Temp:\t%.2f\tC", GetParam().dValue);
    SimulationInputs in = KnownInputs(UnitCode(UnitSystem::SI));
    in.m_dAirTemp = GetParam().dValue;
    EXPECT_EQ(LineStartingWith(ReportOf(in, SmallKnownCurve()), "Air Temp"), expected);
}

INSTANTIATE_TEST_SUITE_P(Rounding, FixedLikePrintf,
                         testing::Values(PrintfCase{"ExactHalfDown", 0.125}, PrintfCase{"ExactHalfUp", 0.375},
                                         PrintfCase{"BinaryBelowHalf", 2.675},
                                         PrintfCase{"BinaryBelowHalfSmall", 1.005},
                                         PrintfCase{"CarryIntoThousand", 999.995},
                                         PrintfCase{"FormMaximumNeighbour", 48.885},
                                         PrintfCase{"NegativeHalf", -17.775}, PrintfCase{"Large", 1e15},
                                         PrintfCase{"HugeNegative", -1e300}, PrintfCase{"Subnormal", 5e-324},
                                         PrintfCase{"Zero", 0.0}, PrintfCase{"NegativeZero", -0.0},
                                         PrintfCase{"JustBelowWholeMinute", 119.99999999999999}),
                         [](const auto& info) { return std::string(info.param.name); });

// Day, hours, minutes and seconds below 10 get a leading zero; English names whatever the locale.
struct DateCase {
    const char* name;
    int nYear, nMonth, nDay, nWeekday, nHour, nMinute, nSecond;
    const char* text;
};
void PrintTo(const DateCase& c, std::ostream* os) { *os << c.name; }

class ReportDate : public testing::TestWithParam<DateCase> {};

TEST_P(ReportDate, HasTheFixedEnglishForm) {
    const DateCase& c = GetParam();
    EXPECT_EQ(
        FormatReportDate(CalendarTime(c.nYear, c.nMonth, c.nDay, c.nHour, c.nMinute, c.nSecond, c.nWeekday)),
        c.text);
}

// Months 1 to 12 as CalendarTime takes them: 13 and 0 are the indices 12 and -1 of the C library.
INSTANTIATE_TEST_SUITE_P(
    Dates, ReportDate,
    testing::Values(DateCase{"SingleDigitsPadded", 1999, 3, 5, 5, 4, 7, 9, "Fri Mar 05 04:07:09 1999"},
                    DateCase{"Midnight", 2023, 1, 1, 0, 0, 0, 0, "Sun Jan 01 00:00:00 2023"},
                    DateCase{"LastSecondOfTheYear", 2026, 12, 31, 4, 23, 59, 59, "Thu Dec 31 23:59:59 2026"},
                    DateCase{"LeapSecond", 2016, 12, 31, 6, 23, 59, 60, "Sat Dec 31 23:59:60 2016"},
                    DateCase{"NamesOutsideTheirRanges", 2026, 13, 15, 7, 12, 0, 0,
                             "??? ??? 15 12:00:00 2026"},
                    DateCase{"NegativeIndices", 2026, 0, 15, -1, 12, 0, 0, "??? ??? 15 12:00:00 2026"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
