// The comparison of kept scenarios and the result in plain words: labels from the inputs that differ, in
// either unit system, the table's times and notices, the CSV text, and where the chart marks each curve.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Calculation.h"
#include "Comparison.h"
#include "FormRules.h"
#include "NamedRuns.h"
#include "ResultSummary.h"

namespace {

FormRecord SiRecord(const SimulationInputs& in) {
    FormRecord record;
    ApplyUnitSystem(record, UnitSystem::SI);
    record.inputs = in;
    return record;
}

KeptScenario Kept(const SimulationInputs& in, const std::string& label = {}) {
    const CalculationResult result = RunCalculation(in);
    KeptScenario scenario;
    scenario.strLabel = label;
    scenario.record = SiRecord(in);
    scenario.record.m_nStartTime = result.summary.start.nStartTime;
    scenario.record.m_dStopTime = result.summary.stop.dStopTime;
    scenario.dStartTempC = result.summary.start.dStartTemp;
    scenario.notice = result.summary.stop.notice;
    scenario.curve = result.curve;
    return scenario;
}

SimulationInputs Edited(const std::function<void(SimulationInputs&)>& edit) {
    SimulationInputs in = RunA();
    edit(in);
    return in;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t from = 0, to; (to = text.find("\r\n", from)) != std::string::npos; from = to + 2)
        lines.push_back(text.substr(from, to - from));
    return lines;
}

}  // namespace

TEST(ResultSummaryText, SaysTheWindowOrTheNotice) {
    EXPECT_EQ(ResultSummaryText(12, 68.0, CoolingNotice::None),
              "Rolling window: 12 to 68 min after laydown (56 min)");
    EXPECT_EQ(ResultSummaryText(40, 120.0, CoolingNotice::Slow),
              "Stop temperature not reached within 120 min");
    EXPECT_EQ(ResultSummaryText(0, 5.0, CoolingNotice::Rapid),
              "Less than 10 min to the stop temperature: paving not recommended");
}

// A second scenario made from Run A by `edit`, labelled in `display` units against Run A as the base.
struct LabelCase {
    const char* name;
    std::function<void(SimulationInputs&)> edit;
    UnitSystem display;
    const char* label;
};

class ScenarioLabels : public testing::TestWithParam<LabelCase> {};

TEST_P(ScenarioLabels, NameTheInputsThatDiffer) {
    const LabelCase& row = GetParam();
    const std::vector<KeptScenario> kept = {Kept(RunA()), Kept(Edited(row.edit))};
    EXPECT_EQ(ScenarioLabel(kept, 0, row.display), "Base");
    EXPECT_EQ(ScenarioLabel(kept, 1, row.display), row.label);
}

