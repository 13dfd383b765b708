#include "reports/Separators.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vantor {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;

// 0x80 in each byte of x that is zero, in no other.
std::uint64_t ZeroBytes(std::uint64_t x) {
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// The high bits of the 8 bytes gathered into 8 bits, byte 0 giving bit 0.
std::uint64_t GatherHighBits(std::uint64_t flags) {
    return ((flags >> 7) * 0x0102040810204080) >> 56;
}

}  // namespace

SeparatorMasks FindSeparatorsPortable(const char* p) {
    static_assert(std::endian::native == std::endian::little, "the first byte is the lowest");
    SeparatorMasks masks;
    for (int i = 0; i < 8; ++i) {
        std::uint64_t word = 0;
        std::memcpy(&word, p + 8 * i, 8);
        masks.semicolons |= GatherHighBits(ZeroBytes(word ^ (kOnes * ';'))) << (8 * i);
        masks.lineFeeds |= GatherHighBits(ZeroBytes(word ^ (kOnes * '\n'))) << (8 * i);
    }
    return masks;
}

#if defined(__SSE2__)
SeparatorMasks FindSeparators(const char* p) {
    const __m128i semicolon = _mm_set1_epi8(';');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    SeparatorMasks masks;
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const auto semicolons =
            static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, semicolon)));
        const auto lineFeeds =
            static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lineFeed)));
        masks.semicolons |= static_cast<std::uint64_t>(semicolons) << (16 * i);
        masks.lineFeeds |= static_cast<std::uint64_t>(lineFeeds) << (16 * i);
    }
    return masks;
}
#else
SeparatorMasks FindSeparators(const char* p) {
    return FindSeparatorsPortable(p);
}
#endif

}  // namespace vantor
