#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "PavingDayPlanner.h"

// The hourly weather grid of the paving-day planner: one row a clock hour 0 to 23 with air temperature,
// wind speed and sky, in the display units given by SetUnits. An hour may be blank (a weather file without
// it): the planner then refuses a paving time in that hour, naming it. Editing a cell of a blank hour
// first gives it the fallback weather (the form's), then the typed value.
class CHourlyWeatherModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { AirColumn, WindColumn, SkyColumn, ColumnCount };

    CHourlyWeatherModel(UnitSystem units, QObject* pParent = nullptr);

    // Every hour holds this weather (air F or C, wind mph or km/h in the model's units; sky a list index).
    void FillAll(double dAirTemp, double dWindSpeed, int nSkyCondition);
    // The hours of `rows` hold their weather (in the model's units), every other hour is blank.
    void SetRows(std::span<const HourlyWeather> rows);
    // The hours that hold weather, in hour order, in the model's units.
    std::vector<HourlyWeather> Rows() const;
    // The weather a blank hour takes when one of its cells is edited.
    void SetFallback(double dAirTemp, double dWindSpeed, int nSkyCondition);
    // Shows and holds every value in `units` from now on, converted and rounded to hundredths as the form
    // converts its fields.
    void SetUnits(UnitSystem units);
    UnitSystem Units() const { return m_units; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Air and wind take a double already checked against the model's ranges; sky a list index 0 to 4.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The user changed a value through setData.
    void edited();

private:
    struct Weather {
        double dAirTemp;
        double dWindSpeed;
        int nSkyCondition;
    };
    std::array<std::optional<Weather>, 24> m_hours;
    Weather m_fallback{0.0, 0.0, 0};
    UnitSystem m_units;
};

// Edits the grid as the form edits its fields: air and wind are typed into a line edit and read as the
// form reads a number (refused text: the form's "Please enter a number." and the cell keeps its value;
// outside the range of the model's units: clamped with the form's "Value Out of Range" message), then
// rounded to hundredths; the sky is chosen from the form's list.
class CHourlyWeatherDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* pParent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* pEditor, const QModelIndex& index) const override;
    void setModelData(QWidget* pEditor, QAbstractItemModel* pModel, const QModelIndex& index) const override;

private:
    // A message box is up: the editor losing its focus to it must not commit a second time.
    mutable bool m_bCommitting = false;
};
