#pragma once

#include <cstdint>
#include <string>

#include "ledger/ArchiveKey.h"
#include "platform/DateTime.h"

namespace vantor {

// Writes a tar archive of the period: the journal records, events and
// closures dated in it, the whole chain, a manifest (period, public key, size
// and SHA-256 of each file) and the Ed25519 signature of the manifest by the
// folder's key. Returns the number of journal records archived. Throws
// FileError (or std::runtime_error when the cryptography fails).
std::uint64_t WriteArchive(const std::string& dataPath, const Date& du, const Date& au,
                           const std::string& out);

struct ArchiveCheck {
    bool intact = false;
    // "Archive intacte : du …, N enregistrements, M clôtures, clé …" or
    // "Archive altérée : …".
    std::string summary;
};

// Checks an archive alone: the signature of its manifest by the key it names,
// and every file against the manifest.
ArchiveCheck VerifyArchive(const std::string& file);

}  // namespace vantor
