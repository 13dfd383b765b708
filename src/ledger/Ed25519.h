#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Ed25519 signatures (libgcrypt). A private key is its 32-byte seed: the same
// seed always gives the same public key and the same signature of a text, so
// a key file and the archives it signed stay valid whatever library reads them.
namespace ed25519 {

// A fresh random seed.
std::string NewSeed();
// The 32 bytes of the public key of a seed.
std::string PublicKey(const std::string& seed);
// The 64 bytes of the signature of message.
std::string Sign(const std::string& seed, std::string_view message);
bool Holds(const std::string& publicKey, const std::string& signature, std::string_view message);

// The seed as a PEM "PRIVATE KEY" (PKCS #8) text, the archive key file's form.
std::string ToPem(const std::string& seed);
// The seed of such a text; nothing when it is not an Ed25519 key.
std::optional<std::string> FromPem(std::string_view pem);

}  // namespace ed25519

}  // namespace vantor
