#pragma once

// Calendar helpers of the lift sequence (ClockAfter is declared in LiftSequence.h).

// Gregorian leap year: divisible by 4, century years only when divisible by 400. Any year.
bool IsLeapYear(int nYear);

// Days of month 1 to 12 in that year (February 29 in a leap year); 0 for any other month.
int DaysInMonth(int nYear, int nMonth);
