#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "ShownUnits.h"
#include "UnitConversion.h"

namespace {

// The double a decimal text stands for (the nearest one).
double Decimal(const char* text) { return std::strtod(text, nullptr); }

// ---- RoundValue -------------------------------------------------------------------------
// Results are compared exactly with the double nearest the expected decimal.
struct RoundCase {
    const char* name;
    double in;
    const char* out;
};

class RoundValueTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundValueTest, GivesTheNearestDoubleOfTheHundredths) {
    EXPECT_EQ(RoundValue(GetParam().in), Decimal(GetParam().out)) << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundValueTest,
    ::testing::Values(
        RoundCase{"HalfUp", 3.145, "3.15"}, RoundCase{"Down", 3.14159, "3.14"},
        RoundCase{"NegativeCutTowardZero", -12.345, "-12.34"},
        RoundCase{"NegativeNeverRoundsAway", -17.7777, "-17.77"},
        RoundCase{"CarryIntoUnits", 119.996, "120.0"}, RoundCase{"NegativeCarryless", -39.996, "-39.99"},
        RoundCase{"CarryIntoTens", 44.999, "45.0"}, RoundCase{"AlreadyRounded", 157.22, "157.22"},
        RoundCase{"Zero", 0.0, "0.0"}, RoundCase{"MinusForty", -40.0, "-40.0"},
        RoundCase{"Hundreds", 315.0, "315.0"},
        // Typed with two decimals: never changed, though the binary digits lie below.
        RoundCase{"TwoDecimalsNegativeKept", -39.66, "-39.66"},
        RoundCase{"TwoDecimalsKept", 148.89, "148.89"},
        // 1.005 is held as 1.00499999999999989..., yet typed as 1.005 it rounds up.
        RoundCase{"HalfUpOfTheTypedDigits", 1.005, "1.01"}, RoundCase{"ThousandsKept", 1234.567, "1234.57"},
        RoundCase{"NegativeThousands", -1234.567, "-1234.56"},
        RoundCase{"CarryIntoThousands", 999.995, "1000.0"},
        RoundCase{"Large", 123456789012.345, "123456789012.35"},
        RoundCase{"BeyondHundredthsAlready", 1e20, "1e20"}, RoundCase{"SmallRoundsUp", 0.005, "0.01"},
        RoundCase{"SmallRoundsDown", 0.0049, "0.0"}, RoundCase{"TinyNegativeIsPlusZero", -0.004, "0.0"}),
    [](const ::testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.name); });

