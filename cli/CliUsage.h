#pragma once

#include <span>
#include <string>

#include "CliOptionTable.h"
#include "DravonelVersion.h"

// The --version line without its line end: the program's name and the project's major.minor version.
constexpr const char* kCliVersionText = "dravonel-cli " DRAVONEL_VERSION_MAJOR_MINOR;

// The --help text: every option with its allowed range or entries and its default. Ends with a line end.
std::string CliUsageText();

// One line per option of the table (name, value placeholder, meaning) with its allowed values and default
// on the next; the lines of every usage text.
std::string OptionLines(std::span<const OptionInfo> table);
