#include <gtest/gtest.h>

#include <array>
#include <string>

#include "FieldText.h"
#include "FormRules.h"

namespace {

// Air, surface, delivery, lift, wind.
using Five = std::array<double, 5>;
using FiveTexts = std::array<const char*, 5>;

void SetFive(FormRecord& record, const Five& v) {
    record.inputs.m_dAirTemp = v[0];
    record.inputs.m_dSurfaceTemp = v[1];
    record.inputs.m_dDeliveryTemp = v[2];
    record.inputs.m_dLiftThickness = v[3];
    record.inputs.m_dWindSpeed = v[4];
}

std::array<std::string, 5> ShownFive(const FormRecord& record) {
    return {FormatFieldDouble(record.inputs.m_dAirTemp), FormatFieldDouble(record.inputs.m_dSurfaceTemp),
            FormatFieldDouble(record.inputs.m_dDeliveryTemp),
            FormatFieldDouble(record.inputs.m_dLiftThickness), FormatFieldDouble(record.inputs.m_dWindSpeed)};
}

// Converted values are compared as the field shows them ("%.15g"), exactly: that text is what a
// user reads and what the next read of the form gives back.
struct SwitchRow {
    const char* name;
    UnitSystem from;
    Five values;
    FiveTexts expected;
};

class UnitSwitch : public testing::TestWithParam<SwitchRow> {};

TEST_P(UnitSwitch, ConvertsAndRoundsTheFiveValues) {
    const SwitchRow& row = GetParam();
    FormRecord record;
    if (row.from == UnitSystem::SI) ApplyUnitSystem(record, UnitSystem::SI);
    SetFive(record, row.values);

    EXPECT_TRUE(ApplyUnitSystem(record, row.from == UnitSystem::SI ? UnitSystem::English : UnitSystem::SI));

    const auto shown = ShownFive(record);
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], row.expected[i]) << "value " << i;
}

