#include "UncertaintyCharts.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "ChartParts.h"
#include "ChartStyle.h"

namespace {

constexpr double kBarShare = 0.8;  // of its bin a histogram bar covers; the rest is the gap

QLineSeries* VerticalLine(double x, double dLow, double dHigh, const QPen& pen) {
    auto* pLine = new QLineSeries;
    pLine->append(x, dLow);
    pLine->append(x, dHigh);
    pLine->setPen(pen);
    return pLine;
}

// The area between two outlines, filled with `color` and edged a little darker.
QAreaSeries* AreaOver(QLineSeries* pUpper, QLineSeries* pLower, const QColor& color) {
    QPen edge(color.darker(130));
    edge.setWidthF(1.0);
    return MakeBand(pUpper, pLower, edge, color);
}

QValueAxis* StopAxis(double dLow, double dHigh, const QFont& font) {
    auto* pAxis = new QValueAxis;
    pAxis->setRange(dLow, dHigh);
    pAxis->applyNiceNumbers();
    pAxis->setTitleText(QStringLiteral("Stop time after laydown, min"));
    StyleAxis(*pAxis, font);
    return pAxis;
}

}  // namespace

int HistogramBinMinutes(const UncertaintyResult& result) {
    std::size_t nFirst = kStopCountMinutes, nLast = 0;
    for (std::size_t m = 0; m < kStopCountMinutes; ++m)
        if (result.stopCounts[m] > 0) {
            nFirst = std::min(nFirst, m);
            nLast = m;
        }
    const std::size_t nSpread = nFirst <= nLast ? nLast - nFirst : 0;
    return nSpread > 80 ? 5 : nSpread > 40 ? 2 : 1;
}

void FillStopHistogram(QChart& chart, const UncertaintyResult& result, const QFont& font) {
    ResetChart(chart, font);
    const int nBin = HistogramBinMinutes(result);
    // Counts by bin; bin b covers minutes b * nBin to b * nBin + nBin - 1.
    std::vector<std::size_t> bins((kStopCountMinutes + nBin - 1) / nBin, 0);
    for (std::size_t m = 0; m < kStopCountMinutes; ++m) bins[m / nBin] += result.stopCounts[m];
    std::size_t nFirst = bins.size(), nLast = 0, nMost = 0;
    for (std::size_t b = 0; b < bins.size(); ++b)
        if (bins[b] > 0) {
            nFirst = std::min(nFirst, b);
            nLast = b;
            nMost = std::max(nMost, bins[b]);
        }
    const bool bAny = nFirst <= nLast;
    // A bar is centred on its bin's middle minute.
    auto centre = [&](std::size_t b) { return b * nBin + (nBin - 1) / 2.0; };
    const double dLow = bAny ? std::min(centre(nFirst), result.stop.dP10) - nBin : 0.0;
    const double dHigh = bAny ? std::max(centre(nLast), result.stop.dP90) + nBin : 120.0;
    QValueAxis* pX = StopAxis(dLow, dHigh, font);
    auto* pY = new QValueAxis;
    pY->setRange(0.0, std::max<double>(nMost, 1.0) * 1.1);
    pY->applyNiceNumbers();
    pY->setTitleText(nBin == 1 ? QStringLiteral("Samples per min")
                               : QStringLiteral("Samples per %1 min").arg(nBin));
    StyleAxis(*pY, font);
    chart.addAxis(pX, Qt::AlignBottom);
    chart.addAxis(pY, Qt::AlignLeft);
    if (!bAny) return;

    auto* pOutline = new QLineSeries;
    const double dHalf = nBin * kBarShare / 2.0;
    for (std::size_t b = nFirst; b <= nLast; ++b) {
        if (bins[b] == 0) continue;
        const double x = centre(b);
        const double dCount = static_cast<double>(bins[b]);
        pOutline->append(x - dHalf, 0.0);
        pOutline->append(x - dHalf, dCount);
        pOutline->append(x + dHalf, dCount);
        pOutline->append(x + dHalf, 0.0);
    }
    // The bars' feet and the gaps between them lie on the baseline, so only the bars are filled.
    auto* pBaseline = new QLineSeries;
    pBaseline->append(pOutline->at(0).x(), 0.0);
    pBaseline->append(pOutline->at(pOutline->count() - 1).x(), 0.0);
    QAreaSeries* pBars = AreaOver(pOutline, pBaseline, PaletteColor(0));
    pBars->setName(QString::fromUtf8(kHistogramBars));
    AddOnAxes(chart, pBars, pX, pY);
    for (QLegendMarker* pMarker : chart.legend()->markers(pBars))
        pMarker->setShape(QLegend::MarkerShapeRectangle);

    const double dTop = pY->max();
    QPen dashed(Qt::black);
    dashed.setWidthF(1.5);
    dashed.setStyle(Qt::DashLine);
    bool bFirst = true;
    for (double p : {result.stop.dP10, result.stop.dP50, result.stop.dP90}) {
        QLineSeries* pLine = VerticalLine(p, 0.0, dTop, dashed);
        pLine->setName(QString::fromUtf8(kPercentileLines));
        AddOnAxes(chart, pLine, pX, pY);
        if (!bFirst) HideFromLegend(chart, pLine);
        bFirst = false;
    }
    QPen solid(PaletteColor(1));
    solid.setWidthF(2.0);
    QLineSeries* pNominal = VerticalLine(result.nominal.dStopTime, 0.0, dTop, solid);
    pNominal->setName(QString::fromUtf8(kNominalLine));
    AddOnAxes(chart, pNominal, pX, pY);
}

