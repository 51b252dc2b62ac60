#pragma once

#include <gtest/gtest.h>

// A test that runs in the comma-decimal locale made by the CTest fixture `comma_locale`: its environment
// (DRAVONEL_COMMA_LOCALE_ENV in tests/CMakeLists.txt) names the locale, and SetUp puts both the C
// library and the C++ global locale into it, checking that "%.1f" of 1.5 then gives "1,5". Skipped when
// run without that environment; register such a suite with dravonel_comma_locale_suite().
class CommaLocaleFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;  // back to the "C" locale
};
