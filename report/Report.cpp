#include "Report.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "NumberText.h"
#include "UnitConversion.h"

namespace {

// The report's own names for the materials: the two unbound ones differ from the form's list.
constexpr const char* kReportMaterialNames[kMaterialTypeCount] = {"AC", "PCC", "Unbound - Coarse",
                                                                  "Unbound - Fine"};

constexpr const char* kWeekdayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The report is meant for spreadsheets on any system, so every line ends in CR LF; the texts below keep
// the plain "\n" of their format and are converted here.
void AppendText(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
}

// A label, a number in fixed notation, and what follows it on the line (a unit, the line ends).
void AppendFixedLine(std::string& out, std::string_view label, double dValue, int nDecimals,
                     std::string_view tail) {
    AppendText(out, label);
    AppendFixed(out, dValue, nDecimals);
    AppendText(out, tail);
}

// A list entry by index; an index outside the list (-1 = nothing selected) has no name.
const char* NameAt(const char* const* names, int nCount, int nIndex) {
    return nIndex >= 0 && nIndex < nCount ? names[nIndex] : "";
}

void AppendPavingTime(std::string& out, const SimulationInputs& in) {
    AppendText(out, "***PAVING TIME***\n\n");
    const std::pair<const char*, int> fields[] = {{"Hour:\t", in.m_nHour},
                                                  {"Min.:\t", in.m_nMinute},
                                                  {"Mon.:\t", in.m_nMonth},
                                                  {"Day:\t", in.m_nDay},
                                                  {"Year:\t", in.m_nYear}};
    for (const auto& [label, nValue] : fields) {
        AppendText(out, label);
        AppendInt(out, nValue);
        AppendText(out, "\n");
    }
    AppendText(out, "\n\n");
}

void AppendEnvironment(std::string& out, const SimulationInputs& in, bool bSi) {
    AppendText(out, "***ENVIRONMENTAL CONDITIONS***\n\n");
    AppendFixedLine(out, "Air Temp:\t", in.m_dAirTemp, 2, bSi ? "\tC\n" : "\tF\n");
    AppendFixedLine(out, "Wind:\t", in.m_dWindSpeed, 2, bSi ? "\tkm/h\n" : "\tmph\n");
    AppendText(out, "Sky:\t");
    AppendText(out, NameAt(kSkyConditionNames, kSkyConditionCount, in.m_nSkyCondition));
    AppendFixedLine(out, "\nLat:\t", in.m_dLatitude, 0, "\tdegrees\n\n\n");
}

void AppendMix(std::string& out, const SimulationInputs& in, bool bSi) {
    AppendText(out, "***MIX SPECIFICATIONS***\n\n");
    AppendText(out, "Mix:\t");
    AppendText(out, NameAt(kMixTypeNames, kMixTypeCount, in.m_nMixType));
    // A grade index outside the lists writes no number rather than one of a grade that does not exist.
    AppendText(out, "\nAsphalt:\tPG ");
    if (in.m_nPgHigh >= 0 && in.m_nPgHigh < kPgGradeCount) AppendInt(out, PgHighGrade(in.m_nPgHigh));
    if (in.m_nPgLow >= 0 && in.m_nPgLow < kPgGradeCount) AppendInt(out, PgLowGrade(in.m_nPgLow));
    AppendFixedLine(out, "\nLift:\t", in.m_dLiftThickness, 2, bSi ? "\tmm\n" : "\tin.\n");
    AppendFixedLine(out, "Temp:\t", in.m_dDeliveryTemp, 2, bSi ? "\tC\n\n\n" : "\tF\n\n\n");
}

void AppendExistingSurface(std::string& out, const SimulationInputs& in, bool bSi) {
    AppendText(out, "***EXISTING SURFACE***\n\n");
    AppendText(out, "Material:\t");
    AppendText(out, NameAt(kReportMaterialNames, kMaterialTypeCount, in.m_nMaterialType));
    AppendText(out, "\n");
    // Moisture matters only for the unbound materials; AC and PCC have none to state.
    if (IsUnbound(MaterialTypeAt(in.m_nMaterialType))) {
        AppendText(out, in.m_nMoistureContent == 0 ? "Moisture:\tDry\n" : "Moisture:\tWet\n");
        AppendText(out, in.m_nMoistureState == 0 ? "State:\tFrozen\n" : "State:\tUnfrozen\n");
    }
    AppendFixedLine(out, "Temp:\t", in.m_dSurfaceTemp, 2, bSi ? "\tC\n\n\n" : "\tF\n\n\n");
}

void AppendCoolingData(std::string& out, const ReportResults& results, const CoolingCurve& curve, bool bSi) {
    AppendText(out, "***COOLING DATA***\n\n");
    AppendFixedLine(out, "START compaction temp: ",
                    bSi ? results.m_dStartTemp : CelsiusToFahrenheit(results.m_dStartTemp), 1,
                    bSi ? "C\n" : "F\n");
    AppendText(out, "START compaction time: ");
    AppendInt(out, results.m_nStartTime);
    AppendText(out, " min\n\n");
    const double dStopLevel = bSi ? STOP_TEMPERATURE : kStopTemperatureF;
    AppendFixedLine(out, "STOP compaction temp: ", dStopLevel, 1, bSi ? "C\n" : "F\n");
    AppendFixedLine(out, "STOP compaction time: ", results.m_dStopTime, 0, " min\n\n");
    AppendText(out, bSi ? "Time(min)\tTemp(C)\tStop(C)\n" : "Time(min)\tTemp(F)\tStop(F)\n");

    // Every third sample is a whole minute; the last stored sample is never listed. The bound keeps a
    // curve that did not come from the solver inside its arrays.
    const int nEnd = std::min(curve.m_nLastSample, kCurveCapacity);
    for (int i = 0; i < nEnd; i += 3) {
        AppendFixed(out, curve.m_dCurveTime[i], 2);
        AppendText(out, "\t");
        AppendFixed(out, bSi ? curve.m_dCurveTemp[i] : CelsiusToFahrenheit(curve.m_dCurveTemp[i]), 2);
        AppendText(out, "\t");
        AppendFixed(out, dStopLevel, 1);
        AppendText(out, "\n");
    }
}

}  // namespace

