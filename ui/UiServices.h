#pragma once

#include <QString>

class QDialog;
class QWidget;

// Result codes and message box types. The values are the program's long-standing ones; tests and
// scripted answers use them, so they never change.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_ICONSTOP = 0x10;

// The application name that titles the framework's message boxes.
constexpr const char* kAppName = "Dravonel";

// The one seam through which the program shows anything modal, waits, or changes the cursor.
// The desktop program installs the real implementation; tests install a scripted one so that no
// test ever blocks on a modal window.
class UiServices {
public:
    virtual ~UiServices() = default;
    // Shows a message box; returns the id of the button that closed it (IDOK).
    virtual int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) = 0;
    // Runs a dialog modally; returns IDOK or IDCANCEL (or the id the dialog ended with).
    virtual int DoModal(QDialog& dialog) = 0;
    virtual void Sleep(int milliseconds) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // The installed services; the real ones unless a test installed others.
    static UiServices& Current();
    // Installs `services` (not owned) and returns the previous ones; nullptr restores the real ones.
    static UiServices* Install(UiServices* services);
};

// Shortcut for the framework's message boxes titled with the application name.
int AfxMessageBox(const QString& text, unsigned type = MB_OK | MB_ICONEXCLAMATION);
