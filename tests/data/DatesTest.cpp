#include "data/Dates.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(DatesTest, WrittenWithZerosAndReadWithOneOrTwoDigits) {
    const struct {
        Date date;
        const char* written;
        const char* alsoRead;
    } rows[] = {{{2026, 12, 5}, "05.12.2026", "5.12.2026"},
                {{2024, 2, 29}, "29.02.2024", "29.2.2024"},
                {{987, 1, 1}, "01.01.0987", "1.1.0987"}};
    for (const auto& row : rows) {
        EXPECT_EQ(FormatDate(row.date), row.written);
        EXPECT_EQ(ParseDate(row.written), row.date) << row.written;
        EXPECT_EQ(ParseDate(row.alsoRead), row.date) << row.alsoRead;
    }
}

TEST(DatesTest, TimesHaveNoLeadingZeroOnTheHour) {
    const struct {
        TimeOfDay time;
        const char* written;
        const char* alsoRead;
    } rows[] = {{{9, 4, 5}, "9:04:05", "09:04:05"},
                {{0, 0, 0}, "0:00:00", "00:00:00"},
                {{23, 59, 59}, "23:59:59", "23:59:59"}};
    for (const auto& row : rows) {
        EXPECT_EQ(FormatTime(row.time), row.written);
        EXPECT_EQ(ParseTime(row.written), row.time) << row.written;
        EXPECT_EQ(ParseTime(row.alsoRead), row.time) << row.alsoRead;
    }
}

TEST(DatesTest, RefusesMalformedOrImpossibleDatesAndTimes) {
    for (const char* text : {"",           "05.12.26",    "05.12.02026", "005.12.2026",
                             "2026-12-05", "05.12.2026 ", " 05.12.2026", "05/12/2026",
                             "5..2026",    "05.12.",      "-5.12.2026",  "+5.12.2026",
                             "31.04.2026", "29.02.2025",  "29.02.1900",  "00.01.2026",
                             "01.13.2026", "01.00.2026",  "01.01.0000",  "a5.12.2026"}) {
        EXPECT_FALSE(ParseDate(text).has_value()) << '"' << text << '"';
    }
    for (const char* text :
         {"", "9:04", "9:4:05", "9:04:5", "009:04:05", "24:00:00", "9:60:00", "9:00:60", "9:04:05 ",
          "9.04.05", "-1:04:05", "9:-4:05", "9:04:05:00"}) {
        EXPECT_FALSE(ParseTime(text).has_value()) << '"' << text << '"';
    }
}

// Walks day by day across four centuries (leap rules of 100 and 400 years
// included): the count goes up by one from each valid day to the next.
TEST(DatesTest, DaysCountFromFirstJanuary1970ThroughTheLeapYears) {
    EXPECT_EQ(DaysFromCivil({1970, 1, 1}), 0);
    EXPECT_EQ(DaysFromCivil({1969, 12, 31}), -1);
    EXPECT_EQ(DaysFromCivil({2026, 12, 5}), 20792);
    EXPECT_EQ(DaysFromCivil({1, 1, 1}), -719162);
    Date day{1899, 1, 1};
    int leapDays = 0;
    for (long count = DaysFromCivil(day); day.year < 2301; ++count) {
        ASSERT_EQ(DaysFromCivil(day), count) << FormatDate(day);
        leapDays += day.month == 2 && day.day == 29 ? 1 : 0;
        ++day.day;
        if (!IsValidDate(day)) {
            day.day = 1;
            day.year += day.month == 12 ? 1 : 0;
            day.month = day.month % 12 + 1;
        }
    }
    EXPECT_EQ(leapDays, 101 - 4);  // every fourth year but 1900, 2100, 2200 and 2300
    EXPECT_FALSE(IsValidDate({2026, 0, 10}));
}

TEST(DatesTest, MonthsEndOnTheirLastDayAndAreNamedInFrench) {
    const struct {
        Date date;
        Date last;
        const char* named;
    } cases[] = {
        {{2026, 12, 5}, {2026, 12, 31}, "décembre 2026"},
        {{2027, 1, 31}, {2027, 1, 31}, "janvier 2027"},
        {{2028, 2, 1}, {2028, 2, 29}, "février 2028"},
        {{2100, 2, 9}, {2100, 2, 28}, "février 2100"},
        {{2026, 4, 30}, {2026, 4, 30}, "avril 2026"},
        {{2026, 8, 15}, {2026, 8, 31}, "août 2026"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(LastDayOfMonth(row.date), row.last) << row.named;
        EXPECT_EQ(MonthAndYear(row.date), row.named);
    }
}

}  // namespace
}  // namespace vantor
