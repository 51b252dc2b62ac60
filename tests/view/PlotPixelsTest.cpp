#include <QImage>
#include <QTest>

#include "ChartGeometry.h"
#include "CompactionWindow.h"
#include "Pixels.h"
#include "Resource.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

namespace {

// Left of the temperature axis, where its ticks and labels go.
QRect LeftOfTemperatureAxis(const ChartGeometry& g) {
    return QRect(g.left, g.yt - 8, g.x0 - g.left, g.yb - g.yt + 12);
}
// The legend in the top right corner, the only coloured place before a calculation.
QRect Legend(const ChartGeometry& g) { return QRect(g.right - 112, g.top - 12, 112, 50); }

}  // namespace

// The chart as the user sees it on the form, checked pixel by pixel at the places the curve and the
// compaction window put its marks.
class PlotPixelsTest : public QObject {
    Q_OBJECT

private slots:
    void beforeCalculationOnlyTheFrame();
    void runAShowsCurveAndMarkers();
};

void PlotPixelsTest::beforeCalculationOnlyTheFrame() {
    ViewHarness form;
    const ChartGeometry chart(form.m_pView->m_rectPlot);
    const QImage image = form.PageImage();
    QVERIFY(IsColor(image, chart.x0 + chart.W / 2, chart.yt + 3, kGrey));
    QCOMPARE(PixelsOf(image, form.m_pView->m_rectPlot, kYellow, Legend(chart)).size(), size_t{0});
    QCOMPARE(PixelsOf(image, form.m_pView->m_rectPlot, kGreen, Legend(chart)).size(), size_t{0});
    QCOMPARE(PixelsOf(image, form.m_pView->m_rectPlot, kRed, Legend(chart)).size(), size_t{0});
    QCOMPARE(CountOtherThan(image, LeftOfTemperatureAxis(chart), kGrey), 0);
    QCOMPARE(form.m_pView->m_form.m_nStartTime, 0);
}

void PlotPixelsTest::runAShowsCurveAndMarkers() {
    ViewHarness form;
    form.EnterRunA();
    form.Click(IDC_CALCULATE);
    const CDravonelView& view = *form.m_pView;
    const ChartGeometry chart(view.m_rectPlot);
    const QImage image = form.PageImage();

    QVERIFY(IsColor(image, chart.x0 + chart.W / 2, chart.yt + 3, kGrey));
    QVERIFY(CountOtherThan(image, LeftOfTemperatureAxis(chart), kGrey) > 0);  // temperature ticks and labels

    // The first sample below 120 C places the green marker.
    int nStartSample = 0;
    while (nStartSample < view.m_result.curve.m_nLastSample - 1 &&
           !(view.m_result.curve.m_dCurveTemp[nStartSample] < 120.0))
        ++nStartSample;
    QVERIFY(nStartSample < view.m_result.curve.m_nLastSample - 1);
    QCOMPARE(view.m_form.m_nStartTime, static_cast<int>(view.m_result.curve.m_dCurveTime[nStartSample]));
    const int xStart = chart.X(view.m_result.curve.m_dCurveTime[nStartSample]);
    const int yStart = chart.Y(120.0, false);
    QVERIFY(IsColor(image, xStart, (yStart + chart.yb) / 2, kGreen));
    QVERIFY(IsColor(image, (chart.x0 + xStart) / 2, yStart, kGreen));

    const int xStop = chart.X(view.m_form.m_dStopTime);
    const int yStop = static_cast<int>(chart.yb - chart.H * 0.145);
    QVERIFY(IsColor(image, xStop, (yStop + chart.yb) / 2, kRed));
    QVERIFY(IsColor(image, (chart.x0 + xStop) / 2, yStop, kRed));

    // Yellow points on the curve, away from the marker lines that are drawn over them.
    int nChecked = 0;
    for (int i = 0; i < view.m_result.curve.m_nLastSample - 1; i += 9) {
        const double dTemp = view.m_result.curve.m_dCurveTemp[i];
        const int x = chart.X(view.m_result.curve.m_dCurveTime[i]);
        const int y = chart.Y(dTemp, false);
        const bool bNearMarker = std::abs(x - xStart) < 3 || std::abs(x - xStop) < 3 ||
                                 std::abs(y - yStart) < 3 || std::abs(y - yStop) < 3;
        if (dTemp <= 65.0 || bNearMarker) continue;
        QVERIFY2(IsColor(image, x, y, kYellow),
                 qPrintable(QString("sample %1 at (%2, %3)").arg(i).arg(x).arg(y)));
        ++nChecked;
    }
    QVERIFY(nChecked >= 20);

    // The axes' corner and the stop marker once more, placed by offsets from the plot rectangle written
    // out here rather than by the chart's own geometry: the corner 30 pixels in from the left and up from
    // the bottom edge, the time axis 50 pixels shorter than the rectangle is wide for 120 minutes, the
    // temperature axis 50 pixels shorter than it is high for 100 C.
    const QRect r = view.m_rectPlot;
    const int x0 = r.left() + 30;
    const int yb = r.top() + r.height() - 30;
    const int xs = static_cast<int>(x0 + (r.width() - 50) * 68.0 * 0.008333333333333333);
    const int ys = static_cast<int>(yb - (r.height() - 50) * 0.145);
    QVERIFY(IsColor(image, x0, yb, kBlack));
    QVERIFY(IsColor(image, x0, yb - 1, kBlack));
    QVERIFY(IsColor(image, xs, yb - 1, kRed));
    QVERIFY(IsColor(image, x0 + 1, ys, kRed));
}

REGISTER_TEST_SUITE(PlotPixelsTest);
#include "PlotPixelsTest.moc"
