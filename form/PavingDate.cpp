#include "FormRules.h"

namespace {
bool IsLeapYear(int nYear) { return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0; }
}  // namespace

int FormDaysInMonth(int nYear, int nMonth) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12) return 0;
    // The sun model counts 29 February as 1 March (day 60), so a leap day needs no day number of its own.
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[nMonth - 1];
}

void LimitDayToMonth(int* pDay, int nYear, int nMonth) {
    const int nDays = FormDaysInMonth(nYear, nMonth);
    if (nDays > 0 && *pDay > nDays) *pDay = nDays;
}

void CorrectDayOnLeave(int* pDay, int nYear, int nMonth) {
    if (*pDay < 1)
        *pDay = 1;
    else
        LimitDayToMonth(pDay, nYear, nMonth);
}

void FillFromClock(FormRecord& record, std::time_t now) {
    std::tm local{};
    // localtime_r rather than localtime: no shared static buffer behind the caller's back.
    if (localtime_r(&now, &local) == nullptr) return;
    SimulationInputs& in = record.inputs;
    in.m_nDay = local.tm_mday;
    in.m_nMonth = local.tm_mon + 1;
    in.m_nYear = local.tm_year + 1900;
    in.m_nHour = local.tm_hour;
    in.m_nMinute = local.tm_min;
}
