#include "ChartParts.h"

#include <QAreaSeries>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <algorithm>
#include <utility>

#include "ChartStyle.h"
#include "ShownUnits.h"

namespace {

constexpr double kMarkSizePx = 11.0;
const QColor kKeyColor(96, 96, 96);

QScatterSeries* MakeMarks(QScatterSeries::MarkerShape shape, const QColor& color) {
    auto* pMarks = new QScatterSeries;
    pMarks->setMarkerShape(shape);
    pMarks->setMarkerSize(kMarkSizePx);
    pMarks->setColor(color);
    pMarks->setBorderColor(Qt::black);
    return pMarks;
}

}  // namespace

void ResetChart(QChart& chart, const QFont& font, QLegend::MarkerShape markers) {
    chart.removeAllSeries();
    for (QAbstractAxis* pAxis : chart.axes()) {
        chart.removeAxis(pAxis);
        delete pAxis;
    }
    StyleChart(chart, font);
    chart.legend()->setMarkerShape(markers);
}

void AddOnAxes(QChart& chart, QAbstractSeries* pSeries, QAbstractAxis* pX, QAbstractAxis* pY) {
    chart.addSeries(pSeries);
    pSeries->attachAxis(pX);
    pSeries->attachAxis(pY);
}

void HideFromLegend(QChart& chart, QAbstractSeries* pSeries) {
    for (QLegendMarker* pMarker : chart.legend()->markers(pSeries)) pMarker->setVisible(false);
}

QLineSeries* MakeLine(const QString& name, const QColor& color, double dWidthPx, Qt::PenStyle style) {
    auto* pLine = new QLineSeries;
    if (!name.isEmpty()) pLine->setName(name);
    QPen pen(color);
    pen.setWidthF(dWidthPx);
    pen.setStyle(style);
    pLine->setPen(pen);
    return pLine;
}

QAreaSeries* MakeBand(QLineSeries* pUpper, QLineSeries* pLower, const QPen& edge, const QBrush& fill) {
    auto* pBand = new QAreaSeries(pUpper, pLower);
    pUpper->setParent(pBand);
    pLower->setParent(pBand);
    pBand->setPen(edge);
    pBand->setBrush(fill);
    return pBand;
}

int LastCurveSample(const CoolingCurve& curve) {
    return std::clamp(curve.m_nLastSample, 0, kCurveCapacity - 1);
}

QList<QPointF> CurvePoints(const CoolingCurve& curve, UnitSystem units, double dShiftMinutes) {
    const int nLast = LastCurveSample(curve);
    QList<QPointF> points;
    points.reserve(nLast + 1);
    for (int i = 0; i <= nLast; ++i) {
        // The mat mean is refreshed once a minute and held between: a sample that only repeats the one
        // before is left out, so the line runs through the refreshed values instead of drawing steps.
        if (i > 0 && i < nLast && curve.m_dCurveTemp[i] == curve.m_dCurveTemp[i - 1]) continue;
        points.append(
            QPointF(dShiftMinutes + curve.m_dCurveTime[i], ShownTemperature(curve.m_dCurveTemp[i], units)));
    }
    return points;
}

void AddWindowMarks(QChart& chart, const QColor& color, const std::optional<QPointF>& start,
                    const std::optional<QPointF>& stop, QAbstractAxis* pX, QAbstractAxis* pY) {
    for (const auto& [point, shape] : {std::pair{start, QScatterSeries::MarkerShapeCircle},
                                       std::pair{stop, QScatterSeries::MarkerShapeRectangle}}) {
        if (!point) continue;
        QScatterSeries* pMark = MakeMarks(shape, color);
        pMark->append(*point);
        AddOnAxes(chart, pMark, pX, pY);
        HideFromLegend(chart, pMark);
    }
}

void AddWindowMarksKey(QChart& chart, QAbstractAxis* pX, QAbstractAxis* pY) {
    for (const auto& [name, shape] : {std::pair{"Start", QScatterSeries::MarkerShapeCircle},
                                      std::pair{"Stop", QScatterSeries::MarkerShapeRectangle}}) {
        QScatterSeries* pKey = MakeMarks(shape, kKeyColor);
        pKey->setName(QString::fromUtf8(name));
        AddOnAxes(chart, pKey, pX, pY);
    }
}
