#include "ledger/Sha256.h"

#include <openssl/evp.h>

#include <array>
#include <cstring>
#include <stdexcept>

namespace vantor {

struct Sha256::Context {
    EVP_MD_CTX* md = EVP_MD_CTX_new();
    ~Context() { EVP_MD_CTX_free(md); }
};

namespace {

// Fetched once: fetching the algorithm at every start costs more than
// hashing a sale's records.
const EVP_MD* Algorithm() {
    static EVP_MD* const algorithm = EVP_MD_fetch(nullptr, "SHA256", nullptr);
    return algorithm;
}

void Start(EVP_MD_CTX* md) {
    if (md == nullptr || Algorithm() == nullptr ||
        EVP_DigestInit_ex2(md, Algorithm(), nullptr) != 1) {
        throw std::runtime_error("SHA-256 indisponible");
    }
}

}  // namespace

Sha256::Sha256() : context_(std::make_unique<Context>()) {
    Start(context_->md);
}

Sha256::~Sha256() = default;

void Sha256::Update(std::string_view bytes) {
    EVP_DigestUpdate(context_->md, bytes.data(), bytes.size());
}

std::string Sha256::Hex() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    EVP_DigestFinal_ex(context_->md, digest, &size);
    static const std::array<char, 512> kPairs = [] {
        std::array<char, 512> pairs{};
        constexpr char kDigits[] = "0123456789abcdef";
        for (int byte = 0; byte < 256; ++byte) {
            pairs[2 * byte] = kDigits[byte >> 4];
            pairs[2 * byte + 1] = kDigits[byte & 0xF];
        }
        return pairs;
    }();
    std::string hex(size * 2, '0');
    for (unsigned int i = 0; i < size; ++i) {
        std::memcpy(&hex[2 * i], &kPairs[2 * digest[i]], 2);
    }
    Start(context_->md);
    return hex;
}

}  // namespace vantor
