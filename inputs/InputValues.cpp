#include "InputValues.h"

#include <charconv>

#include "SimulationInputs.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return !text.empty();
}

// A field of 1 to nMaxDigits ASCII digits; signs and blanks are not part of a date or time.
bool ReadDigits(std::string_view text, std::size_t nMinDigits, std::size_t nMaxDigits, int* pValue) {
    if (text.size() < nMinDigits || text.size() > nMaxDigits || !AllDigits(text)) return false;
    std::from_chars(text.data(), text.data() + text.size(), *pValue);
    return true;
}

bool IsLeapYear(int nYear) { return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0; }

}  // namespace

int FindListEntry(std::string_view text, const char* const* names, int nCount) {
    for (int i = 0; i < nCount; ++i) {
        if (EqualIgnoringAsciiCase(text, names[i])) return i;
    }
    int nIndex = -1;
    if (ReadDigits(text, 1, 2, &nIndex) && nIndex < nCount) return nIndex;
    return -1;
}

int DaysInCalendarMonth(int nYear, int nMonth) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (nMonth < 1 || nMonth > 12) return 0;
    return nMonth == 2 && IsLeapYear(nYear) ? 29 : kDays[nMonth - 1];
}

bool ParseCalendarDate(std::string_view text, CalendarDate* pDate) {
    const auto firstDash = text.find('-');
    if (firstDash == std::string_view::npos) return false;
    const auto secondDash = text.find('-', firstDash + 1);
    if (secondDash == std::string_view::npos) return false;
    CalendarDate date{};
    if (!ReadDigits(text.substr(0, firstDash), 4, 4, &date.nYear) ||
        !ReadDigits(text.substr(firstDash + 1, secondDash - firstDash - 1), 1, 2, &date.nMonth) ||
        !ReadDigits(text.substr(secondDash + 1), 1, 2, &date.nDay))
        return false;
    if (date.nYear < kYearMin || date.nYear > kYearMax) return false;
    if (date.nDay < 1 || date.nDay > DaysInCalendarMonth(date.nYear, date.nMonth)) return false;
    *pDate = date;
    return true;
}

bool ParseClockTime(std::string_view text, ClockTime* pTime) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return false;
    ClockTime time{};
    if (!ReadDigits(text.substr(0, colon), 1, 2, &time.nHour) ||
        !ReadDigits(text.substr(colon + 1), 1, 2, &time.nMinute))
        return false;
    if (time.nHour > kHourMax || time.nMinute > kMinuteMax) return false;
    *pTime = time;
    return true;
}
