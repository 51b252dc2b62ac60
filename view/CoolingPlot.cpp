#include "CoolingPlot.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <string>

#include "ChartFrame.h"
#include "CompactionWindow.h"
#include "UnitConversion.h"

namespace {

const QColor kStartColor(0, 128, 0);
const QColor kStopColor(255, 0, 0);
const QColor kCurveColor(255, 255, 0);
const QColor kChartColor(192, 192, 192);
const QColor kTickColor(0, 0, 0);
constexpr int kMarkerPenWidth = 2;

// One temperature axis; curve values are C and are converted with ToAxis before any comparison.
struct TemperatureAxis {
    int nBase;             // value on the time axis
    int nTop;              // value at yt
    int nStep;             // between labelled ticks
    double dFactor;        // per degree, as a fraction of the axis height (negative: y grows down)
    double dStopTemp;      // STOP_TEMPERATURE in axis units
    double dStopFraction;  // stop level as a fraction of the axis height
    bool bFahrenheit;      // curve values are shown with CelsiusToFahrenheit
    bool bEndsAtBase;      // the first sample at or below the base ends the curve (else it is skipped)
    const char* pszTitle;

    double ToAxis(double dTempC) const { return bFahrenheit ? CelsiusToFahrenheit(dTempC) : dTempC; }
};

// (79.5 - 65)/100 and, on the English axis, -1/180 and (175.1 - 135)/180 written out to the last digit,
// so pixel places never drift with the way a compiler folds the quotients.
constexpr TemperatureAxis kSiAxis{65, 165, 10, -0.01, STOP_TEMPERATURE, 0.145, false, false, "Temperature,C"};
constexpr TemperatureAxis kEnglishAxis{
    135, 315, 20, -0.005555555555555556, kStopTemperatureF, 0.22277777777777774, true, true, "Temperature,F"};

// A horizontal or vertical line of whole pixels: from the start pixel up to but not including the end
// pixel, so a marker dropped to the time axis stops one pixel above it and leaves the axis whole. A
// 2-pixel pen covers the ideal pixel and the one above it (horizontal lines) or to its left (vertical
// lines), as a pen centred on the line covers pixel centres.
void DrawLine(QPainter& dc, int x1, int y1, int x2, int y2, const QColor& color, int nWidth) {
    if (x1 == x2 && y1 == y2) return;
    if (y1 == y2) {
        const int xFirst = x1 < x2 ? x1 : x2 + 1;
        dc.fillRect(QRect(xFirst, y1 - (nWidth - 1), std::abs(x2 - x1), nWidth), color);
    } else if (x1 == x2) {
        const int yFirst = y1 < y2 ? y1 : y2 + 1;
        dc.fillRect(QRect(x1 - (nWidth - 1), yFirst, nWidth, std::abs(y2 - y1)), color);
    } else {
        // The chart draws no slanted lines; keep a plain fallback rather than drop the call.
        dc.setPen(QPen(color, nWidth));
        dc.drawLine(x1, y1, x2, y2);
    }
}

void SetPixel(QPainter& dc, int x, int y, const QColor& color) { dc.fillRect(QRect(x, y, 1, 1), color); }

// Text placed by its top-left corner, in the painter's font, on a transparent background.
void TextOut(QPainter& dc, int x, int y, const QString& text, const QColor& color) {
    dc.setPen(color);
    dc.drawText(QPoint(x, y + QFontMetrics(dc.font(), dc.device()).ascent()), text);
}

void TextOut(QPainter& dc, int x, int y, int nValue, const QColor& color) {
    TextOut(dc, x, y, QString::number(nValue), color);
}

void DrawLegendEntry(QPainter& dc, const ChartFrame& f, int nLineY, int nTextY, const QColor& penColor,
                     const char* pszCaption, const QColor& textColor) {
    DrawLine(dc, f.right - 110, nLineY, f.right - 90, nLineY, penColor, kMarkerPenWidth);
    TextOut(dc, f.right - 85, nTextY, pszCaption, textColor);
}

void DrawFrame(QPainter& dc, const ChartFrame& f, const TemperatureAxis& axis, const QColor& initialColor) {
    dc.fillRect(QRect(f.left, f.top, f.right - f.left, f.bottom - f.top), kChartColor);
    DrawLine(dc, f.x0, f.yb, f.xr, f.yb, initialColor, 1);
    DrawLine(dc, f.x0, f.yb, f.x0, f.yt, initialColor, 1);
    TextOut(dc, f.x0 + f.W / 2 - 10, f.bottom + 5, "Time, min", initialColor);

    DrawLegendEntry(dc, f, f.top, f.top - 10, kStartColor, "Start Temp/Time", initialColor);
    DrawLegendEntry(dc, f, f.top + 15, f.top + 5, kStopColor, "Stop Temp/Time", initialColor);
    DrawLegendEntry(dc, f, f.top + 30, f.top + 20, kCurveColor, "Cooling Curve", initialColor);

    DrawLine(dc, f.x0, f.yb, f.x0, f.yb + 5, kTickColor, 1);
    TextOut(dc, f.x0, f.yb + 7, 0, initialColor);
    for (int k = 20; k <= 120; k += 20) {
        const int x = static_cast<int>(f.x0 + (k * f.W) * ChartFrame::kPerMinute);
        DrawLine(dc, x, f.yb, x, f.yb + 5, kTickColor, 1);
        TextOut(dc, x, f.yb + 7, k, initialColor);
    }
    TextOut(dc, f.x0, f.top + 5, axis.pszTitle, initialColor);
}

void DrawTemperatureTicks(QPainter& dc, const ChartFrame& f, const TemperatureAxis& axis,
                          const QColor& textColor) {
    DrawLine(dc, f.x0, f.yb, f.x0 - 5, f.yb, kTickColor, 1);
    TextOut(dc, f.x0 - 30, f.yb - 8, axis.nBase, textColor);
    for (int v = axis.nBase + axis.nStep; v <= axis.nTop; v += axis.nStep) {
        const double dy = (v - axis.nBase) * f.H * axis.dFactor;
        const int y = static_cast<int>(f.yb + dy);
        DrawLine(dc, f.x0, y, f.x0 - 5, y, kTickColor, 1);
        TextOut(dc, f.x0 - 30, static_cast<int>((f.yb - 8) + dy), v, textColor);
    }
}

void DrawCurve(QPainter& dc, const ChartFrame& f, const TemperatureAxis& axis, const CoolingCurve& curve,
               int nLast) {
    // The last two stored samples are never drawn.
    for (int i = 0; i < nLast - 1; ++i) {
        const double dTemp = axis.ToAxis(curve.m_dCurveTemp[i]);
        if (dTemp <= axis.nBase) {
            if (axis.bEndsAtBase) break;
            continue;
        }
        const double t = curve.m_dCurveTime[i];
        SetPixel(dc, f.X(t), f.Y(dTemp, axis.nBase, axis.dFactor), kCurveColor);
        SetPixel(dc, f.X(t, 1), f.Y(dTemp, axis.nBase, axis.dFactor), kCurveColor);
        SetPixel(dc, f.X(t, -1), f.Y(dTemp, axis.nBase, axis.dFactor), kCurveColor);
        SetPixel(dc, f.X(t), f.Y(dTemp, axis.nBase, axis.dFactor, 1), kCurveColor);
        SetPixel(dc, f.X(t), f.Y(dTemp, axis.nBase, axis.dFactor, -1), kCurveColor);
    }
}

void DrawStopMarker(QPainter& dc, const ChartFrame& f, const TemperatureAxis& axis, const CoolingCurve& curve,
                    int nLast, double dStopTime) {
    const int ys = static_cast<int>(f.yb - f.H * axis.dStopFraction);
    if (axis.ToAxis(curve.m_dCurveTemp[nLast]) >= axis.dStopTemp) {
        // Never reached within the simulated period: only the level, across the chart.
        DrawLine(dc, f.x0, ys, f.xr - 5, ys, kStopColor, kMarkerPenWidth);
        return;
    }
    const int xs = f.X(dStopTime);
    DrawLine(dc, xs, f.yb, xs, ys, kStopColor, kMarkerPenWidth);
    DrawLine(dc, f.x0, ys, xs, ys, kStopColor, kMarkerPenWidth);
}

void DrawStartMarker(QPainter& dc, const ChartFrame& f, const TemperatureAxis& axis,
                     const CoolingCurve& curve, double dStartTempC, UnitSystem axisUnits) {
    // The same sample FindStartTime reads the start time from, so marker and time always agree.
    const int nSample = FindStartSample(curve, dStartTempC, axisUnits);
    if (nSample < 0) return;
    const int ya = f.Y(axis.ToAxis(dStartTempC), axis.nBase, axis.dFactor);
    const int xi = f.X(curve.m_dCurveTime[nSample]);
    DrawLine(dc, f.x0, ya, xi, ya, kStartColor, kMarkerPenWidth);
    DrawLine(dc, xi, ya, xi, f.yb, kStartColor, kMarkerPenWidth);
}

}  // namespace

