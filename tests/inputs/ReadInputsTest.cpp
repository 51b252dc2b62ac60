#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ReadInputs.h"
#include "SameRecord.h"

namespace {

constexpr std::time_t kNow = 1781524800;  // Mon 15 June 2026 12:00:00 UTC

// A refusal says which value (its name and its place among the values) and why, in words any caller can
// put after its own location ("data.csv:3: air: ...").
struct RefusedValues {
    const char* name;
    std::vector<NamedValue> values;
    const char* refusedName;
    std::size_t nIndex;
    const char* reason;  // RefusalReasonText
};
void PrintTo(const RefusedValues& c, std::ostream* os) { *os << c.name; }

class ReadInputsRefusal : public testing::TestWithParam<RefusedValues> {};

TEST_P(ReadInputsRefusal, NamesTheValueItsPlaceAndTheReason) {
    const InputsRead read = ReadInputs(GetParam().values, UnitSystem::English, kNow);
    ASSERT_TRUE(read.refusal.has_value());
    EXPECT_EQ(read.refusal->strName, GetParam().refusedName);
    EXPECT_EQ(read.refusal->nIndex, GetParam().nIndex);
    EXPECT_EQ(RefusalReasonText(*read.refusal), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadInputsRefusal,
    testing::Values(
        RefusedValues{"NumberInTheDefaultSystem",
                      {{"air", "abc"}},
                      "air",
                      0,
                      "not a number (\"abc\"); allowed -40 to 120 F"},
        RefusedValues{"RangeOfTheSystemNamedLater",
                      {{"air", "50"}, {"units", "si"}},
                      "air",
                      0,
                      "out of range (\"50\"); allowed -40 to 48.89 C"},
        RefusedValues{"UnitsBeforeAnythingElse",
                      {{"air", "abc"}, {"units", "metric"}},
                      "units",
                      1,
                      "not a unit system (\"metric\"); allowed english or si"},
        RefusedValues{"MissingValue", {{"wind", "", true}}, "wind", 0, "missing value; allowed 0 to 120 mph"},
        RefusedValues{"MoistureOfABoundMaterialWhateverTheOrder",
                      {{"moisture", "Wet"}, {"air", "10"}, {"material", "PCC"}},
                      "moisture",
                      0,
                      "not used with material \"PCC\" (\"Wet\"); allowed only with \"Granular Base\" or "
                      "\"Subgrade Soil\""},
        RefusedValues{
            "UnknownName",
            {{"sky", "0"}, {"colour", "red"}},
            "colour",
            1,
            "not an input (\"red\"); allowed units, air, wind, sky, latitude, mix, pg-high, pg-low, "
            "lift, delivery, material, moisture, state, surface, date, time"},
        RefusedValues{"ValueShownWithoutItsControlBytes",
                      {{"date", "2026-06-15\n"}},
                      "date",
                      0,
                      "not a calendar date (\"2026-06-15\\x0A\"); allowed YYYY-MM-DD, a calendar date from "
                      "1990-01-01 to 3001-12-31"}),
    [](const auto& info) { return std::string(info.param.name); });

// Values applied to a record that already holds inputs (a job with options beside it): a unit system named
// among them converts the record first, as the form's switch does, and later values are read in it.
TEST(ApplyInputs, SwitchesTheRecordBeforeReadingTheOtherValues) {
    FormRecord record = StartRecord(UnitSystem::SI, kNow);
    const std::vector<NamedValue> job{
        {"air", "10"}, {"lift", "75"}, {"material", "Subgrade Soil"}, {"moisture", "Wet"}};
    ASSERT_FALSE(ApplyInputs(record, job).has_value());

    const std::vector<NamedValue> options{{"wind", "100"}, {"units", "english"}};
    ASSERT_FALSE(ApplyInputs(record, options).has_value());
    EXPECT_EQ(record.m_nActiveUnits, UnitCode(UnitSystem::English));
    EXPECT_EQ(record.inputs.m_nUnits, UnitCode(UnitSystem::English));
    EXPECT_EQ(record.m_strLiftUnit, "in.");
    EXPECT_EQ(record.inputs.m_dAirTemp, 50.0);        // 10 C
    EXPECT_EQ(record.inputs.m_dLiftThickness, 2.95);  // 75 mm, in hundredths of an inch
    EXPECT_EQ(record.inputs.m_dWindSpeed, 100.0);     // read in mph: beyond the SI range it would be refused
    EXPECT_EQ(record.inputs.m_nMoistureContent, 1);   // no material given now, so the job's choice stays
    EXPECT_EQ(record.ranges.m_dAirTempMax, 120.0);
}

TEST(InputTextsOf, ReadBackGivesTheSameInputs) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::SI}) {
        const std::vector<NamedValue> given{{"air", "-12.34"},     {"material", "AC"}, {"time", "24:60"},
                                            {"date", "2024-2-29"}, {"pg-low", "-46"},  {"wind", "0.01"}};
        const InputsRead first = ReadInputs(given, units, kNow);
        ASSERT_FALSE(first.refusal.has_value());
        const std::vector<InputText> texts = InputTextsOf(first.record.inputs);
        std::vector<NamedValue> values;
        for (const InputText& text : texts) values.push_back({text.name, text.text});
        EXPECT_EQ(texts.size(), 14u) << "AC: moisture and state left out";
        const InputsRead second = ReadInputs(values, UnitSystem::English, 0);
        ASSERT_FALSE(second.refusal.has_value()) << RefusalReasonText(*second.refusal);
        EXPECT_EQ(FirstDifference(first.record, second.record), "");
    }
}

}  // namespace
