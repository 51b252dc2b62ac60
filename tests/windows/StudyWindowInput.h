#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include "ScriptedUiServices.h"

class CToolWindow;
class QAbstractItemModel;
class QAbstractSeries;
class QChart;
class QModelIndex;
class QTableView;

// What the tests of the study windows do and look at the way a user does.

// Chooses the cell and types `text` into it key by key (the first key opens its editor), then Return;
// returns once the editor has handed its text to the model.
void TypeIntoCell(QTableView& table, const QModelIndex& index, const QString& text);
// Waits until the window's job has ended (a study of a few thousand runs takes seconds); false if not.
bool WaitForJob(const CToolWindow& window);
// The texts of one column of the model, top to bottom.
QStringList ColumnTexts(const QAbstractItemModel& model, int nColumn);
// The chart's series with this name, in the chart's order.
QList<QAbstractSeries*> SeriesNamed(const QChart& chart, const QString& name);
// The points of an area series' upper outline, or of a line or scatter series.
QList<QPointF> PointsOf(const QAbstractSeries& series);
// The points of the chart's first series with this name; none when there is no such series.
QList<QPointF> PointsNamed(const QChart& chart, const QString& name);
// Plays the user choosing to print into the PDF file `path` in the print dialog.
ScriptedUiServices::DialogHandler PrintToPdf(const QString& path);
// Plays the user choosing `path` in a file dialog and pressing its default button.
ScriptedUiServices::DialogHandler ChooseFile(const QString& path);
