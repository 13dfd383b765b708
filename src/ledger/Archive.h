#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ledger/ArchiveKey.h"
#include "platform/DateTime.h"

namespace vantor {

// Writes a tar archive of the period: the journal records, events and
// closures dated in it (whole chain entries), the whole chain, a manifest
// (period, public key, size and SHA-256 of each file, the byte ranges each
// data file's records come from) and the Ed25519 signature of the manifest
// by the folder's key. Refuses a folder whose check fails. Returns the
// number of journal records archived. Throws std::runtime_error (FileError
// among them) saying why in French.
std::uint64_t WriteArchive(const std::string& dataPath, const Date& du, const Date& au,
                           const std::string& out);

struct ArchiveCheck {
    bool intact = false;
    // "Archive intacte : du …, N enregistrements, M clôtures, clé …" or
    // "Archive altérée : …".
    std::string summary;
    // Further lines for the reader (an archive of an earlier form...).
    std::vector<std::string> remarks;
    // Of an intact archive: its chain member and the public key that signed it.
    std::string chain;
    std::string publicKey;
};

// Checks an archive alone: only regular files with the expected names and
// headers, the signature of its manifest by the key it names, every file
// against the manifest, and the records of each data file against the
// entries of the chain that cover them.
ArchiveCheck VerifyArchive(const std::string& file);

}  // namespace vantor
