#include "CDravonelView.h"

void CDravonelView::OnSelchangeMaterialType() {
    UpdateData(true);
    EnableExport(false);
    switch (ApplyMaterialRule(*this)) {
        case MoistureLists::Disabled:
            EnableMoistureCombos(false);
            break;
        case MoistureLists::Enabled:
            EnableMoistureCombos(true);
            break;
        case MoistureLists::Unchanged:
            break;
    }
    UpdateData(false);
}

// The start time depends on the high grade only through the chart, so the chart is painted before the
// form is written. A new grade does not invalidate the last calculation: "Export Data" stays as it is.
void CDravonelView::OnSelchangePgHigh() {
    UpdateData(true);
    RepaintPlot();
    UpdateData(false);
}
