#include "FormRules.h"
#include "UnitConversion.h"

namespace {

// Only the limits that differ between the systems are written: the wind minimum and the latitude
// range are shared, and a switch leaves them as they are.
void WriteStoredRanges(InputRanges& ranges, const InputRanges& stored) {
    ranges.m_dWindSpeedMax = stored.m_dWindSpeedMax;
    ranges.m_dAirTempMax = stored.m_dAirTempMax;
    ranges.m_dAirTempMin = stored.m_dAirTempMin;
    ranges.m_dLiftThicknessMax = stored.m_dLiftThicknessMax;
    ranges.m_dLiftThicknessMin = stored.m_dLiftThicknessMin;
    ranges.m_dSurfaceTempMax = stored.m_dSurfaceTempMax;
    ranges.m_dSurfaceTempMin = stored.m_dSurfaceTempMin;
    ranges.m_dDeliveryTempMax = stored.m_dDeliveryTempMax;
    ranges.m_dDeliveryTempMin = stored.m_dDeliveryTempMin;
}

void WriteLabels(FormRecord& record, int nSystem) {
    record.m_strAirTempUnit = kTemperatureUnit[nSystem];
    record.m_strSurfaceTempUnit = kTemperatureUnit[nSystem];
    record.m_strDeliveryTempUnit = kTemperatureUnit[nSystem];
    record.m_strLiftUnit = kLiftUnit[nSystem];
    record.m_strWindUnit = kWindUnit[nSystem];
}

}  // namespace

bool ApplyUnitSystem(FormRecord& record, int nTarget) {
    if (nTarget != UNITS_SI && nTarget != UNITS_ENGLISH) return false;
    if (record.m_nActiveUnits == nTarget) return false;

    record.m_nActiveUnits = nTarget;
    // The radio already names the target when the form calls this; other callers get the same
    // agreement, so the engine never reads converted values under the old system's code.
    record.m_nUnits = nTarget;
    WriteStoredRanges(record, nTarget == UNITS_SI ? kSiRanges : kEnglishRanges);
    WriteLabels(record, nTarget);

    ConvertTemperature(nTarget, &record.m_dAirTemp);
    ConvertTemperature(nTarget, &record.m_dSurfaceTemp);
    ConvertTemperature(nTarget, &record.m_dDeliveryTemp);
    ConvertLength(nTarget, &record.m_dLiftThickness);
    ConvertSpeed(nTarget, &record.m_dWindSpeed);

    RoundValue(&record.m_dAirTemp);
    RoundValue(&record.m_dSurfaceTemp);
    RoundValue(&record.m_dDeliveryTemp);
    RoundValue(&record.m_dLiftThickness);
    RoundValue(&record.m_dWindSpeed);
    return true;
}
