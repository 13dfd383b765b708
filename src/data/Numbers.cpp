#include "data/Numbers.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vantor {

namespace {

constexpr int kSignificantDigits = 15;

std::string_view WithoutSurroundingSpaces(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The text ready for std::from_chars, which takes no spaces and no "+", or
// nothing when it is not a plain decimal number.
std::optional<std::string_view> DecimalCore(std::string_view s, bool allowPoint) {
    s = WithoutSurroundingSpaces(s);
    std::string_view core = s;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        core = s.substr(1);
    }
    bool seenPoint = false;
    bool seenDigit = false;
    for (const char c : core) {
        if (IsDigit(c)) {
            seenDigit = true;
        } else if (c == '.' && allowPoint && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) {
        return std::nullopt;
    }
    return s.front() == '+' ? core : s;
}

// Digits and decimal exponent of value rounded to 15 significant digits:
// value = d.ddd... x 10^exponent, trailing zeros of the digits dropped.
struct Rounded {
    std::string digits;
    int exponent;
};

Rounded RoundToSignificant(double magnitude) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    Rounded rounded{std::string(), 0};
    for (const char c : text.substr(0, e)) {
        if (c != '.') {
            rounded.digits += c;
        }
    }
    rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
    std::string_view exponent = text.substr(e + 1);
    if (exponent.front() == '+') {
        exponent.remove_prefix(1);
    }
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), rounded.exponent);
    return rounded;
}

// Places the point into the digits, padding with zeros: never an exponent.
std::string LayOut(const Rounded& rounded) {
    const int count = static_cast<int>(rounded.digits.size());
    const int exponent = rounded.exponent;
    if (exponent < 0) {
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + rounded.digits;
    }
    if (exponent >= count - 1) {
        return rounded.digits + std::string(static_cast<std::size_t>(exponent - count + 1), '0');
    }
    std::string text = rounded.digits;
    text.insert(static_cast<std::size_t>(exponent + 1), 1, '.');
    return text;
}

}  // namespace

bool IsNumeric(std::string_view s) {
    return ParseNumber(s).has_value();
}

std::optional<double> ParseNumber(std::string_view s) {
    const std::optional<std::string_view> core = DecimalCore(s, true);
    if (!core) {
        return std::nullopt;
    }
    // A text of hundreds of digits, beyond the range of a double, is no number.
    double value = 0;
    const auto result =
        std::from_chars(core->data(), core->data() + core->size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != core->data() + core->size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ParseInteger(std::string_view s) {
    const std::optional<std::string_view> core = DecimalCore(s, false);
    if (!core) {
        return std::nullopt;
    }
    int value = 0;
    const auto result = std::from_chars(core->data(), core->data() + core->size(), value);
    if (result.ec != std::errc() || result.ptr != core->data() + core->size()) {
        return std::nullopt;
    }
    return value;
}

std::string NumberToText(double value) {
    if (!std::isfinite(value)) {
        std::array<char, 8> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        return std::string(buffer.data(), result.ptr);
    }
    if (value == 0) {
        return "0";  // also for -0
    }
    const std::string text = LayOut(RoundToSignificant(std::fabs(value)));
    return value < 0 ? "-" + text : text;
}

bool IsAmountInRange(std::string_view s) {
    const std::optional<double> value = ParseNumber(s);
    return value && *value > -kAmountLimit && *value < kAmountLimit;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace vantor
