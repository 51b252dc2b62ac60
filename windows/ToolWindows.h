#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <span>

#include "CToolWindow.h"
#include "KeptScenarios.h"
#include "ToolContext.h"

class CDravonelView;

// A tool window as the Tools menu knows it: its command and how to make it. A window that is not built yet
// has no maker; its menu entry stays, disabled, with the status tip kComingLaterTip.
struct ToolWindowEntry {
    int nCommandId;  // ID_TOOLS_... of res/Resource.h; the menu text and tips are in the frame's resources
    CToolWindow* (*make)(const ToolContext& context, QWidget* pOwner);
};

// The maker of any window class constructed as Window(const ToolContext&, QWidget* pOwner).
template <typename Window>
CToolWindow* MakeToolWindow(const ToolContext& context, QWidget* pOwner) {
    return new Window(context, pOwner);
}

constexpr const char* kComingLaterTip = "Coming in a later version";

// Every tool window of the Tools menu, in menu order (ToolWindowTable.cpp). Adding a window: put its
// class in a file of this folder and its maker in its entry there.
std::span<const ToolWindowEntry> ToolWindowEntries();

// The Tools menu's commands: keeping the form's result for comparison, and opening the tool windows, one
// of each at most, kept while the program runs (a closed window keeps its contents for the next opening).
class CToolWindowHost : public QObject {
    Q_OBJECT
public:
    // view: the form; pOwner: the main frame, owner of the windows and of the messages.
    CToolWindowHost(CDravonelView& view, QWidget* pOwner);

    // Whether nId is a command of the Tools menu, and whether it can run in this version.
    static bool IsToolCommand(int nId);
    static bool IsAvailable(int nId);

    // Runs a Tools command; false for any other id and for a window not built yet.
    bool OnCommand(int nId);
    // Ctrl+K: keeps the form's shown result, or says why it cannot (nothing calculated, the list full).
    void KeepForComparison();
    // Opens the window of command nId (made on first use) or raises it; nullptr when it is not built yet.
    CToolWindow* OpenWindow(int nId);
    // The window of command nId once it has been made; nullptr before.
    CToolWindow* Window(int nId) const { return m_windows.value(nId); }

    CKeptScenarios& Kept() { return m_kept; }
    const ToolContext& Context() const { return m_context; }

signals:
    // A short message for the status bar ("Kept for comparison as ...").
    void statusMessage(const QString& text);

private:
    QWidget* m_pOwner;
    CKeptScenarios m_kept;
    ToolContext m_context;
    QHash<int, QPointer<CToolWindow>> m_windows;
};
