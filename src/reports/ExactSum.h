#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// A sum of journal amounts kept exactly as decimals, in units of 10^-18.
// Adding a million amounts as doubles drifts by a few millionths, which a
// report that cuts to two decimals shows as a missing cent; an exact sum does
// not drift and does not depend on the order of the additions, so the journal
// can also be read in pieces and the pieces added up.
class ExactSum {
public:
    static constexpr int kDecimals = 18;
    // Amounts of a till stay far below this; larger numbers are not read.
    static constexpr int kMaxIntegerDigits = 15;

    ExactSum() = default;

    // The value of a numeric text (as IsNumeric accepts it: "7", "-20",
    // " 3.50 ", "+.5"); decimals beyond the 18th are cut. nullopt for a text
    // that is not a number or has more than kMaxIntegerDigits integer digits.
    static std::optional<ExactSum> Parse(std::string_view text);

    ExactSum& operator+=(const ExactSum& other);
    ExactSum& operator-=(const ExactSum& other);
    friend ExactSum operator+(ExactSum a, const ExactSum& b) { return a += b; }
    friend ExactSum operator-(ExactSum a, const ExactSum& b) { return a -= b; }
    friend bool operator==(const ExactSum&, const ExactSum&) = default;

    bool IsPositive() const { return whole_ > 0 || (whole_ == 0 && fraction_ > 0); }
    // a × b / (a + b), rounded to the 18th decimal, halves away from zero.
    // nullopt when a + b is 0, when an operand is 10^20 or more, or when the
    // result has more than kMaxIntegerDigits integer digits.
    static std::optional<ExactSum> ProductOverSum(const ExactSum& a, const ExactSum& b);
    // The value rounded to cents, halves away from zero (0.905 gives 0.91,
    // -0.905 gives -0.91).
    ExactSum RoundedToCents() const;
    // The same as a count of cents (-0.905 gives -91).
    std::int64_t Cents() const;
    // The nearest double.
    double ToDouble() const;
    // The number-to-text form of the value ("12.5", "-20", "0").
    std::string Text() const;

private:
    // The exact decimal form, all 18 decimals written.
    std::string FullText() const;

    // The value is whole_ + fraction_ / 10^18, the fraction never negative:
    // the whole part has room for more amounts than any file can hold, where
    // one count of 10^-18 units would overflow after 170,000 of the largest.
    __int128 whole_ = 0;
    std::uint64_t fraction_ = 0;
};

// 10^0 … 10^18: the units of an exact sum.
inline constexpr std::array<std::uint64_t, ExactSum::kDecimals + 1> kExactPowersOfTen = [] {
    std::array<std::uint64_t, ExactSum::kDecimals + 1> powers{};
    std::uint64_t power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

}  // namespace vantor
