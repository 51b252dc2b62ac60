#include <QImage>
#include <QTest>

#include "CompactionWindow.h"
#include "Resource.h"
#include "TestSuites.h"
#include "ViewHarness.h"

namespace {

const QColor kGrey(192, 192, 192);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

constexpr double kPerMinute = 0.008333333333333333;  // the 120-minute time axis

// The chart's places worked out from the plot rectangle (right and bottom are the first pixels outside).
struct Chart {
    explicit Chart(const QRect& r)
        : left(r.left()),
          top(r.top()),
          right(r.left() + r.width()),
          bottom(r.top() + r.height()),
          x0(left + 30),
          xr(right - 20),
          yb(bottom - 30),
          yt(top + 20),
          W(xr - x0),
          H(yb - yt) {}
    int X(double dMinutes) const { return static_cast<int>(x0 + W * dMinutes * kPerMinute); }
    int YSi(double dTempC) const { return static_cast<int>(yb + (dTempC - 65.0) * H * -0.01); }
    QRect LeftOfTemperatureAxis() const { return QRect(left, yt - 8, x0 - left, yb - yt + 12); }
    QRect Legend() const { return QRect(right - 112, top - 12, 112, 50); }
    int left, top, right, bottom, x0, xr, yb, yt, W, H;
};

bool Is(const QImage& image, int x, int y, const QColor& color) {
    return image.pixelColor(x, y).rgb() == color.rgb();
}

int CountOf(const QImage& image, const QRect& area, const QColor& color, const QRect& skip = {}) {
    int nCount = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!skip.contains(x, y) && Is(image, x, y, color)) ++nCount;
        }
    }
    return nCount;
}

int CountNotGrey(const QImage& image, const QRect& area) {
    int nCount = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!Is(image, x, y, kGrey)) ++nCount;
        }
    }
    return nCount;
}

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
    const Chart chart(form.m_pView->m_rectPlot);
    const QImage image = form.PageImage();
    QVERIFY(Is(image, chart.x0 + chart.W / 2, chart.yt + 3, kGrey));
    QCOMPARE(CountOf(image, form.m_pView->m_rectPlot, kYellow, chart.Legend()), 0);
    QCOMPARE(CountOf(image, form.m_pView->m_rectPlot, kGreen, chart.Legend()), 0);
    QCOMPARE(CountOf(image, form.m_pView->m_rectPlot, kRed, chart.Legend()), 0);
    QCOMPARE(CountNotGrey(image, chart.LeftOfTemperatureAxis()), 0);
    QCOMPARE(form.m_pView->m_nStartTime, 0);
}

void PlotPixelsTest::runAShowsCurveAndMarkers() {
    ViewHarness form;
    form.EnterRunA();
    form.Click(IDC_CALCULATE);
    const CDravonelView& view = *form.m_pView;
    const Chart chart(view.m_rectPlot);
    const QImage image = form.PageImage();

    QVERIFY(Is(image, chart.x0 + chart.W / 2, chart.yt + 3, kGrey));
    QVERIFY(CountNotGrey(image, chart.LeftOfTemperatureAxis()) > 0);  // temperature ticks and labels

    // The first sample below 120 C places the green marker.
    int nStartSample = 0;
    while (nStartSample < view.m_nLastSample - 1 && !(view.m_dCurveTemp[nStartSample] < 120.0))
        ++nStartSample;
    QVERIFY(nStartSample < view.m_nLastSample - 1);
    QCOMPARE(view.m_nStartTime, static_cast<int>(view.m_dCurveTime[nStartSample]));
    const int xStart = chart.X(view.m_dCurveTime[nStartSample]);
    const int yStart = chart.YSi(120.0);
    QVERIFY(Is(image, xStart, (yStart + chart.yb) / 2, kGreen));
    QVERIFY(Is(image, (chart.x0 + xStart) / 2, yStart, kGreen));

    const int xStop = chart.X(view.m_dStopTime);
    const int yStop = static_cast<int>(chart.yb - chart.H * 0.145);
    QVERIFY(Is(image, xStop, (yStop + chart.yb) / 2, kRed));
    QVERIFY(Is(image, (chart.x0 + xStop) / 2, yStop, kRed));

    // Yellow points on the curve, away from the marker lines that are drawn over them.
    int nChecked = 0;
    for (int i = 0; i < view.m_nLastSample - 1; i += 9) {
        const double dTemp = view.m_dCurveTemp[i];
        const int x = chart.X(view.m_dCurveTime[i]);
        const int y = chart.YSi(dTemp);
        const bool bNearMarker = std::abs(x - xStart) < 3 || std::abs(x - xStop) < 3 ||
                                 std::abs(y - yStart) < 3 || std::abs(y - yStop) < 3;
        if (dTemp <= 65.0 || bNearMarker) continue;
        QVERIFY2(Is(image, x, y, kYellow), qPrintable(QString("sample %1 at (%2, %3)").arg(i).arg(x).arg(y)));
        ++nChecked;
    }
    QVERIFY(nChecked >= 20);
}

REGISTER_TEST_SUITE(PlotPixelsTest);
#include "PlotPixelsTest.moc"
