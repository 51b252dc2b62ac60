#include "DialogTemplates.h"

#include "Resource.h"
#include "UiServices.h"

namespace {

using K = ControlKind;

// Credited teams, each sized to its column (54, 45, 56, 34, 38 and 61 units wide).
constexpr ControlTemplate kAboutControls[] = {
    {IDOK, K::DefPushButton, "OK", 228, 61, 32, 14},
    {0, K::Picture, "IDR_MAINFRAME", 7, 7, 18, 20},
    {0, K::Static, kAboutProductLine, 34, 9, 202, 8},
    {0, K::Static, kAboutCopyrightLine, 33, 18, 67, 8},
    {0, K::Static, kAboutCreditsHeading, 34, 31, 142, 8},
    {0, K::Static, "Materials Lab", 34, 42, 54, 8},
    {0, K::Static, "Field Crew", 114, 42, 45, 8},
    {0, K::Static, "Thermal Team", 34, 53, 56, 8},
    {0, K::Static, "QA Unit", 114, 53, 34, 8},
    {0, K::Static, "Help Desk", 34, 64, 38, 8},
    {0, K::Static, "Research Group", 114, 64, 61, 8},
};

constexpr ControlTemplate kSlowCoolingControls[] = {
    {IDOK, K::DefPushButton, "OK", 215, 85, 50, 14},
    {0, K::Picture, "IDB_SLOW_COOLING", 7, 8, 18, 20},
};

constexpr ControlTemplate kRapidCoolingControls[] = {
    {IDOK, K::DefPushButton, "OK", 265, 122, 50, 14},
    {0, K::Picture, "IDB_RAPID_COOLING", 7, 7, 18, 20},
};

constexpr ControlTemplate kExportControls[] = {
    {IDC_EXPORT_FILE, K::Edit, "", 11, 26, 195, 16},
    {IDOK, K::DefPushButton, "Export", 219, 74, 50, 14},
    {0, K::Static, "Enter a filename for the exported data.  Use the Browse button to select a path.", 8, 14,
     261, 8},
    {0, K::Static, "Note:  This will create a tab-delimited file.", 11, 45, 129, 8},
    {IDC_BROWSE, K::PushButton, "Browse", 211, 27, 50, 14},
};

// The file name field is announced by the instruction above it.
constexpr ControlName kExportNames[] = {{IDC_EXPORT_FILE, "Enter a filename for the exported data."}};

constexpr ControlTemplate kDisclaimerControls[] = {
    {IDOK, K::DefPushButton, "OK", 158, 171, 50, 14},
    {0, K::Picture, "IDB_DISCLAIMER", 7, 7, 382, 158},
};

}  // namespace

const DialogTemplate kAboutBoxTemplate{"About KELVANOR", 267, 82, true, kAboutControls};
const DialogTemplate kSlowCoolingTemplate{"SLOW PAVEMENT COOLING", 272, 106, true, kSlowCoolingControls};
const DialogTemplate kRapidCoolingTemplate{"RAPID PAVEMENT COOLING", 322, 143, true, kRapidCoolingControls};
const DialogTemplate kExportTemplate{"Export Data", 276, 95, true, kExportControls, true, kExportNames};
const DialogTemplate kDisclaimerTemplate{"Kelvanor 2.0 - Disclaimer", 398, 194, false, kDisclaimerControls};
