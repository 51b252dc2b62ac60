#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "Calculation.h"
#include "CalibrateWindow.h"
#include "NamedRuns.h"
#include "Resource.h"
#include "Screenshots.h"
#include "ScriptedRecords.h"
#include "StudyTexts.h"
#include "StudyWindowInput.h"
#include "SuiteMain.h"
#include "TestFiles.h"
#include "UnitConversion.h"
#include "UserInput.h"
#include "WindowFixture.h"

namespace {

struct OpenCalibrate {
    OpenCalibrate() : window(fixture.context, nullptr) {
        fixture.Calculate(RunA());
        window.ShowModeless();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        fixture.ui.ClearRecords();
    }
    // Types the reading and the minutes, chooses where it was taken and presses Enter.
    void Calibrate(const QString& reading, const QString& minutes, bool bSurface = true) {
        window.ReadingEdit().setFocus();
        ReplaceText(window.ReadingEdit(), reading);
        QTest::keyClick(&window.ReadingEdit(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &window.MinutesEdit());
        ReplaceText(window.MinutesEdit(), minutes);
        QTest::mouseClick(bSurface ? &window.SurfaceButton() : &window.MidDepthButton(), Qt::LeftButton, {},
                          QPoint(4, 4));
        QTest::keyClick(&window.MinutesEdit(), Qt::Key_Return);
        QVERIFY(WaitForJob(window));
    }
    WindowFixture fixture;
    CCalibrateWindow window;
};

CalibrationRequest RunARequest(double dReading, double dMinutes, MeasurementPlace place) {
    CalibrationRequest request;
    request.base = RunA();
    request.dMeasuredTemp = dReading;
    request.dMinutesAfterLaydown = dMinutes;
    request.place = place;
    return request;
}

QString Number(double dValue) { return QString::fromStdString(NumberText(dValue)); }

}  // namespace

// Tools > Calibrate to Measured Temperature as the user works with it: a reading fitted and shown, the
// fit put into the form, refused entries, and the form's unit switch.
class CalibrateWindowTest : public QObject {
    Q_OBJECT
private slots:
    void fitIsShownBesideTheFormsWindowAndAppliedToTheForm();
    void refusedEntriesSayWhy_data();
    void refusedEntriesSayWhy();
    void fitFollowsTheUnitSwitchIntoTheForm();
    void fitOfAnEarlierFormIsNotApplied();
};

void CalibrateWindowTest::fitIsShownBesideTheFormsWindowAndAppliedToTheForm() {
    OpenCalibrate open;
    CCalibrateWindow& window = open.window;
    QVERIFY(!window.ApplyButton().isEnabled());
    open.Calibrate(QStringLiteral("110"), QStringLiteral("10"));

    const CalibrationResult fit = Calibrate(RunARequest(110.0, 10.0, MeasurementPlace::Surface));
    QCOMPARE(MessageTexts(open.fixture.ui), QStringList{});
    QVERIFY2(window.FitText().text().startsWith(
                 QStringLiteral("Fitted delivery temperature: %1 C (instead of the form's 150 C).")
                     .arg(Number(fit.dDeliveryTemp))),
             qPrintable(window.FitText().text()));
    const QAbstractItemModel& table = *window.WindowTable().model();
    QCOMPARE(table.index(0, 0).data().toString(), QString::number(fit.fitted.summary.start.nStartTime));
    QCOMPARE(table.index(1, 0).data().toString(), Number(fit.fitted.summary.stop.dStopTime));
    QCOMPARE(table.index(1, 1).data().toString(), Number(RunCalculation(RunA()).summary.stop.dStopTime));

    // The curves, and the reading where it was taken, on the trace it was matched on.
    const QChart& chart = *window.CurveView().chart();
    const QList<QPointF> reading = PointsNamed(chart, QString::fromUtf8(kReading));
    QCOMPARE(reading, QList<QPointF>{QPointF(10.0, 110.0)});
    const QList<QPointF> surface = PointsNamed(chart, QString::fromUtf8(kFittedSurface));
    QCOMPARE(surface[30], QPointF(10.0, fit.fitted.profile.m_dSurfaceTemp[30]));
    QCOMPARE(SeriesNamed(chart, QString::fromUtf8(kFittedMean)).size(), 1);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("calibration.pdf"));
    open.fixture.ui.QueueDialog(PrintToPdf(pdf));
    QTest::mouseClick(&window.PrintButton(), Qt::LeftButton);
    QVERIFY(ReadFileBytes(pdf).startsWith("%PDF-"));
    window.resize(1100, 700);
    QVERIFY(SaveScreenshot(window.grab().toImage(), QStringLiteral("tools_calibrate.png")));

