// Products over sums of exact sums, a × b / (a + b) to the 18th decimal, and
// the rounding to cents of what the screen and the paper show.
#include <algorithm>
#include <array>
#include <cstdint>

#include "reports/ExactSum.h"

namespace vantor {

namespace {

using U128 = unsigned __int128;

constexpr std::uint64_t kRatioOne = kExactPowersOfTen[ExactSum::kDecimals];
constexpr std::uint64_t kCent = kExactPowersOfTen[ExactSum::kDecimals - 2];
// Operands below 10^20 have their units (10^-18) within 128 bits.
constexpr U128 kMaxOperandWhole = static_cast<U128>(kExactPowersOfTen[ExactSum::kDecimals]) * 100;
constexpr U128 kMaxResultUnits =
    static_cast<U128>(kExactPowersOfTen[ExactSum::kMaxIntegerDigits]) * kRatioOne;

constexpr int kCommonZeros = 13;
constexpr std::uint64_t kCommonScale = kExactPowersOfTen[kCommonZeros];

// The result's limit divided by 10^zeros, for each number of zeros.
constexpr std::array<U128, ExactSum::kDecimals + 1> kMaxQuotients = [] {
    std::array<U128, ExactSum::kDecimals + 1> limits{};
    for (std::size_t z = 0; z < limits.size(); ++z) {
        limits[z] = kMaxResultUnits / kExactPowersOfTen[z];
    }
    return limits;
}();

// An operand's magnitude, whole + fraction / 10^18, with the number of zeros
// that end its fraction (at most 18) and the fraction without them.
struct Operand {
    bool negative = false;
    U128 whole = 0;
    std::uint64_t fraction = 0;
    int zeros = ExactSum::kDecimals;
    std::uint64_t stripped = 0;

    // The units (10^-18) divided by 10^z, z at most zeros: multiplications only.
    U128 Reduced(int z) const {
        return whole * kExactPowersOfTen[static_cast<std::size_t>(ExactSum::kDecimals - z)] +
               static_cast<U128>(stripped) * kExactPowersOfTen[static_cast<std::size_t>(zeros - z)];
    }
};

// Counts and strips the zeros that end the fraction. The divisions by
// constants compile to multiplications.
void StripZeros(Operand& x) {
    if (x.fraction == 0) {
        return;
    }
    std::uint64_t digits = x.fraction;
    int zeros = 0;
    auto strip = [&](std::uint64_t power, int count) {
        if (digits % power == 0) {
            digits /= power;
            zeros += count;
        }
    };
    strip(100'000'000, 8);
    strip(100'000'000, 8);
    strip(10'000, 4);
    strip(100, 2);
    strip(10, 1);
    x.zeros = zeros;
    x.stripped = digits;
}

// n / d and n % d, in 64 bits when both fit (most amounts of a till do).
void DivMod(U128 n, U128 d, U128& quotient, U128& remainder) {
    if ((n >> 64) == 0 && (d >> 64) == 0) {
        const auto n64 = static_cast<std::uint64_t>(n);
        const auto d64 = static_cast<std::uint64_t>(d);
        quotient = n64 / d64;
        remainder = n64 % d64;
        return;
    }
    quotient = n / d;
    remainder = n - quotient * d;
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

// The operands are reduced by the decimal zeros they both end with, so that
// the amounts of a till (a few significant digits each) multiply within 128
// bits and divide in 64; other operands go through 256 bits.
std::optional<ExactSum> ExactSum::ProductOverSum(const ExactSum& a, const ExactSum& b) {
    auto operand = [](const ExactSum& x) {
        Operand o;
        o.negative = x.whole_ < 0;
        // -2.25 is held as -3 + 0.75.
        o.whole = o.negative ? static_cast<U128>(-(x.whole_ + (x.fraction_ > 0 ? 1 : 0)))
                             : static_cast<U128>(x.whole_);
        o.fraction = o.negative && x.fraction_ > 0 ? kRatioOne - x.fraction_ : x.fraction_;
        return o;
    };
    Operand oa = operand(a);
    Operand ob = operand(b);
    if (oa.whole >= kMaxOperandWhole || ob.whole >= kMaxOperandWhole) {
        return std::nullopt;
    }
    // The amounts of a till have at most 5 decimals: the zeros are counted
    // only for the others.
    if (oa.fraction % kCommonScale == 0 && ob.fraction % kCommonScale == 0) {
        for (Operand* o : {&oa, &ob}) {
            o->zeros = kCommonZeros;
            o->stripped = o->fraction / kCommonScale;
        }
    } else {
        StripZeros(oa);
        StripZeros(ob);
    }
    // The sum's magnitude and sign, from the reduced magnitudes.
    auto sum = [&](U128 ra, U128 rb, bool& negative) {
        negative = oa.negative == ob.negative ? oa.negative : (ra > rb ? oa.negative : ob.negative);
        return oa.negative == ob.negative ? ra + rb : (ra > rb ? ra - rb : rb - ra);
    };
    const int zeros = std::min(oa.zeros, ob.zeros);
    const U128 ra = oa.Reduced(zeros);
    const U128 rb = ob.Reduced(zeros);
    bool sumNegative = false;
    const U128 rc = sum(ra, rb, sumNegative);
    if (rc == 0) {
        return std::nullopt;
    }
    U128 units = 0;
    if ((ra >> 64) == 0 && (rb >> 64) == 0) {
        // a × b / (a + b) = (ra × rb / rc) × 10^zeros units: the quotient,
        // then the remainder's share of 10^zeros.
        U128 q = 0;
        U128 r = 0;
        DivMod(ra * rb, rc, q, r);
        if (q >= kMaxQuotients[static_cast<std::size_t>(zeros)]) {
            return std::nullopt;
        }
        const U128 scale = kExactPowersOfTen[static_cast<std::size_t>(zeros)];
        U128 share = 0;
        U128 rest = 0;
        DivMod(r * scale, rc, share, rest);
        units = q * scale + RoundedQuotient(share, rest, rc);
    } else {
        const U128 ua = oa.Reduced(0);
        const U128 ub = ob.Reduced(0);
        U128 high = 0;
        U128 low = 0;
        Multiply(ua, ub, high, low);
        if (!Divide(high, low, sum(ua, ub, sumNegative), units)) {
            return std::nullopt;
        }
    }
    if (units >= kMaxResultUnits) {
        return std::nullopt;
    }
    ExactSum result;
    if ((units >> 64) == 0) {
        result.whole_ = static_cast<std::uint64_t>(units) / kRatioOne;
        result.fraction_ = static_cast<std::uint64_t>(units) % kRatioOne;
    } else {
        result.whole_ = static_cast<__int128>(units / kRatioOne);
        result.fraction_ = static_cast<std::uint64_t>(units % kRatioOne);
    }
    return (oa.negative != ob.negative) != sumNegative ? ExactSum() - result : result;
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

std::int64_t ExactSum::Cents() const {
    const ExactSum rounded = RoundedToCents();
    return static_cast<std::int64_t>(rounded.whole_ * 100 + rounded.fraction_ / kCent);
}

}  // namespace vantor
