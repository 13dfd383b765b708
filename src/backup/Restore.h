#pragma once

#include <optional>
#include <string>

#include "platform/DateTime.h"

namespace vantor {

struct RestoreRequest {
    std::string source;                 // a destination, or its Vantor-sauvegardes folder
    std::optional<std::string> backup;  // its name; the newest without
    std::string dataDir;
    bool replace = false;     // a folder holding data is moved aside first
    bool anyway = false;      // a backup that does not verify is restored all the same
    std::string shownSource;  // how the event log names the source; source when empty
};

struct RestoreResult {
    bool restored = false;
    std::string backup;
    std::string problem;         // why nothing was restored, or why the result is doubtful
    std::string movedAside;      // where the old folder went
    std::string restoredAnyway;  // the backup's own problem, restored all the same
    std::string broughtBack;     // "tickets jusqu'au n° 4182 du 06.12.2026"
    bool unusable = false;       // the source could not be read at all (see BackupResult)
};

// Restores the backup into dataDir, which must be missing or empty unless
// replace: the files go to a folder beside it, are read back against the
// manifest, and the folder is then renamed into place. A backup whose files
// or chain do not verify is refused, with its first problem, unless anyway
// (the restored folder's event log then says so).
RestoreResult RestoreBackup(const RestoreRequest& request, const DateTime& now);

// What a data folder holds up to: "tickets jusqu'au n° 4182 du 06.12.2026",
// or "aucune vente".
std::string SalesUpTo(const std::string& dataPath);

}  // namespace vantor
