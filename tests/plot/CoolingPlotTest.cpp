#include <QPainter>
#include <QtTest>
#include <algorithm>

#include "RenderedPlot.h"
#include "Screenshots.h"
#include "SuiteMain.h"

namespace {

// Curves the table rows name; built on demand since a curve is too large for a data column.
enum class CurveKind {
    RunA,
    Slow,
    AllAboveStart,
    FirstBelowAt7Point67,
    FirstBelowJustUnderMinute2,
    CoolAtLaydownTwoSamples,
    BelowOnlyInLastTwo,
    CoolSampleThenWarm,
    SampleAtSiBaseThenWarm,
    SampleAtEnglishBaseThenWarm
};

// The C value the English axis shows as exactly 135 F, its base.
constexpr double kAtEnglishBaseC = 57.22222222222222;
static_assert(kAtEnglishBaseC * 1.8 + 32.0 == 135.0);

struct Case {
    CoolingCurve curve;
    double dStopTime;
};

Case Build(CurveKind kind) {
    switch (kind) {
        case CurveKind::RunA: {
            Case c{};
            c.curve = RunACurve(&c.dStopTime);
            return c;
        }
        case CurveKind::Slow:
            return {MakeCurve(360, [](int i) { return 150.0 - 0.15 * i; }), 120.0};
        case CurveKind::AllAboveStart:
            return {MakeCurve(360, [](int) { return 130.0; }), 120.0};
        case CurveKind::FirstBelowAt7Point67:
            return {MakeCurve(60, [](int i) { return i < 23 ? 130.0 : 119.0; }), 0.0};
        case CurveKind::FirstBelowJustUnderMinute2:
            return {MakeCurve(60, [](int i) { return i < 6 ? 130.0 : 119.0; }), 0.0};
        case CurveKind::CoolAtLaydownTwoSamples:
            return {MakeCurve(1, [](int i) { return i == 0 ? 100.0 : 40.0; }), 0.0};
        case CurveKind::BelowOnlyInLastTwo:
            return {MakeCurve(10, [](int i) { return i < 9 ? 130.0 : 100.0; }), 0.0};
        case CurveKind::CoolSampleThenWarm:
            // 57 C is 134.6 F: at or below both axis bases. The warm samples after it are above both.
            return {MakeCurve(30, [](int i) { return i < 10    ? 150.0 - 5.0 * i
                                                     : i == 10 ? 57.0
                                                               : 70.0; }),
                    0.0};
        case CurveKind::SampleAtSiBaseThenWarm:
            return {MakeCurve(30, [](int i) { return i < 10    ? 150.0 - 5.0 * i
                                                     : i == 10 ? 65.0
                                                               : 70.0; }),
                    0.0};
        case CurveKind::SampleAtEnglishBaseThenWarm:
            return {MakeCurve(30,
                              [](int i) {
                                  return i < 10 ? 150.0 - 5.0 * i : i == 10 ? kAtEnglishBaseC : 70.0;
                              }),
                    0.0};
    }
    return {};
}

double ToAxis(double dTempC, bool bFahrenheit) { return bFahrenheit ? dTempC * 1.8 + 32.0 : dTempC; }

// The start sample by the chart's rule: first of samples 0 .. last-2 strictly below the start temperature.
int ExpectedStartSample(const CoolingCurve& curve, double dStartTempC, bool bFahrenheit) {
    for (int i = 0; i < curve.m_nLastSample - 1; ++i)
        if (ToAxis(curve.m_dCurveTemp[i], bFahrenheit) < ToAxis(dStartTempC, bFahrenheit)) return i;
    return -1;
}

// The legend's curve line is the only yellow a chart shows before calculation.
QRect LegendCurveLine(const ChartGeometry& g) { return QRect(g.right - 110, g.top + 29, 20, 2); }

// Chart area below the legend, where only the curve and the markers may be coloured.
QRect ChartBody(const ChartGeometry& g) {
    return QRect(g.left, g.top + 35, g.right - g.left, g.bottom - g.top - 35);
}

// The chart of a case as the view paints it: the held result with its start for the grade and axis.
struct RenderedPlot {
    CalculationResult result;
    QImage image;
};

RenderedPlot Render(bool bCalculated, int nUnits, int nPgHigh, const Case& c) {
    const UnitSystem axis = nUnits == 0 ? UnitSystem::SI : UnitSystem::English;
    RenderedPlot plot{HeldResult(c.curve, c.dStopTime, nPgHigh, axis), {}};
    plot.image = RenderPlot(PlotInputs{bCalculated, axis, plot.result});
    return plot;
}

}  // namespace

