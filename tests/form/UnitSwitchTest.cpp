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
    record.m_dAirTemp = v[0];
    record.m_dSurfaceTemp = v[1];
    record.m_dDeliveryTemp = v[2];
    record.m_dLiftThickness = v[3];
    record.m_dWindSpeed = v[4];
}

std::array<std::string, 5> ShownFive(const FormRecord& record) {
    return {FormatFieldDouble(record.m_dAirTemp), FormatFieldDouble(record.m_dSurfaceTemp),
            FormatFieldDouble(record.m_dDeliveryTemp), FormatFieldDouble(record.m_dLiftThickness),
            FormatFieldDouble(record.m_dWindSpeed)};
}

// Converted values are compared as the field shows them ("%.15g"), exactly: that text is what a
// user reads and what the next read of the form gives back.
struct SwitchRow {
    const char* name;
    int nFrom;
    Five values;
    FiveTexts expected;
};

class UnitSwitch : public testing::TestWithParam<SwitchRow> {};

TEST_P(UnitSwitch, ConvertsAndRoundsTheFiveValues) {
    const SwitchRow& row = GetParam();
    FormRecord record;
    if (row.nFrom == UNITS_SI) ApplyUnitSystem(record, UNITS_SI);
    SetFive(record, row.values);

    EXPECT_TRUE(ApplyUnitSystem(record, 1 - row.nFrom));

    const auto shown = ShownFive(record);
    for (std::size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], row.expected[i]) << "value " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Form, UnitSwitch,
    testing::Values(
        SwitchRow{"DefaultsToSi", UNITS_ENGLISH, {50, 50, 300, 3, 5}, {"10", "10", "148.89", "76.2", "8.05"}},
        SwitchRow{
            "DefaultsBackToEnglish", UNITS_SI, {10, 10, 148.89, 76.2, 8.05}, {"50", "50", "300", "3", "5"}},
        // Negative values are cut toward zero, not rounded.
        SwitchRow{"ZeroFahrenheitCutTowardZero",
                  UNITS_ENGLISH,
                  {0, 0, 300, 3, 5},
                  {"-17.77", "-17.77", "148.89", "76.2", "8.05"}},
        SwitchRow{"MinusSeventeenPointSeventySevenBack",
                  UNITS_SI,
                  {-17.77, -17.77, 148.89, 76.2, 8.05},
                  {"0.01", "0.01", "300", "3", "5"}},
        SwitchRow{
            "DeliveryMinimumToSi", UNITS_ENGLISH, {50, 50, 150, 3, 5}, {"10", "10", "65.56", "76.2", "8.05"}},
        SwitchRow{
            "DeliveryMinimumBack", UNITS_SI, {10, 10, 65.56, 76.2, 8.05}, {"50", "50", "150.01", "3", "5"}},
        SwitchRow{"DeliveryMaximumToSi",
                  UNITS_ENGLISH,
                  {50, 50, 315, 3, 5},
                  {"10", "10", "157.22", "76.2", "8.05"}},
        SwitchRow{
            "DeliveryMaximumBack", UNITS_SI, {10, 10, 157.22, 76.2, 8.05}, {"50", "50", "315", "3", "5"}},
        SwitchRow{
            "MinusFortyToSi", UNITS_ENGLISH, {-40, -40, 300, 3, 5}, {"-40", "-40", "148.89", "76.2", "8.05"}},
        SwitchRow{
            "MinusFortyBack", UNITS_SI, {-40, -40, 148.89, 76.2, 8.05}, {"-40", "-40", "300", "3", "5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnitSwitchState, SiWritesStoredRangesAndLabels) {
    FormRecord record;
    ASSERT_TRUE(ApplyUnitSystem(record, UNITS_SI));
    EXPECT_EQ(record.m_nActiveUnits, UNITS_SI);
    EXPECT_EQ(record.m_nUnits, UNITS_SI);
    EXPECT_EQ(record.m_strAirTempUnit, "C");
    EXPECT_EQ(record.m_strSurfaceTempUnit, "C");
    EXPECT_EQ(record.m_strDeliveryTempUnit, "C");
    EXPECT_EQ(record.m_strLiftUnit, "mm");
    EXPECT_EQ(record.m_strWindUnit, "km/h");
    // The stored SI maximum, not the 157.22 that 315 F converts to.
    EXPECT_EQ(record.m_dDeliveryTempMax, 157.2);
    EXPECT_EQ(record.m_dDeliveryTempMin, 65.56);
    EXPECT_EQ(record.m_dAirTempMax, 48.89);
    EXPECT_EQ(record.m_dSurfaceTempMax, 48.89);
    EXPECT_EQ(record.m_dWindSpeedMax, 193.08);
    EXPECT_EQ(record.m_dLiftThicknessMax, 254.0);
    EXPECT_EQ(record.m_dLiftThicknessMin, 12.7);
}

TEST(UnitSwitchState, EnglishAgainRestoresRangesAndLabels) {
    FormRecord record;
    ApplyUnitSystem(record, UNITS_SI);
    ASSERT_TRUE(ApplyUnitSystem(record, UNITS_ENGLISH));
    const FormRecord fresh;
    EXPECT_EQ(record.m_strAirTempUnit, "F");
    EXPECT_EQ(record.m_strLiftUnit, "in.");
    EXPECT_EQ(record.m_strWindUnit, "mph");
    EXPECT_EQ(record.m_dDeliveryTempMax, fresh.m_dDeliveryTempMax);
    EXPECT_EQ(record.m_dAirTempMax, fresh.m_dAirTempMax);
    EXPECT_EQ(record.m_dLiftThicknessMin, fresh.m_dLiftThicknessMin);
}

TEST(UnitSwitchState, SharedLimitsAreLeftAlone) {
    FormRecord record;
    record.m_dLatitudeMax = 80.0;
    record.m_dWindSpeedMin = 1.0;
    ApplyUnitSystem(record, UNITS_SI);
    EXPECT_EQ(record.m_dLatitudeMax, 80.0);
    EXPECT_EQ(record.m_dWindSpeedMin, 1.0);
}

TEST(UnitSwitchState, SwitchToCurrentOrUnknownSystemChangesNothing) {
    for (int nTarget : {UNITS_ENGLISH, 2, -1}) {
        FormRecord record;
        record.m_dAirTemp = 12.345;
        EXPECT_FALSE(ApplyUnitSystem(record, nTarget)) << nTarget;
        EXPECT_EQ(record.m_dAirTemp, 12.345);
        EXPECT_EQ(record.m_nActiveUnits, UNITS_ENGLISH);
        EXPECT_EQ(record.m_strAirTempUnit, "F");
        EXPECT_EQ(record.m_dAirTempMax, 120.0);
    }
}

TEST(UnitSwitchState, LeavesOtherInputsAndResults) {
    FormRecord record;
    record.m_dLatitude = 44.5;
    record.m_nDay = 17;
    record.m_nMaterialType = 0;
    record.m_dStopTime = 68.0;
    record.m_nStartTime = 12;
    ApplyUnitSystem(record, UNITS_SI);
    EXPECT_EQ(record.m_dLatitude, 44.5);
    EXPECT_EQ(record.m_nDay, 17);
    EXPECT_EQ(record.m_nMaterialType, 0);
    EXPECT_EQ(record.m_dStopTime, 68.0);
    EXPECT_EQ(record.m_nStartTime, 12);
}

// When an earlier field is refused the radio is never read, so m_nUnits still names the old
// system; the converted values must not be left under that code for the engine to read.
TEST(UnitSwitchState, RadioCodeFollowsTheConvertedValues) {
    FormRecord record;
    record.m_nUnits = UNITS_ENGLISH;
    ASSERT_TRUE(ApplyUnitSystem(record, UNITS_SI));
    EXPECT_EQ(record.m_nUnits, UNITS_SI);
}

}  // namespace
