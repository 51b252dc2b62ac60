#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "CDravonelView.h"
#include "HelpWindow.h"

class CDravonelDoc;
class CToolWindowHost;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;

// The main window: menu, accelerators, the one-button toolbar, the status bar and, as its only view,
// the input form. Commands from all of them go through OnCmdMsg, which hands each to the view, the
// frame, the document or the application, the first one that handles it.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Commands the application object handles; returns true when it handled nId.
    using AppCommandHandler = std::function<bool(int nId)>;

    // Builds the menu, the bars and the accelerators, then the view. The frame is left hidden. clock is
    // passed to the view (empty: system clock).
    CMainFrame(CDravonelDoc& doc, AppCommandHandler appCommands, CDravonelView::Clock clock = {});

    CDravonelView& GetActiveView() const { return *m_pView; }
    CDravonelDoc& GetActiveDocument() const { return m_doc; }

    // Runs command nId as its menu item, toolbar button or accelerator does. Returns false when no
    // target handles it (the edit and pane commands of the accelerator table, unknown ids).
    bool OnCmdMsg(int nId);
    // True for the commands some target handles; only those get an action and a key.
    static bool IsHandledCommand(int nId);
    // The action carrying command nId (shared by its menu item, button and keys); nullptr if none.
    QAction* CommandAction(int nId) const { return m_actions.value(nId, nullptr); }

    QToolBar& ToolBar() const { return *m_pToolBar; }
    // The status bar's panes, left to right: the message pane, then CAP, NUM and SCRL.
    const QList<QLabel*>& StatusPanes() const { return m_statusPanes; }
    // The result in plain words, between the message pane and CAP: the rolling window, the cooling notice,
    // or that the inputs changed since; hidden until the first calculation. It stays through menu and
    // tool tips, which take the message pane only.
    QLabel& StatusSummary() const { return *m_pStatusSummary; }
    // The Tools menu's commands and windows.
    CToolWindowHost& Tools() const { return *m_pTools; }
    // The help window once help has been asked for; nullptr before.
    CHelpWindow* HelpWindow() const { return m_pHelpWindow; }

    // The title: "KELVANOR 2.0 - Pavement Cooling Program" for a job without a file, "name.dravonel -
    // KELVANOR 2.0 - Pavement Cooling Program" for a saved or opened one; unsaved changes add "*" after the
    // job's name (the window's modified mark).
    void OnUpdateFrameTitle();
    // The File menu's recent files, after the list changed.
    void UpdateRecentFilesMenu();
    // The size that shows the whole form with the menu and both bars.
    QSize FormFittingSize() const;
    // FormFittingSize bounded by the screen's available area: the size the window opens with.
    QSize DefaultSize() const;
    // Gives the frame its default size, centred in the screen's available area (nothing is saved
    // between runs, so every start looks the same).
    void PlaceAtDefault();

private:
    // The action of command nId, made on first use with its status tip, tooltip and handler.
    QAction& ActionFor(int nId);
    void CreateActions();
    void CreateMenu();
    void CreateToolBar();
    void CreateStatusBar();
    void RefreshToggleChecks();
    void ShowControlBar(QWidget& bar, bool bShow);
    // Help, F1 and Shift+F1: opens the help window at anchor.
    void OnHelpTopic(const QString& anchor);
    // The help section of the form field that has the focus; "" when no field has it.
    QString FocusedFieldAnchor() const;
    void OnFilePrint();
    void UpdateStatusSummary();
    // Closing the window (Exit, the close box) asks about unsaved changes first; Cancel keeps it open.
    void closeEvent(QCloseEvent* event) override;

    CDravonelDoc& m_doc;
    AppCommandHandler m_appCommands;
    // Declared in the order the bars are made: status bar, then toolbar.
    QStatusBar* m_pStatusBar = nullptr;
    QToolBar* m_pToolBar = nullptr;
    QList<QLabel*> m_statusPanes;
    QLabel* m_pStatusSummary = nullptr;
    QHash<int, QAction*> m_actions;
    QPointer<CHelpWindow> m_pHelpWindow;
    CDravonelView* m_pView = nullptr;
    CToolWindowHost* m_pTools = nullptr;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;  // below the recent files; in the menu only while there are some
};
