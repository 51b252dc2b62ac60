#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <utility>
#include <vector>

#include "AppFixture.h"
#include "CMainFrame.h"
#include "Resource.h"
#include "Screenshots.h"
#include "SuiteMain.h"

namespace {

using Entries = std::vector<std::pair<int, const char*>>;

// Run A: 15 June 12:00, latitude 45, Clear & Dry, air 10 C, wind 8 km/h, 75 mm Dense Graded at 150 C on
// dry unfrozen Granular Base at 10 C.
const Entries kRunA = {
    {IDC_MONTH, "6"},           {IDC_DAY, "15"},         {IDC_HOUR, "12"},     {IDC_MINUTE, "0"},
    {IDC_AIR_TEMP, "10"},       {IDC_WIND_SPEED, "8"},   {IDC_LATITUDE, "45"}, {IDC_LIFT_THICKNESS, "75"},
    {IDC_DELIVERY_TEMP, "150"}, {IDC_SURFACE_TEMP, "10"}};
// A thick lift at the hottest delivery on a hot, still day: not at the stop temperature within 120 min.
const Entries kSlowRun = {{IDC_MONTH, "6"},
                          {IDC_DAY, "21"},
                          {IDC_HOUR, "12"},
                          {IDC_AIR_TEMP, "48.89"},
                          {IDC_WIND_SPEED, "0"},
                          {IDC_LIFT_THICKNESS, "254"},
                          {IDC_DELIVERY_TEMP, "157.2"},
                          {IDC_SURFACE_TEMP, "48.89"}};
// Run B: a thin lift on a cold, windy November night: at the stop temperature within 10 min.
const Entries kRapidRun = {
    {IDC_MONTH, "11"},      {IDC_DAY, "1"},         {IDC_HOUR, "22"},           {IDC_MINUTE, "0"},
    {IDC_AIR_TEMP, "0"},    {IDC_WIND_SPEED, "30"}, {IDC_LIFT_THICKNESS, "25"}, {IDC_DELIVERY_TEMP, "140"},
    {IDC_SURFACE_TEMP, "0"}};

// Types the run into the form in SI units and presses Calculate.
void Calculate(StartedApp& started, const Entries& entries) {
    QTest::mouseClick(started.View().GetDlgItem(IDC_UNITS_SI), Qt::LeftButton);
    for (const auto& [nId, text] : entries) started.TypeAndLeave(nId, QString::fromUtf8(text));
    QTest::mouseClick(started.View().GetDlgItem(IDC_CALCULATE), Qt::LeftButton);
}

QString Summary(const StartedApp& started) {
    const QLabel& summary = started.Frame().StatusSummary();
    return summary.isVisible() ? summary.text() : QString();
}

QString RollingWindow(const StartedApp& started) {
    const FormRecord& form = started.View().m_form;
    return QStringLiteral("Rolling window: %1 to %2 min after laydown (%3 min)")
        .arg(form.m_nStartTime)
        .arg(form.m_dStopTime)
        .arg(form.m_dStopTime - form.m_nStartTime);
}

const QString kStale = QStringLiteral("Inputs changed since the last calculation: press Calculate");

}  // namespace

// The status bar says the result in plain words, or that the inputs changed since it was calculated.
class StatusSummaryTest : public QObject {
    Q_OBJECT
private slots:
    void saysTheResultOfEachKindOfRun_data();
    void saysTheResultOfEachKindOfRun();
    void saysWhenTheInputsChanged_data();
    void saysWhenTheInputsChanged();
    void staysThroughTipsAndMessages();
};

void StatusSummaryTest::saysTheResultOfEachKindOfRun_data() {
    QTest::addColumn<int>("nRun");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Run A") << 0 << "";
    QTest::newRow("slow cooling") << 1 << "Stop temperature not reached within 120 min";
    QTest::newRow("rapid cooling") << 2 << "Less than 10 min to the stop temperature: paving not recommended";
}

