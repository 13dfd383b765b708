#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"

// Where a destination keeps its backups, how they are named, and which old
// ones the thinning removes.
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

// How many old backups stay: every one of the last keepDays days (today
// included) and the last one of each month. Never the newest one.
struct Thinning {
    int keepDays = 14;
};

// The folder that holds the backups of a destination: destination itself
// when it is one, else its kBackupsFolder.
std::string BackupsFolderOf(const std::string& destination);
// The complete backups of a destination, oldest first (names).
std::vector<std::string> ListBackups(const std::string& destination);

// Of these backup names, those the thinning removes on that day.
std::vector<std::string> BackupsToThin(std::vector<std::string> names, const Date& today,
                                       const Thinning& thinning);

}  // namespace vantor
