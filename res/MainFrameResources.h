#pragma once

#include <QKeyCombination>
#include <QString>
#include <span>

#include "DravonelVersion.h"
#include "Resource.h"

// The main frame's menu, accelerators, toolbar, status-bar panes and strings, kept as data so that the
// frame only builds widgets from them.

// Standard command and string identifiers the main frame's resources use; fixed values, as for the form.
constexpr int ID_SEPARATOR = 0;
constexpr int AFX_IDS_APP_TITLE = 57344;
constexpr int AFX_IDS_IDLEMESSAGE = 57345;
constexpr int ID_INDICATOR_CAPS = 59137;
constexpr int ID_INDICATOR_NUM = 59138;
constexpr int ID_INDICATOR_SCRL = 59139;

// The main window's title, set once the window has been made.
constexpr const char* kMainWindowTitle = "KELVANOR 2.0 - Pavement Cooling Program";
// The program's version, major.minor.patch, as the package carries it.
constexpr const char* kProgramVersion = DRAVONEL_VERSION;

struct MenuItemResource {
    const char* text;  // with '&' before the mnemonic; nullptr for a separator
    int nCommandId;    // 0 for a separator
};

struct MenuPopupResource {
    const char* text;
    std::span<const MenuItemResource> items;
};

struct AcceleratorResource {
    QKeyCombination keys;
    int nCommandId;
};

// The pop-ups of menu 128, in menu order: File, View, Tools, Help.
std::span<const MenuPopupResource> MainFrameMenu();
// The entries of accelerator table 128, in table order: the program's sixteen, then Ctrl+K (Keep for
// Comparison); a command may appear more than once.
std::span<const AcceleratorResource> MainFrameAccelerators();
// Commands of the toolbar's buttons, left to right (one: About).
std::span<const int> MainFrameToolbarButtons();
// Status-bar panes, left to right: ID_SEPARATOR (the message pane), then the three indicators.
std::span<const int> MainFrameIndicators();

// The string-table entry with that id, or nullptr when there is none. Command prompts hold the status
// tip and the tooltip separated by '\n'.
const char* LoadResourceString(int nId);
// The status-bar prompt of a command: its string before the '\n'; empty when it has no string.
QString CommandStatusTip(int nId);
// The tooltip of a command: its string after the '\n'; empty when it has none.
QString CommandToolTip(int nId);
