#include "reports/ExactSum.h"

#include <array>
#include <cstdint>

#include "data/Numbers.h"
#include "data/Text.h"

namespace vantor {

namespace {

using Magnitude = unsigned __int128;

constexpr std::uint64_t kOne = kExactPowersOfTen[ExactSum::kDecimals];
// The integer part must stay below 10^kMaxIntegerDigits.
constexpr std::uint64_t kLimit = kExactPowersOfTen[ExactSum::kMaxIntegerDigits];

// A read amount: whole + fraction / 10^18, with its sign.
struct Parts {
    bool negative = false;
    std::uint64_t whole = 0;
    std::uint64_t fraction = 0;
};

// ParsePlain for a text of at most 19 characters: its digits fit in 64 bits
// and it has at most 18 decimals.
std::optional<Parts> ParseShort(const char* p, const char* end, bool negative) {
    const char* const start = p;
    std::uint64_t whole = 0;
    for (; p != end && IsDigit(*p); ++p) {
        whole = whole * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    const char* const point = p;
    std::uint64_t fraction = 0;
    if (p != end && *p == '.') {
        for (++p; p != end && IsDigit(*p); ++p) {
            fraction = fraction * 10 + static_cast<std::uint64_t>(*p - '0');
        }
    }
    const int decimals = p == point ? 0 : static_cast<int>(p - point - 1);
    if (p != end || p - start == (p == point ? 0 : 1) || whole >= kLimit) {
        return std::nullopt;
    }
    return Parts{
        negative, whole,
        fraction * kExactPowersOfTen[static_cast<std::size_t>(ExactSum::kDecimals - decimals)]};
}

// Reads [-]digits[.digits] with at least one digit, nothing around it: the
// form every amount written by the till has.
std::optional<Parts> ParsePlain(std::string_view text) {
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
    return Parts{negative, whole, fraction * kExactPowersOfTen[ExactSum::kDecimals - decimals]};
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
    std::optional<Parts> parts = ParsePlain(text);
    if (!parts && IsNumeric(text)) {
        // Spaces around or a "+" in front: rare, from a file edited by hand.
        std::string plain = Trim(text);
        if (plain.front() == '+') {
            plain.erase(0, 1);
        }
        parts = ParsePlain(plain);
    }
    if (!parts) {
        return std::nullopt;
    }
    // The fraction is never negative: -2.25 is held as -3 + 0.75.
    ExactSum sum;
    sum.whole_ = static_cast<__int128>(parts->whole);
    sum.fraction_ = parts->fraction;
    if (parts->negative) {
        sum.whole_ = -sum.whole_ - (parts->fraction > 0 ? 1 : 0);
        sum.fraction_ = parts->fraction > 0 ? kOne - parts->fraction : 0;
    }
    return sum;
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
