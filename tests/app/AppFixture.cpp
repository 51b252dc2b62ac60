#include "AppFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "CMainFrame.h"
#include "LocalClock.h"
#include "UserInput.h"

std::time_t FixedClock() { return LocalClock(2003, 7, 15, 10, 30); }

StartedApp::StartedApp(const std::function<void(ScriptedUiServices&)>& beforeStart, bool bOwnSettings)
    : settings(bOwnSettings ? std::make_unique<TemporarySettings>() : nullptr) {
    if (beforeStart) beforeStart(ui);
    app.InitInstance(&FixedClock);
    if (!ShowActive(Frame())) qWarning("the main window did not become active");
}

CMainFrame& StartedApp::Frame() const { return *app.GetMainWnd(); }

CDravonelView& StartedApp::View() const { return Frame().GetActiveView(); }

QLineEdit& StartedApp::Edit(int nId) const { return *qobject_cast<QLineEdit*>(View().GetDlgItem(nId)); }

void StartedApp::Press(QKeyCombination keys) const {
    QWidget* pTarget = QApplication::focusWidget() ? QApplication::focusWidget() : &Frame();
    QTest::keyClick(pTarget, keys.key(), keys.keyboardModifiers());
}

void StartedApp::TypeAndLeave(int nId, const QString& text) const {
    QLineEdit& edit = Edit(nId);
    edit.setFocus();
    ReplaceText(edit, text);
    QTest::keyClick(&edit, Qt::Key_Tab);
}

QString StartedApp::LastDialogClass() const {
    return ui.m_dialogs.empty() ? QString() : ui.m_dialogs.back().className;
}
