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

void WriteLabels(FormRecord& record, UnitSystem units) {
    const int nCode = UnitCode(units);
    record.m_strAirTempUnit = kTemperatureUnit[nCode];
    record.m_strSurfaceTempUnit = kTemperatureUnit[nCode];
    record.m_strDeliveryTempUnit = kTemperatureUnit[nCode];
    record.m_strLiftUnit = kLiftUnit[nCode];
    record.m_strWindUnit = kWindUnit[nCode];
}

}  // namespace

bool ApplyUnitSystem(FormRecord& record, UnitSystem target) {
    if (target != UnitSystem::SI && target != UnitSystem::English) return false;
    if (record.m_nActiveUnits == UnitCode(target)) return false;

    record.m_nActiveUnits = UnitCode(target);
    // The radio already names the target when the form calls this; other callers get the same
    // agreement, so the engine never reads converted values under the old system's code.
    SimulationInputs& in = record.inputs;
    in.m_nUnits = UnitCode(target);
    WriteStoredRanges(record.ranges, target == UnitSystem::SI ? kSiRanges : kEnglishRanges);
    WriteLabels(record, target);

    // Converted, then rounded to the hundredths a field shows.
    in.m_dAirTemp = ConvertTemperature(target, in.m_dAirTemp);
    in.m_dSurfaceTemp = ConvertTemperature(target, in.m_dSurfaceTemp);
    in.m_dDeliveryTemp = ConvertTemperature(target, in.m_dDeliveryTemp);
    in.m_dLiftThickness = ConvertLength(target, in.m_dLiftThickness);
    in.m_dWindSpeed = ConvertSpeed(target, in.m_dWindSpeed);

    in.m_dAirTemp = RoundValue(in.m_dAirTemp);
    in.m_dSurfaceTemp = RoundValue(in.m_dSurfaceTemp);
    in.m_dDeliveryTemp = RoundValue(in.m_dDeliveryTemp);
    in.m_dLiftThickness = RoundValue(in.m_dLiftThickness);
    in.m_dWindSpeed = RoundValue(in.m_dWindSpeed);
    return true;
}
