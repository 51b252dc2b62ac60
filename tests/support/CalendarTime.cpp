#include "CalendarTime.h"

std::tm CalendarTime(int nYear, int nMonth, int nDay, int nHour, int nMinute, int nSecond, int nWeekday) {
    std::tm time{};
    time.tm_year = nYear - 1900;
    time.tm_mon = nMonth - 1;
    time.tm_mday = nDay;
    time.tm_hour = nHour;
    time.tm_min = nMinute;
    time.tm_sec = nSecond;
    time.tm_wday = nWeekday;
    time.tm_isdst = -1;
    return time;
}
