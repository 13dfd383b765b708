// What a backup to restic leaves in the system's temporary folder while
// restic runs: the password the owner set, and a copy of the data folder
// with its key. Both the user's alone (a folder of 0700, the password in a
// file of 0600 that holds it and nothing else), and both gone once the
// backup is over, whether restic succeeded or not. POSIX rights.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "BackupFolders.h"
#include "backup/ResticBackup.h"
#include "backup/ResticRun.h"
#include "data/TextFile.h"
#include "platform/FolderLock.h"
#include "platform/Programs.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

const DateTime kSecretEvening{Date{2026, 12, 7}, TimeOfDay{23, 10, 5}};
constexpr const char* kSecret = "café-du-coin";

unsigned RightsOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// One file or folder restic was handed, as it was while restic ran.
struct Seen {
    std::string path;
    unsigned rights = 0;
    std::string bytes;
};

// restic, as far as the till can tell: notes what it was given, then answers
// each command with exit code `status` (0: a snapshot made, checked and read back).
class WatchedRestic : public Programs {
public:
    explicit WatchedRestic(int status) : status_(status) {}
    std::optional<Seen> passwordFile;
    std::optional<Seen> passwordFolder;
    std::optional<Seen> copyFolder;

    ProgramOutput Run(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder) override {
        EXPECT_EQ(program, "restic");
        for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
            if (arguments[i] == "--password-file") {
                const std::string file = arguments[i + 1];
                const std::string folder = fs::path(file).parent_path().string();
                passwordFile = Seen{file, RightsOf(file), Slurp(file)};
                passwordFolder = Seen{folder, RightsOf(folder), ""};
            }
        }
        if (arguments.at(0) == "backup") {
            // The copy restic reads lies two levels under its scratch folder.
            const std::string scratch = fs::path(workingFolder).parent_path().parent_path();
            copyFolder = Seen{scratch, RightsOf(scratch), ""};
        }
        ProgramOutput output;
        output.started = true;
        output.exitCode = status_;
        output.err = status_ == 0 ? "" : "Fatal: unable to open repository\n";
        if (arguments.at(0) == "backup" && status_ == 0) {
            output.out = R"({"message_type":"summary","snapshot_id":"0123abcd"})"
                         "\n";
        }
        return output;
    }

private:
    int status_;
};

TEST(ResticSecretsTest, ThePasswordAndTheCopyAreTheUsersAloneAndGoneAfter) {
    HeadlessTill till;
    SellCoffees(till, 2);
    TempDir repository;
    // A failing restic first, then one that succeeds (its read-back finds no
    // snapshot on disk, a failure the till tells, after the password was used).
    for (const int status : {1, 0}) {
        SCOPED_TRACE("restic's exit code " + std::to_string(status));
        WatchedRestic restic(status);
        const BackupResult result = BackupToRestic(till.Folder(), "restic:" + repository.Path(),
                                                   kSecretEvening, restic, kSecret);
        EXPECT_FALSE(result.verified);
        ASSERT_TRUE(restic.passwordFile && restic.passwordFolder && restic.copyFolder);
        EXPECT_EQ(restic.passwordFile->bytes, kSecret);
        EXPECT_EQ(restic.passwordFile->rights, 0600u) << restic.passwordFile->path;
        EXPECT_EQ(restic.passwordFolder->rights, 0700u) << restic.passwordFolder->path;
        EXPECT_EQ(restic.copyFolder->rights, 0700u) << restic.copyFolder->path;
        EXPECT_TRUE(restic.passwordFile->path.starts_with(fs::temp_directory_path().string()));
        for (const Seen* gone :
             {&*restic.passwordFile, &*restic.passwordFolder, &*restic.copyFolder}) {
            EXPECT_FALSE(fs::exists(gone->path)) << gone->path;
        }
    }
}

// Without a password of the settings, restic reads its own variables: no
// password file is written at all.
TEST(ResticSecretsTest, NoPasswordOfTheSettingsWritesNoPasswordFile) {
    HeadlessTill till;
    SellCoffees(till, 1);
    TempDir repository;
    ::setenv("RESTIC_PASSWORD", kSecret, 1);
    WatchedRestic restic(1);
    BackupToRestic(till.Folder(), "restic:" + repository.Path(), kSecretEvening, restic, "");
    ::unsetenv("RESTIC_PASSWORD");
    EXPECT_FALSE(restic.passwordFile);
    ASSERT_TRUE(restic.copyFolder);
    EXPECT_EQ(restic.copyFolder->rights, 0700u);
}

// The temporary folder of the system, one of the test's own while it lives.
class OwnTemporaryFolder {
public:
    OwnTemporaryFolder() : before_(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "") {
        ::setenv("TMPDIR", folder_.Path().c_str(), 1);
    }
    ~OwnTemporaryFolder() {
        before_.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", before_.c_str(), 1);
    }
    const std::string& Path() const { return folder_.Path(); }

private:
    TempDir folder_;
    std::string before_;
};

std::string MadeAgo(const std::string& base, const std::string& name, std::chrono::minutes ago) {
    const std::string path = JoinPath(base, name);
    fs::create_directory(path);
    WriteRaw(JoinPath(path, "mot-de-passe-Xy12ab"), kSecret);
    fs::last_write_time(path, fs::file_time_type::clock::now() - ago);
    return path;
}

// A backup killed with the till leaves its scratch folders (a copy of the
// data folder, the password): the next backup removes them, and only them.
TEST(ResticSecretsTest, TheScratchFoldersOfAKilledBackupAreRemovedByTheNext) {
    OwnTemporaryFolder temporary;
    const std::string& base = temporary.Path();
    using std::chrono::minutes;
    const std::string abandoned = MadeAgo(base, "vantor-restic-copie-111", minutes(60));
    const std::string held = MadeAgo(base, "vantor-restic-copie-222", minutes(60));
    const std::string justMade = MadeAgo(base, "vantor-restic-acces-333", minutes(0));
    const std::string other = MadeAgo(base, "vantor-bench-backup.Ab12Cd", minutes(60));
    std::unique_ptr<FolderLock> living;  // a backup still running
    ASSERT_EQ(FolderLock::TryLock(held, living), FolderLock::Result::Held);
    fs::last_write_time(held, fs::file_time_type::clock::now() - minutes(60));
    HeadlessTill till;
    SellCoffees(till, 1);
    TempDir repository;
    WatchedRestic restic(1);
    BackupToRestic(till.Folder(), "restic:" + repository.Path(), kSecretEvening, restic, kSecret);
    EXPECT_FALSE(fs::exists(abandoned));
    for (const std::string& kept : {held, justMade, other}) {
        EXPECT_TRUE(fs::exists(JoinPath(kept, "mot-de-passe-Xy12ab"))) << kept;
    }
    EXPECT_FALSE(fs::exists(JoinPath(other, kLockFile)));  // not even looked into
    living.reset();
    EXPECT_EQ(RemoveAbandonedScratchFolders(base), 1);  // the backup's own are gone
    EXPECT_FALSE(fs::exists(held));
    EXPECT_EQ(RemoveAbandonedScratchFolders(base), 0);
    EXPECT_TRUE(fs::exists(justMade));
}

}  // namespace
}  // namespace vantor::test
