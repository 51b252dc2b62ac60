#include <gtest/gtest.h>

#include <string>

#include "CalendarTime.h"
#include "CommaLocaleFixture.h"
#include "Report.h"

namespace {

class CommaLocaleReport : public CommaLocaleFixture {};

TEST_F(CommaLocaleReport, NumbersKeepTheFullStopAndDatesStayEnglish) {
    SimulationInputs in;
    in.m_nUnits = UnitCode(UnitSystem::SI);
    in.m_dAirTemp = 10.5;
    in.m_dLatitude = 44.5;
    CoolingCurve curve;
    curve.m_nLastSample = 4;
    curve.m_dCurveTime[3] = 1.0;
    curve.m_dCurveTemp[0] = 148.89;
    curve.m_dCurveTemp[3] = 143.949;
    const std::tm time = CalendarTime(2026, 5, 3, 8, 0, 0, 0);  // "So" and "Mai" in German

    const std::string report = WriteReport(in, {110.0, 3, 12.0}, curve, time);
    EXPECT_NE(report.find("Sun May 03 08:00:00 2026\r\n"), std::string::npos);
    EXPECT_NE(report.find("Air Temp:\t10.50\tC\r\n"), std::string::npos);
    EXPECT_NE(report.find("START compaction temp: 110.0C\r\n"), std::string::npos);
    EXPECT_NE(report.find("0.00\t148.89\t79.5\r\n1.00\t143.95\t79.5\r\n"), std::string::npos);
    EXPECT_EQ(report.find(','), std::string::npos) << report;
}

}  // namespace
