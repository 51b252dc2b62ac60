#include "CDravonelView.h"
#include "Resource.h"

// Both handlers run only for the button that is now checked; a click on the current system converts
// nothing but still re-reads the form, disables "Export Data" and redraws the chart.

void CDravonelView::OnUnitsSI() { SwitchUnits(IDC_UNITS_SI, UNITS_SI); }

void CDravonelView::OnUnitsEnglish() { SwitchUnits(IDC_UNITS_ENGLISH, UNITS_ENGLISH); }

void CDravonelView::SwitchUnits(int nButtonId, int nUnits) {
    if (!IsDlgButtonChecked(nButtonId)) return;
    UpdateData(true);
    EnableExport(false);
    ApplyUnitSystem(*this, nUnits);
    UpdateData(false);
    RepaintPlot();
}
