#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "NamedRuns.h"
#include "Screenshots.h"
#include "ScriptedRecords.h"
#include "StudyWindowInput.h"
#include "SuiteMain.h"
#include "TestFiles.h"
#include "UncertaintyCharts.h"
#include "UncertaintyWindow.h"
#include "UserInput.h"
#include "WindowFixture.h"

namespace {

struct OpenUncertainty {
    OpenUncertainty() : window(fixture.context, nullptr) {
        fixture.Calculate(RunA());
        window.ShowModeless();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fixture.ui.ClearRecords();
    }
    WindowFixture fixture;
    CUncertaintyWindow window;
};

QString Number(double dValue) { return QString::fromStdString(NumberText(dValue)); }

void TypeInto(QAbstractSpinBox& box, const QString& text) {
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, text);
}

}  // namespace

// Tools > Uncertainty as the user works with it: the figures, the histogram and the tornado of a run on
// the form's scenario, the seed, a run cancelled halfway, and the form's unit switch.
class UncertaintyWindowTest : public QObject {
    Q_OBJECT
private slots:
    void enterRunsTheStudyAndShowsItsFigures();
    void typedSeedAndSamplesAreUsedAndABadSeedIsRefused();
    void cancelHalfwayShowsNothingOfTheRun();
    void unitSwitchShowsTemperatureSpreadsInFahrenheit();
};

void UncertaintyWindowTest::enterRunsTheStudyAndShowsItsFigures() {
    OpenUncertainty open;
    CUncertaintyWindow& window = open.window;
    QVERIFY(!window.PrintButton().isEnabled());
    QTest::keyClick(&window.SamplesBox(), Qt::Key_Return);
    QVERIFY(WaitForJob(window));

    UncertaintyRequest request;
    request.base = RunA();
    const UncertaintyResult expected = RunUncertainty(request);
    const QAbstractItemModel& table = *window.PercentileTable().model();
    const Percentiles* rows[3] = {&expected.start, &expected.stop, &expected.window};
    for (int r = 0; r < 3; ++r) {
        QCOMPARE(table.index(r, 0).data().toString(), Number(rows[r]->dP10));
        QCOMPARE(table.index(r, 1).data().toString(), Number(rows[r]->dP50));
        QCOMPARE(table.index(r, 2).data().toString(), Number(rows[r]->dP90));
    }
    QCOMPARE(table.index(1, 3).data().toString(), Number(expected.nominal.dStopTime));
    const QString summary = window.SummaryText().text();
    QVERIFY2(summary.contains(QStringLiteral("1000 samples, seed 20240917. Latin hypercube")),
             qPrintable(summary));
    QVERIFY2(summary.contains(QStringLiteral("Window shorter than 15 min: %1 % of the samples")
                                  .arg(Number(expected.dShortWindowShare * 100.0))),
             qPrintable(summary));

    // Every sample stands in one histogram bar (four outline points a bar, the count its height).
    const QChart& histogram = *window.HistogramView().chart();
    const QList<QPointF> outline = PointsNamed(histogram, QString::fromUtf8(kHistogramBars));
    double dCounted = 0.0;
    for (int i = 1; i < outline.size(); i += 4) dCounted += outline[i].y();
    QCOMPARE(dCounted, 1000.0);
    QCOMPARE(SeriesNamed(histogram, QString::fromUtf8(kPercentileLines)).size(), 3);

    // The tornado: two bars an input from the nominal stop to each end's stop, the largest effect on top.
    const QChart& tornado = *window.TornadoView().chart();
    const QList<QAbstractSeries*> highs = SeriesNamed(tornado, QString::fromUtf8(kHighEndBars));
    QCOMPARE(highs.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const QList<QPointF> bar = PointsOf(*highs[i]);
        const double dNominal = expected.nominal.dStopTime, dEnd = expected.sensitivity[i].dStopAtHigh;
        QCOMPARE(bar.front().x(), std::min(dNominal, dEnd));
        QCOMPARE(bar.back().x(), std::max(dNominal, dEnd));
    }
    auto* pInputs = qobject_cast<QCategoryAxis*>(tornado.axes(Qt::Vertical).front());
    QCOMPARE(pInputs->categoriesLabels().last(), QStringLiteral("Lift 67.5 to 82.5 mm"));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("uncertainty.pdf"));
    open.fixture.ui.QueueDialog(PrintToPdf(pdf));
    QTest::mouseClick(&window.PrintButton(), Qt::LeftButton);
    QVERIFY(ReadFileBytes(pdf).startsWith("%PDF-"));
    QCOMPARE(MessageTexts(open.fixture.ui), QStringList{});

    window.resize(1100, 800);
    QVERIFY(SaveScreenshot(window.grab().toImage(), QStringLiteral("tools_uncertainty.png")));
}

