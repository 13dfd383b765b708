#include "data/Dates.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(DatesTest, FormatsDayMonthYearWithZeros) {
    EXPECT_EQ(FormatDate({2026, 12, 5}), "05.12.2026");
    EXPECT_EQ(FormatDate({2024, 2, 29}), "29.02.2024");
    EXPECT_EQ(FormatDate({987, 1, 1}), "01.01.0987");
}

TEST(DatesTest, FormatsTimeWithoutLeadingZeroOnTheHour) {
    EXPECT_EQ(FormatTime({9, 4, 5}), "9:04:05");
    EXPECT_EQ(FormatTime({0, 0, 0}), "0:00:00");
    EXPECT_EQ(FormatTime({23, 59, 59}), "23:59:59");
}

TEST(DatesTest, ParsesDatesWithOneOrTwoDigitDayAndMonth) {
    EXPECT_EQ(ParseDate("05.12.2026"), (Date{2026, 12, 5}));
    EXPECT_EQ(ParseDate("5.1.2026"), (Date{2026, 1, 5}));
    EXPECT_EQ(ParseDate("29.02.2024"), (Date{2024, 2, 29}));
}

TEST(DatesTest, RefusesMalformedOrImpossibleDates) {
    for (const char* text :
         {"", "05.12.26", "05.12.02026", "005.12.2026", "2026-12-05", "05.12.2026 ", " 05.12.2026",
          "05/12/2026", "5..2026", "05.12.", "-5.12.2026", "+5.12.2026", "31.04.2026", "29.02.2025",
          "00.01.2026", "01.13.2026", "01.00.2026", "01.01.0000", "a5.12.2026"}) {
        EXPECT_FALSE(ParseDate(text).has_value()) << '"' << text << '"';
    }
}

TEST(DatesTest, ParsesTimesWithOneOrTwoDigitHour) {
    EXPECT_EQ(ParseTime("9:04:05"), (TimeOfDay{9, 4, 5}));
    EXPECT_EQ(ParseTime("09:04:05"), (TimeOfDay{9, 4, 5}));
    EXPECT_EQ(ParseTime("23:59:59"), (TimeOfDay{23, 59, 59}));
    EXPECT_EQ(ParseTime("0:00:00"), (TimeOfDay{0, 0, 0}));
}

TEST(DatesTest, RefusesMalformedOrImpossibleTimes) {
    for (const char* text :
         {"", "9:04", "9:4:05", "9:04:5", "009:04:05", "24:00:00", "9:60:00", "9:00:60", "9:04:05 ",
          "9.04.05", "-1:04:05", "9:-4:05", "9:04:05:00"}) {
        EXPECT_FALSE(ParseTime(text).has_value()) << '"' << text << '"';
    }
}

TEST(DatesTest, LeapYearsFollowTheGregorianRules) {
    EXPECT_TRUE(IsValidDate({2024, 2, 29}));
    EXPECT_TRUE(IsValidDate({2000, 2, 29}));
    EXPECT_FALSE(IsValidDate({1900, 2, 29}));
    EXPECT_FALSE(IsValidDate({2100, 2, 29}));
    EXPECT_FALSE(IsValidDate({2026, 2, 29}));
    EXPECT_TRUE(IsValidDate({2026, 12, 31}));
    EXPECT_FALSE(IsValidDate({2026, 11, 31}));
    EXPECT_FALSE(IsValidDate({2026, 0, 10}));
}

TEST(DatesTest, DaysCountFromFirstJanuary1970) {
    EXPECT_EQ(DaysFromCivil({1970, 1, 1}), 0);
    EXPECT_EQ(DaysFromCivil({1969, 12, 31}), -1);
    EXPECT_EQ(DaysFromCivil({2000, 3, 1}), 11017);
    EXPECT_EQ(DaysFromCivil({2026, 12, 5}), 20792);
    EXPECT_EQ(DaysFromCivil({1, 1, 1}), -719162);
}

// Walks day by day across four centuries (leap rules of 100 and 400 years
// included): each calendar day counts one more than the previous one.
TEST(DatesTest, ConsecutiveDayCountsAreConsecutiveCalendarDays) {
    Date expected{1899, 1, 1};
    for (long days = DaysFromCivil(expected); expected.year < 2301; ++days) {
        ASSERT_EQ(DaysFromCivil(expected), days) << FormatDate(expected);
        ++expected.day;
        if (!IsValidDate(expected)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
}

}  // namespace
}  // namespace vantor
