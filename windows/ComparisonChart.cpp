#include "ComparisonChart.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include "ChartParts.h"
#include "ChartStyle.h"
#include "ShownUnits.h"

namespace {

std::optional<QPointF> Shown(const std::optional<CurvePoint>& point, UnitSystem units) {
    if (!point) return std::nullopt;
    return QPointF(point->dMinutes, ShownTemperature(point->dTempC, units));
}

}  // namespace

void FillComparisonChart(QChart& chart, std::span<const KeptScenario> kept, UnitSystem units,
                         const QFont& font) {
    ResetChart(chart, font);

    // With nothing kept, the span of the form's own chart.
    const TemperatureSpan span = CurvesSpan(kept).value_or(TemperatureSpan{65.0, 165.0});
    QValueAxis* pTime = MakeTimeAxis(font);
    QValueAxis* pTemp = MakeTemperatureAxis(units, ShownTemperature(span.dLowC, units),
                                            ShownTemperature(span.dHighC, units), font);
    chart.addAxis(pTime, Qt::AlignBottom);
    chart.addAxis(pTemp, Qt::AlignLeft);

    for (int i = 0; i < static_cast<int>(kept.size()); ++i) {
        const KeptScenario& scenario = kept[i];
        const QColor color = PaletteColor(i);
        QLineSeries* pCurve = MakeLine(QString::fromStdString(ScenarioLabel(kept, i, units)), color, 2.0);
        pCurve->replace(CurvePoints(scenario.curve, units));
        AddOnAxes(chart, pCurve, pTime, pTemp);
        const CurveMarks marks = MarksOf(scenario, units);
        AddWindowMarks(chart, color, Shown(marks.start, units), Shown(marks.stop, units), pTime, pTemp);
    }
    if (!kept.empty()) AddWindowMarksKey(chart, pTime, pTemp);
}