TEST(RoundValue, ZeroResultIsPlusZeroAndNonFiniteValuesPass) {
    EXPECT_FALSE(std::signbit(RoundValue(-0.004)));
    EXPECT_FALSE(std::signbit(RoundValue(-0.0)));
    EXPECT_TRUE(std::isnan(RoundValue(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(RoundValue(-std::numeric_limits<double>::infinity()), -std::numeric_limits<double>::infinity());
}

// Every value typed with up to three decimals from -1100 to 1100 (wider than any field's range): the
// result is the double of the hundredths worked out on the integer thousandths, half up for positive
// values and cut toward zero for negative ones; a value with two decimals comes back as it was.
TEST(RoundValue, EveryTypedThousandthAgreesWithIntegerArithmetic) {
    char text[32];
    for (int n = -1100000; n <= 1100000; ++n) {
        std::snprintf(text, sizeof text, "%s%d.%03d", n < 0 ? "-" : "", std::abs(n) / 1000,
                      std::abs(n) % 1000);
        const double typed = Decimal(text);
        const int hundredths = n >= 0 ? (n + 5) / 10 : n / 10;  // C++ division truncates toward zero
        std::snprintf(text, sizeof text, "%s%d.%02d", hundredths < 0 ? "-" : "", std::abs(hundredths) / 100,
                      std::abs(hundredths) % 100);
        const double expected = hundredths == 0 ? 0.0 : Decimal(text);
        ASSERT_EQ(RoundValue(typed), expected) << n;
        if (n % 10 == 0) {
            ASSERT_EQ(RoundValue(typed), typed == 0.0 ? 0.0 : typed) << n;
        }
    }
}

TEST(RoundValue, IsIdempotentOnItsOwnResults) {
    for (double x : {3.14159, -17.7777, 148.88888, 1.005, -0.0001, 65.555555, 1234.5678}) {
        const double once = RoundValue(x);
        EXPECT_EQ(RoundValue(once), once) << x;
    }
}

// ---- Converters -------------------------------------------------------------------------
TEST(Converters, FormulaAndOrderAreThoseOfTheTable) {
    for (double x : {-40.0, 0.0, 10.0, 50.0, 148.89, 300.0, 315.0}) {
        const struct {
            double (*convert)(UnitSystem, double);
            UnitSystem target;
            double expected;
        } rows[] = {{ConvertTemperature, UnitSystem::SI, (x - 32.0) * 0.5555555555555556},
                    {ConvertTemperature, UnitSystem::English, x * 1.8 + 32.0},
                    {ConvertLength, UnitSystem::SI, x * 25.4},
                    {ConvertLength, UnitSystem::English, x * 0.03937007874015748},
                    {ConvertSpeed, UnitSystem::SI, x * 1.609},
                    {ConvertSpeed, UnitSystem::English, x * 0.6215040397762586}};
        for (const auto& row : rows)
            EXPECT_EQ(row.convert(row.target, x), row.expected) << x << " to system " << UnitCode(row.target);
        EXPECT_EQ(CelsiusToFahrenheit(x), x * 1.8 + 32.0);
        EXPECT_EQ(FahrenheitToCelsius(x), (x - 32.0) * 0.5555555555555556);
    }
}

TEST(Converters, ValuesOutsideTheEnumerationLeaveTheValueUnchanged) {
    for (int code : {-1, 2, 7}) {
        const auto target = static_cast<UnitSystem>(code);
        EXPECT_EQ(ConvertTemperature(target, 12.5), 12.5);
        EXPECT_EQ(ConvertLength(target, 12.5), 12.5);
        EXPECT_EQ(ConvertSpeed(target, 12.5), 12.5);
    }
}

TEST(UnitCodes, EngineAndDisplayRules) {
    EXPECT_EQ(UnitSystemOfCode(0), UnitSystem::SI);
    EXPECT_EQ(UnitSystemOfCode(1), UnitSystem::English);
    EXPECT_EQ(UnitSystemOfCode(7), UnitSystem::SI);
    EXPECT_EQ(DisplayUnitsOfCode(0), UnitSystem::SI);
    EXPECT_EQ(DisplayUnitsOfCode(1), UnitSystem::English);
    EXPECT_EQ(DisplayUnitsOfCode(7), UnitSystem::English);
    EXPECT_EQ(UnitCode(UnitSystem::SI), 0);
    EXPECT_EQ(UnitCode(UnitSystem::English), 1);
}

// The unit switch: convert, then RoundValue, there and back.
struct SwitchCase {
    const char* name;
    double (*convert)(UnitSystem, double);
    double english;
    const char* si;        // after conversion to SI and rounding
    const char* english2;  // after converting that back and rounding
};

class UnitSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(UnitSwitchTest, ThereAndBackAgain) {
    const SwitchCase& c = GetParam();
    const double si = RoundValue(c.convert(UnitSystem::SI, c.english));
    EXPECT_EQ(si, Decimal(c.si));
    EXPECT_EQ(RoundValue(c.convert(UnitSystem::English, si)), Decimal(c.english2));
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

TEST(Converters, FiftyMillimetresShowAs1Point97Inches) {
    const double inches = ConvertLength(UnitSystem::English, 50.0);
    EXPECT_NEAR(inches, 1.9685, 1e-4);
    EXPECT_EQ(RoundValue(inches), 1.97);
}

TEST(Converters, WindBeforeRoundingIs8045) {
    const double v = ConvertSpeed(UnitSystem::SI, 5.0);
    EXPECT_EQ(v, 5.0 * 1.609);
    EXPECT_NEAR(v, 8.045, 1e-12);
    EXPECT_EQ(RoundValue(v), 8.05);
}

TEST(Converters, ThreeInchesAre76Point2Millimetres) {
    EXPECT_NEAR(ConvertLength(UnitSystem::SI, 3.0), 76.2, 1e-12);
}

// What a tool window shows of a value held in another system: converted and rounded as the unit switch
// does; a value already in the shown system is left exactly as it is, never rounded.
TEST(ShownIn, ConvertsAndRoundsOnlyAcrossSystems) {
    EXPECT_EQ(TemperatureIn(300.0, UnitSystem::English, UnitSystem::SI), Decimal("148.89"));
    EXPECT_EQ(LengthIn(3.0, UnitSystem::English, UnitSystem::SI), Decimal("76.2"));
    EXPECT_EQ(WindSpeedIn(5.0, UnitSystem::English, UnitSystem::SI), Decimal("8.05"));
    EXPECT_EQ(TemperatureIn(148.891, UnitSystem::SI, UnitSystem::SI), 148.891);
    EXPECT_EQ(ShownTemperature(100.0, UnitSystem::English), 212.0);
    EXPECT_EQ(ShownTemperature(-17.775, UnitSystem::SI), -17.775);
}

}  // namespace
