#pragma once

#include <QKeyCombination>
#include <QString>
#include <ctime>
#include <memory>

#include "CDravonelApp.h"
#include "ScriptedUiServices.h"
#include "TemporarySettings.h"

class CMainFrame;
class QLineEdit;

// The program as a user starts it, with every modal window answered by the scripted seam: the
// disclaimer with OK, later dialogs by whatever the test queues. The main window is shown and active.
// What it remembers (recent files, window sizes) goes to settings of its own unless the test keeps them.
class StartedApp {
public:
    // beforeStart runs with the seam installed, before the program starts (to queue the disclaimer's
    // answer, for instance). bOwnSettings false: the settings the test has set up are used, so that two
    // runs one after the other can share them.
    explicit StartedApp(const std::function<void(ScriptedUiServices&)>& beforeStart = {},
                        bool bOwnSettings = true);

    CMainFrame& Frame() const;
    CDravonelView& View() const;
    // An edit control of the form by its id.
    QLineEdit& Edit(int nId) const;
    // Presses keys where the keyboard focus is, as the user does (shortcuts included).
    void Press(QKeyCombination keys) const;
    // Types text into a form field and leaves it with Tab, so its handler runs.
    void TypeAndLeave(int nId, const QString& text) const;
    // The class of the last modal dialog run, "" when none was.
    QString LastDialogClass() const;

    ScriptedUiServices ui;  // first, so it is installed before and removed after the program
    std::unique_ptr<TemporarySettings> settings;
    CDravonelApp app;
};

// 15 July 2003, 10:30 local time: a fixed paving moment for the view's clock.
std::time_t FixedClock();
