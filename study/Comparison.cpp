#include "Comparison.h"

#include <algorithm>

#include "CsvText.h"
#include "FieldText.h"
#include "FormRules.h"
#include "NumberText.h"
#include "ResultSummary.h"

namespace {

// The unit a value is given in, by unit system code.
enum class UnitKind { None, Temperature, Length, Speed };

const char* UnitLabel(UnitKind kind, UnitSystem display) {
    const int nCode = UnitCode(display);
    switch (kind) {
        case UnitKind::Temperature:
            return kTemperatureUnit[nCode];
        case UnitKind::Length:
            return kLiftUnit[nCode];
        case UnitKind::Speed:
            return kWindUnit[nCode];
        case UnitKind::None:
            break;
    }
    return "";
}

template <int N>
std::string ListEntry(const char* const (&names)[N], int nIndex) {
    return nIndex >= 0 && nIndex < N ? names[nIndex] : "none";
}

std::string TwoDigits(int nValue) {
    std::string text;
    AppendPadded(text, nValue, 2);
    return text;
}

// One input as the comparison names and shows it. `value` reads a record already in the display units.
struct InputField {
    const char* pszName;    // in labels: "Air 15 C"
    const char* pszColumn;  // CSV column title, the unit added in brackets
    UnitKind unit;
    std::string (*value)(const FormRecord&);
};

// In form order.
const InputField kInputFields[] = {
    {"Date", "Date", UnitKind::None,
     [](const FormRecord& r) {
         std::string text;
         AppendPadded(text, r.inputs.m_nYear, 4);
         return text + "-" + TwoDigits(r.inputs.m_nMonth) + "-" + TwoDigits(r.inputs.m_nDay);
     }},
    {"Time", "Time", UnitKind::None,
     [](const FormRecord& r) { return TwoDigits(r.inputs.m_nHour) + ":" + TwoDigits(r.inputs.m_nMinute); }},
    {"Air", "Air temp", UnitKind::Temperature,
     [](const FormRecord& r) { return FormatFieldDouble(r.inputs.m_dAirTemp); }},
    {"Wind", "Wind speed", UnitKind::Speed,
     [](const FormRecord& r) { return FormatFieldDouble(r.inputs.m_dWindSpeed); }},
    {"Sky", "Sky", UnitKind::None,
     [](const FormRecord& r) { return ListEntry(kSkyConditionNames, r.inputs.m_nSkyCondition); }},
    {"Latitude", "Latitude (deg N)", UnitKind::None,
     [](const FormRecord& r) { return FormatFieldDouble(r.inputs.m_dLatitude); }},
    {"Mix", "Mix", UnitKind::None,
     [](const FormRecord& r) { return ListEntry(kMixTypeNames, r.inputs.m_nMixType); }},
    {"PG", "PG grade", UnitKind::None,
     [](const FormRecord& r) {
         return ListEntry(kPgHighNames, r.inputs.m_nPgHigh) + ListEntry(kPgLowNames, r.inputs.m_nPgLow);
     }},
    {"Lift", "Lift thickness", UnitKind::Length,
     [](const FormRecord& r) { return FormatFieldDouble(r.inputs.m_dLiftThickness); }},
    {"Delivery", "Delivery temp", UnitKind::Temperature,
     [](const FormRecord& r) { return FormatFieldDouble(r.inputs.m_dDeliveryTemp); }},
    {"Material", "Material", UnitKind::None,
     [](const FormRecord& r) { return ListEntry(kMaterialTypeNames, r.inputs.m_nMaterialType); }},
    {"Moisture", "Moisture content", UnitKind::None,
     [](const FormRecord& r) { return ListEntry(kMoistureContentNames, r.inputs.m_nMoistureContent); }},
    {"Moisture state", "State of moisture", UnitKind::None,
     [](const FormRecord& r) { return ListEntry(kMoistureStateNames, r.inputs.m_nMoistureState); }},
    {"Surface", "Surface temp", UnitKind::Temperature,
     [](const FormRecord& r) { return FormatFieldDouble(r.inputs.m_dSurfaceTemp); }},
};

// The record's inputs converted and rounded as the form would show them after a switch to `display`.
FormRecord InDisplayUnits(const FormRecord& record, UnitSystem display) {
    FormRecord shown = record;
    ApplyUnitSystem(shown, display);
    return shown;
}

std::string WithUnit(const InputField& field, const std::string& value, UnitSystem display) {
    const char* pszUnit = UnitLabel(field.unit, display);
    return *pszUnit ? value + " " + pszUnit : value;
}

bool LooksLikeFormula(const std::string& text) {
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

std::optional<CurvePoint> SampleAt(const CoolingCurve& curve, int nIndex) {
    if (nIndex < 0) return std::nullopt;
    return CurvePoint{curve.m_dCurveTime[nIndex], curve.m_dCurveTemp[nIndex]};
}

// Samples 0 to this index hold the curve; a damaged count is held inside the arrays.
int LastSample(const CoolingCurve& curve) { return std::clamp(curve.m_nLastSample, 0, kCurveCapacity - 1); }

}  // namespace

std::vector<InputDifference> DifferingInputs(const FormRecord& base, const FormRecord& scenario,
                                             UnitSystem display) {
    const FormRecord baseShown = InDisplayUnits(base, display);
    const FormRecord scenarioShown = InDisplayUnits(scenario, display);
    std::vector<InputDifference> differences;
    for (const InputField& field : kInputFields) {
        const std::string value = field.value(scenarioShown);
        if (value != field.value(baseShown))
            differences.push_back({field.pszName, WithUnit(field, value, display)});
    }
    return differences;
}

std::string DifferencesText(const std::vector<InputDifference>& differences) {
    std::string text;
    for (const InputDifference& difference : differences) {
        if (!text.empty()) text += ", ";
        text += difference.strName + " " + difference.strValue;
    }
    return text;
}

std::string ScenarioLabel(std::span<const KeptScenario> kept, int nIndex, UnitSystem display) {
    if (nIndex < 0 || nIndex >= static_cast<int>(kept.size())) return {};
    const KeptScenario& scenario = kept[nIndex];
    if (!scenario.strLabel.empty()) return scenario.strLabel;
    if (nIndex == 0) return "Base";
    const std::string differences =
        DifferencesText(DifferingInputs(kept.front().record, scenario.record, display));
    return differences.empty() ? "Same inputs as " + ScenarioLabel(kept, 0, display) : differences;
}

std::vector<ComparisonRow> ComparisonRows(std::span<const KeptScenario> kept, UnitSystem display) {
    std::vector<ComparisonRow> rows;
    for (int i = 0; i < static_cast<int>(kept.size()); ++i) {
        const KeptScenario& scenario = kept[i];
        const FormRecord& r = scenario.record;
        rows.push_back({
            ScenarioLabel(kept, i, display),
            i == 0 ? kBaseRowDiffers : DifferencesText(DifferingInputs(kept.front().record, r, display)),
            FormatFieldInt(r.m_nStartTime),
            FormatFieldDouble(r.m_dStopTime),
            FormatFieldDouble(r.m_dStopTime - r.m_nStartTime),
            NoticeText(scenario.notice),
        });
    }
    return rows;
}

std::string ComparisonCsv(std::span<const KeptScenario> kept, UnitSystem display) {
    std::vector<std::string> header = {"Scenario",   "Inputs that differ", "Start (min)",
                                       "Stop (min)", "Window (min)",       "Notice"};
    for (const InputField& field : kInputFields) {
        const char* pszUnit = UnitLabel(field.unit, display);
        header.push_back(*pszUnit ? std::string(field.pszColumn) + " (" + pszUnit + ")" : field.pszColumn);
    }
    std::string csv = CsvLine(header);

    const std::vector<ComparisonRow> rows = ComparisonRows(kept, display);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ComparisonRow& row = rows[i];
        std::vector<std::string> fields = {LooksLikeFormula(row.strLabel) ? "'" + row.strLabel : row.strLabel,
                                           row.strDiffers,
                                           row.strStart,
                                           row.strStop,
                                           row.strWindow,
                                           row.strNotice};
        const FormRecord shown = InDisplayUnits(kept[i].record, display);
        for (const InputField& field : kInputFields) fields.push_back(field.value(shown));
        csv += CsvLine(fields);
    }
    return csv;
}

CurveMarks MarksOf(const KeptScenario& scenario, UnitSystem axisUnits) {
    const CoolingCurve& curve = scenario.curve;
    CurveMarks marks;
    marks.start = SampleAt(curve, FindStartSample(curve, scenario.dStartTempC, axisUnits));
    const int nLast = LastSample(curve);
    for (int i = 0; i <= nLast; ++i) {
        if (curve.m_dCurveTemp[i] < STOP_TEMPERATURE) {
            marks.stop = SampleAt(curve, i);
            break;
        }
    }
    return marks;
}

std::optional<TemperatureSpan> CurvesSpan(std::span<const KeptScenario> kept) {
    std::optional<TemperatureSpan> span;
    for (const KeptScenario& scenario : kept) {
        const CoolingCurve& curve = scenario.curve;
        for (int i = 0; i <= LastSample(curve); ++i) {
            const double dTemp = curve.m_dCurveTemp[i];
            if (!span) span = TemperatureSpan{dTemp, dTemp};
            span->dLowC = std::min(span->dLowC, dTemp);
            span->dHighC = std::max(span->dHighC, dTemp);
        }
    }
    return span;
}
