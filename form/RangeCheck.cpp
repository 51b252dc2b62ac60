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
    switch (field) {
        case RealField::AirTemp:
            return {&record.m_dAirTemp, record.m_dAirTempMax, record.m_dAirTempMin};
        case RealField::WindSpeed:
            return {&record.m_dWindSpeed, record.m_dWindSpeedMax, record.m_dWindSpeedMin};
        case RealField::LiftThickness:
            return {&record.m_dLiftThickness, record.m_dLiftThicknessMax, record.m_dLiftThicknessMin};
        case RealField::DeliveryTemp:
            return {&record.m_dDeliveryTemp, record.m_dDeliveryTempMax, record.m_dDeliveryTempMin};
        case RealField::SurfaceTemp:
            return {&record.m_dSurfaceTemp, record.m_dSurfaceTempMax, record.m_dSurfaceTempMin};
        case RealField::Latitude:
            break;
    }
    return {&record.m_dLatitude, record.m_dLatitudeMax, record.m_dLatitudeMin};
}
