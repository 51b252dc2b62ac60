#include <QTest>

#include "CompactionWindow.h"
#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

// "Calculate": the stop time and notice of each worked run, and the start time the chart reads off the
// new curve before the form is written.
class CalculateTest : public QObject {
    Q_OBJECT

private slots:
    void workedRuns_data();
    void workedRuns();
    void commandRunsInItsOrder();
    void refusedFieldDoesNotStopTheRun();
    void startTimeNeverCarriesOver();
    void hiddenFormStillSettlesTheStartTime();
};

void CalculateTest::workedRuns_data() {
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("stopShown");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<int>("lastSample");

    QTest::newRow("Run A") << "A"
                           << "68"
                           << "" << 360;
    QTest::newRow("hot run stays hot") << "hot"
                                       << "120"
                                       << "CSlowCoolingDlg" << 360;
    QTest::newRow("Run B") << "B"
                           << "5"
                           << "CRapidCoolingDlg" << 42;
}

void CalculateTest::workedRuns() {
    QFETCH(QString, run);
    QFETCH(QString, stopShown);
    QFETCH(QString, notice);
    QFETCH(int, lastSample);
    ViewHarness form;
    if (run == "A")
        form.EnterRunA();
    else if (run == "B")
        form.EnterRunB();
    else
        form.EnterHotRun();
    form.m_ui.ClearRecords();
    form.Click(IDC_CALCULATE);

    QCOMPARE(MessageTexts(form.m_ui), QStringList{});
    QCOMPARE(DialogClasses(form.m_ui), notice.isEmpty() ? QStringList{} : QStringList{notice});
    QCOMPARE(form.Shown(IDC_STOP_TIME), stopShown);
    QCOMPARE(form.m_pView->m_nLastSample, lastSample);
    const int nStart = FindStartTime(*form.m_pView, 120.0, UNITS_SI);
    QCOMPARE(form.m_pView->m_nStartTime, nStart);
    QCOMPARE(form.Shown(IDC_START_TIME), QString::number(nStart));
    QVERIFY(form.IsEnabled(IDC_EXPORT));
}

void CalculateTest::commandRunsInItsOrder() {
    ViewHarness form;
    form.EnterHotRun();
    form.m_ui.ClearRecords();
    int nStopTimeDuringNotice = -1;
    bool bExportEnabledDuringNotice = false;
    form.m_ui.QueueDialog([&](QDialog&) {
        nStopTimeDuringNotice = static_cast<int>(form.m_pView->m_dStopTime);
        bExportEnabledDuringNotice = form.IsEnabled(IDC_EXPORT);
        return IDOK;
    });
    form.Click(IDC_CALCULATE);
    QCOMPARE(form.m_ui.m_nSleepCalls, 1);
    QCOMPARE(form.m_ui.m_nSleptMilliseconds, 500);
    QCOMPARE(form.m_ui.m_nWaitCursorBegins, 1);
    QCOMPARE(form.m_ui.m_nWaitCursorEnds, 1);
    // The notice is shown before the stop time is stored, after "Export Data" is enabled.
    QCOMPARE(nStopTimeDuringNotice, 0);
    QVERIFY(bExportEnabledDuringNotice);
    QCOMPARE(form.m_pView->m_dStopTime, 120.0);
}

void CalculateTest::refusedFieldDoesNotStopTheRun() {
    ViewHarness form;
    form.EnterRunA();
    form.Enter(IDC_MONTH, "13");  // refused, and kept
    form.m_ui.ClearRecords();
    form.Click(IDC_CALCULATE);
    // Once when the click takes the focus from the month, once when "Calculate" reads the form.
    const QString prompt = "Please enter an integer between 1 and 12.";
    QCOMPARE(MessageTexts(form.m_ui), (QStringList{prompt, prompt}));
    QVERIFY(form.m_pView->m_bCalculated);
    QVERIFY(form.Shown(IDC_STOP_TIME) != "0");
}

// A mat delivered below the start temperature and below 50 C after the first 20 s keeps only samples
// 0 and 1; the start time is then 0, not the previous run's.
void CalculateTest::startTimeNeverCarriesOver() {
    ViewHarness form;
    form.EnterRunA();
    form.Click(IDC_CALCULATE);
    QVERIFY(form.m_pView->m_nStartTime > 0);
    form.Enter(IDC_MONTH, "1");
    form.Enter(IDC_HOUR, "2");
    form.Enter(IDC_AIR_TEMP, "-40");
    form.Enter(IDC_SURFACE_TEMP, "-40");
    form.Enter(IDC_WIND_SPEED, "193.08");
    form.Enter(IDC_LIFT_THICKNESS, "12.7");
    form.Enter(IDC_DELIVERY_TEMP, "65.56");
    form.m_ui.ClearRecords();
    form.Click(IDC_CALCULATE);
    QCOMPARE(form.m_pView->m_nLastSample, 1);
    QCOMPARE(DialogClasses(form.m_ui), QStringList{"CRapidCoolingDlg"});
    QCOMPARE(form.Shown(IDC_STOP_TIME), QString("0"));
    QCOMPARE(form.Shown(IDC_START_TIME), QString("0"));
}

void CalculateTest::hiddenFormStillSettlesTheStartTime() {
    ViewHarness form;
    form.EnterRunA();
    form.m_pView->hide();
    form.m_pView->OnCalculate();
    QCOMPARE(form.m_pView->m_nStartTime, FindStartTime(*form.m_pView, 120.0, UNITS_SI));
    QVERIFY(form.m_pView->m_nStartTime > 0);
    QCOMPARE(form.Shown(IDC_START_TIME), QString::number(form.m_pView->m_nStartTime));
}

REGISTER_TEST_SUITE(CalculateTest);
#include "CalculateTest.moc"
