#include "MainFrameResources.h"

#include <array>

namespace {

// The recent files stand between the two separators; the frame fills them from the list it keeps, and a
// separator shows only while there is a file on each side of it.
constexpr std::array kFileMenu = {
    MenuItemResource{"&New", ID_FILE_NEW},
    MenuItemResource{"&Open...", ID_FILE_OPEN},
    MenuItemResource{"&Save", ID_FILE_SAVE},
    MenuItemResource{"Save &As...", ID_FILE_SAVE_AS},
    MenuItemResource{nullptr, 0},
    MenuItemResource{"Recent File", ID_FILE_MRU_FILE1},
    MenuItemResource{nullptr, 0},
    MenuItemResource{"E&xit", ID_APP_EXIT},
};
constexpr std::array kViewMenu = {
    MenuItemResource{"&Toolbar", ID_VIEW_TOOLBAR},
    MenuItemResource{"&Status Bar", ID_VIEW_STATUS_BAR},
};
constexpr std::array kToolsMenu = {
    MenuItemResource{"&Keep for Comparison", ID_TOOLS_KEEP},
    MenuItemResource{"&Compare Scenarios...", ID_TOOLS_COMPARE},
    MenuItemResource{nullptr, 0},
    MenuItemResource{"Paving &Day Planner...", ID_TOOLS_PLANNER},
    MenuItemResource{"&Uncertainty...", ID_TOOLS_UNCERTAINTY},
    MenuItemResource{"Calibrate to &Measured Temperature...", ID_TOOLS_CALIBRATE},
    MenuItemResource{"&Lifts...", ID_TOOLS_LIFTS},
};
constexpr std::array kHelpMenu = {
    MenuItemResource{"&Help Topics", ID_HELP_FINDER},
    MenuItemResource{nullptr, 0},
    MenuItemResource{"&About KELVANOR...", ID_APP_ABOUT},
};
constexpr std::array kMenu = {
    MenuPopupResource{"&File", kFileMenu},
    MenuPopupResource{"&View", kViewMenu},
    MenuPopupResource{"&Tools", kToolsMenu},
    MenuPopupResource{"&Help", kHelpMenu},
};

constexpr std::array kAccelerators = {
    AcceleratorResource{Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
    AcceleratorResource{Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
    AcceleratorResource{Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
    AcceleratorResource{Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
    AcceleratorResource{Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
    AcceleratorResource{Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
    AcceleratorResource{Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
    AcceleratorResource{Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
    AcceleratorResource{Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
    AcceleratorResource{Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
    AcceleratorResource{Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},
    AcceleratorResource{Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
    AcceleratorResource{QKeyCombination(Qt::Key_F6), ID_NEXT_PANE},
    AcceleratorResource{Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
    AcceleratorResource{Qt::SHIFT | Qt::Key_F1, ID_CONTEXT_HELP},
    AcceleratorResource{QKeyCombination(Qt::Key_F1), ID_HELP},
    AcceleratorResource{Qt::CTRL | Qt::Key_K, ID_TOOLS_KEEP},
};

constexpr std::array kToolbarButtons = {ID_APP_ABOUT};
constexpr std::array kIndicators = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

struct StringResource {
    int nId;
    const char* text;
};

constexpr std::array kStrings = {
    StringResource{IDR_MAINFRAME, "Dravonel\n\nDravon\n\n\nDravonel.Document\nDravon Document"},
    StringResource{AFX_IDS_APP_TITLE, "Dravonel"},
    StringResource{AFX_IDS_IDLEMESSAGE, "Ready"},
    StringResource{ID_INDICATOR_CAPS, "CAP"},
    StringResource{ID_INDICATOR_NUM, "NUM"},
    StringResource{ID_INDICATOR_SCRL, "SCRL"},
    StringResource{ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    StringResource{ID_APP_EXIT, "Quit the program\nExit"},
    StringResource{ID_FILE_NEW, "Start a new job with the inputs of a fresh start\nNew"},
    StringResource{ID_FILE_OPEN, "Open a job file\nOpen"},
    StringResource{ID_FILE_SAVE, "Save the job: the inputs, the kept scenarios and the lifts\nSave"},
    StringResource{ID_FILE_SAVE_AS, "Save the job under a new name\nSave As"},
    StringResource{ID_FILE_MRU_FILE1, "Open this job\nOpen"},
    StringResource{ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle Toolbar"},
    StringResource{ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle Status Bar"},
    StringResource{ID_HELP_FINDER, "Explain the inputs, the results and the notices\nHelp Topics"},
    StringResource{ID_TOOLS_KEEP,
                   "Keep the shown calculation to compare it with others\nKeep for Comparison"},
    StringResource{ID_TOOLS_COMPARE,
                   "Compare the kept calculations on one chart and in a table\nCompare Scenarios"},
    StringResource{ID_TOOLS_PLANNER,
                   "Find the hours of a day that leave the longest rolling window\nPaving Day Planner"},
    StringResource{ID_TOOLS_UNCERTAINTY, "See how uncertain inputs spread the rolling window\nUncertainty"},
    StringResource{
        ID_TOOLS_CALIBRATE,
        "Fit the calculation to a temperature measured on the mat\nCalibrate to Measured Temperature"},
    StringResource{ID_TOOLS_LIFTS, "Cool several lifts placed one on another\nLifts"},
};

QString StringPart(int nId, bool bAfterNewline) {
    const QString text = QString::fromUtf8(LoadResourceString(nId));
    const qsizetype nNewline = text.indexOf(QLatin1Char('\n'));
    if (nNewline < 0) return bAfterNewline ? QString() : text;
    return bAfterNewline ? text.mid(nNewline + 1) : text.left(nNewline);
}

}  // namespace

std::span<const MenuPopupResource> MainFrameMenu() { return kMenu; }

std::span<const AcceleratorResource> MainFrameAccelerators() { return kAccelerators; }

std::span<const int> MainFrameToolbarButtons() { return kToolbarButtons; }

std::span<const int> MainFrameIndicators() { return kIndicators; }

const char* LoadResourceString(int nId) {
    for (const StringResource& entry : kStrings) {
        if (entry.nId == nId) return entry.text;
    }
    return nullptr;
}

QString CommandStatusTip(int nId) { return StringPart(nId, false); }

QString CommandToolTip(int nId) { return StringPart(nId, true); }
