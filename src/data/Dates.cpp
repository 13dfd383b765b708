#include "data/Dates.h"

#include <charconv>

namespace vantor {

namespace {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// value written with at least `width` digits, zeros in front.
void AppendPadded(std::string& out, int value, std::size_t width) {
    const std::string digits = std::to_string(value);
    if (digits.size() < width) {
        out.append(width - digits.size(), '0');
    }
    out += digits;
}

// Reads the next field of `text` up to `separator` (or to the end when the
// separator is '\0'); it must hold between minDigits and maxDigits digits.
std::optional<int> TakeField(std::string_view& text, char separator, std::size_t minDigits,
                             std::size_t maxDigits) {
    const std::size_t end = separator == '\0' ? text.size() : text.find(separator);
    if (end == std::string_view::npos || end < minDigits || end > maxDigits) {
        return std::nullopt;
    }
    const std::string_view field = text.substr(0, end);
    if (field.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;  // no sign, no space
    }
    int value = 0;
    std::from_chars(field.data(), field.data() + field.size(), value);
    text.remove_prefix(separator == '\0' ? end : end + 1);
    return value;
}

}  // namespace

std::string FormatDate(const Date& date) {
    std::string text;
    text.reserve(10);
    AppendPadded(text, date.day, 2);
    text += '.';
    AppendPadded(text, date.month, 2);
    text += '.';
    AppendPadded(text, date.year, 4);
    return text;
}

std::string FormatTime(const TimeOfDay& time) {
    std::string text = std::to_string(time.hour);
    text += ':';
    AppendPadded(text, time.minute, 2);
    text += ':';
    AppendPadded(text, time.second, 2);
    return text;
}

std::optional<Date> ParseDate(std::string_view text) {
    const auto day = TakeField(text, '.', 1, 2);
    const auto month = day ? TakeField(text, '.', 1, 2) : std::nullopt;
    const auto year = month ? TakeField(text, '\0', 4, 4) : std::nullopt;
    if (!year) {
        return std::nullopt;
    }
    const Date date{*year, *month, *day};
    return IsValidDate(date) ? std::optional<Date>(date) : std::nullopt;
}

std::optional<TimeOfDay> ParseTime(std::string_view text) {
    const auto hour = TakeField(text, ':', 1, 2);
    const auto minute = hour ? TakeField(text, ':', 2, 2) : std::nullopt;
    const auto second = minute ? TakeField(text, '\0', 2, 2) : std::nullopt;
    if (!second || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return TimeOfDay{*hour, *minute, *second};
}

bool IsValidDate(const Date& date) {
    // Years that fit the four digits of "dd.mm.yyyy".
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

// Proleptic Gregorian calendar counted in 400-year eras of 146097 days, with
// years starting on 1 March so that the leap day falls at the end.
long DaysFromCivil(const Date& date) {
    const long year = date.year - (date.month <= 2 ? 1 : 0);
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long month = date.month;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

Date CivilFromDays(long days) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 is March
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return Date{year, month, day};
}

Date AddDays(const Date& date, long days) {
    return CivilFromDays(DaysFromCivil(date) + days);
}

}  // namespace vantor
