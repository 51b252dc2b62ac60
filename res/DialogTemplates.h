#pragma once

#include "DialogTemplate.h"
#include "DravonelVersion.h"

// The templates of the five small dialogs, in dialog units of the 8-point template font. Pictures are
// named by their resource names (see LoadPictureResource).

// IDD_ABOUTBOX (100): "About KELVANOR", 267 x 82, OK, the main icon, product, copyright and six credits.
extern const DialogTemplate kAboutBoxTemplate;
// IDD_SLOW_COOLING (132): "SLOW PAVEMENT COOLING", 272 x 106, OK and IDB_SLOW_COOLING.
extern const DialogTemplate kSlowCoolingTemplate;
// IDD_RAPID_COOLING (133): "RAPID PAVEMENT COOLING", 322 x 143, OK and IDB_RAPID_COOLING.
extern const DialogTemplate kRapidCoolingTemplate;
// IDD_EXPORT (137): "Export Data", 276 x 95, with a minimize box: file-name edit 1046, "Export" (IDOK), two
// notes, "Browse" 1052.
extern const DialogTemplate kExportTemplate;
// IDD_DISCLAIMER (139): "Kelvanor 2.0 - Disclaimer", 398 x 194, no system menu, OK and IDB_DISCLAIMER.
extern const DialogTemplate kDisclaimerTemplate;

// The About box's texts, for the dialog's own checks and the help window.
constexpr const char* kAboutProductLine = "KELVANOR Version " DRAVONEL_VERSION_MAJOR_MINOR;
constexpr const char* kAboutCopyrightLine = "Copyright (C) 2024";
constexpr const char* kAboutCreditsHeading = "Developed by:";
