#include "backup/FolderBackup.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "backup/BackupCheck.h"
#include "backup/FileCopy.h"
#include "backup/Snapshot.h"
#include "data/SystemErrors.h"
#include "data/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace vantor {

namespace {

namespace fs = std::filesystem;

// The destination's fault, in the owner's words.
std::string DestinationProblem(int error, const std::string& destination) {
    switch (error) {
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return "Destination de sauvegarde pleine : " + destination;
        case EROFS:
        case EACCES:
        case EPERM:
            return "Destination de sauvegarde en lecture seule : " + destination;
        case ENOENT:
        case EIO:
        case ENODEV:
        case ENXIO:
            return "Destination de sauvegarde disparue pendant la copie : " + destination;
        default:
            return "Sauvegarde impossible sur " + destination + " : " + SystemErrorText(error);
    }
}

// A copy of the data folder under a temporary name, removed unless kept.
class UnfinishedBackup {
public:
    explicit UnfinishedBackup(std::string path) : path_(std::move(path)) {}
    ~UnfinishedBackup() {
        if (!kept_) {
            std::error_code ignored;
            fs::remove_all(ToPath(path_), ignored);
        }
    }
    UnfinishedBackup(const UnfinishedBackup&) = delete;
    UnfinishedBackup& operator=(const UnfinishedBackup&) = delete;
    const std::string& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    std::string path_;
    bool kept_ = false;
};

// Each sub-folder a file name goes through, made inside the copy.
int MakeParents(const std::string& root, const std::string& name) {
    for (std::size_t at = name.find('/'); at != std::string::npos; at = name.find('/', at + 1)) {
        std::error_code error;
        fs::create_directory(ToPath(JoinPath(root, name.substr(0, at))), error);
        if (error) {
            return error.value();
        }
    }
    return 0;
}

// What an earlier backup cut short left: removed.
void RemoveUnfinished(const std::string& backups) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(ToPath(backups), error)) {
        if (FromPath(entry.path().filename()).starts_with(kUnfinishedPrefix)) {
            std::error_code ignored;
            fs::remove_all(entry.path(), ignored);
        }
    }
}

bool IsInside(const std::string& inner, const std::string& outer) {
    std::error_code error;
    const fs::path in = fs::weakly_canonical(ToPath(inner), error);
    const fs::path out = fs::weakly_canonical(ToPath(outer), error);
    if (error) {
        return false;
    }
    const auto [end, ignored] = std::mismatch(out.begin(), out.end(), in.begin(), in.end());
    return end == out.end();
}

class FolderBackupRun {
public:
    FolderBackupRun(const std::string& dataPath, const std::string& destination,
                    const DateTime& now, const BackupProgress& progress)
        : dataPath_(dataPath), progress_(progress) {
        result_.destination = destination;
        result_.name = BackupName(now);
        backups_ = JoinPath(destination, kBackupsFolder);
    }

    BackupResult Run(const Thinning& thinning, const Date& today) {
        if (!Prepare()) {
            return result_;
        }
        RemoveUnfinished(backups_);
        UnfinishedBackup copy(JoinPath(backups_, kUnfinishedPrefix + result_.name));
        if (!Copy(copy.Path()) || !CheckAndFlush(copy.Path()) || !Publish(copy)) {
            written_.clear();  // closed before the copy is removed: Windows keeps open files
            return result_;
        }
        Thin(thinning, today);
        return result_;
    }

private:
    bool Fail(std::string problem) {
        result_.problem = std::move(problem);
        return false;
    }

    bool Prepare() {
        const std::string& destination = result_.destination;
        if (!DirectoryExists(destination)) {
            return Fail("Destination de sauvegarde introuvable : " + destination +
                        " (clé USB, disque ou partage absent ?)");
        }
        if (IsInside(destination, dataPath_)) {
            return Fail("La destination " + destination +
                        " est dans le dossier de données : une sauvegarde doit être ailleurs");
        }
        std::error_code error;
        fs::create_directory(ToPath(backups_), error);
        if (error) {
            return Fail(DestinationProblem(error.value(), destination));
        }
        const std::string dated = result_.name;
        for (int second = 2; DirectoryExists(JoinPath(backups_, result_.name)); ++second) {
            result_.name = dated + "_" + std::to_string(second);  // more backups in one second
        }
        try {
            plan_ = PlanSnapshot(dataPath_);
        } catch (const FileError& failure) {
            return Fail(std::string("Dossier de données illisible : ") + failure.what());
        }
        for (const SnapshotFile& file : plan_) {
            total_ += file.length;
        }
        const fs::space_info space = fs::space(ToPath(destination), error);
        if (!error && space.available < total_) {
            return Fail(DestinationProblem(ENOSPC, destination) + " (" +
                        std::to_string(total_ / 1000000 + 1) + " Mo nécessaires, " +
                        std::to_string(space.available / 1000000) + " Mo libres)");
        }
        return true;
    }