    QTest::mouseClick(&window.ApplyButton(), Qt::LeftButton);
    const CDravonelView& view = *open.fixture.view;
    QCOMPARE(view.m_form.inputs.m_dDeliveryTemp, fit.dDeliveryTemp);
    QVERIFY(!view.IsResultStale());
    QCOMPARE(view.m_form.m_dStopTime, fit.fitted.summary.stop.dStopTime);
    QCOMPARE(view.m_form.m_nStartTime, fit.fitted.summary.start.nStartTime);
}

void CalibrateWindowTest::refusedEntriesSayWhy_data() {
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("bPrompt");  // refused by the form's reading of numbers, else by the fit
    QTest::newRow("a reading that is no number") << "hot"
                                                 << "10" << true;
    QTest::newRow("no minutes") << "110"
                                << "" << true;
    QTest::newRow("hotter than any delivery gives") << "200"
                                                    << "10" << false;
    QTest::newRow("a time after the two hours") << "110"
                                                << "121" << false;
    QTest::newRow("a probe reading colder than any delivery gives") << "30"
                                                                    << "5" << false;
}

void CalibrateWindowTest::refusedEntriesSayWhy() {
    QFETCH(QString, reading);
    QFETCH(QString, minutes);
    QFETCH(bool, bPrompt);
    OpenCalibrate open;
    open.Calibrate(reading, minutes, false);
    QString expected = QStringLiteral("Please enter a number.");
    if (!bPrompt) {
        const CalibrationResult refused =
            Calibrate(RunARequest(reading.toDouble(), minutes.toDouble(), MeasurementPlace::MidDepth));
        QCOMPARE(refused.outcome, StudyOutcome::Refused);
        expected = RefusalSentence(refused.fault);
    }
    QCOMPARE(MessageTexts(open.fixture.ui), QStringList{expected});
    QVERIFY(!open.window.ApplyButton().isEnabled());
    if (bPrompt)
        QCOMPARE(QApplication::focusWidget(),
                 reading == "hot" ? &open.window.ReadingEdit() : &open.window.MinutesEdit());
}

void CalibrateWindowTest::fitFollowsTheUnitSwitchIntoTheForm() {
    OpenCalibrate open;
    CCalibrateWindow& window = open.window;
    open.Calibrate(QStringLiteral("110"), QStringLiteral("10"));
    const CalibrationResult fit = Calibrate(RunARequest(110.0, 10.0, MeasurementPlace::Surface));

    open.fixture.ClickUnits(UnitSystem::English);
    QCOMPARE(window.ReadingEdit().text(), QStringLiteral("230"));
    QCOMPARE(window.ReadingUnit().text(), QStringLiteral("F"));
    const double dFitF = RoundValue(CelsiusToFahrenheit(fit.dDeliveryTemp));
    QVERIFY2(window.FitText().text().startsWith(
                 QStringLiteral("Fitted delivery temperature: %1 F").arg(Number(dFitF))),
             qPrintable(window.FitText().text()));
    QCOMPARE(PointsNamed(*window.CurveView().chart(), QString::fromUtf8(kReading)),
             QList<QPointF>{QPointF(10.0, 230.0)});

    QTest::mouseClick(&window.ApplyButton(), Qt::LeftButton);
    QCOMPARE(open.fixture.view->m_form.inputs.m_dDeliveryTemp, dFitF);
    QCOMPARE(open.fixture.view->m_form.inputs.m_nUnits, 1);
}

// A fit belongs to the scenario it was made on: once the form's lift has changed it is not applied.
void CalibrateWindowTest::fitOfAnEarlierFormIsNotApplied() {
    OpenCalibrate open;
    open.Calibrate(QStringLiteral("110"), QStringLiteral("10"));
    CDravonelView& view = *open.fixture.view;
    QVERIFY(ShowActive(view));
    auto& lift = *qobject_cast<QLineEdit*>(view.GetDlgItem(IDC_LIFT_THICKNESS));
    lift.setFocus();
    ReplaceText(lift, QStringLiteral("50"));
    QTest::keyClick(&lift, Qt::Key_Tab);
    QCOMPARE(view.m_form.inputs.m_dLiftThickness, 50.0);
    QVERIFY(open.window.FitText().text().endsWith(
        QStringLiteral("The form has changed since: press Calibrate for the form as it is now.")));

    QTest::mouseClick(&open.window.ApplyButton(), Qt::LeftButton);
    QCOMPARE(MessageTexts(open.fixture.ui).size(), 1);
    QVERIFY(MessageTexts(open.fixture.ui)[0].startsWith(
        QStringLiteral("The form has changed since this calibration")));
    QCOMPARE(view.m_form.inputs.m_dDeliveryTemp, 150.0);
}

REGISTER_TEST_SUITE(CalibrateWindowTest);
#include "CalibrateWindowTest.moc"
