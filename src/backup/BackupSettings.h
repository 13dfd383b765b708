#pragma once

#include <string>
#include <vector>

#include "backup/BackupNames.h"
#include "platform/Services.h"

// Where and how the till backs its data folder up, as the owner set it.
namespace vantor {

// The backup folders (a USB stick, a second disk, a share), separated by "|".
inline constexpr const char* kBackupDestinationsKey = "Sauvegarde/Dossiers";
// The off-site restic repository ("sftp:...", "rest:...", a folder), and its
// password, without which nothing in it can be restored.
inline constexpr const char* kBackupResticKey = "Sauvegarde/Restic";
inline constexpr const char* kBackupResticPasswordKey = "Sauvegarde/MotDePasse";
// How many days of backups the thinning keeps whole.
inline constexpr const char* kBackupKeepDaysKey = "Sauvegarde/Jours";

std::vector<std::string> SplitDestinations(const std::string& text);
std::string JoinDestinations(const std::vector<std::string>& folders);

// Every destination of the settings: the folders, then the repository as
// "restic:REPOSITORY" when one is set.
std::vector<std::string> BackupDestinations(Settings& settings);

// The thinning of the settings; the default one (14 days) when not set or
// not a number of days from 1 to 366.
Thinning BackupThinning(Settings& settings);

}  // namespace vantor
