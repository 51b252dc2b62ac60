#include "CommaLocaleFixture.h"

#include <cstdio>
#include <cstdlib>
#include <locale>

void CommaLocaleFixture::SetUp() {
    const char* pName = std::getenv("LC_ALL");
    if (pName == nullptr || *pName == '\0')
        GTEST_SKIP() << "needs the environment of the comma_locale fixture; run it through ctest";
    // A named C++ locale made global also becomes the C library's locale (setlocale).
    std::locale::global(std::locale(""));
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "the locale " << pName << " is not in effect";
    ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
}

void CommaLocaleFixture::TearDown() { std::locale::global(std::locale::classic()); }
