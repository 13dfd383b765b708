#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace vantor {

// "05.12.2026"
std::string FormatDate(const Date& date);
// 7 → "07", as dates and times are written in file names and exports.
std::string TwoDigits(int value);
// "9:04:05" (hour without a leading zero)
std::string FormatTime(const TimeOfDay& time);
// "dd.mm.yyyy" (one-digit day or month accepted) to a valid calendar date.
std::optional<Date> ParseDate(std::string_view text);
// "h:mm:ss" or "hh:mm:ss".
std::optional<TimeOfDay> ParseTime(std::string_view text);
bool IsValidDate(const Date& date);
// Days since 01.01.1970 (negative before) of a valid date.
long DaysFromCivil(const Date& date);
// The date of a count of days since 01.01.1970.
Date DateFromDays(long days);
// Seconds since 01.01.1970 0:00:00 of a valid date and time, as the clock
// of the platform counts them (no time zone, no leap second).
long long SecondsFromCivil(const DateTime& when);
// The last day of the date's month.
Date LastDayOfMonth(const Date& date);
// "décembre 2026"
std::string MonthAndYear(const Date& date);

}  // namespace vantor
