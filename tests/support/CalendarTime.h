#pragma once

#include <ctime>

// A broken-down time as the C library holds it: month 1 to 12, weekday 0 (Sunday) to 6, daylight
// saving left to mktime (tm_isdst -1). Values outside their ranges are kept as given.
std::tm CalendarTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond, int nWeekday);