void UncertaintyWindowTest::typedSeedAndSamplesAreUsedAndABadSeedIsRefused() {
    OpenUncertainty open;
    CUncertaintyWindow& window = open.window;
    const QString before = window.SeedEdit().text();
    QTest::mouseClick(&window.NewSeedButton(), Qt::LeftButton);
    QVERIFY(window.SeedEdit().text() != before);

    window.SeedEdit().setFocus();
    ReplaceText(window.SeedEdit(), QStringLiteral("99999999999999999999"));  // above 2^64 - 1
    QTest::mouseClick(&window.RunButton(), Qt::LeftButton);
    QCOMPARE(MessageTexts(open.fixture.ui),
             QStringList{"The seed must be a whole number from 0 to 18446744073709551615."});
    QVERIFY(!window.IsJobRunning());

    ReplaceText(window.SeedEdit(), QStringLiteral("77"));
    TypeInto(window.SamplesBox(), QStringLiteral("50"));
    TypeInto(window.SpreadBox(UncertainInput::WindSpeed), QStringLiteral("60"));
    QTest::keyClick(&window.SamplesBox(), Qt::Key_Return);
    QVERIFY(WaitForJob(window));
    UncertaintyRequest request;
    request.base = RunA();
    request.nSamples = 50;
    request.nSeed = 77;
    request.spreads.dWindPercent = 60.0;
    const UncertaintyResult expected = RunUncertainty(request);
    QCOMPARE(window.PercentileTable().model()->index(2, 1).data().toString(), Number(expected.window.dP50));
    QVERIFY(window.SummaryText().text().contains(QStringLiteral("50 samples, seed 77.")));
}

// 200,000 samples take the batch solver dozens of chunks; Cancel after the first one.
void UncertaintyWindowTest::cancelHalfwayShowsNothingOfTheRun() {
    OpenUncertainty open;
    CUncertaintyWindow& window = open.window;
    TypeInto(window.SamplesBox(), QStringLiteral("200000"));
    QTest::mouseClick(&window.RunButton(), Qt::LeftButton);
    QProgressBar& progress = *window.findChild<QProgressBar*>();
    QVERIFY(QTest::qWaitFor([&] { return progress.value() > 0; }, 120000));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(WaitForJob(window));
    QVERIFY(window.isVisible());
    QCOMPARE(window.PercentileTable().model()->index(1, 1).data().toString(), QString());
    QVERIFY(window.HistogramView().chart()->series().isEmpty());
    QVERIFY(window.TornadoView().chart()->series().isEmpty());
    QCOMPARE(window.SummaryText().text(), QStringLiteral("Press Run to draw the samples."));
}

void UncertaintyWindowTest::unitSwitchShowsTemperatureSpreadsInFahrenheit() {
    OpenUncertainty open;
    CUncertaintyWindow& window = open.window;
    QTest::mouseClick(&window.RunButton(), Qt::LeftButton);
    QVERIFY(WaitForJob(window));
    open.fixture.ClickUnits(UnitSystem::English);
    QCOMPARE(window.SpreadBox(UncertainInput::AirTemp).value(), 3.6);
    QCOMPARE(window.SpreadBox(UncertainInput::WindSpeed).value(), 30.0);
    auto* pInputs = qobject_cast<QCategoryAxis*>(window.TornadoView().chart()->axes(Qt::Vertical).front());
    QCOMPARE(pInputs->categoriesLabels().last(), QStringLiteral("Lift 2.66 to 3.25 in."));

    TypeInto(window.SpreadBox(UncertainInput::DeliveryTemp), QStringLiteral("18"));
    QCOMPARE(window.Spreads().dDeliveryTempC, 10.0);
    QCOMPARE(window.Spreads().dAirTempC, 2.0);
}

REGISTER_TEST_SUITE(UncertaintyWindowTest);
#include "UncertaintyWindowTest.moc"
