#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <locale>
#include <string>

#include "Report.h"

namespace {

bool DecimalPointIsComma() { return std::strcmp(std::localeconv()->decimal_point, ",") == 0; }

bool TrySetCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr && DecimalPointIsComma()) return true;
    }
    return false;
}

// Build machines often carry only the C locales but keep the locale sources: compile a German one into
// the test's temporary folder and point the C library at it.
bool MakeCommaLocale() {
    if (TrySetCommaLocale()) return true;
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "dravonel-report-locale";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const std::string command =
        "localedef -c -i de_DE -f UTF-8 '" + (dir / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) == -1) return false;
    setenv("LOCPATH", dir.c_str(), 1);
    return TrySetCommaLocale();
}

// The C++ side of a comma locale, for code that would format through streams.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

class CommaLocaleReport : public testing::Test {
  protected:
    void SetUp() override {
        std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
        if (!MakeCommaLocale()) {
            std::locale::global(std::locale::classic());
            GTEST_SKIP() << "no locale with a decimal comma can be made on this machine";
        }
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        std::locale::global(std::locale::classic());
    }
};

TEST_F(CommaLocaleReport, NumbersKeepTheFullStopAndDatesStayEnglish) {
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "the locale is not in effect";

    SimulationInputs in;
    in.m_nUnits = UNITS_SI;
    in.m_dAirTemp = 10.5;
    in.m_dLatitude = 44.5;
    CoolingCurve curve;
    curve.m_nLastSample = 4;
    curve.m_dCurveTime[3] = 1.0;
    curve.m_dCurveTemp[0] = 148.89;
    curve.m_dCurveTemp[3] = 143.949;
    std::tm time{};
    time.tm_year = 126;
    time.tm_mon = 4;  // "Mai" in German
    time.tm_mday = 3;
    time.tm_wday = 0;  // "So" in German
    time.tm_hour = 8;

    const std::string report = WriteReport(in, {110.0, 3, 12.0}, curve, time);
    EXPECT_NE(report.find("Sun May 03 08:00:00 2026\r\n"), std::string::npos);
    EXPECT_NE(report.find("Air Temp:\t10.50\tC\r\n"), std::string::npos);
    EXPECT_NE(report.find("START compaction temp: 110.0C\r\n"), std::string::npos);
    EXPECT_NE(report.find("0.00\t148.89\t79.5\r\n1.00\t143.95\t79.5\r\n"), std::string::npos);
    EXPECT_EQ(report.find(','), std::string::npos) << report;
}

}  // namespace
