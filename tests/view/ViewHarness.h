#pragma once

#include <QImage>
#include <QString>
#include <ctime>
#include <memory>
#include <vector>

#include "CDravonelView.h"
#include "LocalClock.h"
#include "ScriptedUiServices.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// A form on screen, driven the way a user drives it, with every modal window answered by the script.
// The clock stands still at `now` (15 June 2024, 12:00 unless given) until a test moves it.
class ViewHarness {
public:
    explicit ViewHarness(std::time_t now = LocalClock(2024, 6, 15, 12, 0));
    ~ViewHarness();

    QLineEdit* Edit(int nId) const;
    QComboBox* List(int nId) const;
    QPushButton* Button(int nId) const;
    QRadioButton* Radio(int nId) const;
    // What the control shows: an edit's text or a list's current entry.
    QString Shown(int nId) const;
    bool IsEnabled(int nId) const;

    // Makes the form the active window again, as a user's click would.
    void EnsureActive();
    // Clicks into the field, selects its text and types `text` in its place.
    void Type(int nId, const QString& text);
    // Presses Tab where the focus is.
    void Leave();
    // Type, then Tab.
    void Enter(int nId, const QString& text);
    void Click(int nId);
    // Opens the list with a click, moves to `entry` with the arrow keys and takes it with Enter.
    void Choose(int nId, const QString& entry);

    // Inputs of the worked runs, typed into the form in SI units.
    void EnterRunA();    // 15 June 12:00, lat 45, Clear & Dry, air 10, wind 8, 75 mm at 150 C on 10 C
    void EnterRunB();    // 1 November 22:00, air 0, wind 30 km/h, 25 mm at 140 C on 0 C
    void EnterHotRun();  // a thick lift at the hottest delivery on a hot, still, sunny day

    // The page as drawn now (children included), in page pixels.
    QImage PageImage() const;
    // The whole window as a user sees it.
    QImage WindowImage() const;
    // What the report writer gives for the view's members as they stand, dated by the view's clock:
    // the bytes "Export Data" must write.
    QByteArray ExpectedReport() const;

    ScriptedUiServices m_ui;  // before the view, so every modal window it shows is scripted
    std::time_t m_now;
    std::unique_ptr<CDravonelView> m_pView;
};
