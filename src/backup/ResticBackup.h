#pragma once

#include <string>
#include <vector>

#include "backup/FolderBackup.h"
#include "backup/Restore.h"
#include "platform/DateTime.h"
#include "platform/Programs.h"

// The off-site copy: a restic repository, driven through restic's own
// command line and its JSON output.
namespace vantor {

// A destination "restic:REPOSITORY" (a folder, sftp:, rest:, s3: ...).
inline constexpr const char* kResticPrefix = "restic:";
bool IsResticDestination(const std::string& destination);

// Takes the same consistent copy as a folder backup (with its manifest) in a
// temporary folder, gives it to `restic backup` tagged with its dated name,
// runs `restic check`, then restores the new snapshot into another temporary
// folder and checks it as a folder backup is checked (hashes, chain). The
// password is the one given (the till's settings), else restic's own
// RESTIC_PASSWORD or RESTIC_PASSWORD_FILE. Verified only when all of it went
// well; result.name is the snapshot's id.
BackupResult BackupToRestic(const std::string& dataPath, const std::string& destination,
                            const DateTime& now, Programs& programs,
                            const std::string& password = "");

// One of the till's snapshots in the repository.
struct ResticSnapshot {
    std::string id;     // restic's short id
    std::string name;   // the backup's dated name, "2026-12-07_23-10-05"
    std::string taken;  // restic's time of it, as restic gives it
};

struct ResticSnapshots {
    std::vector<ResticSnapshot> snapshots;  // oldest first
    std::string problem;                    // in French, when they could not be listed
};
ResticSnapshots ListResticBackups(const std::string& destination, Programs& programs);

// Restores a snapshot (request.backup: its id, a prefix of it or its dated
// name; the newest without) as a folder backup is restored: brought out of
// the repository into a temporary folder, then checked, refused or restored
// by RestoreBackup. request.source is the "restic:" destination.
RestoreResult RestoreFromRestic(const RestoreRequest& request, const DateTime& now,
                                Programs& programs);

}  // namespace vantor
