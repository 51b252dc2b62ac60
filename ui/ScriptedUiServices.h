#pragma once

#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "UiServices.h"

// A stand-in for the desktop services in tests: records every message box and modal dialog in order,
// answers dialogs from a script without blocking, and turns pauses and the wait cursor into counters.
// Installs itself on construction and restores the previous services on destruction.
class ScriptedUiServices final : public UiServices {
public:
    struct Message {
        int nSequence;  // position among all messages and dialogs, from 0
        QString text;
        QString caption;
        unsigned type;
        QPointer<QWidget> owner;  // nullptr for the framework's own boxes
    };
    struct Dialog {
        int nSequence;
        QString className;  // the dialog's C++ class, e.g. "CDisclaimerDlg"
        QString caption;
        int nResult;
    };
    // Plays the user's part in a dialog: may show it, type into it, press its buttons; returns the id
    // that DoModal gives back (usually IDOK, IDCANCEL, or dialog.result() after pressing a button).
    using DialogHandler = std::function<int(QDialog&)>;

    ScriptedUiServices();
    ~ScriptedUiServices() override;
    ScriptedUiServices(const ScriptedUiServices&) = delete;
    ScriptedUiServices& operator=(const ScriptedUiServices&) = delete;

    // Handlers are used one per DoModal, in order; with none queued DoModal returns IDOK untouched.
    void QueueDialog(DialogHandler handler);
    // Forgets what was recorded (the queue of handlers stays).
    void ClearRecords();

    int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) override;
    int DoModal(QDialog& dialog) override;
    void Sleep(int milliseconds) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    std::vector<Message> m_messages;
    std::vector<Dialog> m_dialogs;
    int m_nSleepCalls = 0;
    int m_nSleptMilliseconds = 0;
    int m_nWaitCursorBegins = 0;
    int m_nWaitCursorEnds = 0;

private:
    int NextSequence() { return m_nSequence++; }

    std::deque<DialogHandler> m_handlers;
    int m_nSequence = 0;
    UiServices* m_pPrevious;
};
