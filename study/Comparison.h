#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "CompactionWindow.h"
#include "CoolingSolver.h"
#include "FormRecord.h"
#include "UnitSystem.h"

// Scenarios kept for comparison: the inputs that produced a calculation, its result and a label. All of
// it is plain data (the inputs as the form's FormRecord), so a job file can store the list and the
// command line can print the same table. Inputs are compared and shown in one display unit system,
// rounded to hundredths as the form shows them, so 50 F and 10 C count as the same air temperature.

// How many scenarios can be kept at once: one colour of the charts' eight-colour palette each.
constexpr int kMaxKeptScenarios = 8;

struct KeptScenario {
    std::string strLabel;  // typed by the user; empty: made from the inputs (ScenarioLabel)
    FormRecord record;     // inputs in their own unit system, with the result's m_nStartTime and m_dStopTime
    double dStartTempC = 120.0;  // the result's compaction start temperature, C
    CoolingNotice notice = CoolingNotice::None;
    CoolingCurve curve;  // mat mean temperature, C
};

// One input that differs from the first kept scenario: its short name and the value the scenario has, in
// the display units ({"Air", "15 C"}).
struct InputDifference {
    std::string strName;
    std::string strValue;
};

// The inputs of `scenario` whose shown value differs from that of `base`, in form order: date, time, air,
// wind, sky, latitude, mix, PG grade, lift, delivery, material, moisture content, state of moisture,
// surface. The unit system itself is not an input here. Empty when all agree.
std::vector<InputDifference> DifferingInputs(const FormRecord& base, const FormRecord& scenario,
                                             UnitSystem display);

// "Air 15 C, Wind 20 km/h"; "" for no differences.
std::string DifferencesText(const std::vector<InputDifference>& differences);

// The label of scenario nIndex (0 to kept.size() - 1) as shown: the user's label when there is one, else
// "Base" for the first and the inputs that differ from the first for the others ("Same inputs as <first
// label>" when none do). Labels made from inputs follow `display`.
std::string ScenarioLabel(std::span<const KeptScenario> kept, int nIndex, UnitSystem display);

// A row of the comparison table, as text.
struct ComparisonRow {
    std::string strLabel;    // ScenarioLabel
    std::string strDiffers;  // the differences from the first; kBaseRowDiffers for the first
    std::string strStart;    // whole minutes after laydown
    std::string strStop;     // whole minutes after laydown (120 when the stop was not reached)
    std::string strWindow;   // stop - start, minutes
    std::string strNotice;   // NoticeText, "" without a notice
};
constexpr const char* kBaseRowDiffers = "(base of the comparison)";

// One row a kept scenario, in order.
std::vector<ComparisonRow> ComparisonRows(std::span<const KeptScenario> kept, UnitSystem display);

// The table and every input of each scenario as CSV: a header line, then one line a scenario; commas
// between fields, a field holding a comma, quote or line break in double quotes (quotes doubled), CR LF
// line ends, numbers with a full stop, values in `display` units named in the column titles. A label that a
// spreadsheet would take for a formula (first character = + - @, tab or CR) gets a leading apostrophe.
std::string ComparisonCsv(std::span<const KeptScenario> kept, UnitSystem display);

// A point of a cooling curve: minutes after laydown, mat mean temperature in C.
struct CurvePoint {
    double dMinutes;
    double dTempC;
};
// Where a chart marks a scenario: its start at the sample the start time is read from (on the axis of
// `axisUnits`, as the form's chart finds it), its stop at the first sample below the stop temperature.
// Either is empty when the curve has no such sample (no stop within 120 minutes, for instance).
struct CurveMarks {
    std::optional<CurvePoint> start;
    std::optional<CurvePoint> stop;
};
CurveMarks MarksOf(const KeptScenario& scenario, UnitSystem axisUnits);

// Lowest and highest mat temperature (C) over samples 0 to m_nLastSample of every kept curve; empty when
// nothing is kept.
struct TemperatureSpan {
    double dLowC;
    double dHighC;
};
std::optional<TemperatureSpan> CurvesSpan(std::span<const KeptScenario> kept);
