#include "CDravonelView.h"
#include "Resource.h"

// Both handlers run only for the button that is now checked; a click on the current system converts
// nothing but still re-reads the form, disables "Export Data" and redraws the chart.

void CDravonelView::OnUnitsSI() {
    if (!IsDlgButtonChecked(IDC_UNITS_SI)) return;
    UpdateData(true);
    EnableExport(false);
    ApplyUnitSystem(*this, UNITS_SI);
    UpdateData(false);
    RepaintPlot();
}

void CDravonelView::OnUnitsEnglish() {
    if (!IsDlgButtonChecked(IDC_UNITS_ENGLISH)) return;
    UpdateData(true);
    EnableExport(false);
    ApplyUnitSystem(*this, UNITS_ENGLISH);
    UpdateData(false);
    RepaintPlot();
}
