#include <QComboBox>
#include <QLineEdit>

#include "CDravonelView.h"
#include "FieldText.h"
#include "Resource.h"

// The order decides how far a refused read gets: members before the refusing control are updated,
// members after it are not read (and their controls keep what the user typed; see UpdateData).
void CDravonelView::DoDataExchange(CDataExchange* pDX) {
    SimulationInputs& in = m_form.inputs;
    DDX_Control(pDX, IDC_EXPORT, m_btnExport);
    DDX_Control(pDX, IDC_MOISTURE_CONTENT, m_cbMoistureContent);
    DDX_Control(pDX, IDC_MOISTURE_STATE, m_cbMoistureState);
    DDX_Text(pDX, IDC_AIR_TEMP, in.m_dAirTemp);
    DDX_Text(pDX, IDC_AIR_TEMP_UNIT, m_form.m_strAirTempUnit);
    DDX_CBIndex(pDX, IDC_MATERIAL_TYPE, in.m_nMaterialType);
    DDX_Text(pDX, IDC_SURFACE_TEMP, in.m_dSurfaceTemp);
    DDX_Text(pDX, IDC_SURFACE_TEMP_UNIT, m_form.m_strSurfaceTempUnit);
    DDX_Text(pDX, IDC_DELIVERY_TEMP, in.m_dDeliveryTemp);
    DDX_Text(pDX, IDC_LATITUDE, in.m_dLatitude);
    DDX_CBIndex(pDX, IDC_MIX_TYPE, in.m_nMixType);
    DDX_Text(pDX, IDC_LIFT_THICKNESS, in.m_dLiftThickness);
    DDX_Text(pDX, IDC_LIFT_UNIT, m_form.m_strLiftUnit);
    DDX_Text(pDX, IDC_WIND_SPEED, in.m_dWindSpeed);
    DDX_Text(pDX, IDC_WIND_UNIT, m_form.m_strWindUnit);
    DDX_Radio(pDX, IDC_UNITS_SI, in.m_nUnits);
    DDX_Text(pDX, IDC_DELIVERY_TEMP_UNIT, m_form.m_strDeliveryTempUnit);
    DDX_Text(pDX, IDC_DAY, in.m_nDay);
    DDX_Text(pDX, IDC_MONTH, in.m_nMonth);
    DDV_MinMaxInt(pDX, in.m_nMonth, kMonthMin, kMonthMax);
    DDX_Text(pDX, IDC_YEAR, in.m_nYear);
    DDV_MinMaxInt(pDX, in.m_nYear, kYearMin, kYearMax);
    DDX_Text(pDX, IDC_HOUR, in.m_nHour);
    DDV_MinMaxInt(pDX, in.m_nHour, kHourMin, kHourMax);
    DDX_Text(pDX, IDC_MINUTE, in.m_nMinute);
    DDV_MinMaxInt(pDX, in.m_nMinute, kMinuteMin, kMinuteMax);
    DDX_CBIndex(pDX, IDC_SKY, in.m_nSkyCondition);
    DDX_CBIndex(pDX, IDC_MOISTURE_STATE, in.m_nMoistureState);
    DDX_CBIndex(pDX, IDC_MOISTURE_CONTENT, in.m_nMoistureContent);
    DDX_Text(pDX, IDC_STOP_TIME, m_form.m_dStopTime);
    DDX_CBIndex(pDX, IDC_PG_HIGH, in.m_nPgHigh);
    DDX_CBIndex(pDX, IDC_PG_LOW, in.m_nPgLow);
    DDX_Text(pDX, IDC_START_TIME, m_form.m_nStartTime);
}

SimulationInputs CDravonelView::InputsAsShown() const {
    SimulationInputs in = m_form.inputs;
    const auto text = [this](int nId) {
        const auto* pEdit = qobject_cast<const QLineEdit*>(GetDlgItem(nId));
        return pEdit ? pEdit->text().toStdString() : std::string();
    };
    // The parsers leave the value alone when they refuse the text.
    const auto real = [&](int nId, double& dValue) { ParseFieldDouble(text(nId), &dValue); };
    const auto whole = [&](int nId, int& nValue) { ParseFieldInt(text(nId), &nValue); };
    const auto listed = [this](int nId, int& nIndex) {
        if (const auto* pList = qobject_cast<const QComboBox*>(GetDlgItem(nId)))
            nIndex = pList->currentIndex();
    };
    real(IDC_AIR_TEMP, in.m_dAirTemp);
    listed(IDC_MATERIAL_TYPE, in.m_nMaterialType);
    real(IDC_SURFACE_TEMP, in.m_dSurfaceTemp);
    real(IDC_DELIVERY_TEMP, in.m_dDeliveryTemp);
    real(IDC_LATITUDE, in.m_dLatitude);
    listed(IDC_MIX_TYPE, in.m_nMixType);
    real(IDC_LIFT_THICKNESS, in.m_dLiftThickness);
    real(IDC_WIND_SPEED, in.m_dWindSpeed);
    whole(IDC_DAY, in.m_nDay);
    whole(IDC_MONTH, in.m_nMonth);
    whole(IDC_YEAR, in.m_nYear);
    whole(IDC_HOUR, in.m_nHour);
    whole(IDC_MINUTE, in.m_nMinute);
    listed(IDC_SKY, in.m_nSkyCondition);
    listed(IDC_MOISTURE_STATE, in.m_nMoistureState);
    listed(IDC_MOISTURE_CONTENT, in.m_nMoistureContent);
    listed(IDC_PG_HIGH, in.m_nPgHigh);
    listed(IDC_PG_LOW, in.m_nPgLow);
    return in;
}
