#pragma once

#include <string>
#include <string_view>

// JSON values as text. Numbers never depend on the locale; integers are written with AppendInt
// (NumberText.h).

// The shortest text that reads back to the same double (68 -> "68", 0.1 -> "0.1"); a value JSON cannot
// hold (NaN, infinity) is written as null.
void AppendJsonNumber(std::string& out, double dValue);

// A string in double quotes, with quotes, backslashes and control characters escaped.
void AppendJsonString(std::string& out, std::string_view text);
