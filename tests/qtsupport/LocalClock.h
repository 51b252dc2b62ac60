#pragma once

#include <ctime>

// The clock's reading at a local date and time (month 1 to 12) in the machine's time zone; a valid
// date and time outside a daylight-saving change.
std::time_t LocalClock(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond = 0);
