#pragma once

#include "CToolWindow.h"

class CComparisonModel;
class QChart;
class QChartView;
class QLabel;
class QPainter;
class QPushButton;
class QTableView;

// Tools > Compare Scenarios: the kept scenarios on one chart (CurvesView) and in a table (Table) whose
// labels can be edited; Remove (or Delete in the table) drops the chosen scenario, Clear All all of them;
// Export CSV... writes the table with every input; Print... prints the chart and the table on one page.
// Everything follows the form's unit switch.
class CCompareWindow : public CToolWindow {
    Q_OBJECT
public:
    CCompareWindow(const ToolContext& context, QWidget* pOwner);

    QChartView& CurvesView() const { return *m_pChartView; }
    QTableView& Table() const { return *m_pTable; }
    QPushButton& RemoveButton() const { return *m_pRemove; }
    QPushButton& ClearButton() const { return *m_pClear; }
    QPushButton& ExportButton() const { return *m_pExport; }
    QPushButton& PrintButton() const { return *m_pPrint; }

    // Asks for a file name (the save dialog, through the UiServices seam) and writes the comparison as CSV
    // there, all or nothing. Returns true once written; false when cancelled, or after a message naming the
    // file and the reason when it could not be written (an existing file is then left as it was).
    bool ExportCsv();
    // Asks for the printer and prints the chart and the table on one page; see PrintOnePage.
    bool Print();
    // One printed page of the comparison: title, chart, table rows.
    void PaintPage(QPainter& painter, const QRect& pageRect) override;

protected:
    QSize DefaultSize() const override;
    void OnUnitsChanged(UnitSystem units) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* pWatched, QEvent* event) override;

private:
    void Rebuild();
    void RemoveCurrent();
    void UpdateButtons();

    CComparisonModel* m_pModel;
    QChart* m_pChart;
    QChartView* m_pChartView;
    QTableView* m_pTable;
    QLabel* m_pEmptyHint;
    QPushButton* m_pRemove;
    QPushButton* m_pClear;
    QPushButton* m_pExport;
    QPushButton* m_pPrint;
};
