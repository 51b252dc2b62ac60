#pragma once

#include <istream>
#include <span>
#include <string>
#include <vector>

#include "PavingDayPlanner.h"
#include "UnitSystem.h"

// Hourly weather as a small CSV file, for the paving-day planner:
//
//     hour,air,wind,sky
//     5,48.5,6,Clear & Dry
//     6,50,8,2
//
// The header is exactly "hour,air,wind,sky". Each row: the clock hour 0 to 23 (an integer as the form
// reads one), the air temperature and wind speed in the units the caller names (F and mph, or C and
// km/h; numbers as the form reads them, full stop as decimal point), and the sky condition as its list
// index 0 to 4 or its list text ("Partly Cloudy", ASCII case ignored). Blanks around a value are
// allowed; values hold no commas and no quotes. Lines may end in CR LF; blank lines are skipped; a
// UTF-8 byte order mark before the header is skipped. An hour may appear once.

struct HourlyWeatherRead {
    std::vector<HourlyWeather> rows;  // in file order; empty when refused
    // Empty when the file was read; otherwise "FILE:LINE: column: reason" (column one of hour, air, wind,
    // sky, or header/row for the shape of a line), or "FILE: reason" when the file cannot be opened or
    // holds no rows.
    std::string strError;
};

// Reads the rows from `in`; strFileName only names the file in messages.
HourlyWeatherRead ReadHourlyWeatherCsv(std::istream& in, const std::string& strFileName, UnitSystem units);

// Opens the file at strPath and reads it as above.
HourlyWeatherRead ReadHourlyWeatherCsvFile(const std::string& strPath, UnitSystem units);

// The text of a file ReadHourlyWeatherCsv reads back to the same rows: the header, then one line per row
// in the given order, numbers as the form shows them ("%.15g"), the sky as its list text, LF line ends.
// Values are written as they are: the reader refuses what is out of range for its units.
std::string HourlyWeatherCsvText(std::span<const HourlyWeather> rows);
