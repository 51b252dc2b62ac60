#pragma once

#include <string>

#include "DravonelVersion.h"

// The --version line without its line end: the program's name and the project's major.minor version.
constexpr const char* kCliVersionText = "dravonel-cli " DRAVONEL_VERSION_MAJOR_MINOR;

// The --help text: every option with its allowed range or entries and its default. Ends with a line end.
std::string CliUsageText();
