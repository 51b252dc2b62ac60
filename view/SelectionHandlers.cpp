#include "CDravonelView.h"

void CDravonelView::OnSelchangeMaterialType() {
    ReadForm();
    EnableExport(false);
    switch (ApplyMaterialRule(m_form)) {
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

// The read brings the start to the new grade (ReadForm), so the form shows its start time at once and
// the chart's marker moves. A new grade does not invalidate the last calculation: "Export Data" stays.
void CDravonelView::OnSelchangePgHigh() {
    ReadForm();
    UpdateData(false);
    RedrawPlot();
    if (m_bCalculated) emit resultChanged();
}
