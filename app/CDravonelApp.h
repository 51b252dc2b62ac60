#pragma once

#include <QObject>
#include <memory>

#include "CDravonelView.h"

class CDravonelDoc;
class CMainFrame;

// The application object over the running QApplication: names the program and starts it the way a
// single-document program does. Several may be made one after another in one process (tests do).
class CDravonelApp : public QObject {
    Q_OBJECT
public:
    // Names the application "Dravonel" (and its desktop entry), gives it its version and main icon. Needs a
    // QApplication.
    CDravonelApp();
    ~CDravonelApp() override;

    // Start-up, in this order: the disclaimer, modal while nothing else is on screen; the document; the
    // frame with its menu and bars and the view; the view's first update and a new document; the title
    // "KELVANOR 2.0 - Pavement Cooling Program"; a size that fits the form; the window shown. clock
    // feeds the view's date and time (empty: the system clock).
    // Returns true once the main window is shown.
    bool InitInstance(CDravonelView::Clock clock = {});

    // The main window after InitInstance; nullptr before.
    CMainFrame* GetMainWnd() const { return m_pMainWnd.get(); }
    CDravonelDoc* GetDocument() const { return m_pDoc.get(); }

    // The application's commands; returns false for any other id.
    bool OnCommand(int nId);
    // Shows the About box modally; its result is ignored.
    void OnAppAbout();
    // Ctrl+N: after asking about unsaved changes, a new job with the form of a fresh start (see
    // CDravonelDoc::NewJob).
    void OnFileNew();
    // Ctrl+O: a job file chosen with the open dialog, opened as CDravonelDoc::OpenJob does. A cancelled
    // dialog, a refused file or a cancelled question changes nothing.
    void OnFileOpen();
    // Exit: closes the main window, which ends the program.
    void OnAppExit();

private:
    std::unique_ptr<CDravonelDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pMainWnd;  // declared after the document it refers to, so it goes first
};
