#include "PlannerChart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "ChartParts.h"
#include "ChartStyle.h"
#include "StudyInputs.h"

namespace {

constexpr double kMinutesPerHour = 60.0;
constexpr double kLongestMinutes = 120.0;
constexpr double kStarLiftMinutes = 5.0;  // how far above its band a best slot's star sits

QColor NoticeColor(CoolingNotice notice) {
    switch (notice) {
        case CoolingNotice::Slow:
            return PaletteColor(5);  // orange
        case CoolingNotice::Rapid:
            return PaletteColor(1);  // vermillion
        case CoolingNotice::None:
            break;
    }
    return PaletteColor(0);  // blue
}

const char* NoticeBandName(CoolingNotice notice) {
    switch (notice) {
        case CoolingNotice::Slow:
            return kBandSlow;
        case CoolingNotice::Rapid:
            return kBandRapid;
        case CoolingNotice::None:
            break;
    }
    return kBandNoNotice;
}

// The paving-time axis in hours with clock labels on whole hours, as few as keep the labels apart.
QCategoryAxis* MakeClockAxis(double dFromHours, double dToHours, const QFont& font) {
    auto* pAxis = new QCategoryAxis;
    pAxis->setRange(dFromHours, dToHours);
    pAxis->setStartValue(dFromHours);
    pAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double dSpan = dToHours - dFromHours;
    const int nEvery = dSpan <= 8.0 ? 1 : dSpan <= 16.0 ? 2 : 3;
    for (int h = static_cast<int>(std::ceil(dFromHours)); h <= std::floor(dToHours); ++h)
        if (h % nEvery == 0) pAxis->append(QString::fromStdString(ClockText(h * 60)), h);
    pAxis->setTitleText(QStringLiteral("Paving time of day, hh:mm"));
    StyleAxis(*pAxis, font);
    return pAxis;
}

}  // namespace

QString MinimumLineName(double dMinimumWindow) {
    return QStringLiteral("Start + %1 min").arg(QString::fromStdString(NumberText(dMinimumWindow)));
}

void FillPlannerChart(QChart& chart, const PavingDayPlan& plan, int nStepMinutes, double dMinimumWindow,
                      const QFont& font) {
    ResetChart(chart, font);

    // Each slot covers its step, centred on its paving time; a lone slot still gets a visible width.
    const double dHalf = std::max(nStepMinutes, 1) / kMinutesPerHour / 2.0;
    const std::vector<PavingSlot>& slotList = plan.timeSlots;
    const double dFrom = slotList.empty() ? 5.0 : slotList.front().nClockMinute / kMinutesPerHour - dHalf;
    const double dTo = slotList.empty() ? 22.0 : slotList.back().nClockMinute / kMinutesPerHour + dHalf;
    QCategoryAxis* pX = MakeClockAxis(dFrom, dTo, font);
    auto* pY = new QValueAxis;
    pY->setRange(0.0, kLongestMinutes);
    pY->setTickCount(7);
    pY->setTitleText(QStringLiteral("Time after laydown, min"));
    StyleAxis(*pY, font);
    chart.addAxis(pX, Qt::AlignBottom);
    chart.addAxis(pY, Qt::AlignLeft);
    if (slotList.empty()) return;

    // One band a run of neighbouring slots with the same notice, stepped at each slot's start and stop.
    bool bNamed[3] = {false, false, false};
    for (std::size_t i = 0; i < slotList.size();) {
        const CoolingNotice notice = slotList[i].notice;
        auto* pUpper = new QLineSeries;
        auto* pLower = new QLineSeries;
        for (; i < slotList.size() && slotList[i].notice == notice; ++i) {
            const double t = slotList[i].nClockMinute / kMinutesPerHour;
            pUpper->append(t - dHalf, slotList[i].dStopTime);
            pUpper->append(t + dHalf, slotList[i].dStopTime);
            pLower->append(t - dHalf, slotList[i].nStartTime);
            pLower->append(t + dHalf, slotList[i].nStartTime);
        }
        QColor fill = NoticeColor(notice);
        QPen edge(fill);
        edge.setWidthF(1.5);
        fill.setAlphaF(0.45);
        QAreaSeries* pBand = MakeBand(pUpper, pLower, edge, fill);
        pBand->setName(QString::fromUtf8(NoticeBandName(notice)));
        AddOnAxes(chart, pBand, pX, pY);
        bool& bHasEntry = bNamed[static_cast<int>(notice)];
        for (QLegendMarker* pMarker : chart.legend()->markers(pBand)) {
            pMarker->setShape(QLegend::MarkerShapeRectangle);
            pMarker->setVisible(!bHasEntry);
        }
        bHasEntry = true;
    }

    QLineSeries* pMinimum = MakeLine(MinimumLineName(dMinimumWindow), QColor(40, 40, 40), 1.5, Qt::DashLine);
    auto* pShort = new QScatterSeries;
    pShort->setName(QString::fromUtf8(kShortMarks));
    pShort->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
    pShort->setMarkerSize(10.0);
    pShort->setColor(Qt::black);
    pShort->setBorderColor(Qt::white);
    auto* pBest = new QScatterSeries;
    pBest->setName(QString::fromUtf8(kBestMarks));
    pBest->setMarkerShape(QScatterSeries::MarkerShapeStar);
    pBest->setMarkerSize(16.0);
    pBest->setColor(PaletteColor(2));  // bluish green
    pBest->setBorderColor(Qt::black);
    for (const PavingSlot& slot : slotList) {
        const double t = slot.nClockMinute / kMinutesPerHour;
        const double dNeeded = std::min(slot.nStartTime + dMinimumWindow, kLongestMinutes);
        pMinimum->append(t - dHalf, dNeeded);
        pMinimum->append(t + dHalf, dNeeded);
        if (slot.bShortWindow) pShort->append(t, slot.dStopTime);
        if (slot.bBest) pBest->append(t, std::min(slot.dStopTime + kStarLiftMinutes, kLongestMinutes));
    }
    AddOnAxes(chart, pMinimum, pX, pY);
    // Marks only when there is something to mark, so the legend names only what the chart shows.
    for (QScatterSeries* pMarks : {pShort, pBest}) {
        if (pMarks->count() > 0)
            AddOnAxes(chart, pMarks, pX, pY);
        else
            delete pMarks;
    }
}