Q_DECLARE_METATYPE(CurveKind)

// The chart's pixels: frame, legend, ticks, curve points and markers, and the start time it reads off.
class CoolingPlotTest : public QObject {
    Q_OBJECT
private slots:
    void frameBeforeCalculation_data();
    void frameBeforeCalculation();
    void axisTitleIsTheOnlyDifferenceBetweenUnitsBeforeCalculation();
    void startTemperatureFollowsGrade_data();
    void startTemperatureFollowsGrade();
    void temperatureTicksAfterCalculation_data();
    void temperatureTicksAfterCalculation();
    void curvePointsAreYellowPluses_data();
    void curvePointsAreYellowPluses();
    void coolSamplesSkippedOrEndTheCurve_data();
    void coolSamplesSkippedOrEndTheCurve();
    void stopMarker_data();
    void stopMarker();
    void startMarkerAndStartTime_data();
    void startMarkerAndStartTime();
    void gradeChangeMovesTheStartMarker();
    void pixelsAtFixedPlaces_data();
    void pixelsAtFixedPlaces();
    void saveScreenshots();
};

void CoolingPlotTest::frameBeforeCalculation_data() {
    QTest::addColumn<int>("units");
    QTest::newRow("SI axis") << 0;
    QTest::newRow("English axis") << 1;
}

void CoolingPlotTest::frameBeforeCalculation() {
    QFETCH(int, units);
    const Case c = Build(CurveKind::RunA);  // a stored curve must not show before the first calculation
    const RenderedPlot plot = Render(false, units, 4, c);
    const QImage& img = plot.image;
    const ChartGeometry g(TestPlotRect());

    QCOMPARE(plot.result.summary.start.dStartTemp, 120.0);

    // Grey fill, with little else inside the rectangle.
    QVERIFY(CountOtherThan(img, TestPlotRect(), kGrey) <
            TestPlotRect().width() * TestPlotRect().height() / 10);
    // Axes in the initial black pen, each without its end pixel.
    QVERIFY(IsColor(img, g.x0, g.yb, kBlack));
    QVERIFY(IsColor(img, g.xr - 1, g.yb, kBlack));
    QVERIFY(IsColor(img, g.xr + 1, g.yb, kGrey));
    QVERIFY(IsColor(img, g.x0, g.yt + 1, kBlack));
    QVERIFY(IsColor(img, g.x0, g.yt, kGrey));
    // Time ticks at 0, 20, ... 120 minutes, five pixels long, each with a label below it.
    for (int k = 0; k <= 120; k += 20) {
        const int x = static_cast<int>(g.x0 + (k * g.W) * 0.008333333333333333);
        QVERIFY2(IsColor(img, x, g.yb + 4, kBlack), qPrintable(QString("tick %1").arg(k)));
        QVERIFY2(!IsColor(img, x, g.yb + 5, kBlack), qPrintable(QString("tick %1 too long").arg(k)));
        QVERIFY2(CountOtherThan(img, QRect(x, g.yb + 7, 14, 12), kGrey) > 0,
                 qPrintable(QString("label %1").arg(k)));
    }
    // Legend lines, two pixels thick, twenty long.
    QVERIFY(IsColor(img, g.right - 110, g.top, kGreen));
    QVERIFY(IsColor(img, g.right - 91, g.top - 1, kGreen));
    QVERIFY(!IsColor(img, g.right - 90, g.top, kGreen));
    QVERIFY(IsColor(img, g.right - 100, g.top + 15, kRed));
    QVERIFY(IsColor(img, g.right - 100, g.top + 30, kYellow));
    // No curve, no markers, no temperature ticks or labels.
    QVERIFY(PixelsOf(img, TestPlotRect(), kYellow, LegendCurveLine(g)).empty());
    QVERIFY(PixelsOf(img, ChartBody(g), kGreen).empty());
    QVERIFY(PixelsOf(img, ChartBody(g), kRed).empty());
    QCOMPARE(CountOtherThan(img, QRect(g.left, g.yt, g.x0 - g.left, g.yb - g.yt), kGrey), 0);
}

