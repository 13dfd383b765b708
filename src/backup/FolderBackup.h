#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "backup/Manifest.h"
#include "platform/DateTime.h"

namespace vantor {

// The folder of a destination (a USB stick, a second disk, a share) that
// holds its backups, one sub-folder each, named by its date.
inline constexpr const char* kBackupsFolder = "Vantor-sauvegardes";
// A backup being written has this name and its date; once it is complete
// and verified it takes its date alone. The next backup removes any left.
inline constexpr const char* kUnfinishedPrefix = ".en-cours-";

// "2026-12-07_23-10-05".
std::string BackupName(const DateTime& when);
std::optional<DateTime> ParseBackupName(const std::string& name);

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
};

// Bytes copied so far, out of all.
using BackupProgress = std::function<void(std::uint64_t done, std::uint64_t total)>;

// How many old backups stay: every one of the last keepDays days (today
// included) and the last one of each month. Never the newest one.
struct Thinning {
    int keepDays = 14;
};

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

// The folder that holds the backups of a destination: destination itself
// when it is one, else its kBackupsFolder.
std::string BackupsFolderOf(const std::string& destination);
// The complete backups of a destination, oldest first (names).
std::vector<std::string> ListBackups(const std::string& destination);

// Of these backup names, those the thinning removes on that day.
std::vector<std::string> BackupsToThin(std::vector<std::string> names, const Date& today,
                                       const Thinning& thinning);

}  // namespace vantor
