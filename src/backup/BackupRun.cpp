#include "backup/BackupRun.h"

#include <chrono>
#include <exception>

#include "backup/BackupLog.h"
#include "backup/ResticBackup.h"
#include "platform/Programs.h"

namespace vantor {

TimedBackup BackUpTimed(const std::string& dataPath, const std::string& destination,
                        const DateTime& now, const Thinning& thinning,
                        const BackupProgress& progress, const std::string& resticPassword) {
    TimedBackup backup;
    backup.when = now;
    const auto started = std::chrono::steady_clock::now();
    try {
        if (IsResticDestination(destination)) {
            backup.result =
                BackupToRestic(dataPath, destination, now, SystemPrograms(), resticPassword);
        } else {
            backup.result = BackupToFolder(dataPath, destination, now, thinning, progress);
        }
    } catch (const std::exception& error) {
        // A backup run away from the screen must not take the till down with it.
        backup.result = BackupResult{};
        backup.result.destination = destination;
        backup.result.problem = "Sauvegarde impossible sur " + destination + " : " + error.what();
    }
    backup.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return backup;
}

std::string BackupOutcomeText(const TimedBackup& backup) {
    if (!backup.result.verified) {
        return "Sauvegarde échouée : " + backup.result.problem;
    }
    return "Sauvegarde vérifiée : " + backup.result.path + " (" +
           BackupFigures(backup.result, backup.seconds) + ")";
}

std::string BackupProgressText(const std::string& destination, int percent) {
    const std::string head = "Sauvegarde vers " + destination + " : ";
    return percent >= 100 ? head + "copie faite, vérification en cours…"
                          : head + std::to_string(percent) + " %";
}

}  // namespace vantor