void CoolingPlotTest::axisTitleIsTheOnlyDifferenceBetweenUnitsBeforeCalculation() {
    const Case c = Build(CurveKind::RunA);
    QImage si = Render(false, 0, 4, c).image;
    QImage english = Render(false, 1, 4, c).image;
    const ChartGeometry g(TestPlotRect());
    const QRect title(g.x0, g.top + 5, g.right - 111 - g.x0, 15);
    QVERIFY(si.copy(title) != english.copy(title));
    for (QImage* pImage : {&si, &english}) {
        QPainter painter(pImage);
        painter.fillRect(title, Qt::white);
    }
    QVERIFY(si == english);
}

void CoolingPlotTest::startTemperatureFollowsGrade_data() {
    QTest::addColumn<int>("grade");
    QTest::addColumn<double>("startTemp");  // C, exact
    QTest::newRow("82") << 0 << 120.0;
    QTest::newRow("64") << 3 << 120.0;
    QTest::newRow("58 is the last hard grade") << 4 << 120.0;
    QTest::newRow("52 is the first soft grade") << 5 << 110.0;
    QTest::newRow("46") << 6 << 110.0;
}

void CoolingPlotTest::startTemperatureFollowsGrade() {
    QFETCH(int, grade);
    QFETCH(double, startTemp);
    const Case c = Build(CurveKind::Slow);
    QCOMPARE(Render(false, 0, grade, c).result.summary.start.dStartTemp, startTemp);
    QCOMPARE(Render(true, 1, grade, c).result.summary.start.dStartTemp, startTemp);
}

void CoolingPlotTest::temperatureTicksAfterCalculation_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("step");
    QTest::newRow("SI 65 to 165 by 10") << 0 << 65 << 165 << 10;
    QTest::newRow("English 135 to 315 by 20") << 1 << 135 << 315 << 20;
}

void CoolingPlotTest::temperatureTicksAfterCalculation() {
    QFETCH(int, units);
    QFETCH(int, base);
    QFETCH(int, top);
    QFETCH(int, step);
    const Case c = Build(CurveKind::RunA);
    const QImage img = Render(true, units, 4, c).image;
    const ChartGeometry g(TestPlotRect());
    QCOMPARE(g.Y(top, units != 0), g.yt);  // the top value lands on the axis end
    for (int v = base; v <= top; v += step) {
        const int y = g.Y(v, units != 0);
        QVERIFY2(IsColor(img, g.x0 - 4, y, kBlack), qPrintable(QString("tick %1").arg(v)));
        QVERIFY2(!IsColor(img, g.x0 - 5, y, kBlack), qPrintable(QString("tick %1 too long").arg(v)));
        QVERIFY2(CountOtherThan(img, QRect(g.x0 - 30, y - 8, 20, 13), kGrey) > 0,
                 qPrintable(QString("label %1").arg(v)));
    }
}

void CoolingPlotTest::curvePointsAreYellowPluses_data() {
    QTest::addColumn<int>("units");
    QTest::newRow("Run A on the SI axis") << 0;
    QTest::newRow("Run A on the English axis") << 1;
}

void CoolingPlotTest::curvePointsAreYellowPluses() {
    QFETCH(int, units);
    const bool bF = units != 0;
    const Case c = Build(CurveKind::RunA);
    const QImage img = Render(true, units, 4, c).image;
    const ChartGeometry g(TestPlotRect());

    std::vector<QPoint> expected;
    for (int i = 0; i < c.curve.m_nLastSample - 1; ++i) {
        const double v = ToAxis(c.curve.m_dCurveTemp[i], bF);
        if (v <= (bF ? 135.0 : 65.0)) {
            if (bF) break;
            continue;
        }
        const double t = c.curve.m_dCurveTime[i];
        for (const QPoint& p :
             {QPoint(g.X(t), g.Y(v, bF)), QPoint(g.X(t, 1), g.Y(v, bF)), QPoint(g.X(t, -1), g.Y(v, bF)),
              QPoint(g.X(t), g.Y(v, bF, 1)), QPoint(g.X(t), g.Y(v, bF, -1))})
            expected.push_back(p);
    }
    QVERIFY(expected.size() > 500);
    const auto isExpected = [&](const QPoint& p) {
        return std::find(expected.begin(), expected.end(), p) != expected.end();
    };
    for (const QPoint& p : PixelsOf(img, TestPlotRect(), kYellow, LegendCurveLine(g)))
        QVERIFY2(isExpected(p), qPrintable(QString("stray yellow at %1,%2").arg(p.x()).arg(p.y())));
    // Markers are drawn after the curve and may cover a point.
    for (const QPoint& p : expected)
        QVERIFY2(IsColor(img, p.x(), p.y(), kYellow) || IsColor(img, p.x(), p.y(), kRed) ||
                     IsColor(img, p.x(), p.y(), kGreen),
                 qPrintable(QString("missing point at %1,%2").arg(p.x()).arg(p.y())));
}

