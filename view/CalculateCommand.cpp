#include "CDravonelView.h"
#include "Calculation.h"
#include "RapidCoolingDlg.h"
#include "SlowCoolingDlg.h"
#include "UiServices.h"

namespace {

void ShowCoolingNotice(CoolingNotice notice) {
    if (notice == CoolingNotice::Slow) {
        CSlowCoolingDlg slowNotice;
        slowNotice.DoModal();
    } else if (notice == CoolingNotice::Rapid) {
        CRapidCoolingDlg rapidNotice;
        rapidNotice.DoModal();
    }
}

}  // namespace

// The form is read first: a refused field (its prompt shown, the focus on it) ends the command before
// the pause, and nothing is calculated. The members the read had reached go back to what they were, so
// the curve, the results, "Export Data" and what an export would write all stay as the last
// calculation left them; the next read takes the fields up again.
// The engine gives the whole answer, the start included; the chart only paints it.
void CDravonelView::OnCalculate() {
    const FormRecord before = m_form;
    if (!ReadForm()) {
        m_form = before;
        UpdateCompactionStart();
        return;
    }
    UiServices& services = UiServices::Current();
    services.BeginWaitCursor();
    services.Sleep(500);
    m_bCalculated = true;
    EnableExport(true);
    m_result = RunCalculation(m_form.inputs, m_properties);
    m_properties = SelectedPropertiesOf(m_result.summary.normalized);
    m_form.m_nStartTime = m_result.summary.start.nStartTime;
    ShowCoolingNotice(m_result.summary.stop.notice);
    m_form.m_dStopTime = m_result.summary.stop.dStopTime;
    UpdateData(false);
    RedrawPlot();
    m_calculatedForm = m_form;
    m_bResultStale = false;
    services.EndWaitCursor();
    emit resultChanged();
}
