#include "StudyInputs.h"

#include "FieldText.h"
#include "FormRules.h"
#include "UnitConversion.h"

namespace {

std::optional<StudyFault> CheckReal(const char* pszField, double dValue, double dMin, double dMax,
                                    const char* pszUnit) {
    if (dValue >= dMin && dValue <= dMax) return std::nullopt;  // NaN fails both
    return RangeFault(pszField, dValue, dMin, dMax, pszUnit);
}

std::optional<StudyFault> CheckInt(const char* pszField, int nValue, int nMin, int nMax) {
    if (nValue >= nMin && nValue <= nMax) return std::nullopt;
    return StudyFault{pszField, std::string(pszField) + " " + FormatFieldInt(nValue) + " is outside " +
                                    FormatFieldInt(nMin) + " to " + FormatFieldInt(nMax)};
}

std::optional<StudyFault> CheckList(const char* pszField, int nIndex, const char* const* names, int nCount) {
    if (nIndex >= 0 && nIndex < nCount) return std::nullopt;
    std::string strAllowed;
    for (int i = 0; i < nCount; ++i) strAllowed += (i ? ", " : "") + FormatFieldInt(i) + " " + names[i];
    return StudyFault{pszField, std::string(pszField) + " " + FormatFieldInt(nIndex) +
                                    " is not an entry of the list (" + strAllowed + ")"};
}

}  // namespace

StudyFault RangeFault(const std::string& strField, double dValue, double dMin, double dMax,
                      const char* pszUnit) {
    const std::string strUnit = *pszUnit ? std::string(" ") + pszUnit : std::string();
    return {strField, strField + " " + FormatFieldDouble(dValue) + strUnit + " is outside " +
                          FormatFieldDouble(dMin) + " to " + FormatFieldDouble(dMax) + strUnit};
}

std::optional<StudyFault> CheckScenario(const SimulationInputs& in) {
    if (in.m_nUnits != 0 && in.m_nUnits != 1)
        return StudyFault{"units",
                          "units " + FormatFieldInt(in.m_nUnits) + " is neither 0 (SI) nor 1 (English)"};
    const int u = in.m_nUnits;
    const InputRanges& r = UnitSystemOfCode(u) == UnitSystem::SI ? kSiRanges : kEnglishRanges;
    const std::optional<StudyFault> faults[] = {
        CheckReal("air temperature", in.m_dAirTemp, r.m_dAirTempMin, r.m_dAirTempMax, kTemperatureUnit[u]),
        CheckReal("wind speed", in.m_dWindSpeed, r.m_dWindSpeedMin, r.m_dWindSpeedMax, kWindUnit[u]),
        CheckReal("lift thickness", in.m_dLiftThickness, r.m_dLiftThicknessMin, r.m_dLiftThicknessMax,
                  kLiftUnit[u]),
        CheckReal("delivery temperature", in.m_dDeliveryTemp, r.m_dDeliveryTempMin, r.m_dDeliveryTempMax,
                  kTemperatureUnit[u]),
        CheckReal("surface temperature", in.m_dSurfaceTemp, r.m_dSurfaceTempMin, r.m_dSurfaceTempMax,
                  kTemperatureUnit[u]),
        CheckReal("latitude", in.m_dLatitude, r.m_dLatitudeMin, r.m_dLatitudeMax, "degrees"),
        CheckInt("month", in.m_nMonth, kMonthMin, kMonthMax),
        CheckInt("year", in.m_nYear, kYearMin, kYearMax),
        // A month outside 1 to 12 was refused above, so the month's length is known here.
        CheckInt("day", in.m_nDay, 1, FormDaysInMonth(in.m_nYear, in.m_nMonth)),
        CheckInt("hour", in.m_nHour, kHourMin, kHourMax),
        CheckInt("minute", in.m_nMinute, kMinuteMin, kMinuteMax),
        CheckList("sky condition", in.m_nSkyCondition, kSkyConditionNames, kSkyConditionCount),
        CheckList("mix type", in.m_nMixType, kMixTypeNames, kMixTypeCount),
        CheckList("material type", in.m_nMaterialType, kMaterialTypeNames, kMaterialTypeCount),
        CheckList("high grade", in.m_nPgHigh, kPgHighNames, kPgGradeCount),
    };
    for (const std::optional<StudyFault>& fault : faults)
        if (fault) return fault;
    if (IsUnbound(MaterialTypeAt(in.m_nMaterialType))) {
        if (auto fault = CheckList("moisture content", in.m_nMoistureContent, kMoistureContentNames,
                                   kMoistureContentCount))
            return fault;
        if (auto fault =
                CheckList("moisture state", in.m_nMoistureState, kMoistureStateNames, kMoistureStateCount))
            return fault;
    }
    return std::nullopt;
}

std::string ClockText(int nMinuteOfDay) {
    const int h = nMinuteOfDay / 60;
    const int m = nMinuteOfDay % 60;
    std::string s;
    s += static_cast<char>('0' + h / 10 % 10);
    s += static_cast<char>('0' + h % 10);
    s += ':';
    s += static_cast<char>('0' + m / 10);
    s += static_cast<char>('0' + m % 10);
    return s;
}

std::string NumberText(double dValue) { return FormatFieldDouble(RoundValue(dValue)); }

std::string TemperatureText(double dTempC, UnitSystem units) {
    const double dShown = units == UnitSystem::SI ? dTempC : CelsiusToFahrenheit(dTempC);
    return NumberText(dShown) + " " + kTemperatureUnit[UnitCode(units)];
}
