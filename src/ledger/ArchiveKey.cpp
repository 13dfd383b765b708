#include "ledger/ArchiveKey.h"

#include "data/TextFile.h"
#include "ledger/Ed25519.h"
#include "ledger/Hex.h"

namespace vantor {

std::optional<std::string> LoadArchiveKey(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kArchiveKeyFile);
    if (!FileExists(path)) {
        return std::nullopt;
    }
    std::optional<std::string> seed = ed25519::FromPem(ReadBytes(path));
    if (!seed) {
        throw FileError("Clé d'archivage illisible : " + path);
    }
    return seed;
}

std::string LoadOrCreateArchiveKey(const std::string& dataPath) {
    if (std::optional<std::string> seed = LoadArchiveKey(dataPath)) {
        return *seed;
    }
    std::string seed = ed25519::NewSeed();
    WritePrivateFileAtomic(JoinPath(dataPath, kArchiveKeyFile), ed25519::ToPem(seed));
    return seed;
}

std::string KeyFingerprint(const std::string& publicKey) {
    return ToHex(publicKey).substr(0, 16);
}

}  // namespace vantor
