#pragma once

#include <string>

constexpr const char* kCliVersionText = "dravonel-cli 2.0";

// The --help text: every option with its allowed range or entries and its default. Ends with a line end.
std::string CliUsageText();