// Rows: sample 10 lies at or below the axis base; samples 9 and 11 lie above it.
void CoolingPlotTest::coolSamplesSkippedOrEndTheCurve_data() {
    QTest::addColumn<CurveKind>("kind");
    QTest::addColumn<int>("units");
    QTest::addColumn<bool>("warmSampleDrawn");
    QTest::newRow("SI skips a cool sample and goes on") << CurveKind::CoolSampleThenWarm << 0 << true;
    QTest::newRow("English ends the curve at the first cool sample")
        << CurveKind::CoolSampleThenWarm << 1 << false;
    QTest::newRow("SI skips a sample exactly at 65 C") << CurveKind::SampleAtSiBaseThenWarm << 0 << true;
    QTest::newRow("English ends the curve at a sample exactly at 135 F")
        << CurveKind::SampleAtEnglishBaseThenWarm << 1 << false;
}

void CoolingPlotTest::coolSamplesSkippedOrEndTheCurve() {
    QFETCH(CurveKind, kind);
    QFETCH(int, units);
    QFETCH(bool, warmSampleDrawn);
    const bool bF = units != 0;
    const Case c = Build(kind);
    const QImage img = Render(true, units, 4, c).image;
    const ChartGeometry g(TestPlotRect());
    const auto centre = [&](int i) {
        return QPoint(g.X(c.curve.m_dCurveTime[i]), g.Y(ToAxis(c.curve.m_dCurveTemp[i], bF), bF));
    };
    QVERIFY(IsColor(img, centre(9).x(), centre(9).y(), kYellow));
    QVERIFY(!IsColor(img, centre(10).x(), centre(10).y(), kYellow));
    QCOMPARE(IsColor(img, centre(11).x(), centre(11).y(), kYellow), warmSampleDrawn);
}

void CoolingPlotTest::stopMarker_data() {
    QTest::addColumn<CurveKind>("kind");
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("stopFraction");  // exact doubles of the two axes
    QTest::addColumn<bool>("reached");
    QTest::newRow("Run A reaches the stop temperature, SI") << CurveKind::RunA << 0 << 0.145 << true;
    QTest::newRow("Run A reaches the stop temperature, English")
        << CurveKind::RunA << 1 << 0.22277777777777774 << true;
    QTest::newRow("slow curve never reaches it, SI") << CurveKind::Slow << 0 << 0.145 << false;
    QTest::newRow("slow curve never reaches it, English")
        << CurveKind::Slow << 1 << 0.22277777777777774 << false;
}

void CoolingPlotTest::stopMarker() {
    QFETCH(CurveKind, kind);
    QFETCH(int, units);
    QFETCH(double, stopFraction);
    QFETCH(bool, reached);
    const Case c = Build(kind);
    if (kind == CurveKind::RunA) QCOMPARE(c.dStopTime, 68.0);
    const QImage img = Render(true, units, 4, c).image;
    const ChartGeometry g(TestPlotRect());
    const int ys = static_cast<int>(g.yb - g.H * stopFraction);

    QVERIFY(IsColor(img, g.x0 + 1, ys, kRed));
    QVERIFY(IsColor(img, g.x0 + 1, ys - 1, kRed));
    QVERIFY(!IsColor(img, g.x0 + 1, ys + 1, kRed));
    const QRect belowLevel(g.x0 - 1, ys + 1, g.xr - g.x0 + 1, g.yb - ys);
    if (!reached) {
        QVERIFY(IsColor(img, g.xr - 6, ys, kRed));
        QVERIFY(!IsColor(img, g.xr - 5, ys, kRed));
        QVERIFY(PixelsOf(img, belowLevel, kRed).empty());
        return;
    }
    const int xs = g.X(c.dStopTime);
    QVERIFY(IsColor(img, xs, g.yb - 1, kRed));
    QVERIFY(IsColor(img, xs - 1, g.yb - 1, kRed));
    QVERIFY(!IsColor(img, xs + 1, g.yb - 1, kRed));
    QVERIFY(IsColor(img, xs, ys + 1, kRed));
    QVERIFY(!IsColor(img, xs + 1, ys, kRed));  // the level stops at the vertical line
    // Every red pixel below the level belongs to the vertical line.
    for (const QPoint& p : PixelsOf(img, belowLevel, kRed)) QVERIFY(p.x() == xs || p.x() == xs - 1);
}

