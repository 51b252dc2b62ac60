#pragma once

#include <string_view>

// Readers for the input values that are not plain numbers: list entries, dates and clock times.

// Index of a list entry given as its zero-based index ("2") or its own text ("Partly Cloudy"; ASCII
// case is ignored). -1 when the text is neither. Texts are matched before indices; no list has an
// entry that reads as another entry's index.
int FindListEntry(std::string_view text, const char* const* names, int nCount);

struct CalendarDate {
    int nYear;
    int nMonth;  // 1 to 12
    int nDay;    // 1 to the month's length
};

// Days of a month in the Gregorian calendar (leap years included); 0 for a month outside 1 to 12.
int DaysInCalendarMonth(int nYear, int nMonth);

// "YYYY-MM-DD" (month and day one or two digits): a real date with a year from 1990 to 3001, 29 February
// only in leap years. false for anything else; *pDate is untouched then.
bool ParseCalendarDate(std::string_view text, CalendarDate* pDate);

struct ClockTime {
    int nHour;    // 0 to 24, as the form accepts
    int nMinute;  // 0 to 60, as the form accepts
};

// "HH:MM" (one or two digits each): hour 0 to 24, minute 0 to 60. false for anything else.
bool ParseClockTime(std::string_view text, ClockTime* pTime);
