#pragma once

#include <array>
#include <optional>

#include "CToolWindow.h"
#include "Uncertainty.h"

class QChart;
class QChartView;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPainter;
class QSpinBox;
class QStandardItemModel;
class QTableView;

// Tools > Uncertainty: the form's scenario run many times with its five least certain inputs drawn over
// their spreads (Latin hypercube), and each input moved alone to both ends of its spread. Shows the 10th,
// 50th and 90th percentile of start, stop and window, a histogram of the stop times, a tornado chart of
// the one-at-a-time stops, the share of windows shorter than the minimum, the clamps, the method and the
// seed. Run (Enter) works off the user-interface thread. Temperature spreads and values follow the form's
// unit switch.
class CUncertaintyWindow : public CToolWindow {
    Q_OBJECT
public:
    CUncertaintyWindow(const ToolContext& context, QWidget* pOwner);

    // The spread boxes in UncertainInput order.
    QDoubleSpinBox& SpreadBox(UncertainInput input) const { return *m_spreads[static_cast<int>(input)]; }
    QSpinBox& SamplesBox() const { return *m_pSamples; }
    QLineEdit& SeedEdit() const { return *m_pSeed; }
    QPushButton& NewSeedButton() const { return *m_pNewSeed; }
    QSpinBox& MinimumBox() const { return *m_pMinimum; }
    QTableView& PercentileTable() const { return *m_pTable; }
    QLabel& SummaryText() const { return *m_pSummary; }
    QChartView& HistogramView() const { return *m_pHistogramView; }
    QChartView& TornadoView() const { return *m_pTornadoView; }
    QPushButton& RunButton() const { return *m_pRun; }
    QPushButton& PrintButton() const { return *m_pPrint; }

    // Starts the study with the spreads, samples, seed and minimum given here; a seed that is not a whole
    // number from 0 to 2^64 - 1 is refused with a message and nothing runs.
    void Run();
    bool Print();
    void PaintPage(QPainter& painter, const QRect& pageRect) override;

    // The spreads as the study takes them (temperatures in C whatever the form's units).
    UncertaintySpreads Spreads() const { return m_spreadsC; }

protected:
    QSize DefaultSize() const override;
    void OnUnitsChanged(UnitSystem units) override;
    void OnInputsChanged() override;
    void OnResultChanged() override;
    void changeEvent(QEvent* event) override;

private:
    struct ShownStudy {
        UncertaintyResult result;
        SimulationInputs base;  // the scenario it ran on
        UnitSystem units;       // of that scenario
        double dMinimumWindow;
    };

    void ShowSpreads();
    void ShowFormScenario();
    void ShowResult();
    void UpdateButtons(bool bRunning);
    // "Lift 67.5 to 82.5 mm": the input's two ends in the form's units now.
    QString EndsText(const SensitivityRow& row, UnitSystem from) const;

    std::array<QDoubleSpinBox*, kUncertainInputCount> m_spreads{};
    std::array<QLabel*, kUncertainInputCount> m_spreadUnits{};
    UncertaintySpreads m_spreadsC;
    QLabel* m_pFormLine;
    QSpinBox* m_pSamples;
    QLineEdit* m_pSeed;
    QPushButton* m_pNewSeed;
    QSpinBox* m_pMinimum;
    QStandardItemModel* m_pPercentiles;
    QTableView* m_pTable;
    QLabel* m_pSummary;
    QChart* m_pHistogram;
    QChartView* m_pHistogramView;
    QChart* m_pTornado;
    QChartView* m_pTornadoView;
    QPushButton* m_pRun;
    QPushButton* m_pPrint;
    std::optional<ShownStudy> m_shown;
};