void CoolingPlotTest::startMarkerAndStartTime_data() {
    QTest::addColumn<CurveKind>("kind");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("startSample");  // -1: no marker
    QTest::addColumn<int>("startTime");    // whole minutes, exact

    double dStop = 0.0;
    const CoolingCurve runA = RunACurve(&dStop);
    const int nSi120 = ExpectedStartSample(runA, 120.0, false);
    const int nSi110 = ExpectedStartSample(runA, 110.0, false);
    QTest::newRow("Run A, SI, grade 58")
        << CurveKind::RunA << 0 << 4 << nSi120 << static_cast<int>(runA.m_dCurveTime[nSi120]);
    QTest::newRow("Run A, English, same start as SI")
        << CurveKind::RunA << 1 << 4 << ExpectedStartSample(runA, 120.0, true)
        << static_cast<int>(runA.m_dCurveTime[nSi120]);
    QTest::newRow("Run A, SI, grade 52 starts at 110 C")
        << CurveKind::RunA << 0 << 5 << nSi110 << static_cast<int>(runA.m_dCurveTime[nSi110]);
    QTest::newRow("first below at 7.67 min gives 7") << CurveKind::FirstBelowAt7Point67 << 0 << 4 << 23 << 7;
    QTest::newRow("first below at 1.9999999999999998 min gives 1")
        << CurveKind::FirstBelowJustUnderMinute2 << 1 << 4 << 6 << 1;
    QTest::newRow("never below and still hot gives 120") << CurveKind::AllAboveStart << 0 << 4 << -1 << 120;
    // The chart's own rule would keep an earlier calculation's start time here; the mat is already at
    // or below the start temperature at laydown, so 0.
    QTest::newRow("cool at laydown with two samples gives 0")
        << CurveKind::CoolAtLaydownTwoSamples << 0 << 4 << -1 << 0;
    QTest::newRow("below only in the last two samples gives 0")
        << CurveKind::BelowOnlyInLastTwo << 0 << 4 << -1 << 0;
}

void CoolingPlotTest::startMarkerAndStartTime() {
    QFETCH(CurveKind, kind);
    QFETCH(int, units);
    QFETCH(int, grade);
    QFETCH(int, startSample);
    QFETCH(int, startTime);
    const bool bF = units != 0;
    const Case c = Build(kind);
    const RenderedPlot plot = Render(true, units, grade, c);
    const QImage& img = plot.image;
    const ChartGeometry g(TestPlotRect());

    QCOMPARE(plot.result.summary.start.nStartTime, startTime);
    if (startSample < 0) {
        QVERIFY(PixelsOf(img, ChartBody(g), kGreen).empty());
        return;
    }
    const int xi = g.X(c.curve.m_dCurveTime[startSample]);
    const int ya = g.Y(ToAxis(plot.result.summary.start.dStartTemp, bF), bF);
    QVERIFY(IsColor(img, xi, g.yb - 1, kGreen));
    QVERIFY(IsColor(img, xi - 1, g.yb - 1, kGreen));
    QVERIFY(!IsColor(img, xi + 1, g.yb - 1, kGreen));
    QVERIFY(!IsColor(img, xi, g.yb, kGreen));  // the line ends short of the time axis
    QVERIFY(IsColor(img, g.x0 + 1, ya, kGreen));
    QVERIFY(IsColor(img, g.x0 + 1, ya - 1, kGreen));
    QVERIFY(!IsColor(img, g.x0 + 1, ya + 1, kGreen));
    QVERIFY(!IsColor(img, xi + 1, ya, kGreen));
}

void CoolingPlotTest::gradeChangeMovesTheStartMarker() {
    const Case c = Build(CurveKind::RunA);
    const ChartGeometry g(TestPlotRect());
    const RenderedPlot hard = Render(true, 0, 4, c);
    const RenderedPlot soft = Render(true, 0, 5, c);
    QVERIFY(soft.result.summary.start.nStartTime > hard.result.summary.start.nStartTime);
    const auto greenColumns = [&](const QImage& img) {
        std::vector<int> columns;
        for (const QPoint& p : PixelsOf(img, QRect(g.x0 + 1, g.yb - 1, g.W, 1), kGreen))
            columns.push_back(p.x());
        return columns;
    };
    QCOMPARE(greenColumns(hard.image).size(), size_t(2));
    QCOMPARE(greenColumns(soft.image).size(), size_t(2));
    QVERIFY(greenColumns(soft.image).front() > greenColumns(hard.image).front());
}