INSTANTIATE_TEST_SUITE_P(Form, UnitSwitch,
                         testing::Values(SwitchRow{"DefaultsToSi",
                                                   UnitSystem::English,
                                                   {50, 50, 300, 3, 5},
                                                   {"10", "10", "148.89", "76.2", "8.05"}},
                                         SwitchRow{"DefaultsBackToEnglish",
                                                   UnitSystem::SI,
                                                   {10, 10, 148.89, 76.2, 8.05},
                                                   {"50", "50", "300", "3", "5"}},
                                         // Negative values are cut toward zero, not rounded.
                                         SwitchRow{"ZeroFahrenheitCutTowardZero",
                                                   UnitSystem::English,
                                                   {0, 0, 300, 3, 5},
                                                   {"-17.77", "-17.77", "148.89", "76.2", "8.05"}},
                                         SwitchRow{"MinusSeventeenPointSeventySevenBack",
                                                   UnitSystem::SI,
                                                   {-17.77, -17.77, 148.89, 76.2, 8.05},
                                                   {"0.01", "0.01", "300", "3", "5"}},
                                         SwitchRow{"DeliveryMinimumToSi",
                                                   UnitSystem::English,
                                                   {50, 50, 150, 3, 5},
                                                   {"10", "10", "65.56", "76.2", "8.05"}},
                                         SwitchRow{"DeliveryMinimumBack",
                                                   UnitSystem::SI,
                                                   {10, 10, 65.56, 76.2, 8.05},
                                                   {"50", "50", "150.01", "3", "5"}},
                                         SwitchRow{"DeliveryMaximumToSi",
                                                   UnitSystem::English,
                                                   {50, 50, 315, 3, 5},
                                                   {"10", "10", "157.22", "76.2", "8.05"}},
                                         SwitchRow{"DeliveryMaximumBack",
                                                   UnitSystem::SI,
                                                   {10, 10, 157.22, 76.2, 8.05},
                                                   {"50", "50", "315", "3", "5"}},
                                         SwitchRow{"MinusFortyToSi",
                                                   UnitSystem::English,
                                                   {-40, -40, 300, 3, 5},
                                                   {"-40", "-40", "148.89", "76.2", "8.05"}},
                                         SwitchRow{"MinusFortyBack",
                                                   UnitSystem::SI,
                                                   {-40, -40, 148.89, 76.2, 8.05},
                                                   {"-40", "-40", "300", "3", "5"}},
                                         // 50 mm is 1.9685... in.: the lift is rounded like the rest.
                                         SwitchRow{"FiftyMillimetresRoundToInches",
                                                   UnitSystem::SI,
                                                   {10, 10, 148.89, 50, 8.05},
                                                   {"50", "50", "300", "1.97", "5"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UnitSwitchState, SiWritesStoredRangesAndLabels) {
    FormRecord record;
    ASSERT_TRUE(ApplyUnitSystem(record, UnitSystem::SI));
    EXPECT_EQ(record.m_nActiveUnits, UnitCode(UnitSystem::SI));
    EXPECT_EQ(record.inputs.m_nUnits, UnitCode(UnitSystem::SI));
    EXPECT_EQ(record.m_strAirTempUnit, "C");
    EXPECT_EQ(record.m_strSurfaceTempUnit, "C");
    EXPECT_EQ(record.m_strDeliveryTempUnit, "C");
    EXPECT_EQ(record.m_strLiftUnit, "mm");
    EXPECT_EQ(record.m_strWindUnit, "km/h");
    // The stored SI maximum, not the 157.22 that 315 F converts to.
    EXPECT_EQ(record.ranges.m_dDeliveryTempMax, 157.2);
    EXPECT_EQ(record.ranges.m_dDeliveryTempMin, 65.56);
    EXPECT_EQ(record.ranges.m_dAirTempMax, 48.89);
    EXPECT_EQ(record.ranges.m_dSurfaceTempMax, 48.89);
    EXPECT_EQ(record.ranges.m_dWindSpeedMax, 193.08);
    EXPECT_EQ(record.ranges.m_dLiftThicknessMax, 254.0);
    EXPECT_EQ(record.ranges.m_dLiftThicknessMin, 12.7);
}

TEST(UnitSwitchState, EnglishAgainRestoresRangesAndLabels) {
    FormRecord record;
    ApplyUnitSystem(record, UnitSystem::SI);
    ASSERT_TRUE(ApplyUnitSystem(record, UnitSystem::English));
    const FormRecord fresh;
    EXPECT_EQ(record.m_strAirTempUnit, "F");
    EXPECT_EQ(record.m_strLiftUnit, "in.");
    EXPECT_EQ(record.m_strWindUnit, "mph");
    EXPECT_EQ(record.ranges.m_dDeliveryTempMax, fresh.ranges.m_dDeliveryTempMax);
    EXPECT_EQ(record.ranges.m_dAirTempMax, fresh.ranges.m_dAirTempMax);
    EXPECT_EQ(record.ranges.m_dLiftThicknessMin, fresh.ranges.m_dLiftThicknessMin);
}

TEST(UnitSwitchState, SharedLimitsAreLeftAlone) {
    FormRecord record;
    record.ranges.m_dLatitudeMax = 80.0;
    record.ranges.m_dWindSpeedMin = 1.0;
    ApplyUnitSystem(record, UnitSystem::SI);
    EXPECT_EQ(record.ranges.m_dLatitudeMax, 80.0);
    EXPECT_EQ(record.ranges.m_dWindSpeedMin, 1.0);
}

TEST(UnitSwitchState, SwitchToCurrentOrUnknownSystemChangesNothing) {
    for (int nTarget : {UnitCode(UnitSystem::English), 2, -1}) {
        FormRecord record;
        record.inputs.m_dAirTemp = 12.345;
        EXPECT_FALSE(ApplyUnitSystem(record, static_cast<UnitSystem>(nTarget))) << nTarget;
        EXPECT_EQ(record.inputs.m_dAirTemp, 12.345);
        EXPECT_EQ(record.m_nActiveUnits, UnitCode(UnitSystem::English));
        EXPECT_EQ(record.m_strAirTempUnit, "F");
        EXPECT_EQ(record.ranges.m_dAirTempMax, 120.0);
    }
}

TEST(UnitSwitchState, LeavesOtherInputsAndResults) {
    FormRecord record;
    record.inputs.m_dLatitude = 44.5;
    record.inputs.m_nDay = 17;
    record.inputs.m_nMaterialType = 0;
    record.m_dStopTime = 68.0;
    record.m_nStartTime = 12;
    ApplyUnitSystem(record, UnitSystem::SI);
    EXPECT_EQ(record.inputs.m_dLatitude, 44.5);
    EXPECT_EQ(record.inputs.m_nDay, 17);
    EXPECT_EQ(record.inputs.m_nMaterialType, 0);
    EXPECT_EQ(record.m_dStopTime, 68.0);
    EXPECT_EQ(record.m_nStartTime, 12);
}

// When an earlier field is refused the radio is never read, so m_nUnits still names the old
// system; the converted values must not be left under that code for the engine to read.
TEST(UnitSwitchState, RadioCodeFollowsTheConvertedValues) {
    FormRecord record;
    record.inputs.m_nUnits = UnitCode(UnitSystem::English);
    ASSERT_TRUE(ApplyUnitSystem(record, UnitSystem::SI));
    EXPECT_EQ(record.inputs.m_nUnits, UnitCode(UnitSystem::SI));
}

}  // namespace
