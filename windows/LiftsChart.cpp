#include "LiftsChart.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "ChartParts.h"
#include "ChartStyle.h"
#include "FieldText.h"
#include "LiftsReport.h"
#include "ShownUnits.h"

namespace {

constexpr double kTimeStepMinutes = 20.0;
const QColor kNextLiftColor(96, 96, 96);

// "Lift 2 at 40 min: 40 mm, 145 C" in the display units.
QString LiftName(const LiftSequenceInputs& inputs, int nLift, UnitSystem display) {
    const LiftInput& lift = inputs.lifts[nLift];
    const UnitSystem from = UnitSystemOfCode(inputs.site.m_nUnits);
    const int nUnits = UnitCode(display);
    QString name = QStringLiteral("Lift %1").arg(nLift + 1);
    if (nLift > 0) name += QStringLiteral(" at %1 min").arg(lift.nPlacementMinutes);
    return name +
           QStringLiteral(": %1 %2, %3 %4")
               .arg(QString::fromStdString(FormatFieldDouble(LengthIn(lift.dLiftThickness, from, display))),
                    QString::fromUtf8(kLiftUnit[nUnits]),
                    QString::fromStdString(
                        FormatFieldDouble(TemperatureIn(lift.dDeliveryTemp, from, display))),
                    QString::fromUtf8(kTemperatureUnit[nUnits]));
}

QValueAxis* MakeRunTimeAxis(double dEndMinutes, const QFont& font) {
    // Whole steps of 20 minutes, doubled while more than eight would crowd the axis.
    const double dEnd = std::max(120.0, std::ceil(dEndMinutes / kTimeStepMinutes) * kTimeStepMinutes);
    double dStep = kTimeStepMinutes;
    while (dEnd / dStep > 8.0) dStep *= 2.0;
    const double dTo = std::ceil(dEnd / dStep) * dStep;
    auto* pAxis = new QValueAxis;
    pAxis->setRange(0.0, dTo);
    pAxis->setTickCount(static_cast<int>(std::lround(dTo / dStep)) + 1);
    pAxis->setTitleText(QString::fromUtf8(kLiftsTimeAxisTitle));
    StyleAxis(*pAxis, font);
    return pAxis;
}

}  // namespace

void FillLiftsChart(QChart& chart, const LiftSequenceInputs& inputs, const LiftSequenceResult* pResult,
                    UnitSystem display, const QFont& font) {
    ResetChart(chart, font);

    const bool bRun = pResult && !pResult->error;
    const int nLifts = bRun ? std::min<int>(pResult->nLifts, static_cast<int>(inputs.lifts.size())) : 0;
    // The span of the form's own chart until there is a run; then every curve and the next-lift line.
    double dLowC = 65.0;
    double dHighC = 165.0;
    double dEndMinutes = 120.0;
    if (bRun) {
        // Room below the next-lift line, so that it never lies on the axis itself.
        dLowC = pResult->dNextLiftTempC - 5.0;
        dHighC = pResult->dNextLiftTempC;
        for (int i = 0; i < nLifts; ++i) {
            const LiftOutcome& outcome = pResult->lifts[i];
            if (!outcome.bPlaced) continue;
            const CoolingCurve& curve = outcome.curve;
            for (int j = 0; j <= LastCurveSample(curve); ++j) {
                dLowC = std::min(dLowC, curve.m_dCurveTemp[j]);
                dHighC = std::max(dHighC, curve.m_dCurveTemp[j]);
            }
            dEndMinutes = std::max(
                dEndMinutes, inputs.lifts[i].nPlacementMinutes + curve.m_dCurveTime[LastCurveSample(curve)]);
        }
    }
    QValueAxis* pTime = MakeRunTimeAxis(dEndMinutes, font);
    QValueAxis* pTemp = MakeTemperatureAxis(display, ShownTemperature(dLowC, display),
                                            ShownTemperature(dHighC, display), font);
    chart.addAxis(pTime, Qt::AlignBottom);
    chart.addAxis(pTemp, Qt::AlignLeft);
    if (!bRun) return;

    for (int i = 0; i < nLifts; ++i) {
        const LiftOutcome& outcome = pResult->lifts[i];
        if (!outcome.bPlaced) continue;
        const double dShift = inputs.lifts[i].nPlacementMinutes;
        const QColor color = PaletteColor(i);
        const CoolingCurve& curve = outcome.curve;
        QLineSeries* pCurve = MakeLine(LiftName(inputs, i, display), color, 2.0);
        pCurve->replace(CurvePoints(curve, display, dShift));
        AddOnAxes(chart, pCurve, pTime, pTemp);

        // The start where the table reads it, the stop at the first sample below the stop temperature.
        const int nStart = FindStartSample(
            curve, LiftStartIn(outcome, inputs.lifts[i].nPgHigh, display).dStartTemp, display);
        int nStop = -1;
        for (int j = 0; j <= LastCurveSample(curve) && nStop < 0; ++j)
            if (curve.m_dCurveTemp[j] < STOP_TEMPERATURE) nStop = j;
        const auto point = [&](int nSample) -> std::optional<QPointF> {
            if (nSample < 0) return std::nullopt;
            return QPointF(dShift + curve.m_dCurveTime[nSample],
                           ShownTemperature(curve.m_dCurveTemp[nSample], display));
        };
        AddWindowMarks(chart, color, point(nStart), point(nStop), pTime, pTemp);
    }

    const double dNext = ShownTemperature(pResult->dNextLiftTempC, display);
    QLineSeries* pNext = MakeLine(QStringLiteral("Next lift below %1 %2")
                                      .arg(QString::fromStdString(FormatFieldDouble(RoundValue(dNext))),
                                           QString::fromUtf8(kTemperatureUnit[UnitCode(display)])),
                                  kNextLiftColor, 1.5, Qt::DashLine);
    pNext->append(pTime->min(), dNext);
    pNext->append(pTime->max(), dNext);
    AddOnAxes(chart, pNext, pTime, pTemp);

    AddWindowMarksKey(chart, pTime, pTemp);
}
