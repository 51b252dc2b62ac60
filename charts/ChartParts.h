#pragma once

#include <QColor>
#include <QLegend>
#include <QList>
#include <QPointF>
#include <QString>
#include <optional>

#include "CoolingSolver.h"
#include "UnitSystem.h"

class QAbstractAxis;
class QAbstractSeries;
class QAreaSeries;
class QBrush;
class QChart;
class QFont;
class QLineSeries;
class QPen;

// Pieces the program's charts are built from, so that marks, lines and bands look and behave alike on
// every chart. Series made here belong to the chart once added (QChart::addSeries takes them).

// Empties `chart` (its series and axes deleted), gives it the house face (StyleChart) in `font`, and makes
// its legend draw markers of `markers` shape.
void ResetChart(QChart& chart, const QFont& font,
                QLegend::MarkerShape markers = QLegend::MarkerShapeFromSeries);

// Adds `pSeries` to `chart` and attaches it to pX and pY, which the chart must hold already.
void AddOnAxes(QChart& chart, QAbstractSeries* pSeries, QAbstractAxis* pX, QAbstractAxis* pY);

// Hides the legend entries of `pSeries` (added to `chart` already): a second piece of a series the legend
// names once.
void HideFromLegend(QChart& chart, QAbstractSeries* pSeries);

// A line named `name` (empty: no name) in `color`, dWidthPx wide, in `style`.
QLineSeries* MakeLine(const QString& name, const QColor& color, double dWidthPx,
                      Qt::PenStyle style = Qt::SolidLine);

// The band between two outlines (the area takes them as its children), edged with `edge`, filled with
// `fill`.
QAreaSeries* MakeBand(QLineSeries* pUpper, QLineSeries* pLower, const QPen& edge, const QBrush& fill);

// The highest sample of `curve` to draw: m_nLastSample held within 0 to kCurveCapacity - 1, so a damaged
// count never reads past the arrays.
int LastCurveSample(const CoolingCurve& curve);

// Samples 0 to LastCurveSample of `curve` as points: minutes (dShiftMinutes added, for a curve that starts
// later than the chart's minute 0) across, the mat temperature held in C shown in `units` up. A sample
// that repeats the one before (the mean is refreshed once a minute) is left out; the first and last stay.
QList<QPointF> CurvePoints(const CoolingCurve& curve, UnitSystem units, double dShiftMinutes = 0.0);

// Marks a compaction window on a cooling curve in the curve's `color`: a circle at `start`, a square at
// `stop` (chart coordinates; an empty one is left out), neither named in the legend.
void AddWindowMarks(QChart& chart, const QColor& color, const std::optional<QPointF>& start,
                    const std::optional<QPointF>& stop, QAbstractAxis* pX, QAbstractAxis* pY);
// The legend's key to those marks: "Start" beside a grey circle, "Stop" beside a grey square (empty
// series seen only in the legend).
void AddWindowMarksKey(QChart& chart, QAbstractAxis* pX, QAbstractAxis* pY);
