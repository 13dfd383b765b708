#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backup/BackupNames.h"
#include "backup/Manifest.h"
#include "platform/DateTime.h"

namespace vantor {

// What a backup did, for the screen and the event log.
struct BackupResult {
    bool verified = false;
    std::string destination;
    std::string name;  // its folder's name under kBackupsFolder
    std::string path;  // the folder, once verified
    std::uint64_t files = 0;
    std::uint64_t bytes = 0;
    std::string problem;               // in French, when not verified
    std::vector<std::string> thinned;  // older backups removed
    // Nothing could be tried: restic missing, its password refused or
    // absent, no repository there (the command then exits 2).
    bool unusable = false;
};

// Bytes copied so far, out of all.
using BackupProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// Copies the data folder (PlanSnapshot) into destination/Vantor-sauvegardes
// under a temporary name, with its manifest, each file flushed; reads every
// file back against the manifest's size and SHA-256, checks the copy's chain
// as `vantor verify` does, and only then gives it its name. Then removes
// what an earlier backup cut short left, and thins the old backups. Never
// writes in the data folder. A missing, read-only or full destination, or
// one that goes away during the copy, is told in problem; nothing throws.
BackupResult BackupToFolder(const std::string& dataPath, const std::string& destination,
                            const DateTime& now, const Thinning& thinning = {},
                            const BackupProgress& progress = {});

}  // namespace vantor