std::string FormatReportDate(const std::tm& time) {
    std::string out;
    out += time.tm_wday >= 0 && time.tm_wday < 7 ? kWeekdayNames[time.tm_wday] : "???";
    out += ' ';
    out += time.tm_mon >= 0 && time.tm_mon < 12 ? kMonthNames[time.tm_mon] : "???";
    out += ' ';
    AppendPadded(out, time.tm_mday, 2);
    out += ' ';
    AppendPadded(out, time.tm_hour, 2);
    out += ':';
    AppendPadded(out, time.tm_min, 2);
    out += ':';
    AppendPadded(out, time.tm_sec, 2);
    out += ' ';
    AppendInt(out, static_cast<long long>(time.tm_year) + 1900);
    return out;
}

std::string WriteReport(const SimulationInputs& inputs, const ReportResults& results,
                        const CoolingCurve& curve, const std::tm& timeOfWriting) {
    const bool bSi = DisplayUnitsOfCode(inputs.m_nUnits) == UnitSystem::SI;
    std::string out;
    out.reserve(8192);
    AppendText(out, "KELVANOR 2.0 - Simulation Output\n\n");
    AppendText(out, "Time of Simulation:\n");
    AppendText(out, FormatReportDate(timeOfWriting));
    AppendText(out, "\n\n\n");
    AppendPavingTime(out, inputs);
    AppendEnvironment(out, inputs, bSi);
    AppendMix(out, inputs, bSi);
    AppendExistingSurface(out, inputs, bSi);
    AppendCoolingData(out, results, curve, bSi);
    return out;
}
