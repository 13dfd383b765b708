#pragma once

#include <string>

#include "backup/Manifest.h"

namespace vantor {

// What a check of a backup folder found.
struct BackupCheck {
    bool intact = false;
    std::string problem;  // the first one, in French
    Manifest manifest;
};

// The backup's manifest, each file it lists read back against its size and
// SHA-256, no other file, and the chain of the copy checked as `vantor
// verify` does (with nothing cut short in it).
BackupCheck CheckBackupFolder(const std::string& folder);

// The same for a folder that should hold what the manifest lists (a restored
// data folder), the manifest itself not being there.
BackupCheck CheckAgainstManifest(const std::string& folder, const Manifest& manifest);

}  // namespace vantor
