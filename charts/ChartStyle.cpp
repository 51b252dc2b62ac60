#include "ChartStyle.h"

#include <QChart>
#include <QGraphicsView>
#include <QLegend>
#include <QPainter>
#include <QValueAxis>
#include <cmath>

namespace {

// Okabe and Ito's palette for colour-blind readers, darkest first; yellow, faint on white paper, last.
const QColor kPalette[kPaletteSize] = {
    QColor(0, 114, 178),    // blue
    QColor(213, 94, 0),     // vermillion
    QColor(0, 158, 115),    // bluish green
    QColor(204, 121, 167),  // reddish purple
    QColor(0, 0, 0),        // black
    QColor(230, 159, 0),    // orange
    QColor(86, 180, 233),   // sky blue
    QColor(240, 228, 66),   // yellow
};

const QColor kGridColor(220, 220, 220);
const QColor kAxisColor(96, 96, 96);

}  // namespace

QColor PaletteColor(int nIndex) {
    const int nSlot = ((nIndex % kPaletteSize) + kPaletteSize) % kPaletteSize;
    return kPalette[nSlot];
}

void StyleChart(QChart& chart, const QFont& font) {
    chart.setTheme(QChart::ChartThemeLight);
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.setBackgroundBrush(Qt::white);
    chart.setBackgroundRoundness(0);
    chart.setPlotAreaBackgroundVisible(false);
    QFont titleFont = font;
    titleFont.setBold(true);
    chart.setTitleFont(titleFont);
    chart.setTitleBrush(Qt::black);
    chart.legend()->setFont(font);
    chart.legend()->setLabelColor(Qt::black);
    chart.legend()->setAlignment(Qt::AlignBottom);
}

void StyleAxis(QValueAxis& axis, const QFont& font) {
    axis.setLabelsFont(font);
    axis.setTitleFont(font);
    axis.setLabelsColor(Qt::black);
    axis.setTitleBrush(Qt::black);
    axis.setGridLineColor(kGridColor);
    axis.setLinePenColor(kAxisColor);
    axis.setMinorGridLineVisible(false);
    // Rounded, not cut: a tick the axis computes as 19.999... reads 20.
    axis.setLabelFormat(QStringLiteral("%.0f"));
}

QValueAxis* MakeTimeAxis(const QFont& font) {
    auto* pAxis = new QValueAxis;
    pAxis->setRange(0.0, 120.0);
    pAxis->setTickCount(7);  // 0, 20, ... 120
    pAxis->setTitleText(QStringLiteral("Time after laydown, min"));
    StyleAxis(*pAxis, font);
    return pAxis;
}

QValueAxis* MakeTemperatureAxis(UnitSystem units, double dLow, double dHigh, const QFont& font) {
    const bool bFahrenheit = units == UnitSystem::English;
    // Steps of 10 C (20 F), doubled while more than eight would crowd the axis.
    double dStep = bFahrenheit ? 20.0 : 10.0;
    if (!std::isfinite(dLow) || !std::isfinite(dHigh)) dLow = dHigh = 0.0;
    double dFrom = 0.0;
    double dTo = 0.0;
    for (;;) {
        dFrom = std::floor(dLow / dStep) * dStep;
        dTo = std::ceil(dHigh / dStep) * dStep;
        if (dTo <= dFrom) dTo = dFrom + dStep;  // a flat curve still gets an axis one step high
        if ((dTo - dFrom) / dStep <= 8.0) break;
        dStep *= 2.0;
    }
    auto* pAxis = new QValueAxis;
    pAxis->setRange(dFrom, dTo);
    pAxis->setTickCount(static_cast<int>(std::lround((dTo - dFrom) / dStep)) + 1);
    pAxis->setTitleText(bFahrenheit ? QStringLiteral("Temperature, F") : QStringLiteral("Temperature, C"));
    StyleAxis(*pAxis, font);
    return pAxis;
}

void RenderChart(QGraphicsView& view, QPainter& painter, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    view.render(&painter, target, view.viewport()->rect(), Qt::KeepAspectRatio);
    painter.restore();
}
