#include "JsonResult.h"

#include <algorithm>

#include "JsonText.h"

namespace {

void AppendKey(std::string& out, const char* indent, const char* key) {
    out += indent;
    AppendJsonString(out, key);
    out += ": ";
}

void AppendListEntry(std::string& out, const char* const* names, int nCount, int nIndex) {
    if (nIndex >= 0 && nIndex < nCount)
        AppendJsonString(out, names[nIndex]);
    else
        out += "null";
}

// At least nWidth digits, as a date or clock shows them.
std::string Padded(int nValue, std::size_t nWidth) {
    std::string digits;
    AppendJsonInt(digits, nValue);
    if (nValue >= 0 && digits.size() < nWidth) digits.insert(0, nWidth - digits.size(), '0');
    return digits;
}

void AppendInputs(std::string& out, const SimulationInputs& in) {
    constexpr const char* kIndent = "    ";
    const auto number = [&](const char* key, double dValue) {
        AppendKey(out, kIndent, key);
        AppendJsonNumber(out, dValue);
        out += ",\n";
    };
    const auto entry = [&](const char* key, const char* const* names, int nCount, int nIndex) {
        AppendKey(out, kIndent, key);
        AppendListEntry(out, names, nCount, nIndex);
        out += ",\n";
    };
    out += "  \"inputs\": {\n";
    number("air", in.m_dAirTemp);
    number("wind", in.m_dWindSpeed);
    entry("sky", kSkyConditionNames, kSkyConditionCount, in.m_nSkyCondition);
    number("latitude", in.m_dLatitude);
    entry("mix", kMixTypeNames, kMixTypeCount, in.m_nMixType);
    entry("pg_high", kPgHighNames, kPgGradeCount, in.m_nPgHigh);
    entry("pg_low", kPgLowNames, kPgGradeCount, in.m_nPgLow);
    number("lift", in.m_dLiftThickness);
    number("delivery", in.m_dDeliveryTemp);
    entry("material", kMaterialTypeNames, kMaterialTypeCount, in.m_nMaterialType);
    entry("moisture", kMoistureContentNames, kMoistureContentCount, in.m_nMoistureContent);
    entry("state", kMoistureStateNames, kMoistureStateCount, in.m_nMoistureState);
    number("surface", in.m_dSurfaceTemp);
    AppendKey(out, kIndent, "date");
    AppendJsonString(out, Padded(in.m_nYear, 4) + "-" + Padded(in.m_nMonth, 2) + "-" + Padded(in.m_nDay, 2));
    out += ",\n";
    AppendKey(out, kIndent, "time");
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

const char* NoticeName(CoolingNotice notice) {
    switch (notice) {
        case CoolingNotice::Slow:
            return "slow";
        case CoolingNotice::Rapid:
            return "rapid";
        case CoolingNotice::None:
            break;
    }
    return "none";
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

std::string WriteJsonResult(const SimulationInputs& inputs, const CliResults& results,
                            const CoolingCurve& curve) {
    const CalculationResult& calc = results.calculation;
    std::string out;
    out.reserve(20000);
    out += "{\n";
    AppendInputs(out, inputs);
    out += "  \"units\": ";
    AppendJsonString(out, inputs.m_nUnits == UNITS_SI ? "si" : "english");
    out += ",\n";
    AppendBoundary(out, calc.boundary);
    AppendKey(out, "  ", "stop_code");
    AppendJsonInt(out, calc.nStopCode);
    out += ",\n";
    AppendKey(out, "  ", "stop_time");
    AppendJsonNumber(out, calc.stop.dStopTime);
    out += ",\n";
    AppendKey(out, "  ", "notice");
    AppendJsonString(out, NoticeName(calc.stop.notice));
    out += ",\n";
    AppendKey(out, "  ", "start_temp_c");
    AppendJsonNumber(out, results.dStartTempC);
    out += ",\n";
    AppendKey(out, "  ", "start_time");
    AppendJsonInt(out, results.nStartTime);
    out += ",\n";
    AppendKey(out, "  ", "last_sample");
    AppendJsonInt(out, curve.m_nLastSample);
    out += ",\n";
    AppendCurve(out, curve);
    out += "}\n";
    return out;
}
