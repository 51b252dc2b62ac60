#include "FormRules.h"

int FormDaysInMonth(int nMonth) {
    // No leap years: the sun model counts a 365-day year too.
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (nMonth >= 1 && nMonth <= 12) ? kDays[nMonth - 1] : 0;
}

void LimitDayToMonth(int* pDay, int nMonth) {
    const int nDays = FormDaysInMonth(nMonth);
    if (nDays > 0 && *pDay > nDays) *pDay = nDays;
}

void CorrectDayOnLeave(int* pDay, int nMonth) {
    if (*pDay < 1)
        *pDay = 1;
    else
        LimitDayToMonth(pDay, nMonth);
}

void FillFromClock(FormRecord& record, std::time_t now) {
    std::tm local{};
    // localtime_r rather than localtime: no shared static buffer behind the caller's back.
    if (localtime_r(&now, &local) == nullptr) return;
    record.m_nDay = local.tm_mday;
    record.m_nMonth = local.tm_mon + 1;
    record.m_nYear = local.tm_year + 1900;
    record.m_nHour = local.tm_hour;
    record.m_nMinute = local.tm_min;
}
