#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "AppFixture.h"
#include "CMainFrame.h"
#include "Resource.h"
#include "Screenshots.h"
#include "SuiteMain.h"

namespace {

bool AnyMainWindowVisible() {
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (qobject_cast<CMainFrame*>(pWidget) && pWidget->isVisible()) return true;
    }
    return false;
}

}  // namespace

// Start-up order, the title, the icon, the window's size and the screenshot of the main window.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void disclaimerComesBeforeTheMainWindow();
    void titleAndIconAfterStartUp();
    void windowFitsTheScreenAndTheFormScrolls();
    void firstFieldIsTypedOver();
    void saveScreenshot();
};

void StartupTest::disclaimerComesBeforeTheMainWindow() {
    bool bMainWindowVisibleDuringDisclaimer = true;
    bool bDisclaimerHadParent = true;
    StartedApp started([&](ScriptedUiServices& ui) {
        ui.QueueDialog([&](QDialog& dialog) {
            bMainWindowVisibleDuringDisclaimer = AnyMainWindowVisible();
            bDisclaimerHadParent = dialog.parentWidget() != nullptr;
            return IDOK;
        });
    });

    QCOMPARE_GE(started.ui.m_dialogs.size(), std::size_t{1});
    QCOMPARE(started.ui.m_dialogs.front().className, QStringLiteral("CDisclaimerDlg"));
    QCOMPARE(started.ui.m_dialogs.front().nSequence, 0);
    QVERIFY(!bMainWindowVisibleDuringDisclaimer);
    QVERIFY(!bDisclaimerHadParent);
    QVERIFY(started.Frame().isVisible());
    QCOMPARE(started.ui.m_dialogs.size(), std::size_t{1});
    QVERIFY(started.ui.m_messages.empty());
}

void StartupTest::firstFieldIsTypedOver() {
    StartedApp started;
    // The hour has the focus with its text selected, so typing replaces the clock's hour.
    QCOMPARE(QApplication::focusWidget(), &started.Edit(IDC_HOUR));
    QTest::keyClicks(QApplication::focusWidget(), "14");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(started.Edit(IDC_HOUR).text(), QStringLiteral("14"));
    QCOMPARE(started.View().m_form.inputs.m_nHour, 14);
    QVERIFY(started.ui.m_messages.empty());
}

void StartupTest::titleAndIconAfterStartUp() {
    StartedApp started;
    QCOMPARE(started.Frame().windowTitle(), QStringLiteral("KELVANOR 2.0 - Pavement Cooling Program"));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Dravonel"));
    const QList<QSize> iconSizes = started.Frame().windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(32, 32)));
    QVERIFY(iconSizes.contains(QSize(16, 16)));
}

void StartupTest::windowFitsTheScreenAndTheFormScrolls() {
    StartedApp started;
    CMainFrame& frame = started.Frame();
    const QRect available = frame.screen()->availableGeometry();
    QVERIFY(available.contains(frame.frameGeometry()));

    // The whole form shows, unless the screen is too small for it; then the window takes the room there is.
    const QSize formSize = started.View().Page()->size();
    const QSize viewport = started.View().viewport()->size();
    if (viewport.width() < formSize.width()) QCOMPARE_GE(frame.width(), available.width() * 9 / 10);
    if (viewport.height() < formSize.height()) QCOMPARE_GE(frame.height(), available.height() * 9 / 10);

    frame.resize(formSize / 2);
    QTRY_VERIFY(started.View().horizontalScrollBar()->maximum() > 0);
    QVERIFY(started.View().verticalScrollBar()->maximum() > 0);
}

void StartupTest::saveScreenshot() {
    StartedApp started;
    CMainFrame& frame = started.Frame();
    // Show the whole form, whatever the size of the offscreen screen.
    frame.resize(frame.FormFittingSize());
    QTest::qWait(20);
    QVERIFY(SaveScreenshot(frame.grab().toImage(), QStringLiteral("app_main_window.png")));
    QVERIFY(QFileInfo(ScreenshotPath(QStringLiteral("app_main_window.png"))).size() > 0);
}

REGISTER_TEST_SUITE(StartupTest);
#include "StartupTest.moc"
