#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>

#include "AppFixture.h"
#include "CMainFrame.h"
#include "Resource.h"
#include "ScriptedRecords.h"
#include "SuiteMain.h"
#include "TemporarySettings.h"
#include "ToolWindows.h"

// The Tools menu: Ctrl+K keeps the shown result, Compare Scenarios and the study windows open beside the
// form, and the windows of later versions wait greyed in their places.
class ToolsMenuTest : public QObject {
    Q_OBJECT
private slots:
    void laterWindowsAreGreyedWithATip_data();
    void laterWindowsAreGreyedWithATip();
    void studyWindowsOpenBesideTheForm_data();
    void studyWindowsOpenBesideTheForm();
    void ctrlKKeepsTheResultOrSaysWhyNot_data();
    void ctrlKKeepsTheResultOrSaysWhyNot();
    void keptScenarioHoldsTheInputsOfTheShownResult();
};

void ToolsMenuTest::laterWindowsAreGreyedWithATip_data() {
    QTest::addColumn<int>("nCommand");
    QTest::addColumn<QString>("text");
    QTest::newRow("lifts") << ID_TOOLS_LIFTS << "&Lifts...";
}

void ToolsMenuTest::laterWindowsAreGreyedWithATip() {
    QFETCH(int, nCommand);
    QFETCH(QString, text);
    StartedApp started;
    QAction* pAction = started.Frame().CommandAction(nCommand);
    QCOMPARE(pAction->text(), text);
    QVERIFY(!pAction->isEnabled());
    QCOMPARE(pAction->statusTip(), QStringLiteral("Coming in a later version"));
    QCOMPARE(pAction->toolTip(), QStringLiteral("Coming in a later version"));
}

void ToolsMenuTest::studyWindowsOpenBesideTheForm_data() {
    QTest::addColumn<int>("nCommand");
    QTest::addColumn<QString>("title");
    QTest::newRow("planner") << ID_TOOLS_PLANNER << "Paving Day Planner";
    QTest::newRow("uncertainty") << ID_TOOLS_UNCERTAINTY << "Uncertainty";
    QTest::newRow("calibration") << ID_TOOLS_CALIBRATE << "Calibrate to Measured Temperature";
}

void ToolsMenuTest::studyWindowsOpenBesideTheForm() {
    QFETCH(int, nCommand);
    QFETCH(QString, title);
    StartedApp started;
    QAction* pAction = started.Frame().CommandAction(nCommand);
    QVERIFY(pAction->isEnabled());
    QVERIFY(pAction->statusTip() != QStringLiteral("Coming in a later version"));
    pAction->trigger();
    CToolWindow* pWindow = started.Frame().Tools().Window(nCommand);
    QVERIFY(pWindow && pWindow->isVisible());
    QCOMPARE(pWindow->windowTitle(), title);
    QVERIFY(!pWindow->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void ToolsMenuTest::ctrlKKeepsTheResultOrSaysWhyNot_data() {
    QTest::addColumn<bool>("bCalculate");
    QTest::addColumn<int>("nPresses");
    QTest::addColumn<int>("nKept");
    QTest::addColumn<QString>("lastMessage");
    QTest::addColumn<QString>("statusMessage");
    QTest::newRow("nothing calculated yet")
        << false << 1 << 0
        << "There is no result to keep yet. Press Calculate on the form, then Keep for Comparison (Ctrl+K)."
        << "";
    QTest::newRow("after Calculate") << true << 1 << 1 << ""
                                     << "Kept for comparison as \"Base\" (1 of 8)";
    QTest::newRow("a ninth is refused") << true << 9 << 8
                                        << "8 scenarios are kept already, as many as can be compared. Remove "
                                           "one in Tools > Compare Scenarios, "
                                           "then keep this one."
                                        << "Kept for comparison as \"Same inputs as Base\" (8 of 8)";
}

void ToolsMenuTest::ctrlKKeepsTheResultOrSaysWhyNot() {
    QFETCH(bool, bCalculate);
    QFETCH(int, nPresses);
    QFETCH(int, nKept);
    QFETCH(QString, lastMessage);
    QFETCH(QString, statusMessage);
    StartedApp started;
    if (bCalculate) QTest::mouseClick(started.View().GetDlgItem(IDC_CALCULATE), Qt::LeftButton);
    started.ui.ClearRecords();
    for (int i = 0; i < nPresses; ++i) started.Press(Qt::CTRL | Qt::Key_K);
    QCOMPARE(started.Frame().Tools().Kept().Count(), nKept);
    const QStringList messages = MessageTexts(started.ui);
    QCOMPARE(messages.isEmpty() ? QString() : messages.back(), lastMessage);
    QCOMPARE(started.Frame().statusBar()->currentMessage(), statusMessage);
}

// Inputs changed after Calculate do not sneak into the kept scenario; the comparison opens beside the form,
// which still takes the user's typing.
void ToolsMenuTest::keptScenarioHoldsTheInputsOfTheShownResult() {
    TemporarySettings settings;
    StartedApp started;
    QTest::mouseClick(started.View().GetDlgItem(IDC_CALCULATE), Qt::LeftButton);
    started.TypeAndLeave(IDC_AIR_TEMP, QStringLiteral("70"));
    started.Press(Qt::CTRL | Qt::Key_K);
    QCOMPARE(started.Frame().Tools().Kept().Scenarios().front().record.inputs.m_dAirTemp, 50.0);

    started.Frame().CommandAction(ID_TOOLS_COMPARE)->trigger();
    CToolWindow* pWindow = started.Frame().Tools().Window(ID_TOOLS_COMPARE);
    QVERIFY(pWindow && pWindow->isVisible());
    QVERIFY(!pWindow->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    started.Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.Frame()));
    started.TypeAndLeave(IDC_WIND_SPEED, QStringLiteral("9"));
    QCOMPARE(started.View().m_form.inputs.m_dWindSpeed, 9.0);
}

REGISTER_TEST_SUITE(ToolsMenuTest);
#include "ToolsMenuTest.moc"
