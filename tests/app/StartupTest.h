#pragma once

#include <QObject>

// Start-up order, the title, the icon, the window's size and the screenshot of the main window.
class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void disclaimerComesBeforeTheMainWindow();
    void titleAndIconAfterStartUp();
    void windowFitsTheScreenAndTheFormScrolls();
    void saveScreenshot();
};
