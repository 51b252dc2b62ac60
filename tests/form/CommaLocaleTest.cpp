#include <gtest/gtest.h>

#include "CommaLocaleFixture.h"
#include "FieldText.h"
#include "FormRules.h"

namespace {

class CommaLocale : public CommaLocaleFixture {};

TEST_F(CommaLocale, FieldsKeepTheFullStop) {
    double value = 0.0;
    ASSERT_TRUE(ParseFieldDouble("12.5", &value));
    EXPECT_EQ(value, 12.5);
    EXPECT_FALSE(ParseFieldDouble("1,5", &value));
    EXPECT_EQ(FormatFieldDouble(48.89), "48.89");
    EXPECT_EQ(FormatFieldDouble(FieldValueAsShown(3.145)), "3.15");

    FormRecord record;
    ApplyUnitSystem(record, UnitSystem::SI);
    EXPECT_EQ(FormatFieldDouble(record.inputs.m_dDeliveryTemp), "148.89");
    EXPECT_EQ(FormatFieldDouble(record.inputs.m_dWindSpeed), "8.05");
}

}  // namespace
