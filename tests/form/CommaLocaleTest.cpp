#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "FieldText.h"
#include "FormRules.h"

namespace {

bool DecimalPointIsComma() { return std::strcmp(std::localeconv()->decimal_point, ",") == 0; }

bool TrySetCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr && DecimalPointIsComma()) return true;
    }
    return false;
}

// Machines often carry only the C locales; the locale sources usually remain, so compile a German
// one into the test's temporary folder and point the C library at it.
bool MakeCommaLocale() {
    if (TrySetCommaLocale()) return true;
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "dravonel-form-locale";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    const std::string command =
        "localedef -c -i de_DE -f UTF-8 '" + (dir / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) == -1) return false;
    setenv("LOCPATH", dir.c_str(), 1);
    return TrySetCommaLocale();
}

class CommaLocale : public testing::Test {
  protected:
    void SetUp() override {
        if (!MakeCommaLocale()) GTEST_SKIP() << "no locale with a decimal comma can be made on this machine";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaLocale, FieldsKeepTheFullStop) {
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "the locale is not in effect";

    double value = 0.0;
    ASSERT_TRUE(ParseFieldDouble("12.5", &value));
    EXPECT_EQ(value, 12.5);
    EXPECT_FALSE(ParseFieldDouble("1,5", &value));
    EXPECT_EQ(FormatFieldDouble(48.89), "48.89");
    EXPECT_EQ(FormatFieldDouble(FieldValueAsShown(3.145)), "3.15");

    FormRecord record;
    ApplyUnitSystem(record, UNITS_SI);
    EXPECT_EQ(FormatFieldDouble(record.m_dDeliveryTemp), "148.89");
    EXPECT_EQ(FormatFieldDouble(record.m_dWindSpeed), "8.05");
}

}  // namespace
