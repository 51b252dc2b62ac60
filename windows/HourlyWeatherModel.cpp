#include "HourlyWeatherModel.h"

#include <QComboBox>
#include <QLineEdit>

#include "FieldText.h"
#include "FormRules.h"
#include "StudyInputs.h"
#include "StudyTexts.h"
#include "UiServices.h"
#include "UnitConversion.h"

namespace {

const InputRanges& RangesOf(UnitSystem units) { return units == UnitSystem::SI ? kSiRanges : kEnglishRanges; }

}  // namespace

CHourlyWeatherModel::CHourlyWeatherModel(UnitSystem units, QObject* pParent)
    : QAbstractTableModel(pParent), m_units(units) {}

void CHourlyWeatherModel::FillAll(double dAirTemp, double dWindSpeed, int nSkyCondition) {
    for (auto& hour : m_hours) hour = Weather{dAirTemp, dWindSpeed, nSkyCondition};
    emit dataChanged(index(0, 0), index(23, ColumnCount - 1));
}

void CHourlyWeatherModel::SetRows(std::span<const HourlyWeather> rows) {
    for (auto& hour : m_hours) hour.reset();
    for (const HourlyWeather& row : rows)
        if (row.nHour >= 0 && row.nHour < 24)
            m_hours[row.nHour] = Weather{row.dAirTemp, row.dWindSpeed, row.nSkyCondition};
    emit dataChanged(index(0, 0), index(23, ColumnCount - 1));
}

std::vector<HourlyWeather> CHourlyWeatherModel::Rows() const {
    std::vector<HourlyWeather> rows;
    for (int h = 0; h < 24; ++h)
        if (const auto& w = m_hours[h]) rows.push_back({h, w->dAirTemp, w->dWindSpeed, w->nSkyCondition});
    return rows;
}

void CHourlyWeatherModel::SetFallback(double dAirTemp, double dWindSpeed, int nSkyCondition) {
    m_fallback = {dAirTemp, dWindSpeed, nSkyCondition};
}

void CHourlyWeatherModel::SetUnits(UnitSystem units) {
    if (units == m_units) return;
    for (auto& hour : m_hours) {
        if (!hour) continue;
        hour->dAirTemp = TemperatureIn(hour->dAirTemp, m_units, units);
        hour->dWindSpeed = WindSpeedIn(hour->dWindSpeed, m_units, units);
    }
    m_units = units;
    emit dataChanged(index(0, 0), index(23, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int CHourlyWeatherModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 24; }

int CHourlyWeatherModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CHourlyWeatherModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= 24) return {};
    const std::optional<Weather>& hour = m_hours[index.row()];
    if (role == Qt::TextAlignmentRole && index.column() != SkyColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ToolTipRole && !hour)
        return QStringLiteral("No weather for this hour: type a value, or press Fill from the Form.");
    if (!hour || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    switch (index.column()) {
        case AirColumn:
            return QString::fromStdString(NumberText(hour->dAirTemp));
        case WindColumn:
            return QString::fromStdString(NumberText(hour->dWindSpeed));
        case SkyColumn:
            if (role == Qt::EditRole) return hour->nSkyCondition;
            return hour->nSkyCondition >= 0 && hour->nSkyCondition < kSkyConditionCount
                       ? QString::fromUtf8(kSkyConditionNames[hour->nSkyCondition])
                       : QString::number(hour->nSkyCondition);
        default:
            return {};
    }
}

QVariant CHourlyWeatherModel::headerData(int nSection, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return QString::fromStdString(ClockText(nSection * 60));
    const int u = UnitCode(m_units);
    switch (nSection) {
        case AirColumn:
            return QStringLiteral("Air, %1").arg(QString::fromUtf8(kTemperatureUnit[u]));
        case WindColumn:
            return QStringLiteral("Wind, %1").arg(QString::fromUtf8(kWindUnit[u]));
        case SkyColumn:
            return QStringLiteral("Sky");
        default:
            return {};
    }
}

Qt::ItemFlags CHourlyWeatherModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool CHourlyWeatherModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= 24) return false;
    std::optional<Weather>& hour = m_hours[index.row()];
    const bool bWasBlank = !hour;
    if (bWasBlank) hour = m_fallback;
    switch (index.column()) {
        case AirColumn:
            hour->dAirTemp = value.toDouble();
            break;
        case WindColumn:
            hour->dWindSpeed = value.toDouble();
            break;
        case SkyColumn:
            hour->nSkyCondition = value.toInt();
            break;
        default:
            return false;
    }
    emit dataChanged(bWasBlank ? this->index(index.row(), 0) : index,
                     bWasBlank ? this->index(index.row(), ColumnCount - 1) : index);
    emit edited();
    return true;
}

