#include "ComparisonModel.h"

#include "ChartStyle.h"
#include "KeptScenarios.h"

CComparisonModel::CComparisonModel(CKeptScenarios& kept, UnitSystem units, QObject* pParent)
    : QAbstractTableModel(pParent), m_kept(kept), m_units(units) {
    m_rows = ComparisonRows(m_kept.Scenarios(), m_units);
    connect(&m_kept, &CKeptScenarios::changed, this, &CComparisonModel::Refresh);
}

void CComparisonModel::SetUnits(UnitSystem units) {
    m_units = units;
    Refresh();
}

// Every change may reach every row (a new first scenario relabels the others). With as many rows as
// before (a label typed, units switched) every cell is refreshed in place, so an editor being closed is not
// swept away under the view; otherwise the model starts over.
void CComparisonModel::Refresh() {
    std::vector<ComparisonRow> rows = ComparisonRows(m_kept.Scenarios(), m_units);
    if (rows.size() == m_rows.size()) {
        m_rows = std::move(rows);
        if (!m_rows.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int CComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CComparisonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size())) return {};
    const ComparisonRow& row = m_rows[index.row()];
    if (role == Qt::DecorationRole && index.column() == LabelColumn) return PaletteColor(index.row());
    if (role == Qt::TextAlignmentRole && index.column() >= StartColumn && index.column() <= WindowColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::EditRole && index.column() == LabelColumn) return QString::fromStdString(row.strLabel);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case LabelColumn:
            return QString::fromStdString(row.strLabel);
        case DiffersColumn:
            return QString::fromStdString(row.strDiffers);
        case StartColumn:
            return QString::fromStdString(row.strStart);
        case StopColumn:
            return QString::fromStdString(row.strStop);
        case WindowColumn:
            return QString::fromStdString(row.strWindow);
        case NoticeColumn:
            return QString::fromStdString(row.strNotice);
        default:
            return {};
    }
}

QVariant CComparisonModel::headerData(int nSection, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return nSection + 1;
    switch (nSection) {
        case LabelColumn:
            return QStringLiteral("Scenario");
        case DiffersColumn:
            return QStringLiteral("Inputs that differ");
        case StartColumn:
            return QStringLiteral("Start, min");
        case StopColumn:
            return QStringLiteral("Stop, min");
        case WindowColumn:
            return QStringLiteral("Window, min");
        case NoticeColumn:
            return QStringLiteral("Notice");
        default:
            return {};
    }
}

Qt::ItemFlags CComparisonModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == LabelColumn) flags |= Qt::ItemIsEditable;
    return flags;
}

bool CComparisonModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != LabelColumn) return false;
    // A label equal to the one shown now stays made from the inputs, so it keeps following them.
    const std::string typed = value.toString().toStdString();
    if (typed == m_rows[index.row()].strLabel) return true;
    m_kept.SetLabel(index.row(), typed);
    return true;
}
