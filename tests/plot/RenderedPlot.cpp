#include "RenderedPlot.h"

#include <QGuiApplication>
#include <QPainter>

#include "NamedRuns.h"

QRect TestPlotRect() { return QRect(24, 30, 380, 330); }

QSize TestImageSize() { return QSize(440, 400); }

CalculationResult HeldResult(const CoolingCurve& curve, double dStopTime, int nPgHigh, UnitSystem axisUnits) {
    CalculationResult result{};
    result.curve = curve;
    result.summary.stop.dStopTime = dStopTime;
    result.summary.start = ReadCompactionStart(curve, nPgHigh, axisUnits);
    return result;
}

QImage RenderPlot(const PlotInputs& inputs) {
    QImage image(TestImageSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = QGuiApplication::font();
    font.setPixelSize(11);
    painter.setFont(font);
    PaintCoolingPlot(painter, TestPlotRect(), inputs);
    painter.end();
    return image;
}

CoolingCurve MakeCurve(int nLastSample, const std::function<double(int)>& tempOfSample) {
    CoolingCurve curve;
    curve.m_nLastSample = nLastSample;
    double dMinutes = 0.0;
    for (int i = 0; i <= nLastSample; ++i) {
        curve.m_dCurveTime[i] = dMinutes;
        curve.m_dCurveTemp[i] = tempOfSample(i);
        dMinutes = dMinutes + 0.3333333333333333;
    }
    return curve;
}

CoolingCurve RunACurve(double* pStopTime) {
    const CalculationResult result = RunCalculation(RunA());
    *pStopTime = result.summary.stop.dStopTime;
    return result.curve;
}
