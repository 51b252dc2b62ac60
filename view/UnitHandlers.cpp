#include "CDravonelView.h"
#include "Resource.h"

// Both handlers run only for the button that is now checked; a click on the current system converts
// nothing but still re-reads the form, disables "Export Data" and redraws the chart.

void CDravonelView::OnUnitsSI() { SwitchUnits(IDC_UNITS_SI, UnitSystem::SI); }

void CDravonelView::OnUnitsEnglish() { SwitchUnits(IDC_UNITS_ENGLISH, UnitSystem::English); }

// The read takes the radio's new code, so the start is read on the new axis before the form shows it.
void CDravonelView::SwitchUnits(int nButtonId, UnitSystem units) {
    if (!IsDlgButtonChecked(nButtonId)) return;
    ReadForm();
    EnableExport(false);
    const bool bSwitched = ApplyUnitSystem(m_form, units);
    if (bSwitched) UpdateCompactionStart();
    UpdateData(false);
    RedrawPlot();
    if (bSwitched) emit unitsChanged(units);
}
