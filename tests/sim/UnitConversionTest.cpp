#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "UnitConversion.h"

namespace {

// RoundValue's eight steps as written, with integer digits (t(y) as a cast toward zero).
// The library truncates on doubles; both must give the same double. The result can lie one unit in the
// last place away from the double nearest the decimal text (148.89 does), so the expected decimal is
// checked through the two-decimal text and a tolerance of 1e-12, the algorithm's double exactly.
double LiteralRound(double x) {
    const long long a = (long long)(x * 0.001);
    const long long H = (long long)(x * 0.01) - 10 * a;
    const long long T = (long long)(x * 0.1) - 10 * (10 * a + H);
    const long long U = (long long)(x)-10 * (long long)(x * 0.1);
    const long long D1 = (long long)(x * 10) - 10 * (long long)(x);
    long long D2 = (long long)(x * 100) - 10 * (long long)(x * 10);
    const long long D3 = (long long)(x * 1000) - 10 * (long long)(x * 100);
    if (D3 >= 5) D2 = D2 + 1;
    return ((10 * H + T) * 10) + D2 * 0.01 + D1 * 0.1 + U;
}

std::string TwoDecimals(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", x);
    return buf;
}

// Checks a rounded value exactly against the digits of `text`, and its two-decimal text.
void ExpectRoundedTo(double actual, const std::string& text) {
    std::string expectedText = text;
    if (expectedText.find('.') == std::string::npos) expectedText += ".00";
    while (expectedText.size() - expectedText.find('.') < 3) expectedText += "0";
    EXPECT_EQ(TwoDecimals(actual), expectedText);
    EXPECT_NEAR(actual, std::strtod(text.c_str(), nullptr), 1e-12) << text;
}

double Rounded(double x) {
    RoundValue(&x);
    return x;
}

// ---- RoundValue -------------------------------------------------------------------------
// Expected values are the doubles of the decimal literals: the digit arithmetic gives exactly them.
struct RoundCase {
    const char* name;
    double in;
    const char* out;
};

class RoundValueTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundValueTest, GivesTheHundredths) {
    const double r = Rounded(GetParam().in);
    EXPECT_EQ(r, LiteralRound(GetParam().in));
    ExpectRoundedTo(r, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundValueTest,
    ::testing::Values(RoundCase{"HalfUp", 3.145, "3.15"}, RoundCase{"Down", 3.14159, "3.14"},
                      RoundCase{"NegativeCutTowardZero", -12.345, "-12.34"},
                      RoundCase{"NegativeNeverRoundsAway", -17.7777, "-17.77"},
                      RoundCase{"CarryIntoUnits", 119.996, "120.0"},
                      RoundCase{"NegativeCarryless", -39.996, "-39.99"},
                      RoundCase{"CarryIntoTens", 44.999, "45.0"},
                      RoundCase{"AlreadyRounded", 157.22, "157.22"}, RoundCase{"Zero", 0.0, "0.0"},
                      RoundCase{"MinusForty", -40.0, "-40.0"}, RoundCase{"Hundreds", 315.0, "315.0"}),
    [](const ::testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

TEST(RoundValue, IsIdempotentOnItsOwnResults) {
    for (const char* text : {"3.15", "-12.34", "120", "157.22", "148.89", "76.2", "8.05", "-17.77", "0.01",
                             "65.56", "193.08", "48.89", "-40", "315", "0.5", "12.7", "254"}) {
        const double once = Rounded(std::strtod(text, nullptr));
        ExpectRoundedTo(once, text);
        EXPECT_EQ(Rounded(once), once) << text;
    }
}

TEST(RoundValue, DoubleTruncationEqualsIntegerDigits) {
    // Every hundredth from -40 to 315, and the thousandths around them.
    for (int i = -40000; i <= 315000; ++i) {
        const double x = i * 0.001;
        ASSERT_EQ(Rounded(x), LiteralRound(x)) << x;
    }
}

// ---- Converters -------------------------------------------------------------------------
TEST(Converters, FormulaAndOrderAreThoseOfTheTable) {
    for (double x : {-40.0, 0.0, 10.0, 50.0, 148.89, 300.0, 315.0}) {
        const struct {
            void (*convert)(int, double*);
            int nTarget;
            double expected;
        } rows[] = {{ConvertTemperature, 0, (x - 32.0) * 0.5555555555555556},
                    {ConvertTemperature, 1, x * 1.8 + 32.0},
                    {ConvertLength, 0, x * 25.4},
                    {ConvertLength, 1, x * 0.03937007874015748},
                    {ConvertSpeed, 0, x * 1.609},
                    {ConvertSpeed, 1, x * 0.6215040397762586}};
        for (const auto& row : rows) {
            double v = x;
            row.convert(row.nTarget, &v);
            EXPECT_EQ(v, row.expected) << x << " to system " << row.nTarget;
        }
    }
}

TEST(Converters, OtherTargetCodesLeaveTheValueUnchanged) {
    for (int code : {-1, 2, 7}) {
        double t = 12.5, l = 12.5, s = 12.5;
        ConvertTemperature(code, &t);
        ConvertLength(code, &l);
        ConvertSpeed(code, &s);
        EXPECT_EQ(t, 12.5);
        EXPECT_EQ(l, 12.5);
        EXPECT_EQ(s, 12.5);
    }
}

// The unit switch: convert, then RoundValue.
struct SwitchCase {
    const char* name;
    void (*convert)(int, double*);
    double english;
    const char* si;        // after conversion to SI and rounding
    const char* english2;  // after converting that back and rounding
};

class UnitSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(UnitSwitchTest, ThereAndBackAgain) {
    const SwitchCase& c = GetParam();
    double v = c.english;
    c.convert(0, &v);
    const double si = v;
    RoundValue(&v);
    ExpectRoundedTo(v, c.si);
    EXPECT_EQ(v, LiteralRound(si));
    c.convert(1, &v);
    const double back = v;
    RoundValue(&v);
    ExpectRoundedTo(v, c.english2);
    EXPECT_EQ(v, LiteralRound(back));
}

INSTANTIATE_TEST_SUITE_P(
    Switches, UnitSwitchTest,
    ::testing::Values(SwitchCase{"Air50F", ConvertTemperature, 50.0, "10.0", "50.0"},
                      SwitchCase{"Delivery300F", ConvertTemperature, 300.0, "148.89", "300.0"},
                      SwitchCase{"Lift3in", ConvertLength, 3.0, "76.2", "3.0"},
                      SwitchCase{"Wind5mph", ConvertSpeed, 5.0, "8.05", "5.0"},
                      SwitchCase{"ZeroF", ConvertTemperature, 0.0, "-17.77", "0.01"},
                      SwitchCase{"Delivery150F", ConvertTemperature, 150.0, "65.56", "150.01"},
                      SwitchCase{"Delivery315F", ConvertTemperature, 315.0, "157.22", "315.0"},
                      SwitchCase{"MinusForty", ConvertTemperature, -40.0, "-40.0", "-40.0"}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

TEST(Converters, WindBeforeRoundingIs8045) {
    double v = 5.0;
    ConvertSpeed(0, &v);
    EXPECT_EQ(v, 5.0 * 1.609);
    EXPECT_NEAR(v, 8.045, 1e-12);
    RoundValue(&v);
    ExpectRoundedTo(v, "8.05");
}

TEST(Converters, ThreeInchesAre76Point2Millimetres) {
    double v = 3.0;
    ConvertLength(0, &v);
    EXPECT_NEAR(v, 76.2, 1e-12);
}

}  // namespace
