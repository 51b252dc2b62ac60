#pragma once

#include <optional>

#include "CToolWindow.h"
#include "PavingDayPlanner.h"

class CHourlyWeatherModel;
class QChart;
class QChartView;
class QLabel;
class QPainter;
class QRadioButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;
class QTimeEdit;

// Tools > Paving Day Planner: the form's site, date, mix and lift paved at every step from a first to a
// last time of day, each slot's compaction window on a ribbon chart and in a table with the best slots
// named. The weather is the form's all day, or an hourly grid (typed, read from a CSV file, written to
// one). Plan (Enter) runs the planner off the user-interface thread; the plan can be exported as CSV and
// printed. Temperatures follow the form's unit switch; the minutes do not change.
class CPlannerWindow : public CToolWindow {
    Q_OBJECT
public:
    CPlannerWindow(const ToolContext& context, QWidget* pOwner);

    QLabel& FormLine() const { return *m_pFormLine; }
    QTimeEdit& FromEdit() const { return *m_pFrom; }
    QTimeEdit& ToEdit() const { return *m_pTo; }
    QSpinBox& StepBox() const { return *m_pStep; }
    QSpinBox& MinimumBox() const { return *m_pMinimum; }
    QRadioButton& HoldWeatherButton() const { return *m_pHold; }
    QLabel& HeldWeather() const { return *m_pHeldWeather; }
    QRadioButton& HourlyWeatherButton() const { return *m_pHourly; }
    QTableView& WeatherGrid() const { return *m_pGrid; }
    QPushButton& FillButton() const { return *m_pFill; }
    QPushButton& ImportButton() const { return *m_pImport; }
    QPushButton& ExportWeatherButton() const { return *m_pExportWeather; }
    QChartView& RibbonView() const { return *m_pChartView; }
    QLabel& BestLine() const { return *m_pBestLine; }
    QTableView& SlotTable() const { return *m_pTable; }
    QPushButton& PlanButton() const { return *m_pPlan; }
    QPushButton& ExportButton() const { return *m_pExport; }
    QPushButton& PrintButton() const { return *m_pPrint; }

    // Starts the planner on the form's scenario with the times and weather chosen here.
    void Plan();
    // Asks for a weather file and puts its rows into the grid (choosing hourly weather), or says why it
    // was refused (FILE:LINE: column: reason) and leaves the grid as it was.
    bool ImportWeather();
    // Asks for a file name and writes the grid's hours there, all or nothing.
    bool ExportWeather();
    // Asks for a file name and writes the table of slots there as CSV, all or nothing.
    bool ExportCsv();
    // Asks for the printer and prints the chart and the table on one page.
    bool Print();
    void PaintPage(QPainter& painter, const QRect& pageRect) override;

protected:
    QSize DefaultSize() const override;
    void OnUnitsChanged(UnitSystem units) override;
    void OnInputsChanged() override;
    void OnResultChanged() override;
    void changeEvent(QEvent* event) override;

private:
    struct ShownPlan {
        PavingDayPlan plan;
        PavingDayRequest request;  // in the units it was planned in
        UnitSystem units;
    };

    void ShowFormScenario();
    void ShowPlan();
    void UpdateButtons(bool bRunning);
    // The plan's scenario as the caption above the results says it, in the form's units now.
    QString PlannedForText() const;
    QString SettingsText() const;

    CHourlyWeatherModel* m_pWeather;
    QStandardItemModel* m_pSlots;
    QLabel* m_pFormLine;
    QTimeEdit* m_pFrom;
    QTimeEdit* m_pTo;
    QSpinBox* m_pStep;
    QSpinBox* m_pMinimum;
    QRadioButton* m_pHold;
    QLabel* m_pHeldWeather;
    QRadioButton* m_pHourly;
    QTableView* m_pGrid;
    QPushButton* m_pFill;
    QPushButton* m_pImport;
    QPushButton* m_pExportWeather;
    QChart* m_pChart;
    QChartView* m_pChartView;
    QLabel* m_pPlannedFor;
    QLabel* m_pBestLine;
    QTableView* m_pTable;
    QPushButton* m_pPlan;
    QPushButton* m_pExport;
    QPushButton* m_pPrint;
    // The grid follows the form's weather until the user edits it or reads a file into it.
    bool m_bGridFollowsForm = true;
    std::optional<ShownPlan> m_shown;
};
