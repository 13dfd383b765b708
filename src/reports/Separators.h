#pragma once

#include <cstdint>

namespace vantor {

// The separators of journal lines among 64 bytes: bit i of semicolons is set
// when byte i is ";", bit i of lineFeeds when it is LF.
struct SeparatorMasks {
    std::uint64_t semicolons = 0;
    std::uint64_t lineFeeds = 0;
};

// The 64 bytes from p must all be readable. Uses the processor's 16-byte
// compares where the build has them, else FindSeparatorsPortable.
SeparatorMasks FindSeparators(const char* p);
// The same masks computed 8 bytes at a time in plain integers.
SeparatorMasks FindSeparatorsPortable(const char* p);

}  // namespace vantor
