#include "LiftClock.h"

#include "LiftSequence.h"

bool IsLeapYear(int nYear) { return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0; }

int DaysInMonth(int nYear, int nMonth) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12) return 0;
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[nMonth - 1];
}

LiftClockTime ClockAfter(const SimulationInputs& site, int nMinutes) {
    constexpr int kMinutesPerDay = 24 * 60;
    const int nTotal = site.m_nHour * 60 + site.m_nMinute + nMinutes;
    // Floor division, so that a clock before midnight (only from inputs the checks refuse) stays sound.
    int nDays = nTotal / kMinutesPerDay;
    int nOfDay = nTotal % kMinutesPerDay;
    if (nOfDay < 0) {
        nOfDay += kMinutesPerDay;
        --nDays;
    }

    LiftClockTime t{site.m_nYear, site.m_nMonth, site.m_nDay, nOfDay / 60, nOfDay % 60, nDays};
    if (nDays > 0 && DaysInMonth(t.nYear, t.nMonth) > 0) {
        t.nDay += nDays;
        for (int nLength = DaysInMonth(t.nYear, t.nMonth); t.nDay > nLength;
             nLength = DaysInMonth(t.nYear, t.nMonth)) {
            t.nDay -= nLength;
            if (++t.nMonth > 12) {
                t.nMonth = 1;
                ++t.nYear;
            }
        }
    }
    return t;
}
