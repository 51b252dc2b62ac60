#pragma once

#include <string>
#include <string_view>
#include <vector>

// CSV as the program writes it for spreadsheets: commas between fields, CR LF line ends, and a field that
// holds a comma, double quote, CR or LF put in double quotes with its quotes doubled. Bytes pass through
// unchanged otherwise (UTF-8 stays UTF-8); numbers are whatever text the caller formatted.

// "a,b" -> "\"a,b\""; "say \"hi\"" -> "\"say \"\"hi\"\"\""; "plain" -> "plain"; "" -> "".
std::string CsvField(std::string_view text);

// The fields joined by commas, each through CsvField, ending in CR LF; no fields gives a bare "\r\n".
std::string CsvLine(const std::vector<std::string>& fields);