void PaintCoolingPlot(QPainter& dc, const QRect& rectPlot, const PlotInputs& inputs) {
    // The axes and texts take the pen the painter brings: black on the form, whatever the page uses.
    const QColor initialColor = dc.pen().color();

    dc.save();
    dc.setRenderHint(QPainter::Antialiasing, false);
    dc.setRenderHint(QPainter::TextAntialiasing, false);
    dc.setBackgroundMode(Qt::TransparentMode);

    const ChartFrame frame(rectPlot);
    const TemperatureAxis& axis = inputs.axisUnits == UnitSystem::SI ? kSiAxis : kEnglishAxis;
    DrawFrame(dc, frame, axis, initialColor);

    if (inputs.bCalculated) {
        const CalculationSummary& summary = inputs.result.summary;
        const CoolingCurve& curve = inputs.result.curve;
        // A solver curve ends within the arrays; anything else is held inside them.
        const int nLast = std::clamp(curve.m_nLastSample, 0, kCurveCapacity - 1);
        DrawTemperatureTicks(dc, frame, axis, initialColor);
        DrawCurve(dc, frame, axis, curve, nLast);
        DrawStopMarker(dc, frame, axis, curve, nLast, summary.stop.dStopTime);
        DrawStartMarker(dc, frame, axis, curve, summary.start.dStartTemp, inputs.axisUnits);
    }

    dc.restore();
}
