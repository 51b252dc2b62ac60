#include "FormRules.h"

RangeCheck TestRange(double dValue, double dMax, double dMin) {
    if (dValue < dMin) return RangeCheck::SetToMinimum;
    if (dValue > dMax) return RangeCheck::SetToMaximum;
    return RangeCheck::InRange;
}

void ApplyRangeCheck(double* pValue, RangeCheck outcome, double dMax, double dMin) {
    if (outcome == RangeCheck::SetToMinimum)
        *pValue = dMin;
    else if (outcome == RangeCheck::SetToMaximum)
        *pValue = dMax;
}

RealFieldBinding BindRealField(FormRecord& record, RealField field) {
    SimulationInputs& in = record.inputs;
    const InputRanges& r = record.ranges;
    switch (field) {
        case RealField::AirTemp:
            return {&in.m_dAirTemp, r.m_dAirTempMax, r.m_dAirTempMin};
        case RealField::WindSpeed:
            return {&in.m_dWindSpeed, r.m_dWindSpeedMax, r.m_dWindSpeedMin};
        case RealField::LiftThickness:
            return {&in.m_dLiftThickness, r.m_dLiftThicknessMax, r.m_dLiftThicknessMin};
        case RealField::DeliveryTemp:
            return {&in.m_dDeliveryTemp, r.m_dDeliveryTempMax, r.m_dDeliveryTempMin};
        case RealField::SurfaceTemp:
            return {&in.m_dSurfaceTemp, r.m_dSurfaceTempMax, r.m_dSurfaceTempMin};
        case RealField::Latitude:
            break;
    }
    return {&in.m_dLatitude, r.m_dLatitudeMax, r.m_dLatitudeMin};
}
