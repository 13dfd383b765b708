#include "app/BackupCommands.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>

#include "app/CommandLine.h"
#include "backup/BackupLog.h"
#include "backup/BackupRun.h"
#include "backup/BackupSettings.h"
#include "backup/FolderBackup.h"
#include "backup/ResticBackup.h"
#include "backup/Restore.h"
#include "data/Dates.h"
#include "data/TextFile.h"
#include "platform/FolderLock.h"
#include "platform/Programs.h"
#include "startup/Startup.h"

namespace vantor {

namespace {

std::optional<CommandLine> BackupWords(Command command, const std::vector<std::string>& words,
                                       std::ostream& err) {
    std::string error;
    std::optional<CommandLine> line = ReadCommandLine(command, words, error);
    if (!line) {
        TellUsage(err, command, error);
    }
    return line;
}

// One backup, told and recorded: 0 when verified, 2 when the destination
// could not be used at all, 1 otherwise.
int BackUp(const std::string& dataPath, const std::string& destination, const Thinning& thinning,
           Clock& clock, std::ostream& out, std::ostream& err) {
    const TimedBackup backup = BackUpTimed(dataPath, destination, clock.Now(), thinning);
    const BackupResult& result = backup.result;
    // The event goes to the chain only when the till is not writing it.
    std::unique_ptr<FolderLock> lock;
    const bool owns = FolderLock::TryLock(dataPath, lock) == FolderLock::Result::Held;
    RecordBackup(dataPath, backup.when, result, backup.seconds, owns);
    if (!result.verified) {
        err << BackupOutcomeText(backup) << '\n';
        return result.unusable ? 2 : 1;
    }
    out << BackupOutcomeText(backup) << '\n';
    if (!result.thinned.empty()) {
        out << "Anciennes sauvegardes retirées :";
        for (const std::string& name : result.thinned) {
            out << ' ' << name;
        }
        out << '\n';
    }
    return 0;
}

}  // namespace

int RunBackupCommand(const std::vector<std::string>& words, Settings& settings, Clock& clock,
                     std::ostream& out, std::ostream& err) {
    const std::optional<CommandLine> line = BackupWords(kBackup, words, err);
    if (!line) {
        return 2;
    }
    StartOptions options;
    options.dataDir = line->Value("--data-dir");
    const std::string dataPath =
        options.dataDir ? *options.dataDir : DataFolderOf(settings, SystemUserFolders(), options);
    if (!DirectoryExists(dataPath)) {
        err << "Dossier de données introuvable : " << dataPath << '\n';
        return 2;
    }
    std::vector<std::string> destinations = line->Values("--vers");
    if (destinations.empty()) {
        destinations = BackupDestinations(settings);
    }
    if (destinations.empty()) {
        TellUsage(err, kBackup,
                  "Aucune destination de sauvegarde n'est réglée : donnez --vers DESTINATION");
        return 2;
    }
    const Thinning thinning = BackupThinning(settings);
    int worst = 0;
    for (const std::string& destination : destinations) {
        worst = std::max(worst, BackUp(dataPath, destination, thinning, clock, out, err));
    }
    return worst;
}

int RunRestoreCommand(const std::vector<std::string>& words, Clock& clock, std::ostream& out,
                      std::ostream& err) {
    const std::optional<CommandLine> line = BackupWords(kRestore, words, err);
    if (!line) {
        return 2;
    }
    RestoreRequest request;
    request.source = line->Value("--depuis").value_or("");
    request.dataDir = line->Value("--data-dir").value_or("");
    request.backup = line->Value("--sauvegarde");
    request.replace = line->Has("--remplacer");
    request.anyway = line->Has("--malgre-tout");
    if (request.source.empty() || request.dataDir.empty()) {
        TellUsage(err, kRestore, "--depuis et --data-dir sont demandés");
        return 2;
    }
    const bool restic = IsResticDestination(request.source);
    if (!restic && !DirectoryExists(request.source)) {
        err << "Destination de sauvegarde introuvable : " << request.source << '\n';
        return 2;
    }
    if (restic) {
        const ResticSnapshots list = ListResticBackups(request.source, SystemPrograms());
        if (!list.problem.empty()) {
            err << "Restauration impossible : " << list.problem << '\n';
            return 2;
        }
        out << "Sauvegardes trouvées dans " << request.source << " : " << list.snapshots.size()
            << '\n';
        for (const ResticSnapshot& snapshot : list.snapshots) {
            out << "  " << snapshot.id << ' ' << snapshot.name << '\n';
        }
    } else {
        const std::vector<std::string> names = ListBackups(request.source);
        out << "Sauvegardes trouvées dans " << request.source << " : " << names.size() << '\n';
        for (const std::string& name : names) {
            out << "  " << name << '\n';
        }
    }
    const RestoreResult result = restic ? RestoreFromRestic(request, clock.Now(), SystemPrograms())
                                        : RestoreBackup(request, clock.Now());
    if (!result.movedAside.empty()) {
        out << "Ancien dossier mis de côté : " << result.movedAside << '\n';
    }
    if (!result.restored) {
        err << "Restauration refusée : " << result.problem << '\n';
        return result.unusable ? 2 : 1;
    }
    if (!result.restoredAnyway.empty()) {
        out << "Restaurée malgré tout, noté dans le journal des événements : "
            << result.restoredAnyway << '\n';
    }
    out << "Sauvegarde " << result.backup << " restaurée dans " << request.dataDir << " : "
        << result.broughtBack << '\n';
    if (const std::optional<DateTime> when = ParseBackupName(result.backup)) {
        out << "Les ventes faites après le " << FormatDate(when->date) << " à "
            << FormatTime(when->time) << " ne sont pas dans cette sauvegarde.\n";
    }
    return 0;
}

}  // namespace vantor
