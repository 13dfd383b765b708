#pragma once

#include <optional>
#include <string>

#include "backup/FolderBackup.h"
#include "platform/DateTime.h"

namespace vantor {

// One line per backup made, in the data folder: "07.12.2026;23:10:05;
// vérifiée;DESTINATION;NAME;DETAIL" or "…;échouée;DESTINATION;;WHY". Not
// chained: a backup run from the command line while the till is open writes
// it beside the till, which alone appends to the chain.
inline constexpr const char* kBackupLogFile = "Sauvegardes.csv";

// "12 fichiers, 3,4 Mo, 1,2 s".
std::string BackupFigures(const BackupResult& result, double seconds);

// Appends the backup's line to Sauvegardes.csv, and its event ("Sauvegarde
// vérifiée" or "Sauvegarde échouée") to the event log when ownsFolder (the
// till itself, or a command that holds the folder's lock). Failures to
// write are ignored: the backup happened or did not, whatever the log says.
void RecordBackup(const std::string& dataPath, const DateTime& when, const BackupResult& result,
                  double seconds, bool ownsFolder);

// The last verified backup that Sauvegardes.csv tells of; with before, the
// last one started strictly before that moment.
struct VerifiedBackup {
    DateTime when;
    std::string destination;
    std::string name;
};
std::optional<VerifiedBackup> LastVerifiedBackup(
    const std::string& dataPath, const std::optional<DateTime>& before = std::nullopt);

// What the start tells when the folder has been backed up before (it has a
// Sauvegardes.csv) and its last verified backup is more than two days old,
// or there is none; nothing otherwise.
std::optional<std::string> OldBackupWarning(const std::string& dataPath, const DateTime& now);

}  // namespace vantor
