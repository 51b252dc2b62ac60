#include "ScriptedUiServices.h"

#include <QDialog>
#include <QMetaObject>

ScriptedUiServices::ScriptedUiServices() : m_pPrevious(UiServices::Install(this)) {}

ScriptedUiServices::~ScriptedUiServices() { UiServices::Install(m_pPrevious); }

void ScriptedUiServices::QueueDialog(DialogHandler handler) { m_handlers.push_back(std::move(handler)); }

void ScriptedUiServices::ClearRecords() {
    m_messages.clear();
    m_dialogs.clear();
    m_nSleepCalls = m_nSleptMilliseconds = m_nWaitCursorBegins = m_nWaitCursorEnds = 0;
}

int ScriptedUiServices::MessageBox(QWidget* owner, const QString& text, const QString& caption,
                                   unsigned type) {
    m_messages.push_back({NextSequence(), text, caption, type, owner});
    return IDOK;
}

int ScriptedUiServices::DoModal(QDialog& dialog) {
    const int nSequence = NextSequence();
    int nResult = IDOK;
    if (!m_handlers.empty()) {
        DialogHandler handler = std::move(m_handlers.front());
        m_handlers.pop_front();
        nResult = handler(dialog);
    }
    if (dialog.isVisible()) dialog.hide();
    m_dialogs.push_back(
        {nSequence, QString::fromLatin1(dialog.metaObject()->className()), dialog.windowTitle(), nResult});
    return nResult;
}

void ScriptedUiServices::Sleep(int milliseconds) {
    ++m_nSleepCalls;
    m_nSleptMilliseconds += milliseconds;
}

void ScriptedUiServices::BeginWaitCursor() { ++m_nWaitCursorBegins; }

void ScriptedUiServices::EndWaitCursor() { ++m_nWaitCursorEnds; }
