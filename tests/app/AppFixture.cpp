#include "AppFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "CMainFrame.h"

std::time_t FixedClock()
{
    std::tm moment{};
    moment.tm_year = 2003 - 1900;
    moment.tm_mon = 6;
    moment.tm_mday = 15;
    moment.tm_hour = 10;
    moment.tm_min = 30;
    moment.tm_isdst = -1;
    return std::mktime(&moment);
}

StartedApp::StartedApp(const std::function<void(ScriptedUiServices&)>& beforeStart)
{
    if (beforeStart) beforeStart(ui);
    app.InitInstance(&FixedClock);
    Frame().activateWindow();
    if (!QTest::qWaitForWindowActive(&Frame())) qWarning("the main window did not become active");
}

CMainFrame& StartedApp::Frame() const { return *app.GetMainWnd(); }

CDravonelView& StartedApp::View() const { return Frame().GetActiveView(); }

QLineEdit& StartedApp::Edit(int nId) const { return *qobject_cast<QLineEdit*>(View().GetDlgItem(nId)); }

void StartedApp::Press(QKeyCombination keys) const
{
    QWidget* pTarget = QApplication::focusWidget() ? QApplication::focusWidget() : &Frame();
    QTest::keyClick(pTarget, keys.key(), keys.keyboardModifiers());
}

void StartedApp::TypeAndLeave(int nId, const QString& text) const
{
    QLineEdit& edit = Edit(nId);
    edit.setFocus();
    edit.selectAll();
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key_Tab);
}

QString StartedApp::LastDialogClass() const
{
    return ui.m_dialogs.empty() ? QString() : ui.m_dialogs.back().className;
}
