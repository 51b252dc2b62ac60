#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "FieldText.h"

namespace {

// Parsed values are compared exactly: the converter rounds correctly, so a text gives the same
// double as the literal written in the row.
struct AcceptedDouble {
    const char* name;
    std::string text;
    double expected;
};

class AcceptedDoubleText : public testing::TestWithParam<AcceptedDouble> {};

TEST_P(AcceptedDoubleText, GivesTheNumber) {
    double value = -999.0;
    ASSERT_TRUE(ParseFieldDouble(GetParam().text, &value)) << '"' << GetParam().text << '"';
    EXPECT_EQ(value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Form, AcceptedDoubleText,
    testing::Values(AcceptedDouble{"Plain", "12.5", 12.5}, AcceptedDouble{"Exponent", "1e2", 100.0},
                    AcceptedDouble{"UpperExponentWithSign", "2.5E-1", 0.25},
                    AcceptedDouble{"LeadingPoint", ".5", 0.5}, AcceptedDouble{"TrailingPoint", "7.", 7.0},
                    AcceptedDouble{"Negative", "-3", -3.0}, AcceptedDouble{"ExplicitPlus", "+4", 4.0},
                    AcceptedDouble{"BlanksAround", "  7  ", 7.0},
                    AcceptedDouble{"TabsAround", "\t-17.77\t", -17.77}, AcceptedDouble{"Zero", "0", 0.0},
                    AcceptedDouble{"ZeroWithFraction", "0.0", 0.0}, AcceptedDouble{"DoubleZero", "00", 0.0},
                    AcceptedDouble{"UnderflowStartingWithZero", "0.0001e-400", 0.0},
                    AcceptedDouble{"Subnormal", "1e-310", 1e-310},
                    AcceptedDouble{"NegativeBelowOne", "-0.5", -0.5},
                    // Only the first 31 characters are read; what follows them is never seen.
                    AcceptedDouble{"GarbageAfterCut", "12.5" + std::string(27, ' ') + "xyz", 12.5},
                    AcceptedDouble{"NumberCutAt31",
                                   "0.12345678901234567890123456789"
                                   "99",
                                   0.12345678901234567890123456789}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedText {
    const char* name;
    std::string text;
};

class RefusedDoubleText : public testing::TestWithParam<RefusedText> {};

TEST_P(RefusedDoubleText, LeavesTheValue) {
    double value = 42.0;
    EXPECT_FALSE(ParseFieldDouble(GetParam().text, &value)) << '"' << GetParam().text << '"';
    EXPECT_EQ(value, 42.0);
}

INSTANTIATE_TEST_SUITE_P(
    Form, RefusedDoubleText,
    testing::Values(RefusedText{"Empty", ""}, RefusedText{"OnlyBlanks", "   "},
                    RefusedText{"NotANumber", "nan"}, RefusedText{"Infinity", "inf"},
                    RefusedText{"InfinityWord", "-Infinity"}, RefusedText{"Overflow", "1e999"},
                    RefusedText{"NegativeOverflow", "-1e999"}, RefusedText{"PlusExponentOverflow", "1e+999"},
                    RefusedText{"Hexadecimal", "0x1p3"}, RefusedText{"DecimalComma", "1,5"},
                    RefusedText{"TrailingLetters", "12abc"}, RefusedText{"BlankInside", "1 2"},
                    RefusedText{"ExponentWithoutDigits", "1e"}, RefusedText{"LonePoint", "."},
                    RefusedText{"LoneSign", "-"}, RefusedText{"DoubleSign", "+-5"},
                    RefusedText{"ZeroAfterPoint", ".0"}, RefusedText{"NegativeZero", "-0"},
                    RefusedText{"UnderflowNotStartingWithZero", "1e-400"}, RefusedText{"Newline", "5\n"},
                    RefusedText{"Letters", "abc"},
                    RefusedText{"NumberBeyondCut", std::string(31, ' ') + "5"}),
    [](const auto& info) { return std::string(info.param.name); });

struct AcceptedInt {
    const char* name;
    std::string text;
    int expected;
};

class AcceptedIntText : public testing::TestWithParam<AcceptedInt> {};

TEST_P(AcceptedIntText, GivesTheInteger) {
    int value = -999;
    ASSERT_TRUE(ParseFieldInt(GetParam().text, &value)) << '"' << GetParam().text << '"';
    EXPECT_EQ(value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Form, AcceptedIntText,
    testing::Values(AcceptedInt{"Plain", "7", 7}, AcceptedInt{"BlanksAndTabs", " \t-12\t ", -12},
                    AcceptedInt{"ExplicitPlus", "+5", 5}, AcceptedInt{"LeadingZeros", "007", 7},
                    AcceptedInt{"Zero", "0", 0}, AcceptedInt{"IntMax", "2147483647", 2147483647},
                    AcceptedInt{"IntMin", "-2147483648", -2147483647 - 1},
                    AcceptedInt{"GarbageAfterCut", "24" + std::string(29, ' ') + "x", 24}),
    [](const auto& info) { return std::string(info.param.name); });

class RefusedIntText : public testing::TestWithParam<RefusedText> {};

TEST_P(RefusedIntText, LeavesTheValue) {
    int value = 42;
    EXPECT_FALSE(ParseFieldInt(GetParam().text, &value)) << '"' << GetParam().text << '"';
    EXPECT_EQ(value, 42);
}

INSTANTIATE_TEST_SUITE_P(
    Form, RefusedIntText,
    testing::Values(RefusedText{"Empty", ""}, RefusedText{"OnlyBlanks", "  "}, RefusedText{"PlusZero", "+0"},
                    RefusedText{"MinusZero", "-0"}, RefusedText{"Fraction", "2.5"},
                    RefusedText{"TrailingLetters", "12a"}, RefusedText{"AboveInt", "2147483648"},
                    RefusedText{"BelowInt", "-2147483649"}, RefusedText{"Hexadecimal", "0x10"},
                    RefusedText{"Exponent", "1e2"}, RefusedText{"BlankAfterSign", "- 5"},
                    RefusedText{"DoubleSign", "+-5"}, RefusedText{"DigitsBeyondCut", std::string(31, '1')}),
    [](const auto& info) { return std::string(info.param.name); });

// The reference is the C library's own "%.15g" under the C locale; texts must match exactly.
class FormatLikePrintf : public testing::TestWithParam<double> {};

TEST_P(FormatLikePrintf, MatchesPercent15g) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.15g", GetParam());
    EXPECT_EQ(FormatFieldDouble(GetParam()), expected);
}

INSTANTIATE_TEST_SUITE_P(Form, FormatLikePrintf,
                         testing::Values(48.89, 3.0, 157.22, 0.01, -17.77, 1e-5, 1e20, 123456789012345678.0,
                                         0.1 + 0.2, 1e15, 1e16, 1.0 / 3.0, 0.0001, 65.56 * 1.8 + 32.0));

TEST(FieldText, FormatsIntegersWithSign) {
    EXPECT_EQ(FormatFieldInt(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(FormatFieldInt(0), "0");
}

TEST(FieldText, ShownValueIsRoundedAndReadBack) {
    EXPECT_EQ(FormatFieldDouble(FieldValueAsShown(3.145)), "3.15");
    EXPECT_EQ(FormatFieldDouble(FieldValueAsShown(-12.345)), "-12.34");
    EXPECT_EQ(FieldValueAsShown(119.996), 120.0);
    EXPECT_EQ(FieldValueAsShown(48.89), 48.89);
}

TEST(FieldText, RangePromptNamesBothBounds) {
    EXPECT_EQ(PromptIntegerBetween(1, 12), "Please enter an integer between 1 and 12.");
    EXPECT_EQ(PromptIntegerBetween(-5, 0), "Please enter an integer between -5 and 0.");
}

}  // namespace
