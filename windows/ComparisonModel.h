#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "Comparison.h"

class CKeptScenarios;

// The comparison table over the kept scenarios: label (editable; cleared, it goes back to the one made from
// the inputs), the inputs that differ from the first, start, stop, window and notice. The label cell
// carries the scenario's colour on the chart. Values follow the display units given by SetUnits.
class CComparisonModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        LabelColumn,
        DiffersColumn,
        StartColumn,
        StopColumn,
        WindowColumn,
        NoticeColumn,
        ColumnCount
    };

    CComparisonModel(CKeptScenarios& kept, UnitSystem units, QObject* pParent = nullptr);

    // Shows the rows in `units` from now on.
    void SetUnits(UnitSystem units);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void Refresh();

    CKeptScenarios& m_kept;
    UnitSystem m_units;
    std::vector<ComparisonRow> m_rows;
};
