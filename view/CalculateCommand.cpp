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

// The form is written only after the chart has been painted, so the start time it shows is the one
// just read off the new curve. A refused field does not stop the run: it goes on with the members as
// the read left them.
void CDravonelView::OnCalculate() {
    UiServices& services = UiServices::Current();
    services.BeginWaitCursor();
    services.Sleep(500);
    UpdateData(true);
    m_bCalculated = 1;
    EnableExport(true);
    const CalculationResult result = RunCalculation(*this, *this, *this);
    ShowCoolingNotice(result.stop.notice);
    m_dStopTime = result.stop.dStopTime;
    RepaintPlot();
    UpdateData(false);
    services.EndWaitCursor();
}
