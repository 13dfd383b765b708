#pragma once

#include <optional>
#include <string>

namespace vantor {

// The shop's signing key (Ed25519, PEM, readable by its owner only), made at
// the first start of the till on the folder: it signs every closure line and
// every archive, and its existence tells that the folder has had a chain.
inline constexpr const char* kArchiveKeyFile = "archive.key";

// The key's seed; nothing when the folder has none. Throws FileError when it
// cannot be read or is not an Ed25519 key.
std::optional<std::string> LoadArchiveKey(const std::string& dataPath);
// The key's seed, made first when the folder has none. Throws FileError.
std::string LoadOrCreateArchiveKey(const std::string& dataPath);
// The first 16 hexadecimal digits of a public key, as printed on the Z
// report and by `vantor verify`, for comparing keys by eye.
std::string KeyFingerprint(const std::string& publicKey);

}  // namespace vantor
