// Products and quotients of exact sums: a × b / c to the 18th decimal, and
// the rounding to cents of what the screen and the paper show.
#include <algorithm>
#include <array>
#include <cstdint>

#include "reports/ExactSum.h"

namespace vantor {

namespace {

using U128 = unsigned __int128;

constexpr std::array<std::uint64_t, ExactSum::kDecimals + 1> kPowers = [] {
    std::array<std::uint64_t, ExactSum::kDecimals + 1> powers{};
    std::uint64_t power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();
constexpr std::uint64_t kOne = kPowers[ExactSum::kDecimals];
constexpr std::uint64_t kCent = kPowers[ExactSum::kDecimals - 2];
// Operands below 10^20 have their units (10^-18) within 128 bits.
constexpr U128 kMaxOperandWhole = static_cast<U128>(kPowers[ExactSum::kDecimals]) * 100;
constexpr U128 kMaxResultUnits = static_cast<U128>(kPowers[ExactSum::kMaxIntegerDigits]) * kOne;

// How many of the last decimals of units (a magnitude in 10^-18) are zeros, at most 18.
int TrailingZeros(std::uint64_t fraction) {
    if (fraction == 0) {
        return ExactSum::kDecimals;
    }
    int zeros = 0;
    for (; fraction % 10 == 0; fraction /= 10) {
        ++zeros;
    }
    return zeros;
}

// The magnitude's units divided by 10^zeros, which divide them.
U128 Reduced(U128 whole, std::uint64_t fraction, int zeros) {
    const auto z = static_cast<std::size_t>(zeros);
    return whole * kPowers[ExactSum::kDecimals - z] + fraction / kPowers[z];
}

// q + 1 when the remainder r of a division by d is at least half of d.
U128 RoundedQuotient(U128 q, U128 r, U128 d) {
    return r >= d - r ? q + 1 : q;
}

// a × b as 256 bits (high, low).
void Multiply(U128 a, U128 b, U128& high, U128& low) {
    const U128 a0 = static_cast<std::uint64_t>(a);
    const U128 a1 = a >> 64;
    const U128 b0 = static_cast<std::uint64_t>(b);
    const U128 b1 = b >> 64;
    const U128 cross1 = a0 * b1;
    const U128 cross = cross1 + a1 * b0;
    const U128 crossCarry = cross < cross1 ? U128{1} << 64 : 0;
    low = a0 * b0;
    high = a1 * b1 + (cross >> 64) + crossCarry;
    const U128 crossLow = cross << 64;
    low += crossLow;
    high += low < crossLow ? 1 : 0;
}

// (high, low) / d rounded, halves up; false when the quotient needs more than 128 bits.
bool Divide(U128 high, U128 low, U128 d, U128& quotient) {
    if (high >= d) {
        return false;
    }
    U128 remainder = high;
    U128 q = 0;
    for (int bit = 127; bit >= 0; --bit) {
        const bool carry = (remainder >> 127) != 0;
        remainder = (remainder << 1) | ((low >> bit) & 1);
        if (carry || remainder >= d) {
            remainder -= d;
            q |= U128{1} << bit;
        }
    }
    quotient = RoundedQuotient(q, remainder, d);
    return quotient >= q;  // no wrap at the very top
}

}  // namespace

// The operands are reduced by the decimal zeros they all end with, so that
// the amounts of a till (a few significant digits each) multiply within 128
// bits; other operands go through 256 bits.
std::optional<ExactSum> ExactSum::MulDiv(const ExactSum& a, const ExactSum& b, const ExactSum& c) {
    struct Magnitude {
        bool negative;
        U128 whole;
        std::uint64_t fraction;
    };
    auto magnitude = [](const ExactSum& x) {
        if (x.whole_ >= 0) {
            return Magnitude{false, static_cast<U128>(x.whole_), x.fraction_};
        }
        // -2.25 is held as -3 + 0.75.
        return Magnitude{true, static_cast<U128>(-(x.whole_ + (x.fraction_ > 0 ? 1 : 0))),
                         x.fraction_ > 0 ? kOne - x.fraction_ : 0};
    };
    const Magnitude ma = magnitude(a);
    const Magnitude mb = magnitude(b);
    const Magnitude mc = magnitude(c);
    if (ma.whole >= kMaxOperandWhole || mb.whole >= kMaxOperandWhole ||
        mc.whole >= kMaxOperandWhole || (mc.whole == 0 && mc.fraction == 0)) {
        return std::nullopt;
    }
    const int zeros = std::min({TrailingZeros(ma.fraction), TrailingZeros(mb.fraction),
                                TrailingZeros(mc.fraction)});
    const U128 ra = Reduced(ma.whole, ma.fraction, zeros);
    const U128 rb = Reduced(mb.whole, mb.fraction, zeros);
    const U128 rc = Reduced(mc.whole, mc.fraction, zeros);
    U128 units = 0;
    if ((ra >> 64) == 0 && (rb >> 64) == 0) {
        // a × b / c = (ra × rb / rc) × 10^zeros units: the quotient, then the
        // remainder's share of 10^zeros.
        const U128 product = ra * rb;
        const U128 q = product / rc;
        const U128 scale = kPowers[static_cast<std::size_t>(zeros)];
        if (q > kMaxResultUnits / scale) {
            return std::nullopt;
        }
        const U128 spread = product % rc * scale;
        units = q * scale + RoundedQuotient(spread / rc, spread % rc, rc);
    } else {
        U128 high = 0;
        U128 low = 0;
        Multiply(Reduced(ma.whole, ma.fraction, 0), Reduced(mb.whole, mb.fraction, 0), high, low);
        if (!Divide(high, low, Reduced(mc.whole, mc.fraction, 0), units)) {
            return std::nullopt;
        }
    }
    if (units >= kMaxResultUnits) {
        return std::nullopt;
    }
    ExactSum result;
    result.whole_ = static_cast<__int128>(units / kOne);
    result.fraction_ = static_cast<std::uint64_t>(units % kOne);
    const bool negative = (ma.negative != mb.negative) != mc.negative;
    return negative ? ExactSum() - result : result;
}

ExactSum ExactSum::RoundedToCents() const {
    if (whole_ < 0) {
        return ExactSum() - (ExactSum() - *this).RoundedToCents();
    }
    ExactSum rounded = *this;
    rounded.fraction_ -= fraction_ % kCent;
    if (fraction_ % kCent >= kCent / 2) {
        ExactSum cent;
        cent.fraction_ = kCent;
        rounded += cent;
    }
    return rounded;
}

}  // namespace vantor
