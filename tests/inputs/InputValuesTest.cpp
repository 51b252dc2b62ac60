#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "InputValues.h"
#include "SimulationInputs.h"

namespace {

struct DateText {
    const char* name;
    const char* text;
    bool bAccepted;
    CalendarDate date;  // when accepted
};
void PrintTo(const DateText& c, std::ostream* os) { *os << c.name; }

class CalendarDateText : public testing::TestWithParam<DateText> {};

TEST_P(CalendarDateText, IsReadAsARealDate) {
    CalendarDate date{-1, -1, -1};
    EXPECT_EQ(ParseCalendarDate(GetParam().text, &date), GetParam().bAccepted);
    const CalendarDate expected = GetParam().bAccepted ? GetParam().date : CalendarDate{-1, -1, -1};
    EXPECT_EQ(date.nYear, expected.nYear);
    EXPECT_EQ(date.nMonth, expected.nMonth);
    EXPECT_EQ(date.nDay, expected.nDay);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CalendarDateText,
    testing::Values(
        DateText{"Plain", "2026-06-15", true, {2026, 6, 15}},
        DateText{"SingleDigitMonthAndDay", "2026-6-5", true, {2026, 6, 5}},
        DateText{"LeapDay", "2024-02-29", true, {2024, 2, 29}},
        DateText{"LeapDayOfA400Year", "2000-02-29", true, {2000, 2, 29}},
        DateText{"FirstYear", "1990-01-01", true, {1990, 1, 1}},
        DateText{"LastYear", "3001-12-31", true, {3001, 12, 31}},
        DateText{"LeapDayOfACommonYear", "2026-02-29", false, {}},
        DateText{"LeapDayOfACenturyYear", "2100-02-29", false, {}},
        DateText{"Month13", "2026-13-01", false, {}}, DateText{"Month0", "2026-00-10", false, {}},
        DateText{"Day31OfApril", "2026-04-31", false, {}}, DateText{"Day0", "2026-04-00", false, {}},
        DateText{"YearBefore1990", "1989-12-31", false, {}},
        DateText{"YearAfter3001", "3002-01-01", false, {}}, DateText{"TwoDigitYear", "26-06-15", false, {}},
        DateText{"ThreeDigitDay", "2026-06-015", false, {}}, DateText{"Slashes", "2026/06/15", false, {}},
        DateText{"Signed", "2026-+6-15", false, {}}, DateText{"TrailingText", "2026-06-15x", false, {}},
        DateText{"Blank", " 2026-06-15", false, {}}, DateText{"Empty", "", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TimeText {
    const char* name;
    const char* text;
    bool bAccepted;
    ClockTime time;
};
void PrintTo(const TimeText& c, std::ostream* os) { *os << c.name; }

class ClockTimeText : public testing::TestWithParam<TimeText> {};

TEST_P(ClockTimeText, TakesWhatTheFormTakes) {
    ClockTime time{-1, -1};
    EXPECT_EQ(ParseClockTime(GetParam().text, &time), GetParam().bAccepted);
    const ClockTime expected = GetParam().bAccepted ? GetParam().time : ClockTime{-1, -1};
    EXPECT_EQ(time.nHour, expected.nHour);
    EXPECT_EQ(time.nMinute, expected.nMinute);
}

INSTANTIATE_TEST_SUITE_P(
    Times, ClockTimeText,
    testing::Values(TimeText{"Noon", "12:00", true, {12, 0}}, TimeText{"Midnight", "00:00", true, {0, 0}},
                    TimeText{"SingleDigits", "7:5", true, {7, 5}},
                    TimeText{"Hour24AsTheFormAccepts", "24:00", true, {24, 0}},
                    TimeText{"Minute60AsTheFormAccepts", "23:60", true, {23, 60}},
                    TimeText{"Hour25", "25:00", false, {}}, TimeText{"Minute61", "12:61", false, {}},
                    TimeText{"NoColon", "1200", false, {}}, TimeText{"Seconds", "12:00:00", false, {}},
                    TimeText{"Negative", "-1:00", false, {}}, TimeText{"ThreeDigitHour", "012:00", false, {}},
                    TimeText{"Letters", "ab:cd", false, {}}, TimeText{"Empty", "", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ListText {
    const char* name;
    const char* text;
    const char* const* names;
    int nCount;
    int nIndex;
};
void PrintTo(const ListText& c, std::ostream* os) { *os << c.name; }

class ListEntryText : public testing::TestWithParam<ListText> {};

TEST_P(ListEntryText, FindsTheEntry) {
    EXPECT_EQ(FindListEntry(GetParam().text, GetParam().names, GetParam().nCount), GetParam().nIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListEntryText,
    testing::Values(
        ListText{"SkyByText", "Partly Cloudy", kSkyConditionNames, kSkyConditionCount, 2},
        ListText{"SkyIgnoringCase", "partly cloudy", kSkyConditionNames, kSkyConditionCount, 2},
        ListText{"SkyByIndex", "4", kSkyConditionNames, kSkyConditionCount, 4},
        ListText{"SkyIndexPastTheEnd", "5", kSkyConditionNames, kSkyConditionCount, -1},
        ListText{"SkyUnknownText", "Sunny", kSkyConditionNames, kSkyConditionCount, -1},
        ListText{"SkyPartOfAText", "Partly", kSkyConditionNames, kSkyConditionCount, -1},
        ListText{"HighGradeByItsNumber", "52", kPgHighNames, kPgGradeCount, 5},
        ListText{"HighGradeByIndex", "5", kPgHighNames, kPgGradeCount, 5},
        ListText{"LowGradeByItsNumber", "-40", kPgLowNames, kPgGradeCount, 5},
        ListText{"NegativeIndexIsNoEntry", "-1", kMoistureContentNames, kMoistureContentCount, -1},
        ListText{"IndexWithBlanks", " 1", kMoistureContentNames, kMoistureContentCount, -1},
        ListText{"IndexWithPlus", "+1", kMoistureContentNames, kMoistureContentCount, -1},
        ListText{"LongIndex", "0000000000000000000001", kMoistureContentNames, kMoistureContentCount, -1},
        ListText{"MaterialByText", "Granular Base", kMaterialTypeNames, kMaterialTypeCount, 2},
        ListText{"Empty", "", kMixTypeNames, kMixTypeCount, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DaysInCalendarMonth, FollowsTheGregorianCalendar) {
    EXPECT_EQ(DaysInCalendarMonth(2026, 2), 28);
    EXPECT_EQ(DaysInCalendarMonth(2024, 2), 29);
    EXPECT_EQ(DaysInCalendarMonth(1900, 2), 28);
    EXPECT_EQ(DaysInCalendarMonth(2000, 2), 29);
    EXPECT_EQ(DaysInCalendarMonth(2026, 4), 30);
    EXPECT_EQ(DaysInCalendarMonth(2026, 12), 31);
    EXPECT_EQ(DaysInCalendarMonth(2026, 0), 0);
    EXPECT_EQ(DaysInCalendarMonth(2026, 13), 0);
}

}  // namespace
