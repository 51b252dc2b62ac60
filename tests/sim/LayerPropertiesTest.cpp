#include <gtest/gtest.h>

#include <optional>

#include "LayerProperties.h"

namespace {

// ---- Mix table ---------------------------------------------------------------------------------------
struct MixRow {
    int index;
    double k, rho, c;
};

class MixTableTest : public ::testing::TestWithParam<MixRow> {};

TEST_P(MixTableTest, GivesTheRow) {
    const MixRow& r = GetParam();
    const std::optional<LayerProperties> mix = SelectMixProperties(r.index);
    ASSERT_TRUE(mix.has_value());
    EXPECT_EQ(mix->dConductivity, r.k);
    EXPECT_EQ(mix->dDensity, r.rho);
    EXPECT_EQ(mix->dSpecificHeat, r.c);
}

INSTANTIATE_TEST_SUITE_P(Rows, MixTableTest,
                         ::testing::Values(MixRow{0, 2.0, 2000.0, 1000.0}, MixRow{1, 1.5, 2010.0, 1010.0},
                                           MixRow{2, 2.0, 2000.0, 1000.0}, MixRow{3, 1.5, 2010.0, 1010.0}));

TEST(MixTable, OutOfRangeIndexSelectsNothing) {
    for (int index : {-1, 4, 100, -2147483647 - 1})
        EXPECT_FALSE(SelectMixProperties(index).has_value()) << index;
}

// ---- Existing surface table ------------------------------------------------------------------------------
struct ExistingRow {
    int material, moisture, state;
    double k, c, rho;
};

class ExistingTableTest : public ::testing::TestWithParam<ExistingRow> {};

TEST_P(ExistingTableTest, GivesTheRow) {
    const ExistingRow& r = GetParam();
    const std::optional<LayerProperties> existing = SelectExistingProperties(r.material, r.moisture, r.state);
    ASSERT_TRUE(existing.has_value());
    EXPECT_EQ(existing->dConductivity, r.k);
    EXPECT_EQ(existing->dSpecificHeat, r.c);
    EXPECT_EQ(existing->dDensity, r.rho);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExistingTableTest,
    ::testing::Values(
        // AC and PCC ignore moisture content and state (-1 included).
        ExistingRow{0, 0, 0, 1.51, 1025.0, 2000.0}, ExistingRow{0, 1, 1, 1.51, 1025.0, 2000.0},
        ExistingRow{0, -1, -1, 1.51, 1025.0, 2000.0}, ExistingRow{1, 0, 0, 0.92, 1090.0, 2000.0},
        ExistingRow{1, -1, -1, 0.92, 1090.0, 2000.0},
        // Granular Base.
        ExistingRow{2, 0, 0, 2.0, 860.0, 2000.0}, ExistingRow{2, 0, 1, 1.16, 960.0, 2000.0},
        ExistingRow{2, 1, 0, 3.55, 960.0, 2000.0}, ExistingRow{2, 1, 1, 1.22, 1170.0, 2000.0},
        // Subgrade Soil.
        ExistingRow{3, 0, 0, 1.4, 960.0, 1800.0}, ExistingRow{3, 0, 1, 1.35, 1170.0, 1800.0},
        ExistingRow{3, 1, 0, 2.38, 1170.0, 1800.0}, ExistingRow{3, 1, 1, 1.87, 1590.0, 1800.0},
        // Any content other than 0 is Wet, any state other than 0 Unfrozen.
        ExistingRow{2, -1, -1, 1.22, 1170.0, 2000.0}, ExistingRow{3, 5, 0, 2.38, 1170.0, 1800.0},
        ExistingRow{3, 0, 7, 1.35, 1170.0, 1800.0}));

TEST(ExistingTable, OutOfRangeMaterialSelectsNothing) {
    for (int material : {-1, 4, 99})
        EXPECT_FALSE(SelectExistingProperties(material, 0, 1).has_value()) << material;
}

// ---- NormalizeInputs ------------------------------------------------------------------------------------
TEST(NormalizeInputs, SiInputsAreScaledOnly) {
    SimulationInputs in;
    in.m_nUnits = UnitCode(UnitSystem::SI);
    in.m_dAirTemp = 20.0;
    in.m_dLiftThickness = 50.0;
    in.m_dWindSpeed = 10.0;
    in.m_dSurfaceTemp = 5.0;
    in.m_dDeliveryTemp = 140.0;
    SelectedProperties p;
    const NormalizedInputs n = NormalizeInputs(in, p);
    EXPECT_EQ(n.dAirTemp, 20.0);
    EXPECT_EQ(n.dSurfaceTemp, 5.0);
    EXPECT_EQ(n.dDeliveryTemp, 140.0);
    EXPECT_EQ(n.dLiftThicknessCm, 5.0);
    EXPECT_EQ(n.dLiftThickness, 0.05);
    EXPECT_EQ(n.dWindSpeed, 10.0 * 0.2777777777777778);
    EXPECT_NEAR(n.dWindSpeed, 2.78, 0.005);
}

TEST(NormalizeInputs, EnglishInputsAreConvertedOnACopy) {
    SimulationInputs in;
    in.m_nUnits = UnitCode(UnitSystem::English);
    in.m_dAirTemp = 68.0;
    in.m_dLiftThickness = 2.0;
    in.m_dWindSpeed = 10.0;
    const SimulationInputs before = in;
    SelectedProperties p;
    const NormalizedInputs n = NormalizeInputs(in, p);
    EXPECT_EQ(n.dAirTemp, (68.0 - 32.0) * 0.5555555555555556);
    EXPECT_DOUBLE_EQ(n.dAirTemp, 20.0);
    EXPECT_EQ(n.dSurfaceTemp, (50.0 - 32.0) * 0.5555555555555556);
    EXPECT_EQ(n.dDeliveryTemp, (300.0 - 32.0) * 0.5555555555555556);
    EXPECT_EQ(n.dLiftThicknessCm, (2.0 * 25.4) * 0.1);
    EXPECT_NEAR(n.dLiftThicknessCm, 5.08, 1e-12);
    // The double product, not the double nearest 0.0508.
    EXPECT_EQ(n.dLiftThickness, n.dLiftThicknessCm * 0.01);
    EXPECT_NEAR(n.dLiftThickness, 0.0508, 1e-15);
    EXPECT_EQ(n.dWindSpeed, (10.0 * 1.609) * 0.2777777777777778);
    EXPECT_NEAR(n.dWindSpeed, 4.47, 0.005);
    // The inputs still hold the English values.
    EXPECT_EQ(in.m_dAirTemp, before.m_dAirTemp);
    EXPECT_EQ(in.m_dLiftThickness, before.m_dLiftThickness);
    EXPECT_EQ(in.m_dWindSpeed, before.m_dWindSpeed);
}

TEST(NormalizeInputs, AnyUnitCodeOtherThanOneIsSi) {
    SimulationInputs in;
    in.m_nUnits = 7;
    in.m_dAirTemp = 68.0;
    SelectedProperties p;
    EXPECT_EQ(NormalizeInputs(in, p).dAirTemp, 68.0);
}

TEST(NormalizeInputs, TakesTheSelectionsAndKeepsThemForTheNextCalculation) {
    SimulationInputs in;
    in.m_nMixType = 1;       // SMA
    in.m_nMaterialType = 3;  // Subgrade Soil
    in.m_nMoistureContent = 1;
    in.m_nMoistureState = 0;
    const NormalizedInputs n = NormalizeInputs(in, SelectedProperties{});
    const SelectedProperties p = SelectedPropertiesOf(n);
    EXPECT_EQ(p.m_dMixConductivity, 1.5);
    EXPECT_EQ(p.m_dMixDensity, 2010.0);
    EXPECT_EQ(p.m_dMixSpecificHeat, 1010.0);
    EXPECT_EQ(p.m_dExistingConductivity, 2.38);
    EXPECT_EQ(p.m_dExistingSpecificHeat, 1170.0);
    EXPECT_EQ(p.m_dExistingDensity, 1800.0);
    EXPECT_EQ(n.mix.dConductivity, 1.5);
    EXPECT_EQ(n.mix.dDensity, 2010.0);
    EXPECT_EQ(n.mix.dSpecificHeat, 1010.0);
    EXPECT_EQ(n.existing.dConductivity, 2.38);
    EXPECT_EQ(n.existing.dSpecificHeat, 1170.0);
    EXPECT_EQ(n.existing.dDensity, 1800.0);
}

TEST(NormalizeInputs, OutOfRangeIndicesKeepThePreviousSelection) {
    SelectedProperties p;  // defaults: Dense Graded; dry, unfrozen Granular Base
    SimulationInputs in;
    in.m_nMixType = -1;
    in.m_nMaterialType = -1;
    NormalizedInputs n = NormalizeInputs(in, p);
    EXPECT_EQ(n.mix.dConductivity, 2.0);
    EXPECT_EQ(n.mix.dDensity, 2000.0);
    EXPECT_EQ(n.mix.dSpecificHeat, 1000.0);
    EXPECT_EQ(n.existing.dConductivity, 1.16);
    EXPECT_EQ(n.existing.dSpecificHeat, 960.0);
    EXPECT_EQ(n.existing.dDensity, 2000.0);

    in.m_nMixType = 3;
    in.m_nMaterialType = 1;
    p = SelectedPropertiesOf(NormalizeInputs(in, p));
    in.m_nMixType = 4;
    in.m_nMaterialType = 4;
    n = NormalizeInputs(in, p);
    EXPECT_EQ(n.mix.dConductivity, 1.5);
    EXPECT_EQ(n.existing.dConductivity, 0.92);
    EXPECT_EQ(n.existing.dSpecificHeat, 1090.0);
}

}  // namespace
