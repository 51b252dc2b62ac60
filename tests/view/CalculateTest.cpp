#include <QApplication>
#include <QTest>
#include <cstring>

#include "CompactionWindow.h"
#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

// "Calculate": the stop time, notice and start time of each worked run, all from the engine; and a
// refused field, which ends the command before anything is calculated.
class CalculateTest : public QObject {
    Q_OBJECT

private slots:
    void workedRuns_data();
    void workedRuns();
    void commandRunsInItsOrder();
    void refusedFieldStopsTheRunAndKeepsTheEntries_data();
    void refusedFieldStopsTheRunAndKeepsTheEntries();
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
    QCOMPARE(form.m_pView->m_result.curve.m_nLastSample, lastSample);
    const int nStart = FindStartTime(form.m_pView->m_result.curve, 120.0, UnitSystem::SI);
    QCOMPARE(form.m_pView->m_form.m_nStartTime, nStart);
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
        nStopTimeDuringNotice = static_cast<int>(form.m_pView->m_form.m_dStopTime);
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
    QCOMPARE(form.m_pView->m_form.m_dStopTime, 120.0);
}

// Rows: a field without a handler of its own left with a refused entry, then an entry in a field the
// read of the form does not reach (or a rule that changes one; 0: none), and what a field shows
// afterwards. "Calculate" then shows the prompt, puts the focus on the refused field and calculates
// nothing: no pause, no wait cursor, the last run's results and curve stay, and "Export Data" stays as it
// was (disabled by a handler between, or enabled, and then an export writes what it did before).
void CalculateTest::refusedFieldStopsTheRunAndKeepsTheEntries_data() {
    QTest::addColumn<int>("refused");
    QTest::addColumn<QString>("refusedText");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("later");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("shownField");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("exportEnabled");

    const QString minutePrompt = "Please enter an integer between 0 and 60.";
    QTest::newRow("minute 61, Calculate at once")
        << IDC_MINUTE << "61" << minutePrompt << 0 << "" << IDC_SKY << "Clear & Dry" << true;
    QTest::newRow("minute 61, sky chosen after it")
        << IDC_MINUTE << "61" << minutePrompt << IDC_SKY << "Overcast" << IDC_SKY << "Overcast" << false;
    QTest::newRow("year 1989, hour typed after it")
        << IDC_YEAR << "1989"
        << "Please enter an integer between 1990 and 3001." << IDC_HOUR << "7" << IDC_HOUR << "7" << false;
    QTest::newRow("minute 61, material rule empties the moisture lists")
        << IDC_MINUTE << "61" << minutePrompt << IDC_MATERIAL_TYPE << "PCC" << IDC_MOISTURE_CONTENT << ""
        << false;
}

void CalculateTest::refusedFieldStopsTheRunAndKeepsTheEntries() {
    QFETCH(int, refused);
    QFETCH(QString, refusedText);
    QFETCH(QString, prompt);
    QFETCH(int, later);
    QFETCH(QString, entry);
    QFETCH(int, shownField);
    QFETCH(QString, shown);
    QFETCH(bool, exportEnabled);
    ViewHarness form;
    form.EnterRunA();
    form.Click(IDC_CALCULATE);
    const CalculationResult before = form.m_pView->m_result;
    const QByteArray reportBefore = form.ExpectedReport();

    // Typed and left in place when nothing follows, so that no handler reads the form before Calculate.
    if (later == 0)
        form.Type(refused, refusedText);
    else
        form.Enter(refused, refusedText);
    if (later != 0 && form.List(later))
        form.Choose(later, entry);
    else if (later != 0)
        form.Enter(later, entry);
    QCOMPARE(form.IsEnabled(IDC_EXPORT), exportEnabled);
    form.m_ui.ClearRecords();
    form.Click(IDC_CALCULATE);

    QCOMPARE(MessageTexts(form.m_ui), QStringList{prompt});
    QCOMPARE(QApplication::focusWidget(), form.m_pView->GetDlgItem(refused));
    QCOMPARE(form.Shown(refused), refusedText);
    QCOMPARE(form.Shown(shownField), shown);
    QCOMPARE(form.m_ui.m_nSleepCalls, 0);
    QCOMPARE(form.m_ui.m_nWaitCursorBegins, form.m_ui.m_nWaitCursorEnds);
    QCOMPARE(form.Shown(IDC_STOP_TIME), QString("68"));
    QCOMPARE(form.IsEnabled(IDC_EXPORT), exportEnabled);
    const CoolingCurve& curve = form.m_pView->m_result.curve;
    QCOMPARE(curve.m_nLastSample, before.curve.m_nLastSample);
    QCOMPARE(std::memcmp(curve.m_dCurveTemp, before.curve.m_dCurveTemp, sizeof curve.m_dCurveTemp), 0);
    if (exportEnabled) QCOMPARE(form.ExpectedReport(), reportBefore);
}

// A mat delivered below the start temperature and below 50 C after the first 20 s keeps only samples
// 0 and 1; the start time is then 0, not the previous run's.
void CalculateTest::startTimeNeverCarriesOver() {
    ViewHarness form;
    form.EnterRunA();
    form.Click(IDC_CALCULATE);
    QVERIFY(form.m_pView->m_form.m_nStartTime > 0);
    form.Enter(IDC_MONTH, "1");
    form.Enter(IDC_HOUR, "2");
    form.Enter(IDC_AIR_TEMP, "-40");
    form.Enter(IDC_SURFACE_TEMP, "-40");
    form.Enter(IDC_WIND_SPEED, "193.08");
    form.Enter(IDC_LIFT_THICKNESS, "12.7");
    form.Enter(IDC_DELIVERY_TEMP, "65.56");
    form.m_ui.ClearRecords();
    form.Click(IDC_CALCULATE);
    QCOMPARE(form.m_pView->m_result.curve.m_nLastSample, 1);
    QCOMPARE(DialogClasses(form.m_ui), QStringList{"CRapidCoolingDlg"});
    QCOMPARE(form.Shown(IDC_STOP_TIME), QString("0"));
    QCOMPARE(form.Shown(IDC_START_TIME), QString("0"));
}

void CalculateTest::hiddenFormStillSettlesTheStartTime() {
    ViewHarness form;
    form.EnterRunA();
    form.m_pView->hide();
    form.m_pView->OnCalculate();
    QCOMPARE(form.m_pView->m_form.m_nStartTime,
             FindStartTime(form.m_pView->m_result.curve, 120.0, UnitSystem::SI));
    QVERIFY(form.m_pView->m_form.m_nStartTime > 0);
    QCOMPARE(form.Shown(IDC_START_TIME), QString::number(form.m_pView->m_form.m_nStartTime));
}

REGISTER_TEST_SUITE(CalculateTest);
#include "CalculateTest.moc"