void FillTornado(QChart& chart, const UncertaintyResult& result, const std::vector<QString>& labels,
                 const QFont& font) {
    ResetChart(chart, font, QLegend::MarkerShapeRectangle);
    const std::vector<SensitivityRow>& rows = result.sensitivity;
    const int nRows = static_cast<int>(rows.size());
    const double dNominal = result.nominal.dStopTime;
    double dLow = dNominal, dHigh = dNominal;
    for (const SensitivityRow& row : rows) {
        dLow = std::min({dLow, row.dStopAtLow, row.dStopAtHigh});
        dHigh = std::max({dHigh, row.dStopAtLow, row.dStopAtHigh});
    }
    QValueAxis* pX = StopAxis(dLow - 2.0, dHigh + 2.0, font);
    // Row i (largest effect first) sits at height nRows - 1 - i, so the largest is on top.
    auto* pY = new QCategoryAxis;
    pY->setRange(-0.5, std::max(nRows, 1) - 0.5);
    pY->setStartValue(-0.5);
    pY->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    for (int h = 0; h < nRows; ++h) {
        const int i = nRows - 1 - h;
        pY->append(i < static_cast<int>(labels.size()) ? labels[i] : QString::number(i), h + 0.5);
    }
    StyleAxis(*pY, font);
    pY->setGridLineVisible(false);
    chart.addAxis(pX, Qt::AlignBottom);
    chart.addAxis(pY, Qt::AlignLeft);
    if (nRows == 0) return;

    for (int i = 0; i < nRows; ++i) {
        const double y = nRows - 1 - i;
        for (const bool bHighEnd : {false, true}) {
            const double dStop = bHighEnd ? rows[i].dStopAtHigh : rows[i].dStopAtLow;
            const double dTopY = bHighEnd ? y : y + 0.38;
            const double dBottomY = bHighEnd ? y - 0.38 : y;
            auto* pUpper = new QLineSeries;
            pUpper->append(std::min(dNominal, dStop), dTopY);
            pUpper->append(std::max(dNominal, dStop), dTopY);
            auto* pLower = new QLineSeries;
            pLower->append(std::min(dNominal, dStop), dBottomY);
            pLower->append(std::max(dNominal, dStop), dBottomY);
            QAreaSeries* pBar = AreaOver(pUpper, pLower, bHighEnd ? PaletteColor(1) : PaletteColor(0));
            pBar->setName(QString::fromUtf8(bHighEnd ? kHighEndBars : kLowEndBars));
            AddOnAxes(chart, pBar, pX, pY);
            if (i > 0) HideFromLegend(chart, pBar);
        }
    }
    QPen solid(Qt::black);
    solid.setWidthF(2.0);
    QLineSeries* pNominal = VerticalLine(dNominal, -0.5, nRows - 0.5, solid);
    pNominal->setName(QString::fromUtf8(kNominalLine));
    AddOnAxes(chart, pNominal, pX, pY);
}
