#pragma once

namespace vantor {

struct Date {
    int year = 1970;
    int month = 1;
    int day = 1;
    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
    friend auto operator<=>(const TimeOfDay&, const TimeOfDay&) = default;
};

struct DateTime {
    Date date;
    TimeOfDay time;
    friend bool operator==(const DateTime&, const DateTime&) = default;
    friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

}  // namespace vantor
