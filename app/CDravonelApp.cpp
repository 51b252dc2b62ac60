#include "CDravonelApp.h"

#include <QApplication>

#include "AboutDlg.h"
#include "CDravonelDoc.h"
#include "CMainFrame.h"
#include "DisclaimerDlg.h"
#include "DravonelVersion.h"
#include "FileNamePrompt.h"
#include "MainFrameResources.h"
#include "Pictures.h"

CDravonelApp::CDravonelApp() {
    QApplication::setApplicationName(QString::fromUtf8(LoadResourceString(AFX_IDS_APP_TITLE)));
    // QSettings (the tool windows' sizes) files the program's settings under these names.
    QApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QApplication::setOrganizationDomain(QStringLiteral("dravonel.github.io"));
    QApplication::setApplicationVersion(QString::fromUtf8(kProgramVersion));
    // Wayland desktops match the window to the installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(DRAVONEL_APP_ID));
    QApplication::setWindowIcon(MainIcon());
}

CDravonelApp::~CDravonelApp() = default;

bool CDravonelApp::InitInstance(CDravonelView::Clock clock) {
    // The disclaimer comes first, modal and on its own: nothing of the program is on screen yet.
    CDisclaimerDlg disclaimer;
    disclaimer.DoModal();

    m_pDoc = std::make_unique<CDravonelDoc>();
    auto appCommands = [this](int nId) { return OnCommand(nId); };
    m_pMainWnd = std::make_unique<CMainFrame>(*m_pDoc, appCommands, std::move(clock));
    m_pMainWnd->GetActiveView().OnInitialUpdate();
    m_pDoc->OnNewDocument();  // after the first update: the form as shown is the untouched new job
    m_pMainWnd->setWindowTitle(QString::fromUtf8(kMainWindowTitle));

    m_pMainWnd->PlaceAtDefault();
    m_pMainWnd->show();
    return true;
}

bool CDravonelApp::OnCommand(int nId) {
    switch (nId) {
        case ID_APP_ABOUT:
            OnAppAbout();
            return true;
        case ID_FILE_NEW:
            OnFileNew();
            return true;
        case ID_FILE_OPEN:
            OnFileOpen();
            return true;
        case ID_APP_EXIT:
            OnAppExit();
            return true;
        default:
            return false;
    }
}

void CDravonelApp::OnAppAbout() {
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}

void CDravonelApp::OnFileNew() { m_pDoc->NewJob(); }

void CDravonelApp::OnFileOpen() {
    const QString pathName = PromptFileName(m_pMainWnd.get(), true, {});
    if (!pathName.isEmpty()) m_pDoc->OpenJob(pathName);
}

void CDravonelApp::OnAppExit() { m_pMainWnd->close(); }
