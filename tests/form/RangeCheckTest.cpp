#include <gtest/gtest.h>

#include <string>

#include "FieldText.h"
#include "FormRules.h"
#include "UnitConversion.h"

namespace {

// Limits are assigned, never computed, so values are compared exactly.
struct RangeRow {
    const char* name;
    double dValue;
    double dMax;
    double dMin;
    RangeCheck expected;
    double dAfter;
};

class RangeLimits : public testing::TestWithParam<RangeRow> {};

TEST_P(RangeLimits, ClampsToTheNearerLimit) {
    const RangeRow& row = GetParam();
    const RangeCheck outcome = TestRange(row.dValue, row.dMax, row.dMin);
    EXPECT_EQ(outcome, row.expected);
    double value = row.dValue;
    ApplyRangeCheck(&value, outcome, row.dMax, row.dMin);
    EXPECT_EQ(value, row.dAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Form, RangeLimits,
    testing::Values(RangeRow{"AboveMaximum", 130.0, 120.0, -40.0, RangeCheck::SetToMaximum, 120.0},
                    RangeRow{"BelowMinimum", -50.0, 120.0, -40.0, RangeCheck::SetToMinimum, -40.0},
                    RangeRow{"MaximumIsAllowed", 120.0, 120.0, -40.0, RangeCheck::InRange, 120.0},
                    RangeRow{"MinimumIsAllowed", -40.0, 120.0, -40.0, RangeCheck::InRange, -40.0},
                    RangeRow{"JustBelowMaximum", 119.996, 120.0, -40.0, RangeCheck::InRange, 119.996},
                    RangeRow{"JustAboveMaximum", 120.004, 120.0, -40.0, RangeCheck::SetToMaximum, 120.0},
                    // Crossed limits show which end is looked at first.
                    RangeRow{"LowerLimitTestedFirst", 5.0, 0.0, 10.0, RangeCheck::SetToMinimum, 10.0}),
    [](const auto& info) { return std::string(info.param.name); });

// Leaving a field: clamp, then round to hundredths; the result is compared as the field shows it.
struct LeaveRow {
    const char* name;
    UnitSystem units;
    RealField field;
    double dTyped;
    RangeCheck expected;
    const char* shown;
};

class LeaveRealField : public testing::TestWithParam<LeaveRow> {};

TEST_P(LeaveRealField, ClampsThenRounds) {
    const LeaveRow& row = GetParam();
    FormRecord record;
    ApplyUnitSystem(record, row.units);
    const RealFieldBinding binding = BindRealField(record, row.field);
    *binding.pValue = row.dTyped;

    const RangeCheck outcome = TestRange(*binding.pValue, binding.dMax, binding.dMin);
    ApplyRangeCheck(binding.pValue, outcome, binding.dMax, binding.dMin);
    *binding.pValue = RoundValue(*binding.pValue);

    EXPECT_EQ(outcome, row.expected);
    EXPECT_EQ(FormatFieldDouble(*binding.pValue), row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Form, LeaveRealField,
    testing::Values(LeaveRow{"AirTooHot", UnitSystem::English, RealField::AirTemp, 130.0,
                             RangeCheck::SetToMaximum, "120"},
                    LeaveRow{"AirTooCold", UnitSystem::English, RealField::AirTemp, -50.0,
                             RangeCheck::SetToMinimum, "-40"},
                    LeaveRow{"AirRoundsOntoMaximumSilently", UnitSystem::English, RealField::AirTemp, 119.996,
                             RangeCheck::InRange, "120"},
                    LeaveRow{"AirJustAboveMaximum", UnitSystem::English, RealField::AirTemp, 120.004,
                             RangeCheck::SetToMaximum, "120"},
                    LeaveRow{"LiftBelowMinimum", UnitSystem::English, RealField::LiftThickness, 0.4,
                             RangeCheck::SetToMinimum, "0.5"},
                    LeaveRow{"LiftRoundsDown", UnitSystem::English, RealField::LiftThickness, 3.14159,
                             RangeCheck::InRange, "3.14"},
                    LeaveRow{"LiftRoundsHalfUp", UnitSystem::English, RealField::LiftThickness, 3.145,
                             RangeCheck::InRange, "3.15"},
                    LeaveRow{"SurfaceNegativeCutTowardZero", UnitSystem::English, RealField::SurfaceTemp,
                             -12.345, RangeCheck::InRange, "-12.34"},
                    LeaveRow{"SurfaceNearMinimum", UnitSystem::English, RealField::SurfaceTemp, -39.996,
                             RangeCheck::InRange, "-39.99"},
                    LeaveRow{"LatitudeAboveNinety", UnitSystem::English, RealField::Latitude, 95.0,
                             RangeCheck::SetToMaximum, "90"},
                    LeaveRow{"LatitudeSouth", UnitSystem::English, RealField::Latitude, -10.0,
                             RangeCheck::SetToMinimum, "0"},
                    LeaveRow{"LatitudeRoundsUp", UnitSystem::English, RealField::Latitude, 44.999,
                             RangeCheck::InRange, "45"},
                    LeaveRow{"WindNegative", UnitSystem::English, RealField::WindSpeed, -5.0,
                             RangeCheck::SetToMinimum, "0"},
                    LeaveRow{"DeliveryTooCold", UnitSystem::English, RealField::DeliveryTemp, 140.0,
                             RangeCheck::SetToMinimum, "150"},
                    LeaveRow{"SiLiftTooThick", UnitSystem::SI, RealField::LiftThickness, 300.0,
                             RangeCheck::SetToMaximum, "254"},
                    LeaveRow{"SiDeliveryLeftBySwitch", UnitSystem::SI, RealField::DeliveryTemp, 157.22,
                             RangeCheck::SetToMaximum, "157.2"},
                    LeaveRow{"SiAirTooHot", UnitSystem::SI, RealField::AirTemp, 49.0,
                             RangeCheck::SetToMaximum, "48.89"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RealFieldBindings, NameTheFieldsMemberAndItsLimits) {
    FormRecord record;
    struct Expected {
        RealField field;
        double* pValue;
        const double* pMax;
        const double* pMin;
    };
    const Expected table[] = {
        {RealField::AirTemp, &record.inputs.m_dAirTemp, &record.ranges.m_dAirTempMax,
         &record.ranges.m_dAirTempMin},
        {RealField::WindSpeed, &record.inputs.m_dWindSpeed, &record.ranges.m_dWindSpeedMax,
         &record.ranges.m_dWindSpeedMin},
        {RealField::LiftThickness, &record.inputs.m_dLiftThickness, &record.ranges.m_dLiftThicknessMax,
         &record.ranges.m_dLiftThicknessMin},
        {RealField::DeliveryTemp, &record.inputs.m_dDeliveryTemp, &record.ranges.m_dDeliveryTempMax,
         &record.ranges.m_dDeliveryTempMin},
        {RealField::SurfaceTemp, &record.inputs.m_dSurfaceTemp, &record.ranges.m_dSurfaceTempMax,
         &record.ranges.m_dSurfaceTempMin},
        {RealField::Latitude, &record.inputs.m_dLatitude, &record.ranges.m_dLatitudeMax,
         &record.ranges.m_dLatitudeMin},
    };
    for (UnitSystem units : {UnitSystem::English, UnitSystem::SI}) {
        ApplyUnitSystem(record, units);
        const int nUnits = UnitCode(units);
        for (const Expected& row : table) {
            const RealFieldBinding binding = BindRealField(record, row.field);
            EXPECT_EQ(binding.pValue, row.pValue) << static_cast<int>(row.field);
            EXPECT_EQ(binding.dMax, *row.pMax) << static_cast<int>(row.field) << " units " << nUnits;
            EXPECT_EQ(binding.dMin, *row.pMin) << static_cast<int>(row.field) << " units " << nUnits;
        }
    }
}

}  // namespace
