#include "data/Dates.h"

#include <charconv>
#include <chrono>

namespace vantor {

namespace {

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

std::string TwoDigits(int value) {
    std::string text;
    AppendPadded(text, value, 2);
    return text;
}

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

namespace {

std::chrono::year_month_day CalendarDay(const Date& date) {
    return {std::chrono::year{date.year}, std::chrono::month{static_cast<unsigned>(date.month)},
            std::chrono::day{static_cast<unsigned>(date.day)}};
}

}  // namespace

bool IsValidDate(const Date& date) {
    // Years that fit the four digits of "dd.mm.yyyy"; a month or day out of
    // the calendar's reach is refused before it is converted.
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= 31 && CalendarDay(date).ok();
}

long DaysFromCivil(const Date& date) {
    return std::chrono::sys_days(CalendarDay(date)).time_since_epoch().count();
}

Date DateFromDays(long days) {
    const std::chrono::year_month_day date{std::chrono::sys_days(std::chrono::days(days))};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

long long SecondsFromCivil(const DateTime& when) {
    return static_cast<long long>(DaysFromCivil(when.date)) * 86400 + when.time.hour * 3600LL +
           when.time.minute * 60LL + when.time.second;
}

Date LastDayOfMonth(const Date& date) {
    const std::chrono::year_month_day_last last{
        std::chrono::year{date.year} / std::chrono::month{static_cast<unsigned>(date.month)} /
        std::chrono::last};
    return {date.year, date.month, static_cast<int>(static_cast<unsigned>(last.day()))};
}

std::string MonthAndYear(const Date& date) {
    static constexpr const char* kMonths[] = {"janvier",   "février", "mars",     "avril",
                                              "mai",       "juin",    "juillet",  "août",
                                              "septembre", "octobre", "novembre", "décembre"};
    return std::string(kMonths[date.month - 1]) + " " + std::to_string(date.year);
}

}  // namespace vantor
