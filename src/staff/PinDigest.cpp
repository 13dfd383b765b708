#include "staff/PinDigest.h"

#include <gcrypt.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <type_traits>

#include "ledger/Gcrypt.h"
#include "ledger/Hex.h"

namespace vantor {

namespace {

// Beyond these a digest costs more than a till should spend on a sign-in.
constexpr unsigned long kMaxPasses = 16;
constexpr unsigned long kMaxMemoryKiB = 262144;  // 256 MiB
constexpr unsigned long kMaxLanes = 4;

struct KdfClose {
    void operator()(gcry_kdf_hd_t handle) const { gcry_kdf_close(handle); }
};

std::runtime_error KdfError(gcry_error_t error) {
    return std::runtime_error(std::string("empreinte du code impossible : ") +
                              gcry_strerror(error));
}

// Compares every byte, whatever the first difference: the time a check takes
// says nothing of how much of the digest was right.
bool SameBytes(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return difference == 0;
}

}  // namespace

bool IsReasonableCost(const Argon2Cost& cost) {
    return cost.passes >= 1 && cost.passes <= kMaxPasses && cost.lanes >= 1 &&
           cost.lanes <= kMaxLanes && cost.memoryKiB >= 8 * cost.lanes &&
           cost.memoryKiB <= kMaxMemoryKiB;
}

std::string Argon2id(std::string_view password, std::string_view salt, std::string_view secret,
                     std::string_view associated, const Argon2Cost& cost, std::size_t length) {
    UseGcrypt();
    // The order libgcrypt reads them in: tag length, passes, memory, lanes.
    const unsigned long parameters[4] = {static_cast<unsigned long>(length), cost.passes,
                                         cost.memoryKiB, cost.lanes};
    gcry_kdf_hd_t opened = nullptr;
    gcry_error_t error = gcry_kdf_open(
        &opened, GCRY_KDF_ARGON2, GCRY_KDF_ARGON2ID, parameters, 4, password.data(),
        password.size(), salt.data(), salt.size(), secret.empty() ? nullptr : secret.data(),
        secret.size(), associated.empty() ? nullptr : associated.data(), associated.size());
    if (error != 0) {
        throw KdfError(error);
    }
    std::unique_ptr<std::remove_pointer_t<gcry_kdf_hd_t>, KdfClose> handle(opened);
    std::string result(length, '\0');
    error = gcry_kdf_compute(handle.get(), nullptr);
    if (error == 0) {
        error = gcry_kdf_final(handle.get(), result.size(), result.data());
    }
    if (error != 0) {
        throw KdfError(error);
    }
    return result;
}

PinDigest DigestPin(const Pin& pin, const Argon2Cost& cost) {
    if (!pin.Valid()) {
        throw std::runtime_error("empreinte d'un code invalide");
    }
    UseGcrypt();
    std::string salt(kSaltBytes, '\0');
    gcry_randomize(salt.data(), salt.size(), GCRY_STRONG_RANDOM);
    const std::string digest = Argon2id(pin.Digits(), salt, {}, {}, cost, kDigestBytes);
    return {cost, ToHex(salt), ToHex(digest)};
}

bool PinMatches(const Pin& pin, const PinDigest& stored) {
    const std::optional<std::string> salt = FromHex(stored.salt);
    const std::optional<std::string> expected = FromHex(stored.digest);
    if (!pin.Valid() || !salt || !expected || expected->size() != kDigestBytes ||
        !IsReasonableCost(stored.cost)) {
        return false;
    }
    return SameBytes(Argon2id(pin.Digits(), *salt, {}, {}, stored.cost, kDigestBytes), *expected);
}

}  // namespace vantor
