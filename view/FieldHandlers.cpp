#include "CDravonelView.h"
#include "UiServices.h"
#include "UnitConversion.h"

void CDravonelView::CheckRange(double* pValue, double dMax, double dMin) {
    const RangeCheck outcome = TestRange(*pValue, dMax, dMin);
    if (outcome == RangeCheck::SetToMinimum)
        MessageBox(kRangeMinimumText, kRangeCaption, MB_OK | MB_ICONEXCLAMATION);
    else if (outcome == RangeCheck::SetToMaximum)
        MessageBox(kRangeMaximumText, kRangeCaption, MB_OK | MB_ICONEXCLAMATION);
    ApplyRangeCheck(pValue, outcome, dMax, dMin);
}

// Runs whenever the focus leaves the field, changed or not: a refused read leaves the member's previous
// value, which is still checked, rounded and shown again.
void CDravonelView::OnKillfocusRealField(RealField field) {
    ReadForm();
    const RealFieldBinding binding = BindRealField(m_form, field);
    CheckRange(binding.pValue, binding.dMax, binding.dMin);
    *binding.pValue = RoundValue(*binding.pValue);
    EnableExport(false);
    UpdateData(false);
}

bool CDravonelView::ApplyDeliveryTempAndCalculate(double dValue) {
    bool bApplied = false;
    RunHandler([&] {
        const FormRecord before = m_form;
        if (!ReadForm()) {
            m_form = before;
            UpdateCompactionStart();
            return;
        }
        const RealFieldBinding binding = BindRealField(m_form, RealField::DeliveryTemp);
        *binding.pValue = dValue;
        CheckRange(binding.pValue, binding.dMax, binding.dMin);
        *binding.pValue = RoundValue(*binding.pValue);
        EnableExport(false);
        UpdateData(false);
        OnCalculate();
        bApplied = true;
    });
    return bApplied;
}

void CDravonelView::OnKillfocusAirTemp() { OnKillfocusRealField(RealField::AirTemp); }
void CDravonelView::OnKillfocusWindSpeed() { OnKillfocusRealField(RealField::WindSpeed); }
void CDravonelView::OnKillfocusLiftThickness() { OnKillfocusRealField(RealField::LiftThickness); }
void CDravonelView::OnKillfocusDeliveryTemp() { OnKillfocusRealField(RealField::DeliveryTemp); }
void CDravonelView::OnKillfocusSurfaceTemp() { OnKillfocusRealField(RealField::SurfaceTemp); }
void CDravonelView::OnKillfocusLatitude() { OnKillfocusRealField(RealField::Latitude); }