    bool CopyFailed(const CopyFailure& failure) {
        if (failure.atDestination) {
            return Fail(DestinationProblem(failure.error, result_.destination));
        }
        return Fail("Lecture de '" + failure.path +
                    "' impossible : " + SystemErrorText(failure.error));
    }

    bool Copy(const std::string& copy) {
        std::error_code error;
        fs::create_directory(ToPath(copy), error);
        if (error) {
            return Fail(DestinationProblem(error.value(), result_.destination));
        }
        Manifest manifest{result_.name, dataPath_, {}};
        std::uint64_t done = 0;
        for (const SnapshotFile& file : plan_) {
            CopyFailure failure;
            if (const int made = MakeParents(copy, file.name); made != 0) {
                return Fail(DestinationProblem(made, result_.destination));
            }
            std::string sha256;
            File& target = written_.emplace_back();
            if (CopyFileUnflushed(JoinPath(dataPath_, file.name), file.length,
                                  JoinPath(copy, file.name), target, sha256, failure) != 0) {
                return CopyFailed(failure);
            }
            manifest.files.push_back({file.name, file.length, sha256});
            done += file.length;
            if (progress_) {
                progress_(done, total_);
            }
        }
        manifest_ = manifest;
        return WriteManifest(copy);
    }

    // Flushed with the copied files: flushing it alone would wait for all of
    // them (a journaled file system writes the data before the file's size).
    bool WriteManifest(const std::string& copy) {
        const std::string bytes = EncodeLines(ManifestLines(manifest_));
        File& file = written_.emplace_back();
        int error = file.Open(JoinPath(copy, kBackupManifestFile), FileSystem::Mode::CreateNew);
        error = error != 0 ? error : file.Write(bytes);
        return error == 0 || Fail(DestinationProblem(error, result_.destination));
    }

    // The disk takes the copy down while it is checked; it counts once both
    // are done, the folder's entries last.
    bool CheckAndFlush(const std::string& copy) {
        BackgroundFlush flushing(written_);
        const bool checked = Verify(copy);
        int error = flushing.Wait();
        written_.clear();
        if (!checked) {
            return false;
        }
        if (error == 0) {
            error = Files().FlushFolder(copy);
        }
        return error == 0 || Fail(DestinationProblem(error, result_.destination));
    }

    bool Verify(const std::string& copy) {
        const BackupCheck check = CheckBackupFolder(copy);
        if (!check.intact) {
            return Fail("Sauvegarde non vérifiée sur " + result_.destination + " : " +
                        check.problem);
        }
        result_.files = manifest_.files.size();
        result_.bytes = total_;
        return true;
    }

    bool Publish(UnfinishedBackup& copy) {
        const std::string path = JoinPath(backups_, result_.name);
        int error = Files().Rename(copy.Path(), path);
        if (error == 0) {
            copy.Keep();
            error = Files().FlushFolder(backups_);
        }
        if (error != 0) {
            return Fail(DestinationProblem(error, result_.destination));
        }
        result_.path = path;
        result_.verified = true;
        return true;
    }

    void Thin(const Thinning& thinning, const Date& today) {
        for (const std::string& name :
             BackupsToThin(ListBackups(result_.destination), today, thinning)) {
            std::error_code error;
            fs::remove_all(ToPath(JoinPath(backups_, name)), error);
            if (!error) {
                result_.thinned.push_back(name);
            }
        }
    }

    std::string dataPath_;
    const BackupProgress& progress_;
    BackupResult result_;
    std::string backups_;
    std::vector<SnapshotFile> plan_;
    std::vector<File> written_;  // the copied files, open until flushed
    std::uint64_t total_ = 0;
    Manifest manifest_;
};

}  // namespace

BackupResult BackupToFolder(const std::string& dataPath, const std::string& destination,
                            const DateTime& now, const Thinning& thinning,
                            const BackupProgress& progress) {
    try {
        return FolderBackupRun(dataPath, destination, now, progress).Run(thinning, now.date);
    } catch (const std::exception& error) {
        BackupResult result;
        result.destination = destination;
        result.problem = "Sauvegarde impossible sur " + destination + " : " + error.what();
        return result;
    }
}

}  // namespace vantor
