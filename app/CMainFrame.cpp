#include "CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <array>

#include "CDravonelDoc.h"
#include "FilePrint.h"
#include "MainFrameResources.h"
#include "Pictures.h"
#include "ToolWindows.h"

namespace {

// Who handles what, as the command maps of the view, the frame, the document and the application say.
constexpr std::array kViewCommands = {ID_FILE_PRINT};
constexpr std::array kFrameCommands = {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_HELP_FINDER, ID_HELP,
                                       ID_CONTEXT_HELP};
constexpr std::array kDocCommands = {ID_FILE_SAVE, ID_FILE_SAVE_AS};
constexpr std::array kAppCommands = {ID_APP_ABOUT, ID_APP_EXIT, ID_FILE_NEW, ID_FILE_OPEN};

template <std::size_t N>
bool Contains(const std::array<int, N>& ids, int nId) {
    return std::find(ids.begin(), ids.end(), nId) != ids.end();
}

bool IsRecentFileCommand(int nId) { return nId >= ID_FILE_MRU_FILE1 && nId <= ID_FILE_MRU_FILE4; }

// How long a message of the Tools menu stays in the message pane.
constexpr int kStatusMessageMs = 5000;

// Room the window manager's title bar and borders take around the frame, which Qt cannot know before
// the window is first shown.
constexpr QSize kDecorationAllowance(16, 48);

}  // namespace

CMainFrame::CMainFrame(CDravonelDoc& doc, AppCommandHandler appCommands, CDravonelView::Clock clock)
    : m_doc(doc), m_appCommands(std::move(appCommands)) {
    setWindowIcon(MainIcon());
    CreateActions();
    CreateMenu();
    CreateStatusBar();
    CreateToolBar();
    RefreshToggleChecks();
    m_pView = new CDravonelView(this, std::move(clock));
    setCentralWidget(m_pView);
    m_pTools = new CToolWindowHost(*m_pView, this);
    m_doc.Attach(*m_pView, *m_pTools, this);
    connect(&m_doc, &CDravonelDoc::TitleChanged, this, &CMainFrame::OnUpdateFrameTitle);
    connect(&m_doc, &CDravonelDoc::statusMessage, this,
            [this](const QString& text) { m_pStatusBar->showMessage(text, kStatusMessageMs); });
    connect(&m_doc.Recent(), &CRecentFiles::changed, this, &CMainFrame::UpdateRecentFilesMenu);
    UpdateRecentFilesMenu();
    connect(m_pTools, &CToolWindowHost::statusMessage, this,
            [this](const QString& text) { m_pStatusBar->showMessage(text, kStatusMessageMs); });
    connect(m_pView, &CDravonelView::resultChanged, this, &CMainFrame::UpdateStatusSummary);
    connect(m_pView, &CDravonelView::inputsChanged, this, &CMainFrame::UpdateStatusSummary);
}

bool CMainFrame::IsHandledCommand(int nId) {
    return Contains(kViewCommands, nId) || Contains(kFrameCommands, nId) || Contains(kDocCommands, nId) ||
           IsRecentFileCommand(nId) || Contains(kAppCommands, nId) || CToolWindowHost::IsToolCommand(nId);
}

bool CMainFrame::OnCmdMsg(int nId) {
    if (CToolWindowHost::IsToolCommand(nId)) return m_pTools->OnCommand(nId);
    if (IsRecentFileCommand(nId)) {
        m_doc.OpenRecent(nId - ID_FILE_MRU_FILE1);
        return true;
    }
    switch (nId) {
        case ID_FILE_PRINT:
            OnFilePrint();
            return true;
        case ID_VIEW_TOOLBAR:
            ShowControlBar(*m_pToolBar, m_pToolBar->isHidden());
            return true;
        case ID_VIEW_STATUS_BAR:
            ShowControlBar(*m_pStatusBar, m_pStatusBar->isHidden());
            return true;
        case ID_HELP_FINDER:
            OnHelpTopic({});
            return true;
        case ID_HELP:
        case ID_CONTEXT_HELP:
            OnHelpTopic(FocusedFieldAnchor());
            return true;
        case ID_FILE_SAVE:
            m_doc.DoFileSave();
            return true;
        case ID_FILE_SAVE_AS:
            m_doc.DoSaveAs();
            return true;
        default:
            return Contains(kAppCommands, nId) && m_appCommands && m_appCommands(nId);
    }
}

