#pragma once

#include <span>

// The program's help: one HTML page with a section for each input, the two times, the two notices and
// the export.

// The whole page, in HTML.
const char* HelpPageHtml();
// The anchor of the section that explains the form control with that id; "" (the top of the page) for a
// control without a section of its own, and for 0.
const char* HelpAnchorOfControl(int nControlId);
// The form controls that have a help section, in form order.
std::span<const int> HelpControlIds();
