#pragma once

#include <QRect>
#include <ctime>
#include <functional>
#include <string>

#include "CFormView.h"
#include "Calculation.h"
#include "CoolingPlot.h"
#include "DataExchange.h"
#include "FormRecord.h"
#include "FormRules.h"
#include "LayerProperties.h"

class QPainter;

// The input form: holds the inputs with their labels, ranges and shown results, the layer properties of
// the last calculation, the last calculation's result and the export file name; binds them to template
// 101 and handles every form event. The chart and the printed page paint the held result; nothing is
// settled by painting.
class CDravonelView : public CFormView {
    Q_OBJECT
public:
    // The local clock, seconds since the epoch; tests pass a fixed one.
    using Clock = std::function<std::time_t()>;

    // Defaults of a fresh start and the paving date and time from `clock` (the system clock when
    // empty). Shows nothing: the application shows the disclaimer before it makes the view.
    explicit CDravonelView(QWidget* pParent = nullptr, Clock clock = {});

    // First update (and again on a new document): writes the members into the controls and fixes
    // m_rectPlot inside the "Cooling Curve" group box. Inputs are kept.
    void OnInitialUpdate() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Enables or disables "Export Data". Disabling it after a calculation marks the result stale (the
    // form's handlers disable it whenever an input may have changed) and emits inputsChanged.
    void EnableExport(bool bEnable);
    // Enables or disables both moisture lists (state first, then content).
    void EnableMoistureCombos(bool bEnable);
    // Clamps *pValue into [dMin, dMax] with the "Value Out of Range" box (lower limit tested first).
    void CheckRange(double* pValue, double dMax, double dMin);
    // Puts dValue (F or C, the form's units now) into the delivery temperature as if it were typed there
    // and the field left, then calculates: the form is read first, the value clamped with the "Value Out
    // of Range" box and rounded to hundredths. Returns false, changing nothing, when a field of the form
    // refuses its text (its prompt shown, the focus on it) or another handler of the form is running.
    bool ApplyDeliveryTempAndCalculate(double dValue);

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

    // The inputs as the form shows them now, found without reading the form: each field's text and each
    // list's choice as a read would take them, the held value where a read would refuse the text (and
    // prompt). The form itself is left exactly as it is. Fields whose changes wait for the next read of
    // the form (the minutes, the year, the lists) are taken as shown, so a tool window works on what the
    // user sees.
    SimulationInputs InputsAsShown() const;
    // What the chart paints, as it stands now (for printing and tests).
    PlotInputs GetPlotInputs() const;
    // True after a calculation while the inputs on the form may differ from those that produced the shown
    // result: an input was left or chosen since (see EnableExport), or a list without a handler of its own
    // (sky, mix, low grade, moisture) or the minutes or year were changed by the user. A new high grade
    // only moves the start and keeps the result current.
    bool IsResultStale() const { return m_bCalculated && m_bResultStale; }
    const FormRecord& Record() const { return m_form; }
    // One printed page of the current state: inputs, both results and the chart.
    void PrintTo(QPainter& painter, const QRect& pageRect) const;

    FormRecord m_form;  // the inputs as the form holds them, their labels and ranges, the results
    SelectedProperties m_properties;  // of the last calculation, for a list that selects nothing
    // The last calculation. Its start follows the high grade and the chart's units at once (before the
    // first calculation only the start temperature means anything); the rest changes only by Calculate.
    CalculationResult m_result{};
    bool m_bCalculated = false;  // set by the first calculation; the chart draws the curve only then
    QRect m_rectPlot;            // chart rectangle in page pixels, fixed by the first update
    std::string m_strExportFile =
        "Output.xls";  // last accepted report name; relative to the current directory
    // The inputs that produced the shown result, as the last calculation read them (in that moment's unit
    // system), with the shown start and stop times; the high grade and start time follow a later grade
    // change, as the shown result does. Meaningful once m_bCalculated is set.
    FormRecord m_calculatedForm;
    CButton m_btnExport;
    CComboBox m_cbMoistureContent;
    CComboBox m_cbMoistureState;

signals:
    // A calculation has written its result to the form, or a new high grade moved the shown start.
    void resultChanged();
    // The user changed (or may have changed) an input; IsResultStale() tells whether the shown result is
    // now out of date.
    void inputsChanged();
    // The form switched to another unit system: its values, labels and chart are in `units` now.
    void unitsChanged(UnitSystem units);

protected:
    void OnDraw(QPainter& dc, const QRect& rectUpdate) override;

private:
    void ConnectHandlers();
    // Watches the inputs that have no handler of their own, so that their changes mark the result stale;
    // the form's behaviour is untouched.
    void WatchUnhandledInputs();
    void NoteInputsChanged();
    // Reads the form (UpdateData(true)) and brings the held start up to the grade and units just read.
    // Returns false when a field refused its text (its prompt shown, the focus on it).
    bool ReadForm();
    // The start of the held result for the current high grade and chart units; once a curve exists also
    // the start time, which the form shows.
    void UpdateCompactionStart();
    // Asks for a repaint of the chart's rectangle; a hidden form paints it when shown.
    void RedrawPlot();
    void OnKillfocusRealField(RealField field);
    // The work of both unit buttons: only for the button now checked, switches the form to `units`,
    // disables "Export Data" and redraws.
    void SwitchUnits(int nButtonId, UnitSystem units);
    std::time_t Now() const;

    Clock m_clock;
    bool m_bResultStale = false;
};