QWidget* CHourlyWeatherDelegate::createEditor(QWidget* pParent, const QStyleOptionViewItem&,
                                              const QModelIndex& index) const {
    if (index.column() == CHourlyWeatherModel::SkyColumn) {
        auto* pList = new QComboBox(pParent);
        for (const char* pszName : kSkyConditionNames) pList->addItem(QString::fromUtf8(pszName));
        pList->setAccessibleName(QStringLiteral("Sky"));
        return pList;
    }
    auto* pEdit = new QLineEdit(pParent);
    pEdit->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    return pEdit;
}

void CHourlyWeatherDelegate::setEditorData(QWidget* pEditor, const QModelIndex& index) const {
    if (auto* pList = qobject_cast<QComboBox*>(pEditor)) {
        const QVariant sky = index.data(Qt::EditRole);
        pList->setCurrentIndex(sky.isValid() ? sky.toInt() : 0);
    } else if (auto* pEdit = qobject_cast<QLineEdit*>(pEditor)) {
        pEdit->setText(index.data(Qt::EditRole).toString());
        pEdit->selectAll();
    }
}

void CHourlyWeatherDelegate::setModelData(QWidget* pEditor, QAbstractItemModel* pModel,
                                          const QModelIndex& index) const {
    if (m_bCommitting) return;
    if (auto* pList = qobject_cast<QComboBox*>(pEditor)) {
        pModel->setData(index, pList->currentIndex());
        return;
    }
    auto* pEdit = qobject_cast<QLineEdit*>(pEditor);
    auto* pWeather = qobject_cast<CHourlyWeatherModel*>(pModel);
    if (!pEdit || !pWeather) return;
    const std::string text = pEdit->text().toStdString();
    QWidget* pOwner = pEdit->window();
    UiServices& services = UiServices::Current();
    m_bCommitting = true;
    double dValue = 0.0;
    if (!ParseFieldDouble(text, &dValue)) {
        services.MessageBox(pOwner, QString::fromUtf8(kPromptNumber), QString::fromUtf8(kAppName),
                            MB_OK | MB_ICONEXCLAMATION);
        m_bCommitting = false;
        return;
    }
    const InputRanges& r = RangesOf(pWeather->Units());
    const bool bAir = index.column() == CHourlyWeatherModel::AirColumn;
    const double dMax = bAir ? r.m_dAirTempMax : r.m_dWindSpeedMax;
    const double dMin = bAir ? r.m_dAirTempMin : r.m_dWindSpeedMin;
    const RangeCheck outcome = TestRange(dValue, dMax, dMin);
    if (outcome != RangeCheck::InRange)
        services.MessageBox(
            pOwner,
            QString::fromUtf8(outcome == RangeCheck::SetToMinimum ? kRangeMinimumText : kRangeMaximumText),
            QString::fromUtf8(kRangeCaption), MB_OK | MB_ICONEXCLAMATION);
    ApplyRangeCheck(&dValue, outcome, dMax, dMin);
    m_bCommitting = false;
    pModel->setData(index, RoundValue(dValue));
}