void CMainFrame::OnFilePrint() { PrintFormPage(*m_pView, this); }

void CMainFrame::ShowControlBar(QWidget& bar, bool bShow) {
    bar.setVisible(bShow);
    RefreshToggleChecks();
}

void CMainFrame::RefreshToggleChecks() {
    m_actions.value(ID_VIEW_TOOLBAR)->setChecked(!m_pToolBar->isHidden());
    m_actions.value(ID_VIEW_STATUS_BAR)->setChecked(!m_pStatusBar->isHidden());
}

void CMainFrame::OnUpdateFrameTitle() {
    const QString program = QString::fromUtf8(kMainWindowTitle);
    const bool bModified = m_doc.IsMarkedModified();
    // "[*]" is where Qt shows the modified mark; a job without a file keeps the program's own title.
    if (m_doc.GetPathName().isEmpty())
        setWindowTitle(bModified ? program + QStringLiteral("[*]") : program);
    else
        setWindowTitle(m_doc.GetTitle() + QStringLiteral("[*] - ") + program);
    setWindowModified(bModified);
}

void CMainFrame::UpdateRecentFilesMenu() {
    if (!m_pFileMenu) return;
    QAction* pExit = m_actions.value(ID_APP_EXIT);
    for (int nId = ID_FILE_MRU_FILE1; nId <= ID_FILE_MRU_FILE4; ++nId)
        m_pFileMenu->removeAction(&ActionFor(nId));
    m_pFileMenu->removeAction(m_pRecentSeparator);
    const QStringList paths = m_doc.Recent().Paths();
    for (int i = 0; i < paths.size(); ++i) {
        QAction& action = ActionFor(ID_FILE_MRU_FILE1 + i);
        action.setText(CRecentFiles::MenuText(i, paths[i]));
        action.setStatusTip(QStringLiteral("Open %1").arg(QDir::toNativeSeparators(paths[i])));
        m_pFileMenu->insertAction(pExit, &action);
    }
    if (!paths.isEmpty()) m_pFileMenu->insertAction(pExit, m_pRecentSeparator);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_doc.SaveModified()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

QSize CMainFrame::FormFittingSize() const {
    // Ask the layout what it needs around a view that must show the whole form page.
    const int nFrame = 2 * m_pView->frameWidth();
    const QSize formSize = m_pView->Page()->size() + QSize(nFrame, nFrame);
    const QSize oldMinimum = m_pView->minimumSize();
    m_pView->setMinimumSize(formSize);
    const QSize wanted = sizeHint().expandedTo(formSize);
    m_pView->setMinimumSize(oldMinimum);
    return wanted;
}

QSize CMainFrame::DefaultSize() const {
    QSize wanted = FormFittingSize();
    const QScreen* pScreen = screen();
    if (!pScreen) return wanted;
    const QSize available = pScreen->availableGeometry().size() - kDecorationAllowance;
    // A form cut in one direction gets a scroll bar, which must not cut it in the other as well.
    const int nScrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_pView);
    if (wanted.width() > available.width()) wanted.rheight() += nScrollBar;
    if (wanted.height() > available.height()) wanted.rwidth() += nScrollBar;
    return wanted.boundedTo(available);
}

void CMainFrame::PlaceAtDefault() {
    resize(DefaultSize());
    if (const QScreen* pScreen = screen()) {
        QRect placed(QPoint(), size() + kDecorationAllowance);
        placed.moveCenter(pScreen->availableGeometry().center());
        move(placed.topLeft());
    }
}
