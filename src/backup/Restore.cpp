#include "backup/Restore.h"

#include <filesystem>
#include <memory>
#include <set>

#include "backup/BackupCheck.h"
#include "backup/FileCopy.h"
#include "backup/FolderBackup.h"
#include "data/SystemErrors.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Events.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Paths.h"

namespace vantor {

namespace {

namespace fs = std::filesystem;

bool HoldsData(const std::string& folder) {
    std::error_code error;
    return fs::exists(ToPath(folder), error) && !fs::is_empty(ToPath(folder), error);
}

class RestoreRun {
public:
    RestoreRun(const RestoreRequest& request, const DateTime& now) : request_(request), now_(now) {}

    RestoreResult Run() {
        if (ChooseBackup() && CheckBackup() && ClearTheWay() && CopyIn() && VerifyRestored()) {
            result_.restored = true;
            result_.broughtBack = SalesUpTo(request_.dataDir);
            LogRestore();
        } else if (!result_.movedAside.empty() && !HoldsData(request_.dataDir)) {
            PutBack();
        }
        return result_;
    }

private:
    bool Fail(std::string problem) {
        result_.problem = std::move(problem);
        return false;
    }

    // A restore that failed after moving the old folder aside puts it back.
    void PutBack() {
        std::error_code ignored;
        fs::remove(ToPath(request_.dataDir), ignored);
        if (Files().Rename(result_.movedAside, request_.dataDir) == 0) {
            result_.movedAside.clear();
        }
    }

    bool ChooseBackup() {
        const std::vector<std::string> names = ListBackups(request_.source);
        if (names.empty()) {
            return Fail("Aucune sauvegarde dans " + request_.source);
        }
        result_.backup = request_.backup.value_or(names.back());
        if (std::find(names.begin(), names.end(), result_.backup) == names.end()) {
            return Fail("Sauvegarde introuvable : " + result_.backup + " (la plus récente est " +
                        names.back() + ")");
        }
        folder_ = JoinPath(BackupsFolderOf(request_.source), result_.backup);
        return true;
    }

    bool CheckBackup() {
        check_ = CheckBackupFolder(folder_);
        if (check_.intact) {
            return true;
        }
        if (!request_.anyway) {
            return Fail("Sauvegarde " + result_.backup + " refusée : " + check_.problem +
                        " (--malgre-tout la restaure quand même)");
        }
        result_.restoredAnyway = check_.problem;
        return true;
    }

    bool ClearTheWay() {
        const std::string& dir = request_.dataDir;
        if (!HoldsData(dir)) {
            std::error_code ignored;
            fs::remove(ToPath(dir), ignored);  // an empty folder, replaced by the restored one
            return true;
        }
        if (!request_.replace) {
            return Fail("Le dossier " + dir +
                        " contient déjà des données : rien n'est restauré (--remplacer le met "
                        "de côté d'abord)");
        }
        {
            std::unique_ptr<FolderLock> lock;
            if (FolderLock::TryLock(dir, lock) == FolderLock::Result::Busy) {
                return Fail("Vantor est ouvert sur " + dir + " : fermez-le avant de restaurer");
            }
        }
        result_.movedAside = dir + ".avant-restauration-" + BackupName(now_);
        if (const int error = Files().Rename(dir, result_.movedAside); error != 0) {
            result_.movedAside.clear();
            return Fail("Le dossier " + dir +
                        " ne peut pas être mis de côté : " + SystemErrorText(error));
        }
        return true;
    }

    bool CopyIn() {
        const std::string temporary = request_.dataDir + ".restauration-en-cours";
        std::error_code error;
        fs::remove_all(ToPath(temporary), error);
        fs::create_directories(ToPath(temporary), error);
        if (error) {
            return Fail("Restauration impossible dans " + temporary + " : " +
                        SystemErrorText(error));
        }
        for (const ManifestFile& file : check_.manifest.files) {
            const std::string from = JoinPath(folder_, file.name);
            if (!FileExists(from)) {
                continue;  // restored anyway without it
            }
            for (std::size_t at = file.name.find('/'); at != std::string::npos;
                 at = file.name.find('/', at + 1)) {
                fs::create_directory(ToPath(JoinPath(temporary, file.name.substr(0, at))), error);
            }
            std::string sha256;
            CopyFailure failure;
            if (CopyFilePrefix(from, FileSize(from), JoinPath(temporary, file.name), sha256,
                               failure) != 0) {
                fs::remove_all(ToPath(temporary), error);
                return Fail("Restauration impossible : '" + failure.path +
                            "' : " + SystemErrorText(failure.error));
            }
        }
        int moved = Files().FlushFolder(temporary);
        moved = moved != 0 ? moved : Files().Rename(temporary, request_.dataDir);
        if (moved != 0) {
            return Fail("Restauration impossible dans " + request_.dataDir + " : " +
                        SystemErrorText(moved));
        }
        return true;
    }

    bool VerifyRestored() {
        if (request_.anyway && !check_.intact) {
            return true;  // known not to verify
        }
        const BackupCheck restored = CheckAgainstManifest(request_.dataDir, check_.manifest);
        return restored.intact ||
               Fail("Le dossier restauré ne correspond pas à la sauvegarde : " + restored.problem);
    }

    void LogRestore() {
        const std::string source =
            request_.shownSource.empty() ? request_.source : request_.shownSource;
        if (result_.restoredAnyway.empty()) {
            TryLogEvent(request_.dataDir, now_, "Sauvegarde restaurée",
                        result_.backup + " depuis " + source);
        } else {
            TryLogEvent(request_.dataDir, now_, "Sauvegarde restaurée malgré tout",
                        result_.backup + " depuis " + source + " : " + result_.restoredAnyway);
        }
    }

    const RestoreRequest& request_;
    DateTime now_;
    RestoreResult result_;
    std::string folder_;
    BackupCheck check_;
};

}  // namespace

std::string SalesUpTo(const std::string& dataPath) {
    const std::string chainPath = JoinPath(dataPath, kChainFile);
    std::set<std::int64_t> givenUp;
    std::optional<ChainEntry> sale;
    ForEachLineBackward(chainPath, FileSize(chainPath),
                        [&](std::string_view line, std::uint64_t, bool ended) {
                            if (!line.empty() && line.back() == '\r') {
                                line.remove_suffix(1);
                            }
                            const std::optional<ChainEntry> entry = ParseEntry(line);
                            if (!ended || !entry) {
                                return false;
                            }
                            if (entry->kind == EntryKind::Interrupted) {
                                givenUp.insert(entry->ref);
                            } else if (entry->kind == EntryKind::Sale &&
                                       givenUp.count(static_cast<std::int64_t>(entry->seq)) == 0) {
                                sale = entry;
                            }
                            return sale.has_value();
                        });
    if (!sale) {
        return "aucune vente";
    }
    const std::string day = ReadRange(JoinPath(dataPath, kJournalFile), sale->start, 10);
    return "tickets jusqu'au n° " + std::to_string(sale->ref) + " du " + day;
}

RestoreResult RestoreBackup(const RestoreRequest& request, const DateTime& now) {
    try {
        return RestoreRun(request, now).Run();
    } catch (const std::exception& error) {
        RestoreResult result;
        result.problem = std::string("Restauration impossible : ") + error.what();
        return result;
    }
}

}  // namespace vantor
