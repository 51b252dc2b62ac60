#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "CMainFrame.h"
#include "MainFrameResources.h"
#include "ToolWindows.h"

QAction& CMainFrame::ActionFor(int nId) {
    QAction*& pAction = m_actions[nId];
    if (!pAction) {
        pAction = new QAction(this);
        pAction->setStatusTip(CommandStatusTip(nId));
        const QString toolTip = CommandToolTip(nId);
        if (!toolTip.isEmpty()) pAction->setToolTip(toolTip);
        connect(pAction, &QAction::triggered, this, [this, nId] { OnCmdMsg(nId); });
    }
    return *pAction;
}

void CMainFrame::CreateActions() {
    // The edit and pane commands of the accelerator table have no handler in this program. Binding
    // their keys would only take Ctrl+C, Ctrl+V, Ctrl+Z and the like away from the edit fields, so a
    // key is bound only when some target handles its command.
    for (const AcceleratorResource& accelerator : MainFrameAccelerators()) {
        if (!IsHandledCommand(accelerator.nCommandId)) continue;
        QAction& action = ActionFor(accelerator.nCommandId);
        if (!actions().contains(&action)) addAction(&action);  // keys work with or without a menu item
        action.setShortcuts(action.shortcuts() << QKeySequence(accelerator.keys));
    }
    for (const MenuPopupResource& popup : MainFrameMenu()) {
        for (const MenuItemResource& item : popup.items) {
            if (item.nCommandId != 0) ActionFor(item.nCommandId).setText(QString::fromUtf8(item.text));
        }
    }
    // The Tools menu shows tooltips: what an entry does, or, for a tool window of a later version, which
    // keeps its place greyed, that it comes later (a greyed item may not take the status bar on every
    // style).
    for (const MenuPopupResource& popup : MainFrameMenu()) {
        for (const MenuItemResource& item : popup.items) {
            if (!CToolWindowHost::IsToolCommand(item.nCommandId)) continue;
            QAction& action = ActionFor(item.nCommandId);
            if (!CToolWindowHost::IsAvailable(item.nCommandId)) {
                action.setEnabled(false);
                action.setStatusTip(QString::fromUtf8(kComingLaterTip));
            }
            action.setToolTip(action.statusTip());
        }
    }
    ActionFor(ID_VIEW_TOOLBAR).setCheckable(true);
    ActionFor(ID_VIEW_STATUS_BAR).setCheckable(true);
}

void CMainFrame::CreateMenu() {
    for (const MenuPopupResource& popup : MainFrameMenu()) {
        QMenu* pMenu = menuBar()->addMenu(QString::fromUtf8(popup.text));
        bool bAfterRecentFiles = false;
        for (const MenuItemResource& item : popup.items) {
            if (item.nCommandId == ID_FILE_MRU_FILE1) {
                // A place for the recent files: UpdateRecentFilesMenu fills it with them and the separator
                // that follows.
                m_pFileMenu = pMenu;
                bAfterRecentFiles = true;
            } else if (item.nCommandId == 0 && bAfterRecentFiles) {
                m_pRecentSeparator = new QAction(this);
                m_pRecentSeparator->setSeparator(true);
                bAfterRecentFiles = false;
            } else if (item.nCommandId == 0) {
                pMenu->addSeparator();
            } else {
                pMenu->addAction(m_actions.value(item.nCommandId));
            }
            if (CToolWindowHost::IsToolCommand(item.nCommandId)) pMenu->setToolTipsVisible(true);
        }
        // The checks follow the bars even when a bar was hidden some other way.
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::RefreshToggleChecks);
    }
}
