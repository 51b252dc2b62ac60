#include <gtest/gtest.h>

#include <string>

#include "FormRules.h"

namespace {

struct MaterialRow {
    const char* name;
    int nMaterial;
    MoistureLists expected;
    int nContent;
    int nState;
};

class MaterialRule : public testing::TestWithParam<MaterialRow> {};

// Starts from "Wet" and "Frozen" so that a reset is visible.
TEST_P(MaterialRule, SetsTheMoistureLists) {
    const MaterialRow& row = GetParam();
    FormRecord record;
    record.inputs.m_nMoistureContent = 1;
    record.inputs.m_nMoistureState = 0;
    record.inputs.m_nMaterialType = row.nMaterial;
    EXPECT_EQ(ApplyMaterialRule(record), row.expected);
    EXPECT_EQ(record.inputs.m_nMoistureContent, row.nContent);
    EXPECT_EQ(record.inputs.m_nMoistureState, row.nState);
}

INSTANTIATE_TEST_SUITE_P(
    Form, MaterialRule,
    testing::Values(MaterialRow{"AcBlanksBoth", 0, MoistureLists::Disabled, -1, -1},
                    MaterialRow{"PccBlanksBoth", 1, MoistureLists::Disabled, -1, -1},
                    MaterialRow{"GranularBaseResetsToDryUnfrozen", 2, MoistureLists::Enabled, 0, 1},
                    MaterialRow{"SubgradeSoilResetsToDryUnfrozen", 3, MoistureLists::Enabled, 0, 1},
                    MaterialRow{"NoSelectionChangesNothing", -1, MoistureLists::Unchanged, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
