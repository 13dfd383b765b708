#include "ledger/Sha256.h"

#include <gcrypt.h>

#include <array>
#include <cstring>
#include <stdexcept>

#include "ledger/Gcrypt.h"

namespace vantor {

struct Sha256::Context {
    gcry_md_hd_t md = nullptr;
    ~Context() { gcry_md_close(md); }
};

Sha256::Sha256() : context_(std::make_unique<Context>()) {
    UseGcrypt();
    if (gcry_md_open(&context_->md, GCRY_MD_SHA256, 0) != 0) {
        throw std::runtime_error("SHA-256 indisponible");
    }
}

Sha256::~Sha256() = default;

void Sha256::Update(std::string_view bytes) {
    gcry_md_write(context_->md, bytes.data(), bytes.size());
}

namespace {

constexpr std::size_t kDigestSize = 32;

// Each byte's two lower-case hexadecimal digits.
const std::array<char, 512>& HexPairs() {
    static const std::array<char, 512> kPairs = [] {
        std::array<char, 512> pairs{};
        constexpr char kDigits[] = "0123456789abcdef";
        for (int byte = 0; byte < 256; ++byte) {
            pairs[2 * byte] = kDigits[byte >> 4];
            pairs[2 * byte + 1] = kDigits[byte & 0xF];
        }
        return pairs;
    }();
    return kPairs;
}

}  // namespace

std::string Sha256::Hex() {
    const unsigned char* digest = gcry_md_read(context_->md, GCRY_MD_SHA256);
    const std::array<char, 512>& pairs = HexPairs();
    std::string hex(kDigestSize * 2, '0');
    for (std::size_t i = 0; i < kDigestSize; ++i) {
        std::memcpy(&hex[2 * i], &pairs[2 * digest[i]], 2);
    }
    gcry_md_reset(context_->md);
    return hex;
}

bool Sha256::Matches(std::string_view hex) {
    const unsigned char* digest = gcry_md_read(context_->md, GCRY_MD_SHA256);
    const std::array<char, 512>& pairs = HexPairs();
    std::array<char, kDigestSize * 2> own{};
    for (std::size_t i = 0; i < kDigestSize; ++i) {
        std::memcpy(&own[2 * i], &pairs[2 * digest[i]], 2);
    }
    gcry_md_reset(context_->md);
    return hex == std::string_view(own.data(), own.size());
}

std::string Sha256Hex(std::string_view bytes) {
    Sha256 hash;
    hash.Update(bytes);
    return hash.Hex();
}

}  // namespace vantor
