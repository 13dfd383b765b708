#pragma once

#include <string>
#include <vector>

#include "backup/FolderBackup.h"
#include "platform/DateTime.h"

namespace vantor {

// One backup made and how long it took, to be recorded (RecordBackup).
struct TimedBackup {
    DateTime when;
    BackupResult result;
    double seconds = 0;
};

// A backup of the data folder to one destination (a folder, or
// "restic:REPOSITORY" through the system's restic, with that password or
// restic's own variables), timed. Never writes in the data folder: the
// caller records it, from the thread that owns the chain. Nothing throws.
TimedBackup BackUpTimed(const std::string& dataPath, const std::string& destination,
                        const DateTime& now, const Thinning& thinning,
                        const BackupProgress& progress = {},
                        const std::string& resticPassword = "");

// What the screen says of a backup done: "Sauvegarde vérifiée : PATH (12
// fichiers, 3,4 Mo, 1,2 s)" or "Sauvegarde échouée : WHY".
std::string BackupOutcomeText(const TimedBackup& backup);
// What a backup under way shows: "Sauvegarde vers /media/cle : 45 %", then,
// everything copied, that the copy is being checked (which takes a while
// with a large journal).
std::string BackupProgressText(const std::string& destination, int percent);

}  // namespace vantor
