#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "staff/Pin.h"

namespace vantor {

// The cost of one Argon2id digest: passes over the memory, the memory in KiB
// and the lanes. Kept with each digest, so that a cost raised later leaves
// the digests made before it valid.
struct Argon2Cost {
    unsigned long passes = 0;
    unsigned long memoryKiB = 0;
    unsigned long lanes = 0;
    friend bool operator==(const Argon2Cost&, const Argon2Cost&) = default;
};

// The cost of the digests made now: one check takes a tenth of a second or
// so on a till's computer (bench/staff), so that guessing PINs one after
// another is slow and signing in still feels instant.
inline constexpr Argon2Cost kPinCost{3, 32768, 1};

// The costs a digest read from a file may ask: anything beyond would let a
// hand-edited line make every sign-in take minutes or all the memory.
bool IsReasonableCost(const Argon2Cost& cost);

// What checks a PIN without holding it: a random salt and the Argon2id
// digest of the PIN with that salt, both as lower-case hexadecimal digits
// (16 and 32 bytes).
struct PinDigest {
    Argon2Cost cost;
    std::string salt;
    std::string digest;
    friend bool operator==(const PinDigest&, const PinDigest&) = default;
};

inline constexpr std::size_t kSaltBytes = 16;
inline constexpr std::size_t kDigestBytes = 32;

// The digest of a valid PIN under a new random salt. Throws
// std::runtime_error when the library cannot compute it.
PinDigest DigestPin(const Pin& pin, const Argon2Cost& cost = kPinCost);
// Argon2id (version 1.3) of the password with the salt, the secret and the
// associated data, length bytes long: the function the digests are made
// with. Throws std::runtime_error when the library refuses its inputs.
std::string Argon2id(std::string_view password, std::string_view salt, std::string_view secret,
                     std::string_view associated, const Argon2Cost& cost, std::size_t length);
// Whether the PIN is the one the digest was made of; false for an invalid PIN.
bool PinMatches(const Pin& pin, const PinDigest& stored);

}  // namespace vantor
