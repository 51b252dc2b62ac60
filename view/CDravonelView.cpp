#include "CDravonelView.h"

#include <QComboBox>
#include <QLineEdit>

#include "DisclaimerDlg.h"
#include "FormTemplate.h"
#include "PrintLayout.h"
#include "Resource.h"

CDravonelView::CDravonelView(QWidget* pParent, Clock clock)
    : CFormView(kDravonelFormTemplate, pParent), m_clock(std::move(clock)) {
    FillFromClock(m_form, Now());
    UpdateCompactionStart();
    ConnectHandlers();
    WatchUnhandledInputs();
}

void CDravonelView::ConnectHandlers() {
    OnKillFocus(IDC_AIR_TEMP, [this] { OnKillfocusAirTemp(); });
    OnClicked(IDC_UNITS_SI, [this] { OnUnitsSI(); });
    OnClicked(IDC_UNITS_ENGLISH, [this] { OnUnitsEnglish(); });
    OnKillFocus(IDC_WIND_SPEED, [this] { OnKillfocusWindSpeed(); });
    OnKillFocus(IDC_LIFT_THICKNESS, [this] { OnKillfocusLiftThickness(); });
    OnKillFocus(IDC_DELIVERY_TEMP, [this] { OnKillfocusDeliveryTemp(); });
    OnKillFocus(IDC_SURFACE_TEMP, [this] { OnKillfocusSurfaceTemp(); });
    OnKillFocus(IDC_LATITUDE, [this] { OnKillfocusLatitude(); });
    OnClicked(IDC_UPDATE_TIME, [this] { OnUpdateTime(); });
    OnSelChange(IDC_MATERIAL_TYPE, [this] { OnSelchangeMaterialType(); });
    OnClicked(IDC_CALCULATE, [this] { OnCalculate(); });
    OnKillFocus(IDC_DAY, [this] { OnKillfocusDay(); });
    OnKillFocus(IDC_MONTH, [this] { OnKillfocusMonth(); });
    OnClicked(IDC_EXPORT, [this] { OnExportData(); });
    OnKillFocus(IDC_HOUR, [this] { OnKillfocusHour(); });
    OnClicked(IDC_DISCLAIMER, [this] { OnDisclaimer(); });
    OnSelChange(IDC_PG_HIGH, [this] { OnSelchangePgHigh(); });
}

void CDravonelView::WatchUnhandledInputs() {
    // The data exchange writes lists with their signals blocked and edits without textEdited, so both
    // report the user's own changes only.
    for (int nId : {IDC_SKY, IDC_MIX_TYPE, IDC_PG_LOW, IDC_MOISTURE_CONTENT, IDC_MOISTURE_STATE}) {
        if (auto* pList = qobject_cast<QComboBox*>(GetDlgItem(nId)))
            connect(pList, &QComboBox::currentIndexChanged, this, &CDravonelView::NoteInputsChanged);
    }
    for (int nId : {IDC_MINUTE, IDC_YEAR}) {
        if (auto* pEdit = qobject_cast<QLineEdit*>(GetDlgItem(nId)))
            connect(pEdit, &QLineEdit::textEdited, this, &CDravonelView::NoteInputsChanged);
    }
}

void CDravonelView::NoteInputsChanged() {
    m_bResultStale = true;
    emit inputsChanged();
}

void CDravonelView::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    if (QWidget* pGroupBox = GetDlgItem(IDC_COOLING_CURVE)) {
        const QRect rectBox = pGroupBox->geometry();
        const int nInset = rectBox.width() / 15;
        m_rectPlot = rectBox.adjusted(nInset, nInset, -nInset, -nInset);
    }
}

void CDravonelView::EnableExport(bool bEnable) {
    m_btnExport.EnableWindow(bEnable);
    if (!bEnable) NoteInputsChanged();
}

void CDravonelView::EnableMoistureCombos(bool bEnable) {
    m_cbMoistureState.EnableWindow(bEnable);
    m_cbMoistureContent.EnableWindow(bEnable);
}

void CDravonelView::OnDisclaimer() {
    CDisclaimerDlg disclaimer;
    disclaimer.DoModal();
}

bool CDravonelView::ReadForm() {
    const bool bRead = UpdateData(true);
    UpdateCompactionStart();
    return bRead;
}

// The chart reads the start on the axis the radio names (0 SI, any other code English), as the start
// time shown beside it must match the marker drawn.
void CDravonelView::UpdateCompactionStart() {
    const SimulationInputs& in = m_form.inputs;
    CompactionStart& start = m_result.summary.start;
    if (!m_bCalculated) {
        start.dStartTemp = StartTemperatureForGrade(in.m_nPgHigh);
        return;
    }
    start = ReadCompactionStart(m_result.curve, in.m_nPgHigh, DisplayUnitsOfCode(in.m_nUnits));
    m_form.m_nStartTime = start.nStartTime;
    // The shown start belongs to the current grade: the kept inputs say so too.
    m_calculatedForm.inputs.m_nPgHigh = in.m_nPgHigh;
    m_calculatedForm.m_nStartTime = start.nStartTime;
}

PlotInputs CDravonelView::GetPlotInputs() const {
    return PlotInputs{m_bCalculated, DisplayUnitsOfCode(m_form.inputs.m_nUnits), m_result};
}

void CDravonelView::PrintTo(QPainter& painter, const QRect& pageRect) const {
    PrintCoolingPage(painter, pageRect, m_form, GetPlotInputs());
}

std::time_t CDravonelView::Now() const { return m_clock ? m_clock() : std::time(nullptr); }
