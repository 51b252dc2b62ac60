#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "AppFixture.h"
#include "CMainFrame.h"
#include "Resource.h"
#include "SuiteMain.h"

namespace {

// "Title: item, item, ---, item" for each pop-up, as the menu bar holds them.
QStringList MenuOutline(const QMenuBar& menuBar) {
    QStringList outline;
    for (QAction* pPopup : menuBar.actions()) {
        QStringList items;
        for (QAction* pItem : pPopup->menu()->actions())
            items << (pItem->isSeparator() ? QStringLiteral("---") : pItem->text());
        outline << pPopup->text() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
    }
    return outline;
}

}  // namespace

// The menu, the View toggles, the toolbar and the status bar, as the user sees and uses them.
class FrameBarsTest : public QObject {
    Q_OBJECT
private slots:
    void menuTextsInOrder();
    void viewTogglesHideAndRestoreBars_data();
    void viewTogglesHideAndRestoreBars();
    void toolbarHasOnlyTheAboutButton();
    void aboutFromMenuAndButton_data();
    void aboutFromMenuAndButton();
    void statusBarPanesInOrder();
    void statusTipReplacesReadyWhileShown();
    void exitClosesTheMainWindow();
};

void FrameBarsTest::menuTextsInOrder() {
    StartedApp started;
    const QStringList expected = {
        QStringLiteral("&File: &New, &Open..., &Save, Save &As..., ---, E&xit"),
        QStringLiteral("&View: &Toolbar, &Status Bar"),
        QStringLiteral("&Tools: &Keep for Comparison, &Compare Scenarios..., ---, Paving &Day Planner..., "
                       "&Uncertainty..., Calibrate to &Measured Temperature..., &Lifts..."),
        QStringLiteral("&Help: &Help Topics, ---, &About KELVANOR..."),
    };
    QCOMPARE(MenuOutline(*started.Frame().menuBar()), expected);
}

void FrameBarsTest::viewTogglesHideAndRestoreBars_data() {
    QTest::addColumn<int>("nCommand");
    QTest::newRow("toolbar") << ID_VIEW_TOOLBAR;
    QTest::newRow("status bar") << ID_VIEW_STATUS_BAR;
}

void FrameBarsTest::viewTogglesHideAndRestoreBars() {
    QFETCH(int, nCommand);
    StartedApp started;
    CMainFrame& frame = started.Frame();
    QWidget* pBar = nCommand == ID_VIEW_TOOLBAR ? static_cast<QWidget*>(&frame.ToolBar()) : frame.statusBar();
    QAction* pToggle = frame.CommandAction(nCommand);
    started.TypeAndLeave(IDC_AIR_TEMP, QStringLiteral("61"));
    const QSize formSize = started.View().Page()->size();

    QVERIFY(pToggle->isChecked());
    pToggle->trigger();
    QVERIFY(!pBar->isVisible());
    QVERIFY(!pToggle->isChecked());
    QVERIFY(started.View().isVisible());

    pToggle->trigger();
    QVERIFY(pBar->isVisible());
    QVERIFY(pToggle->isChecked());
    QCOMPARE(started.View().Page()->size(), formSize);
    QCOMPARE(started.Edit(IDC_AIR_TEMP).text(), QStringLiteral("61"));
    QVERIFY(started.ui.m_messages.empty());
}

void FrameBarsTest::toolbarHasOnlyTheAboutButton() {
    StartedApp started;
    const QList<QAction*> actions = started.Frame().ToolBar().actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.front()->toolTip(), QStringLiteral("About"));
    QCOMPARE(actions.front()->statusTip(),
             QStringLiteral("Display program information, version number and copyright"));
    QVERIFY(!actions.front()->icon().isNull());
}

void FrameBarsTest::aboutFromMenuAndButton_data() {
    QTest::addColumn<bool>("bFromToolbar");
    QTest::newRow("toolbar button") << true;
    QTest::newRow("help menu item") << false;
}

void FrameBarsTest::aboutFromMenuAndButton() {
    QFETCH(bool, bFromToolbar);
    StartedApp started;
    started.ui.ClearRecords();
    if (bFromToolbar) {
        QToolBar& toolBar = started.Frame().ToolBar();
        QWidget* pButton = toolBar.widgetForAction(toolBar.actions().front());
        QTest::mouseClick(pButton, Qt::LeftButton);
    } else {
        started.Frame().CommandAction(ID_APP_ABOUT)->trigger();
    }
    QCOMPARE(started.ui.m_dialogs.size(), std::size_t{1});
    QCOMPARE(started.LastDialogClass(), QStringLiteral("CAboutDlg"));
}

void FrameBarsTest::statusBarPanesInOrder() {
    StartedApp started;
    QList<QLabel*> panes = started.Frame().statusBar()->findChildren<QLabel*>();
    std::sort(panes.begin(), panes.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
    QStringList texts;
    for (QLabel* pPane : panes) {
        if (pPane->isVisible()) texts << pPane->text();
    }
    QCOMPARE(texts, (QStringList{"Ready", "CAP", "NUM", "SCRL"}));
}

void FrameBarsTest::statusTipReplacesReadyWhileShown() {
    StartedApp started;
    QStatusBar& statusBar = *started.Frame().statusBar();
    QLabel& ready = *started.Frame().StatusPanes().front();
    QAction& about = *started.Frame().ToolBar().actions().front();

    // What the toolbar button sends while the pointer rests on it, then when the pointer leaves.
    QStatusTipEvent hover(about.statusTip());
    QApplication::sendEvent(started.Frame().ToolBar().widgetForAction(&about), &hover);
    QCOMPARE(statusBar.currentMessage(), about.statusTip());
    QVERIFY(!ready.isVisible());

    QStatusTipEvent leave(QString{});
    QApplication::sendEvent(started.Frame().ToolBar().widgetForAction(&about), &leave);
    QVERIFY(ready.isVisible());
    QCOMPARE(ready.text(), QStringLiteral("Ready"));
}

void FrameBarsTest::exitClosesTheMainWindow() {
    StartedApp started;
    // Closing the last window would end the test run's own event loops.
    QApplication::setQuitOnLastWindowClosed(false);
    started.Frame().CommandAction(ID_APP_EXIT)->trigger();
    QApplication::setQuitOnLastWindowClosed(true);
    QVERIFY(!started.Frame().isVisible());
    QVERIFY(started.ui.m_messages.empty());
}

REGISTER_TEST_SUITE(FrameBarsTest);
#include "FrameBarsTest.moc"
