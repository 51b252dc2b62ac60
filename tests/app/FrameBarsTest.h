#pragma once

#include <QObject>

// The menu, the View toggles, the toolbar and the status bar, as the user sees and uses them.
class FrameBarsTest : public QObject {
    Q_OBJECT
private slots:
    void menuTextsInOrder();
    void viewTogglesHideAndRestoreBars_data();
    void viewTogglesHideAndRestoreBars();
    void toolbarHasOnlyTheAboutButton();
    void aboutFromMenuAndButton_data();
    void aboutFromMenuAndButton();
    void statusBarPanesInOrder();
    void statusTipReplacesReadyWhileShown();
    void exitClosesTheMainWindow();
};
