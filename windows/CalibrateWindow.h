#pragma once

#include <optional>

#include "CToolWindow.h"
#include "Calibration.h"

class QChart;
class QChartView;
class QLabel;
class QLineEdit;
class QPainter;
class QRadioButton;
class QStandardItemModel;
class QTableView;

// Names of the calibration chart's series: the fitted run's mat mean and the trace the reading was matched
// on, the mat mean with the form's delivery, and the reading.
constexpr const char* kFittedMean = "Mean (fit)";
constexpr const char* kFittedSurface = "Surface (fit)";
constexpr const char* kFittedMidDepth = "Mid-depth (fit)";
constexpr const char* kFormMean = "Mean (form)";
constexpr const char* kReading = "Reading";

// Tools > Calibrate to Measured Temperature: the delivery temperature that makes the model meet one
// reading taken on the mat (surface by infrared, or mid-depth by probe) at a time after laydown, for the
// form's scenario. Calibrate (Enter) runs off the user-interface thread and shows the fitted delivery, the
// fitted curves with the reading as a point, and the compaction window beside the one the form's delivery
// gives. Apply to Form puts the fit into the form's delivery temperature as if typed there and
// calculates. The reading and every temperature shown follow the form's unit switch.
class CCalibrateWindow : public CToolWindow {
    Q_OBJECT
public:
    CCalibrateWindow(const ToolContext& context, QWidget* pOwner);

    QLabel& FormLine() const { return *m_pFormLine; }
    QLineEdit& ReadingEdit() const { return *m_pReading; }
    QLabel& ReadingUnit() const { return *m_pReadingUnit; }
    QLineEdit& MinutesEdit() const { return *m_pMinutes; }
    QRadioButton& SurfaceButton() const { return *m_pSurface; }
    QRadioButton& MidDepthButton() const { return *m_pMidDepth; }
    QLabel& FitText() const { return *m_pFit; }
    QTableView& WindowTable() const { return *m_pTable; }
    QChartView& CurveView() const { return *m_pChartView; }
    QPushButton& CalibrateButton() const { return *m_pCalibrate; }
    QPushButton& ApplyButton() const { return *m_pApply; }
    QPushButton& PrintButton() const { return *m_pPrint; }

    // Reads the reading and the minutes as the form reads numbers (a refused text: the form's prompt and
    // the focus on that field) and starts the calibration on the form's scenario.
    void Calibrate();
    // Puts the shown fit (in the form's units now) into the form's delivery temperature and calculates.
    bool ApplyToForm();
    bool Print();
    void PaintPage(QPainter& painter, const QRect& pageRect) override;

protected:
    QSize DefaultSize() const override;
    void OnUnitsChanged(UnitSystem units) override;
    void OnInputsChanged() override;
    void OnResultChanged() override;
    void changeEvent(QEvent* event) override;

private:
    struct ShownFit {
        CalibrationResult fit;
        CalculationSummary form;  // the form's scenario with its own delivery temperature
        CalibrationRequest request;
        UnitSystem units;  // of the request
    };

    void ShowFormScenario();
    void ShowFit();
    void UpdateButtons(bool bRunning);
    // Whether the form holds the scenario the shown fit was made on, its delivery temperature aside.
    bool FitsTheForm() const;

    QLabel* m_pFormLine;
    QLineEdit* m_pReading;
    QLabel* m_pReadingUnit;
    QLineEdit* m_pMinutes;
    QRadioButton* m_pSurface;
    QRadioButton* m_pMidDepth;
    QLabel* m_pFit;
    QStandardItemModel* m_pWindows;
    QTableView* m_pTable;
    QChart* m_pChart;
    QChartView* m_pChartView;
    QPushButton* m_pCalibrate;
    QPushButton* m_pApply;
    QPushButton* m_pPrint;
    std::optional<ShownFit> m_shown;
    CoolingCurve m_formCurve;  // the mat mean with the form's delivery, of the shown fit
};