// Rows: one pixel of the chart painted into TestPlotRect() (24, 30, 380 x 330), at coordinates worked
// out by hand rather than through the chart's own geometry: axes from (54, 330) to x 383 and up to y 51,
// 330 x 280 pixels for 120 minutes and 100 C (180 F); 2-pixel markers add the row above / column left.
void CoolingPlotTest::pixelsAtFixedPlaces_data() {
    QTest::addColumn<CurveKind>("kind");
    QTest::addColumn<int>("units");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<bool>("painted");
    const CurveKind a = CurveKind::RunA;
    QTest::newRow("time axis starts at x0") << a << 0 << QPoint(54, 330) << kBlack << true;
    QTest::newRow("time axis reaches x 383") << a << 0 << QPoint(383, 330) << kBlack << true;
    QTest::newRow("temperature axis ends one below yt") << a << 0 << QPoint(54, 51) << kBlack << true;
    QTest::newRow("165 C tick at yt, y 50") << a << 0 << QPoint(50, 50) << kBlack << true;
    QTest::newRow("60-minute tick, five pixels down") << a << 0 << QPoint(219, 334) << kBlack << true;
    QTest::newRow("60-minute tick ends") << a << 0 << QPoint(219, 335) << kBlack << false;
    QTest::newRow("115 C tick at y 190") << a << 0 << QPoint(50, 190) << kBlack << true;
    QTest::newRow("115 C tick, five pixels long") << a << 0 << QPoint(49, 190) << kBlack << false;
    QTest::newRow("stop line at minute 68, x 241") << a << 0 << QPoint(241, 329) << kRed << true;
    QTest::newRow("stop line's second column") << a << 0 << QPoint(240, 329) << kRed << true;
    QTest::newRow("stop line is two wide") << a << 0 << QPoint(242, 329) << kRed << false;
    QTest::newRow("stop level 79.5 C at y 289") << a << 0 << QPoint(100, 289) << kRed << true;
    QTest::newRow("stop level's second row") << a << 0 << QPoint(100, 288) << kRed << true;
    QTest::newRow("stop level is two high") << a << 0 << QPoint(100, 290) << kRed << false;
    QTest::newRow("start level 120 C at y 176") << a << 0 << QPoint(60, 176) << kGreen << true;
    QTest::newRow("start level is two high") << a << 0 << QPoint(60, 177) << kGreen << false;
    const CurveKind slow = CurveKind::Slow;
    QTest::newRow("stop level 175.1 F at y 267") << slow << 1 << QPoint(100, 267) << kRed << true;
    QTest::newRow("unreached stop level runs to x 378") << slow << 1 << QPoint(378, 267) << kRed << true;
    QTest::newRow("unreached stop level ends 5 short of the axis")
        << slow << 1 << QPoint(379, 267) << kRed << false;
}

void CoolingPlotTest::pixelsAtFixedPlaces() {
    QFETCH(CurveKind, kind);
    QFETCH(int, units);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, color);
    QFETCH(bool, painted);
    QCOMPARE(TestPlotRect(), QRect(24, 30, 380, 330));
    const QImage img = Render(true, units, 4, Build(kind)).image;
    QCOMPARE(IsColor(img, pixel.x(), pixel.y(), color), painted);
}

void CoolingPlotTest::saveScreenshots() {
    const Case c = Build(CurveKind::RunA);
    QVERIFY(SaveScreenshot(Render(false, 1, 4, c).image, "plot_before_calculation.png"));
    QVERIFY(SaveScreenshot(Render(true, 0, 4, c).image, "plot_run_a_si.png"));
    QVERIFY(SaveScreenshot(Render(true, 1, 4, c).image, "plot_run_a_english.png"));
    const Case slow = Build(CurveKind::Slow);
    QVERIFY(SaveScreenshot(Render(true, 0, 4, slow).image, "plot_slow_si.png"));
}

REGISTER_TEST_SUITE(CoolingPlotTest);
#include "CoolingPlotTest.moc"
