#include "reports/ExactSum.h"

#include <array>
#include <cstdint>

#include "data/Numbers.h"
#include "data/Text.h"

namespace vantor {

namespace {

using Units = __int128;
using Magnitude = unsigned __int128;

constexpr std::array<std::uint64_t, ExactSum::kDecimals + 1> kPowersOfTen = [] {
    std::array<std::uint64_t, ExactSum::kDecimals + 1> powers{};
    std::uint64_t power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

constexpr std::uint64_t kOne = kPowersOfTen[ExactSum::kDecimals];
// The integer part must stay below 10^kMaxIntegerDigits.
constexpr std::uint64_t kLimit = kPowersOfTen[ExactSum::kMaxIntegerDigits];

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// ParsePlain for a text of at most 19 characters, whose digits all fit in
// 64 bits: the digits gathered before and after the point.
std::optional<Units> ParseShort(const char* p, const char* end, bool negative) {
    const char* const start = p;
    std::uint64_t digits = 0;
    for (; p != end && IsDigit(*p); ++p) {
        digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    const char* const point = p;
    if (p != end && *p == '.') {
        for (++p; p != end && IsDigit(*p); ++p) {
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    const int decimals = p == point ? 0 : static_cast<int>(p - point - 1);
    const int wholeLimit = ExactSum::kMaxIntegerDigits + decimals;  // digits < 10^this
    if (p != end || p - start == (p == point ? 0 : 1) || decimals > ExactSum::kDecimals ||
        (wholeLimit < 19 && digits >= kPowersOfTen[static_cast<std::size_t>(wholeLimit)])) {
        return std::nullopt;
    }
    const Magnitude magnitude =
        static_cast<Magnitude>(digits) *
        kPowersOfTen[static_cast<std::size_t>(ExactSum::kDecimals - decimals)];
    return negative ? -static_cast<Units>(magnitude) : static_cast<Units>(magnitude);
}

// Reads [-]digits[.digits] with at least one digit, nothing around it: the
// form every amount written by the till has. Returns the value in units.
std::optional<Units> ParsePlain(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    p += negative ? 1 : 0;
    if (end - p <= 19) {
        return ParseShort(p, end, negative);
    }
    const char* const wholeStart = p;
    while (p != end && *p == '0') {
        ++p;  // leading zeros
    }
    const char* const significant = p;
    std::uint64_t whole = 0;
    for (; p != end && IsDigit(*p) && p - significant < 19; ++p) {
        whole = whole * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    const char* const wholeEnd = p;
    std::uint64_t fraction = 0;
    int decimals = 0;
    const char* fractionStart = p;
    if (p != end && *p == '.') {
        fractionStart = ++p;
        for (; p != end && IsDigit(*p); ++p) {
            if (decimals < ExactSum::kDecimals) {
                fraction = fraction * 10 + static_cast<std::uint64_t>(*p - '0');
                ++decimals;
            }
        }
    }
    const bool anyDigit = wholeEnd != wholeStart || p != fractionStart;
    if (p != end || !anyDigit || whole >= kLimit) {
        return std::nullopt;  // also 19 digits or more before the point
    }
    const Units units = static_cast<Units>(whole) * kOne +
                        static_cast<Units>(fraction * kPowersOfTen[ExactSum::kDecimals - decimals]);
    return negative ? -units : units;
}

// Decimal digits of a magnitude, at least minDigits of them (zeros in front).
std::string Digits(Magnitude value, std::size_t minDigits) {
    std::string digits;
    while (value != 0 || digits.size() < minDigits) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    }
    return digits;
}

}  // namespace

std::optional<ExactSum> ExactSum::Parse(std::string_view text) {
    if (std::optional<Units> units = ParsePlain(text)) {
        return ExactSum(*units);
    }
    // Spaces around or a "+" in front: rare, from a file edited by hand.
    if (!IsNumeric(text)) {
        return std::nullopt;
    }
    std::string plain = Trim(text);
    if (plain.front() == '+') {
        plain.erase(0, 1);
    }
    std::optional<Units> units = ParsePlain(plain);
    return units ? std::optional<ExactSum>(ExactSum(*units)) : std::nullopt;
}

ExactSum::ExactSum(Units units)
    : whole_(units / static_cast<Units>(kOne)),
      fraction_(static_cast<std::uint64_t>(units % static_cast<Units>(kOne) +
                                           (units % static_cast<Units>(kOne) < 0 ? kOne : 0))) {
    whole_ -= units % static_cast<Units>(kOne) < 0 ? 1 : 0;  // the fraction is never negative
}

ExactSum& ExactSum::operator+=(const ExactSum& other) {
    whole_ += other.whole_;
    fraction_ += other.fraction_;
    if (fraction_ >= kOne) {
        fraction_ -= kOne;
        ++whole_;
    }
    return *this;
}

ExactSum& ExactSum::operator-=(const ExactSum& other) {
    whole_ -= other.whole_;
    if (fraction_ < other.fraction_) {
        fraction_ += kOne;
        --whole_;
    }
    fraction_ -= other.fraction_;
    return *this;
}

std::string ExactSum::FullText() const {
    const bool negative = whole_ < 0;
    // -2.25 is held as -3 + 0.75.
    const Magnitude whole = negative ? static_cast<Magnitude>(-(whole_ + (fraction_ > 0 ? 1 : 0)))
                                     : static_cast<Magnitude>(whole_);
    const std::uint64_t fraction = negative && fraction_ > 0 ? kOne - fraction_ : fraction_;
    std::string text = negative ? "-" : "";
    text += Digits(whole, 1);
    text += '.';
    text += Digits(fraction, kDecimals);
    return text;
}

double ExactSum::ToDouble() const {
    return ParseNumber(FullText()).value_or(0);
}

std::string ExactSum::Text() const {
    return NumberToText(ToDouble());
}

}  // namespace vantor