INSTANTIATE_TEST_SUITE_P(
    Comparison, ScenarioLabels,
    testing::Values(LabelCase{"warmer_air", [](SimulationInputs& in) { in.m_dAirTemp = 15.0; },
                              UnitSystem::SI, "Air 15 C"},
                    LabelCase{"air_and_wind_in_form_order",
                              [](SimulationInputs& in) {
                                  in.m_dWindSpeed = 20.0;
                                  in.m_dAirTemp = 15.0;
                              },
                              UnitSystem::SI, "Air 15 C, Wind 20 km/h"},
                    LabelCase{"shown_in_English", [](SimulationInputs& in) { in.m_dAirTemp = 15.0; },
                              UnitSystem::English, "Air 59 F"},
                    LabelCase{"sky_and_grade",
                              [](SimulationInputs& in) {
                                  in.m_nSkyCondition = 4;
                                  in.m_nPgHigh = 3;
                                  in.m_nPgLow = 2;
                              },
                              UnitSystem::SI, "Sky Overcast, PG 64-22"},
                    LabelCase{"bound_material_has_no_moisture",
                              [](SimulationInputs& in) {
                                  in.m_nMaterialType = 0;
                                  in.m_nMoistureContent = in.m_nMoistureState = -1;
                              },
                              UnitSystem::SI, "Material AC, Moisture none, Moisture state none"},
                    LabelCase{"date_and_time",
                              [](SimulationInputs& in) {
                                  in.m_nMonth = 7;
                                  in.m_nHour = 9;
                                  in.m_nMinute = 5;
                              },
                              UnitSystem::SI, "Date 2000-07-15, Time 09:05"}),
    [](const testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

// The form's defaults in English and the same switched to SI (rounded as the form shows them) are one
// scenario in either display.
TEST(Comparison, SameInputsInEitherSystemAreTheSame) {
    std::vector<KeptScenario> kept(2);
    ApplyUnitSystem(kept[1].record, UnitSystem::SI);
    for (UnitSystem display : {UnitSystem::SI, UnitSystem::English})
        EXPECT_EQ(ScenarioLabel(kept, 1, display), "Same inputs as Base");
    kept[0].strLabel = "Morning";
    EXPECT_EQ(ScenarioLabel(kept, 1, UnitSystem::SI), "Same inputs as Morning");
}

TEST(Comparison, TypedLabelsStayAndTheNextScenarioBecomesTheBase) {
    std::vector<KeptScenario> kept = {Kept(RunA()),
                                      Kept(Edited([](auto& in) { in.m_dAirTemp = 15.0; }), "Warm"),
                                      Kept(Edited([](auto& in) { in.m_dWindSpeed = 20.0; }))};
    EXPECT_EQ(ScenarioLabel(kept, 2, UnitSystem::SI), "Wind 20 km/h");
    kept.erase(kept.begin());
    EXPECT_EQ(ScenarioLabel(kept, 0, UnitSystem::SI), "Warm");
    EXPECT_EQ(ScenarioLabel(kept, 1, UnitSystem::SI), "Air 10 C, Wind 20 km/h");
}

TEST(Comparison, RowsGiveTimesWindowAndNotice) {
    const std::vector<KeptScenario> kept = {Kept(RunA()), Kept(SlowRun()), Kept(RapidRun())};
    const std::vector<ComparisonRow> rows = ComparisonRows(kept, UnitSystem::SI);
    ASSERT_EQ(rows.size(), 3u);
    const int nStartA = kept[0].record.m_nStartTime;
    EXPECT_EQ(rows[0].strDiffers, kBaseRowDiffers);
    EXPECT_EQ(rows[0].strStart, std::to_string(nStartA));
    EXPECT_EQ(rows[0].strStop, "68");
    EXPECT_EQ(rows[0].strWindow, std::to_string(68 - nStartA));
    EXPECT_EQ(rows[0].strNotice, "");
    EXPECT_EQ(rows[1].strStop, "120");
    EXPECT_EQ(rows[1].strNotice, kSlowCoolingSummary);
    EXPECT_EQ(rows[2].strNotice, kRapidCoolingSummary);
}

TEST(ComparisonCsv, QuotesCommasAndDefusesFormulas) {
    std::vector<KeptScenario> kept = {Kept(RunA(), "Base, \"first\""),
                                      Kept(Edited([](auto& in) { in.m_dAirTemp = 15.0; }), "=SUM(A1)")};
    const std::vector<std::string> si = Lines(ComparisonCsv(kept, UnitSystem::SI));
    ASSERT_EQ(si.size(), 3u);
    EXPECT_EQ(si[0],
              "Scenario,Inputs that differ,Start (min),Stop (min),Window (min),Notice,Date,Time,Air temp (C),"
              "Wind speed (km/h),Sky,Latitude (deg N),Mix,PG grade,Lift thickness (mm),Delivery temp (C),"
              "Material,Moisture content,State of moisture,Surface temp (C)");
    const std::string start = std::to_string(kept[0].record.m_nStartTime);
    EXPECT_EQ(si[1], "\"Base, \"\"first\"\"\",(base of the comparison)," + start + ",68," +
                         std::to_string(68 - kept[0].record.m_nStartTime) +
                         ",,2000-06-15,12:00,10,8,Clear & Dry,45,Dense Graded,58-34,75,150,Granular Base,Dry,"
                         "Unfrozen,10");
    EXPECT_EQ(si[2].rfind("'=SUM(A1),Air 15 C,", 0), 0u) << si[2];

    const std::vector<std::string> english = Lines(ComparisonCsv(kept, UnitSystem::English));
    EXPECT_NE(english[0].find("Air temp (F),Wind speed (mph)"), std::string::npos);
    EXPECT_NE(english[2].find(",Air 59 F,"), std::string::npos) << english[2];
}

TEST(CurveMarks, StartAndStopSitOnTheCurveWhereTheTimesAreRead) {
    const KeptScenario a = Kept(RunA());
    const CurveMarks marks = MarksOf(a, UnitSystem::SI);
    ASSERT_TRUE(marks.start && marks.stop);
    EXPECT_EQ(static_cast<int>(marks.start->dMinutes), a.record.m_nStartTime);
    EXPECT_LT(marks.start->dTempC, a.dStartTempC);
    EXPECT_LT(marks.stop->dTempC, STOP_TEMPERATURE);
    EXPECT_EQ(static_cast<int>(marks.stop->dMinutes), 68);

    EXPECT_FALSE(MarksOf(Kept(SlowRun()), UnitSystem::SI).stop);
}
