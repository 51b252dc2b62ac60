#include "JsonResult.h"

#include <algorithm>
#include <string_view>

#include "CompactionWindow.h"
#include "JsonText.h"
#include "NumberText.h"

namespace {

constexpr const char* kMemberIndent = "  ";
constexpr const char* kInputIndent = "    ";

void AppendKey(std::string& out, const char* indent, const char* key) {
    out += indent;
    AppendJsonString(out, key);
    out += ": ";
}

// Members other than the last of their object: "key": value, a comma and the line end.
void AppendNumberMember(std::string& out, const char* indent, const char* key, double dValue) {
    AppendKey(out, indent, key);
    AppendJsonNumber(out, dValue);
    out += ",\n";
}

void AppendIntMember(std::string& out, const char* indent, const char* key, long long nValue) {
    AppendKey(out, indent, key);
    AppendInt(out, nValue);
    out += ",\n";
}

void AppendStringMember(std::string& out, const char* indent, const char* key, std::string_view text) {
    AppendKey(out, indent, key);
    AppendJsonString(out, text);
    out += ",\n";
}

// An input's list entry as its text; null for an index outside the list (-1 = nothing selected).
void AppendEntryMember(std::string& out, const char* key, const char* const* names, int nCount, int nIndex) {
    if (nIndex >= 0 && nIndex < nCount) {
        AppendStringMember(out, kInputIndent, key, names[nIndex]);
    } else {
        AppendKey(out, kInputIndent, key);
        out += "null,\n";
    }
}

// At least nWidth digits, as a date or clock shows them.
std::string Padded(int nValue, int nWidth) {
    std::string digits;
    AppendPadded(digits, nValue, nWidth);
    return digits;
}

void AppendInputs(std::string& out, const SimulationInputs& in) {
    out += "  \"inputs\": {\n";
    AppendNumberMember(out, kInputIndent, "air", in.m_dAirTemp);
    AppendNumberMember(out, kInputIndent, "wind", in.m_dWindSpeed);
    AppendEntryMember(out, "sky", kSkyConditionNames, kSkyConditionCount, in.m_nSkyCondition);
    AppendNumberMember(out, kInputIndent, "latitude", in.m_dLatitude);
    AppendEntryMember(out, "mix", kMixTypeNames, kMixTypeCount, in.m_nMixType);
    AppendEntryMember(out, "pg_high", kPgHighNames, kPgGradeCount, in.m_nPgHigh);
    AppendEntryMember(out, "pg_low", kPgLowNames, kPgGradeCount, in.m_nPgLow);
    AppendNumberMember(out, kInputIndent, "lift", in.m_dLiftThickness);
    AppendNumberMember(out, kInputIndent, "delivery", in.m_dDeliveryTemp);
    AppendEntryMember(out, "material", kMaterialTypeNames, kMaterialTypeCount, in.m_nMaterialType);
    AppendEntryMember(out, "moisture", kMoistureContentNames, kMoistureContentCount, in.m_nMoistureContent);
    AppendEntryMember(out, "state", kMoistureStateNames, kMoistureStateCount, in.m_nMoistureState);
    AppendNumberMember(out, kInputIndent, "surface", in.m_dSurfaceTemp);
    AppendStringMember(out, kInputIndent, "date",
                       Padded(in.m_nYear, 4) + "-" + Padded(in.m_nMonth, 2) + "-" + Padded(in.m_nDay, 2));
    AppendKey(out, kInputIndent, "time");
    AppendJsonString(out, Padded(in.m_nHour, 2) + ":" + Padded(in.m_nMinute, 2));
    out += "\n  },\n";
}

void AppendBoundary(std::string& out, const SurfaceBoundary& boundary) {
    out += "  \"boundary\": {\"absorbed_solar\": ";
    AppendJsonNumber(out, boundary.dAbsorbedSolar);
    out += ", \"sky_temp_k\": ";
    AppendJsonNumber(out, boundary.dSkyTemp);
    out += ", \"convection\": ";
    AppendJsonNumber(out, boundary.dConvection);
    out += ", \"air_temp_c\": ";
    AppendJsonNumber(out, boundary.dAirTemp);
    out += "},\n";
}

void AppendCurve(std::string& out, const CoolingCurve& curve) {
    // A curve from the solver stays within its arrays; the bounds only guard against one that did not.
    const int nLast = std::clamp(curve.m_nLastSample, 0, kCurveCapacity - 1);
    out += "  \"curve\": [\n";
    for (int i = 0; i <= nLast; ++i) {
        out += "    {\"t\": ";
        AppendJsonNumber(out, curve.m_dCurveTime[i]);
        out += ", \"temp_c\": ";
        AppendJsonNumber(out, curve.m_dCurveTemp[i]);
        out += i < nLast ? "},\n" : "}\n";
    }
    out += "  ]\n";
}

}  // namespace

std::string WriteJsonResult(const SimulationInputs& inputs, const CalculationResult& result) {
    const CalculationSummary& calc = result.summary;
    const CoolingCurve& curve = result.curve;
    std::string out;
    out.reserve(20000);
    out += "{\n";
    AppendInputs(out, inputs);
    AppendStringMember(out, kMemberIndent, "units",
                       DisplayUnitsOfCode(inputs.m_nUnits) == UnitSystem::SI ? "si" : "english");
    AppendBoundary(out, calc.boundary);
    AppendIntMember(out, kMemberIndent, "stop_code", calc.nStopCode);
    AppendNumberMember(out, kMemberIndent, "stop_time", calc.stop.dStopTime);
    AppendStringMember(out, kMemberIndent, "notice", NoticeName(calc.stop.notice));
    AppendNumberMember(out, kMemberIndent, "start_temp_c", calc.start.dStartTemp);
    AppendIntMember(out, kMemberIndent, "start_time", calc.start.nStartTime);
    AppendIntMember(out, kMemberIndent, "last_sample", curve.m_nLastSample);
    AppendCurve(out, curve);
    out += "}\n";
    return out;
}
