#include "ComparisonChart.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

#include "ChartStyle.h"
#include "UnitConversion.h"

namespace {

constexpr double kMarkSizePx = 11.0;
const QColor kKeyColor(96, 96, 96);

double InUnits(double dTempC, UnitSystem units) {
    return units == UnitSystem::English ? CelsiusToFahrenheit(dTempC) : dTempC;
}

QScatterSeries* MakeMarks(QScatterSeries::MarkerShape shape, const QColor& color) {
    auto* pMarks = new QScatterSeries;
    pMarks->setMarkerShape(shape);
    pMarks->setMarkerSize(kMarkSizePx);
    pMarks->setColor(color);
    pMarks->setBorderColor(Qt::black);
    return pMarks;
}

void AddOnAxes(QChart& chart, QAbstractSeries* pSeries, QAbstractAxis* pTime, QAbstractAxis* pTemp) {
    chart.addSeries(pSeries);
    pSeries->attachAxis(pTime);
    pSeries->attachAxis(pTemp);
}

void HideFromLegend(QChart& chart, QAbstractSeries* pSeries) {
    for (QLegendMarker* pMarker : chart.legend()->markers(pSeries)) pMarker->setVisible(false);
}

}  // namespace

void FillComparisonChart(QChart& chart, std::span<const KeptScenario> kept, UnitSystem units,
                         const QFont& font) {
    chart.removeAllSeries();
    for (QAbstractAxis* pAxis : chart.axes()) {
        chart.removeAxis(pAxis);
        delete pAxis;
    }
    StyleChart(chart, font);
    chart.legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    // With nothing kept, the span of the form's own chart.
    const TemperatureSpan span = CurvesSpan(kept).value_or(TemperatureSpan{65.0, 165.0});
    QValueAxis* pTime = MakeTimeAxis(font);
    QValueAxis* pTemp =
        MakeTemperatureAxis(units, InUnits(span.dLowC, units), InUnits(span.dHighC, units), font);
    chart.addAxis(pTime, Qt::AlignBottom);
    chart.addAxis(pTemp, Qt::AlignLeft);

    for (int i = 0; i < static_cast<int>(kept.size()); ++i) {
        const KeptScenario& scenario = kept[i];
        const QColor color = PaletteColor(i);
        auto* pCurve = new QLineSeries;
        pCurve->setName(QString::fromStdString(ScenarioLabel(kept, i, units)));
        QPen pen(color);
        pen.setWidthF(2.0);
        pCurve->setPen(pen);
        const CoolingCurve& curve = scenario.curve;
        const int nLast = std::clamp(curve.m_nLastSample, 0, kCurveCapacity - 1);
        QList<QPointF> points;
        points.reserve(nLast + 1);
        for (int j = 0; j <= nLast; ++j)
            points.append(QPointF(curve.m_dCurveTime[j], InUnits(curve.m_dCurveTemp[j], units)));
        pCurve->replace(points);
        AddOnAxes(chart, pCurve, pTime, pTemp);

        const CurveMarks marks = MarksOf(scenario, units);
        for (const auto& [mark, shape] : {std::pair{marks.start, QScatterSeries::MarkerShapeCircle},
                                          std::pair{marks.stop, QScatterSeries::MarkerShapeRectangle}}) {
            if (!mark) continue;
            QScatterSeries* pMark = MakeMarks(shape, color);
            pMark->append(mark->dMinutes, InUnits(mark->dTempC, units));
            AddOnAxes(chart, pMark, pTime, pTemp);
            HideFromLegend(chart, pMark);
        }
    }
    if (kept.empty()) return;
    // The key to the marks: empty series seen only in the legend.
    for (const auto& [name, shape] : {std::pair{"Start", QScatterSeries::MarkerShapeCircle},
                                      std::pair{"Stop", QScatterSeries::MarkerShapeRectangle}}) {
        QScatterSeries* pKey = MakeMarks(shape, kKeyColor);
        pKey->setName(QString::fromUtf8(name));
        AddOnAxes(chart, pKey, pTime, pTemp);
    }
}
