#include "CDravonelView.h"

// What File > New and File > Open do to the form. Neither runs a calculation; both leave the form as its
// own handlers would after the same values had been typed (lists, ranges, labels, enabled states).

void CDravonelView::ResetToFreshStart() {
    const UnitSystem before = DisplayUnitsOfCode(m_form.inputs.m_nUnits);
    m_form = FormRecord{};
    FillFromClock(m_form, Now());
    m_properties = SelectedProperties{};
    m_result = CalculationResult{};
    m_bCalculated = false;
    m_calculatedForm = FormRecord{};
    m_bResultStale = false;
    m_strExportFile = "Output.xls";
    m_unreached.clear();  // every control shows its member again
    UpdateCompactionStart();
    m_btnExport.EnableWindow(true);
    EnableMoistureCombos(!IsBound(MaterialTypeAt(m_form.inputs.m_nMaterialType)));
    OnInitialUpdate();
    const UnitSystem after = DisplayUnitsOfCode(m_form.inputs.m_nUnits);
    if (after != before) emit unitsChanged(after);
    emit inputsChanged();
}

void CDravonelView::LoadInputs(const FormRecord& record) {
    const UnitSystem before = DisplayUnitsOfCode(m_form.inputs.m_nUnits);
    m_form.inputs = record.inputs;
    m_form.ranges = record.ranges;
    m_form.m_strAirTempUnit = record.m_strAirTempUnit;
    m_form.m_strSurfaceTempUnit = record.m_strSurfaceTempUnit;
    m_form.m_strDeliveryTempUnit = record.m_strDeliveryTempUnit;
    m_form.m_strLiftUnit = record.m_strLiftUnit;
    m_form.m_strWindUnit = record.m_strWindUnit;
    m_form.m_nActiveUnits = record.m_nActiveUnits;
    m_unreached.clear();
    EnableMoistureCombos(!IsBound(MaterialTypeAt(m_form.inputs.m_nMaterialType)));
    // A shown curve is read again for the new grade and axis, as after a grade change or unit switch.
    UpdateCompactionStart();
    UpdateData(false);
    RedrawPlot();
    const UnitSystem after = DisplayUnitsOfCode(m_form.inputs.m_nUnits);
    if (after != before) emit unitsChanged(after);
    EnableExport(false);  // the shown result is now out of date; says inputsChanged
}
