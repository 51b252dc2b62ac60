#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "CalendarTime.h"
#include "FormRules.h"

namespace {

struct DayRow {
    const char* name;
    int nDay;
    int nMonth;
    int nYear;
    int nAfterDayLeft;    // CorrectDayOnLeave
    int nAfterMonthLeft;  // LimitDayToMonth
};

class DayCorrection : public testing::TestWithParam<DayRow> {};

TEST_P(DayCorrection, OnLeavingTheDayOrTheMonth) {
    const DayRow& row = GetParam();
    int nDay = row.nDay;
    CorrectDayOnLeave(&nDay, row.nYear, row.nMonth);
    EXPECT_EQ(nDay, row.nAfterDayLeft);
    nDay = row.nDay;
    LimitDayToMonth(&nDay, row.nYear, row.nMonth);
    EXPECT_EQ(nDay, row.nAfterMonthLeft);
}

INSTANTIATE_TEST_SUITE_P(Form, DayCorrection,
                         testing::Values(DayRow{"ThirtyFirstOfApril", 31, 4, 2023, 30, 30},
                                         DayRow{"ThirtyFirstToFebruary", 31, 2, 2023, 28, 28},
                                         DayRow{"TwentyNinthOfFebruaryInACommonYear", 29, 2, 2023, 28, 28},
                                         DayRow{"TwentyNinthOfFebruaryInALeapYearStays", 29, 2, 2024, 29, 29},
                                         DayRow{"ThirtyFirstToFebruaryOfALeapYear", 31, 2, 2024, 29, 29},
                                         DayRow{"CenturyDivisibleBy400IsLeap", 29, 2, 2000, 29, 29},
                                         DayRow{"CenturyNotDivisibleBy400IsCommon", 29, 2, 2100, 28, 28},
                                         DayRow{"ThirtyFirstOfDecember", 31, 12, 2023, 31, 31},
                                         DayRow{"DayZeroOnlyOnDayLeave", 0, 5, 2023, 1, 0},
                                         DayRow{"NegativeDayOnlyOnDayLeave", -3, 5, 2023, 1, -3},
                                         DayRow{"MonthThirteenLeavesTheDay", 31, 13, 2023, 31, 31},
                                         DayRow{"MonthZeroLeavesTheDay", 35, 0, 2024, 35, 35}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PavingDate, MonthLengthsFollowTheGregorianCalendar) {
    const int expected[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int nMonth = 1; nMonth <= 12; ++nMonth) {
        EXPECT_EQ(FormDaysInMonth(2023, nMonth), expected[nMonth - 1]) << nMonth;
        EXPECT_EQ(FormDaysInMonth(2024, nMonth), nMonth == 2 ? 29 : expected[nMonth - 1]) << nMonth;
    }
    EXPECT_EQ(FormDaysInMonth(2024, 0), 0);
    EXPECT_EQ(FormDaysInMonth(2024, 13), 0);
}

TEST(PavingDate, ClockFillDropsSeconds) {
    std::tm when = CalendarTime(1999, 3, 5, 14, 37, 59, 0);
    const std::time_t now = std::mktime(&when);
    ASSERT_NE(now, static_cast<std::time_t>(-1));

    FormRecord record;
    FillFromClock(record, now);
    EXPECT_EQ(record.inputs.m_nHour, 14);
    EXPECT_EQ(record.inputs.m_nMinute, 37);
    EXPECT_EQ(record.inputs.m_nMonth, 3);
    EXPECT_EQ(record.inputs.m_nDay, 5);
    EXPECT_EQ(record.inputs.m_nYear, 1999);
}

// The clock gives 29 February in a leap year, and leaving the day keeps it.
TEST(PavingDate, ClockFillKeepsLeapDay) {
    std::tm when = CalendarTime(2024, 2, 29, 8, 0, 0, 0);
    FormRecord record;
    FillFromClock(record, std::mktime(&when));
    SimulationInputs& in = record.inputs;
    EXPECT_EQ(in.m_nDay, 29);
    EXPECT_EQ(in.m_nMonth, 2);
    CorrectDayOnLeave(&in.m_nDay, in.m_nYear, in.m_nMonth);
    EXPECT_EQ(in.m_nDay, 29);
}

}  // namespace
