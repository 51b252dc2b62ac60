#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "CToolWindow.h"
#include "LiftSequence.h"

class QChart;
class QChartView;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QSpinBox;
class QTableWidget;

// What the user set in the Lifts window, as its fields hold it, in the form's unit system: the texts of
// the number fields as typed, list indices for the lists. A job file stores and restores it.
struct LiftEntry {
    int nPlacementMinutes = 0;  // after the first lift's laydown; 0 for the first lift
    std::string strThickness;   // mm or in.
    std::string strDelivery;    // C or F
    int nMixType = 0;           // kMixTypeNames index
    int nPgHigh = 4;            // kPgHighNames index
    int nPgLow = 4;             // kPgLowNames index
};
struct LiftsEntries {
    std::vector<LiftEntry> lifts;  // 1 to kMaxLifts, bottom lift first
    std::string strNextLiftTemp;   // C or F
};

// Tools > Lifts: up to four lifts placed one on another, run on one cooling column.
//  - A row a lift: placement (whole minutes after the first lift's laydown; 0 for the first), thickness,
//    delivery temperature, mix, high and low grade. The first row starts from the form's lift and follows
//    it until the user edits a lift. Add Lift copies the last row 30 minutes later; Remove drops its row.
//  - The next-lift temperature (60 C / 140 F unless changed), with a line saying why it matters.
//  - Run (Enter) takes the form's site as the form shows it, checks everything and runs the lifts off the
//    user-interface thread (Cancel or Esc drops the run). A refusal is said in a message and puts the
//    focus on the field it is about (on the form for the site's values).
//  - The result: a chart of every lift's mat mean on one time axis, its start and stop marked and the
//    next-lift temperature as a line; a table with each lift's placement, start, stop, window and
//    next-lift time in minutes and on the clock, and its notice. Printable and exportable as CSV.
//  - Everything follows the form's unit switch; the window's size is remembered.
class CLiftsWindow : public CToolWindow {
    Q_OBJECT
public:
    CLiftsWindow(const ToolContext& context, QWidget* pOwner);

    int LiftCount() const { return m_nLifts; }
    // The fields of lift nLift (0 to LiftCount() - 1).
    QSpinBox& PlacementField(int nLift) const { return *m_rows[nLift].pPlacement; }
    QLineEdit& ThicknessField(int nLift) const { return *m_rows[nLift].pThickness; }
    QLineEdit& DeliveryField(int nLift) const { return *m_rows[nLift].pDelivery; }
    QComboBox& MixList(int nLift) const { return *m_rows[nLift].pMix; }
    QComboBox& HighGradeList(int nLift) const { return *m_rows[nLift].pHigh; }
    QComboBox& LowGradeList(int nLift) const { return *m_rows[nLift].pLow; }
    // The Remove button of lift nLift (1 to LiftCount() - 1; the first lift has none).
    QPushButton& RemoveButton(int nLift) const { return *m_rows[nLift].pRemove; }
    QPushButton& AddLiftButton() const { return *m_pAddLift; }
    QLineEdit& NextLiftTempField() const { return *m_pNextLiftTemp; }
    QPushButton& RunButton() const { return *m_pRun; }
    QPushButton& ExportButton() const { return *m_pExport; }
    QPushButton& PrintButton() const { return *m_pPrint; }
    QChartView& CurvesView() const { return *m_pChartView; }
    QTableWidget& ResultsTable() const { return *m_pResults; }

    // The lifts as the fields hold them, in the form's units.
    LiftsEntries Entries() const;
    // Puts `entries` (in the form's units; at most kMaxLifts lifts are taken, at least one) into the fields,
    // as a job being opened does; the shown result goes.
    void SetEntries(const LiftsEntries& entries);
    // Back to a fresh window's state: one lift from the form, the default next-lift temperature, no result.
    void Reset();
    // Whether the user has set any lift or the next-lift temperature since the window was made or reset.
    bool IsEdited() const { return m_bEdited; }
    // Shows the window with the focus on a field, named as a job file names it: lift nLift (0 based) and
    // "at", "lift", "delivery", "mix", "pg-high" or "pg-low"; "next-lift-temp" (nLift ignored).
    void FocusField(int nLift, const std::string& name);

    // Checks the lifts and the form's site and starts the run; false (after a message, the focus on the
    // field at fault) when something was refused.
    bool Run();
    // Asks for a file name and writes the shown result as CSV there, all or nothing; true once written.
    bool ExportCsv();
    // Asks for the printer and prints the chart and the table on one page.
    bool Print();
    // One printed page: title, site, chart, table rows.
    void PaintPage(QPainter& painter, const QRect& pageRect) override;

signals:
    // The user changed a lift, added or removed one, or changed the next-lift temperature.
    void liftsEdited();

protected:
    QSize DefaultSize() const override;
    void OnUnitsChanged(UnitSystem units) override;
    void OnInputsChanged() override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct RowWidgets {
        QLabel* pName = nullptr;
        QSpinBox* pPlacement = nullptr;
        QLineEdit* pThickness = nullptr;
        QLineEdit* pDelivery = nullptr;
        QComboBox* pMix = nullptr;
        QComboBox* pHigh = nullptr;
        QComboBox* pLow = nullptr;
        QPushButton* pRemove = nullptr;
    };
    // A completed run and what it was given.
    struct ShownRun {
        LiftSequenceInputs inputs;
        LiftSequenceResult result;
    };

    void BuildRows(QGridLayout& grid);
    void SetRow(int nRow, const LiftEntry& entry);
    LiftEntry RowEntry(int nRow) const;
    void SetLiftCount(int nLifts);
    void AddLift();
    void RemoveLift(int nRow);
    void TakeFirstLiftFromForm();
    void NoteEdited();
    void UpdateLabels();
    void UpdateSiteLine();
    void ShowRun();
    void UpdateButtons();
    void SetTabOrder();
    // Says `message` and puts the focus on `pField` (its text selected).
    void Refuse(const QString& message, QWidget* pField);
    QWidget* FieldOf(const LiftSequenceError& error) const;
    // The lifts and the next-lift temperature read from the fields (the site left default); empty after
    // a refusal (said, the focus on the field).
    std::optional<LiftSequenceInputs> ReadLifts();

    std::array<RowWidgets, kMaxLifts> m_rows;
    int m_nLifts = 0;
    UnitSystem m_units;  // of the texts in the fields
    bool m_bEdited = false;
    bool m_bFilling = false;  // the window itself is writing its fields
    QLabel* m_pSite;
    std::array<QLabel*, 7> m_headers{};
    QPushButton* m_pAddLift;
    QLineEdit* m_pNextLiftTemp;
    QLabel* m_pNextLiftUnit;
    QChart* m_pChart;
    QChartView* m_pChartView;
    QLabel* m_pStale;
    QTableWidget* m_pResults;
    QPushButton* m_pRun;
    QPushButton* m_pExport;
    QPushButton* m_pPrint;
    std::optional<ShownRun> m_shown;
    bool m_bShownStale = false;
};
