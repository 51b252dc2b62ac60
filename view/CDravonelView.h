#pragma once

#include <QRect>
#include <ctime>
#include <functional>
#include <string>

#include "CFormView.h"
#include "CoolingPlot.h"
#include "CoolingSolver.h"
#include "DataExchange.h"
#include "FormRecord.h"
#include "FormRules.h"
#include "LayerProperties.h"

class QPainter;

// The input form: owns every input, the selected layer properties, the cooling curve, the compaction
// window and the export file name, binds them to template 101 and handles every form event.
class CDravonelView : public CFormView, public FormRecord, public SelectedProperties, public CoolingCurve {
    Q_OBJECT
public:
    // The local clock, seconds since the epoch; tests pass a fixed one.
    using Clock = std::function<std::time_t()>;

    // Defaults of a fresh start, the paving date and time from `clock` (the system clock when empty),
    // and, as the last step, the disclaimer shown modally, so it comes before the main window.
    explicit CDravonelView(QWidget* pParent = nullptr, Clock clock = {});

    // First update (and again on a new document): writes the members into the controls and fixes
    // m_rectPlot inside the "Cooling Curve" group box. Inputs are kept.
    void OnInitialUpdate() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Enables or disables "Export Data".
    void EnableExport(bool bEnable);
    // Enables or disables both moisture lists (state first, then content).
    void EnableMoistureCombos(bool bEnable);
    // Paints the chart now, so that m_dStartTemp and m_nStartTime are current on return; paints
    // off-screen when the form is not on screen.
    void RepaintPlot();
    // Clamps *pValue into [dMin, dMax] with the "Value Out of Range" box (lower limit tested first).
    void CheckRange(double* pValue, double dMax, double dMin);

    // Form events, named as in the message map.
    void OnCalculate();
    void OnUnitsSI();
    void OnUnitsEnglish();
    void OnKillfocusAirTemp();
    void OnKillfocusWindSpeed();
    void OnKillfocusLiftThickness();
    void OnKillfocusDeliveryTemp();
    void OnKillfocusSurfaceTemp();
    void OnKillfocusLatitude();
    void OnUpdateTime();
    void OnKillfocusDay();
    void OnKillfocusMonth();
    void OnKillfocusHour();
    void OnSelchangeMaterialType();
    void OnSelchangePgHigh();
    void OnExportData();
    void OnDisclaimer();

    // What the chart reads, as it stands now (for printing and tests).
    PlotInputs GetPlotInputs() const;
    const FormRecord& Record() const { return *this; }
    // One printed page of the current state: inputs, both results and the chart.
    void PrintTo(QPainter& painter, const QRect& pageRect) const;

    int m_bCalculated = 0;        // set by the first calculation; the chart draws the curve only then
    double m_dStartTemp = 120.0;  // C, settled by every paint from the high grade
    QRect m_rectPlot;             // chart rectangle in page pixels, fixed by the first update
    std::string m_strExportFile =
        "Output.xls";  // last accepted report name; relative to the current directory
    CButton m_btnExport;
    CComboBox m_cbMoistureContent;
    CComboBox m_cbMoistureState;

protected:
    void OnDraw(QPainter& dc, const QRect& rectUpdate) override;

private:
    void ConnectHandlers();
    void OnKillfocusRealField(RealField field);
    // The work of both unit buttons: only for the button now checked, switches the form to nUnits
    // (UNITS_SI or UNITS_ENGLISH), disables "Export Data" and redraws.
    void SwitchUnits(int nButtonId, int nUnits);
    std::time_t Now() const;

    Clock m_clock;
    int m_nPaints = 0;  // counts paints, so RepaintPlot can tell whether the screen painted
};
