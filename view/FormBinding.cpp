#include "CDravonelView.h"
#include "Resource.h"

// The order decides how far a refused read gets: members before the refusing control are updated,
// members after it are not read.
void CDravonelView::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_EXPORT, m_btnExport);
    DDX_Control(pDX, IDC_MOISTURE_CONTENT, m_cbMoistureContent);
    DDX_Control(pDX, IDC_MOISTURE_STATE, m_cbMoistureState);
    DDX_Text(pDX, IDC_AIR_TEMP, m_dAirTemp);
    DDX_Text(pDX, IDC_AIR_TEMP_UNIT, m_strAirTempUnit);
    DDX_CBIndex(pDX, IDC_MATERIAL_TYPE, m_nMaterialType);
    DDX_Text(pDX, IDC_SURFACE_TEMP, m_dSurfaceTemp);
    DDX_Text(pDX, IDC_SURFACE_TEMP_UNIT, m_strSurfaceTempUnit);
    DDX_Text(pDX, IDC_DELIVERY_TEMP, m_dDeliveryTemp);
    DDX_Text(pDX, IDC_LATITUDE, m_dLatitude);
    DDX_CBIndex(pDX, IDC_MIX_TYPE, m_nMixType);
    DDX_Text(pDX, IDC_LIFT_THICKNESS, m_dLiftThickness);
    DDX_Text(pDX, IDC_LIFT_UNIT, m_strLiftUnit);
    DDX_Text(pDX, IDC_WIND_SPEED, m_dWindSpeed);
    DDX_Text(pDX, IDC_WIND_UNIT, m_strWindUnit);
    DDX_Radio(pDX, IDC_UNITS_SI, m_nUnits);
    DDX_Text(pDX, IDC_DELIVERY_TEMP_UNIT, m_strDeliveryTempUnit);
    DDX_Text(pDX, IDC_DAY, m_nDay);
    DDX_Text(pDX, IDC_MONTH, m_nMonth);
    DDV_MinMaxInt(pDX, m_nMonth, kMonthMin, kMonthMax);
    DDX_Text(pDX, IDC_YEAR, m_nYear);
    DDV_MinMaxInt(pDX, m_nYear, kYearMin, kYearMax);
    DDX_Text(pDX, IDC_HOUR, m_nHour);
    DDV_MinMaxInt(pDX, m_nHour, kHourMin, kHourMax);
    DDX_Text(pDX, IDC_MINUTE, m_nMinute);
    DDV_MinMaxInt(pDX, m_nMinute, kMinuteMin, kMinuteMax);
    DDX_CBIndex(pDX, IDC_SKY, m_nSkyCondition);
    DDX_CBIndex(pDX, IDC_MOISTURE_STATE, m_nMoistureState);
    DDX_CBIndex(pDX, IDC_MOISTURE_CONTENT, m_nMoistureContent);
    DDX_Text(pDX, IDC_STOP_TIME, m_dStopTime);
    DDX_CBIndex(pDX, IDC_PG_HIGH, m_nPgHigh);
    DDX_CBIndex(pDX, IDC_PG_LOW, m_nPgLow);
    DDX_Text(pDX, IDC_START_TIME, m_nStartTime);
}