void StatusSummaryTest::saysTheResultOfEachKindOfRun() {
    QFETCH(int, nRun);
    QFETCH(QString, expected);
    StartedApp started;
    QCOMPARE(Summary(started), QString());  // nothing before the first calculation
    Calculate(started, nRun == 0 ? kRunA : nRun == 1 ? kSlowRun : kRapidRun);
    if (nRun == 0) {
        expected = RollingWindow(started);
        QVERIFY2(expected.contains(" to 68 min after laydown ("), qPrintable(expected));
        started.Frame().resize(started.Frame().FormFittingSize());  // larger than the offscreen screen
        QVERIFY(SaveScreenshot(started.Frame().grab().toImage(), QStringLiteral("status_window.png")));
    }
    QCOMPARE(Summary(started), expected);
}

// Rows: the control the user changes after Run A, and how: a text typed and left with Tab, or a key
// pressed on a list (the lists without a handler of their own included). A new high grade only moves the
// start: the summary gives the new window.
void StatusSummaryTest::saysWhenTheInputsChanged_data() {
    QTest::addColumn<int>("nControl");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("nKey");
    QTest::newRow("high grade 58 to 52, not stale") << IDC_PG_HIGH << "" << int(Qt::Key_Down);
    QTest::newRow("air temperature left unchanged") << IDC_AIR_TEMP << "10" << 0;
    QTest::newRow("minutes") << IDC_MINUTE << "5" << 0;
    QTest::newRow("year") << IDC_YEAR << "2004" << 0;
    QTest::newRow("unit switch") << IDC_UNITS_ENGLISH << "" << 0;
    QTest::newRow("Update to Current Time") << IDC_UPDATE_TIME << "" << 0;
    QTest::newRow("material") << IDC_MATERIAL_TYPE << "" << int(Qt::Key_Down);
    QTest::newRow("sky") << IDC_SKY << "" << int(Qt::Key_Down);
    QTest::newRow("mix") << IDC_MIX_TYPE << "" << int(Qt::Key_Down);
    QTest::newRow("low grade") << IDC_PG_LOW << "" << int(Qt::Key_Down);
    QTest::newRow("moisture content") << IDC_MOISTURE_CONTENT << "" << int(Qt::Key_Down);
    QTest::newRow("state of moisture") << IDC_MOISTURE_STATE << "" << int(Qt::Key_Up);
}

void StatusSummaryTest::saysWhenTheInputsChanged() {
    QFETCH(int, nControl);
    QFETCH(QString, typed);
    QFETCH(int, nKey);
    StartedApp started;
    Calculate(started, kRunA);
    QCOMPARE(Summary(started), RollingWindow(started));
    const int nStartBefore = started.View().m_form.m_nStartTime;

    QWidget* pControl = started.View().GetDlgItem(nControl);
    if (!typed.isEmpty()) {
        started.TypeAndLeave(nControl, typed);
    } else if (nKey != 0) {
        const int nBefore = qobject_cast<QComboBox*>(pControl)->currentIndex();
        pControl->setFocus();
        QTest::keyClick(pControl, Qt::Key(nKey));
        QVERIFY(qobject_cast<QComboBox*>(pControl)->currentIndex() != nBefore);
    } else {
        QTest::mouseClick(pControl, Qt::LeftButton);
    }
    if (nControl == IDC_PG_HIGH) {  // 110 C instead of 120 C: a later start
        QVERIFY(started.View().m_form.m_nStartTime > nStartBefore);
        QCOMPARE(Summary(started), RollingWindow(started));
        return;
    }
    QCOMPARE(Summary(started), kStale);

    QTest::mouseClick(started.View().GetDlgItem(IDC_CALCULATE), Qt::LeftButton);
    QVERIFY(Summary(started) != kStale);
}

void StatusSummaryTest::staysThroughTipsAndMessages() {
    StartedApp started;
    Calculate(started, kRunA);
    const QString summary = Summary(started);
    QAction& about = *started.Frame().ToolBar().actions().front();
    QStatusTipEvent hover(about.statusTip());
    QApplication::sendEvent(started.Frame().ToolBar().widgetForAction(&about), &hover);
    QCOMPARE(Summary(started), summary);
    started.Press(Qt::CTRL | Qt::Key_K);
    QVERIFY(!started.Frame().statusBar()->currentMessage().isEmpty());
    QCOMPARE(Summary(started), summary);
}

REGISTER_TEST_SUITE(StatusSummaryTest);
#include "StatusSummaryTest.moc"
