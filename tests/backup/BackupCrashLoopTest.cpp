// The `vantor sauvegarder` program itself killed with SIGKILL (it and what it
// started) at seeded random moments spread over a whole backup, as a power
// cut or a task manager would: every backup the destination lists passes the
// check a restore makes, the data files keep every byte (the backup logs only
// ever gain whole lines at their end, the chain stays intact), and the next
// backup that gets as far as its copy removes what the killed ones left.
// A run costs a start of the program and the checks (about 30 ms), so the
// default is sized for the sanitized builds; VANTOR_BACKUP_KILL_RUNS=240 gives
// the full loop on demand. The restic runs cost seconds each (restic starts,
// checks and restores): none by default, VANTOR_BACKUP_KILL_RESTIC_RUNS=8.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "BackupFolders.h"
#include "backup/BackupCheck.h"
#include "backup/BackupLog.h"
#include "backup/FolderBackup.h"
#include "backup/ResticBackup.h"
#include "backup/Restore.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Verify.h"
#include "platform/FolderLock.h"
#include "platform/Programs.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Files = std::map<std::string, std::string>;

int RunsOf(const char* variable, int otherwise) {
    const char* runs = std::getenv(variable);
    return runs != nullptr ? std::atoi(runs) : otherwise;
}
constexpr unsigned kKillerSeed = 20261207;
// Big enough for the copy to be most of a backup, small enough for 200 runs.
constexpr std::size_t kPhotoBytes = 1u << 20;

// The files a backup may add to: its own line, its event and the chain's
// entry for it, and the lock it takes to write them.
bool BackupWritesTo(const std::string& name) {
    return name == kBackupLogFile || name == kEventFile || name == kChainFile || name == kLockFile;
}

Files FilesOfFolder(const std::string& folder) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).generic_string()] =
                Slurp(entry.path().string());
        }
    }
    return files;
}

// "" when after is before with nothing but lines added at the end of the
// backup's logs; else what changed.
std::string ChangedFiles(const Files& before, const Files& after) {
    std::string changed;
    for (const auto& [name, bytes] : after) {
        const auto was = before.find(name);
        if (name == kLockFile) {
            continue;
        }
        if (!BackupWritesTo(name)) {
            if (was == before.end() || was->second != bytes) {
                changed += name + " ";
            }
        } else if (was != before.end() && !bytes.starts_with(was->second)) {
            changed += name + " (rewritten) ";
        }
    }
    for (const auto& [name, bytes] : before) {
        if (after.count(name) == 0) {
            changed += name + " (gone) ";
        }
    }
    return changed;
}

// The programs the killed backups started (restic) are taken in by this
// process and reaped at once, as a system's init would: a killed restic that
// nobody reaps still counts as running, and its lock as held.
class ReapOrphans {
public:
    ReapOrphans() { Take(1); }
    ~ReapOrphans() { Take(0); }
    ReapOrphans(const ReapOrphans&) = delete;
    ReapOrphans& operator=(const ReapOrphans&) = delete;

private:
    static void Take([[maybe_unused]] int on) {
#ifdef __linux__
        ::prctl(PR_SET_CHILD_SUBREAPER, on);
#endif
    }
};

// Runs `vantor sauvegarder` in a process group of its own and kills the
// group after delay (restic too, when it runs one); how long it ran.
Clock::duration BackUpAndKill(const std::string& data, const std::string& destination,
                              Clock::duration delay) {
    const Clock::time_point start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setpgid(0, 0);
        ::dup2(::open("/dev/null", O_WRONLY), 1);
        ::dup2(::open("/dev/null", O_WRONLY), 2);
        ::execl(VANTOR_EXECUTABLE, VANTOR_EXECUTABLE, "sauvegarder", "--data-dir", data.c_str(),
                "--vers", destination.c_str(), nullptr);
        ::_exit(127);
    }
    ::setpgid(pid, pid);  // either side may get there first
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() - start >= delay) {
            ::kill(-pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::kill(-pid, SIGKILL);  // what it started and left behind
    while (::waitpid(-pid, &status, 0) > 0) {
        // reaped here when this process took them in (see ReapOrphans)
    }
    return Clock::now() - start;
}

std::set<std::string> Unfinished(const std::string& destination) {
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(JoinPath(destination, kBackupsFolder), error)) {
        if (entry.path().filename().string().starts_with(kUnfinishedPrefix)) {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

// A till with sales and a picture, and its files.
struct KilledTill {
    HeadlessTill till{RamDiskOrTemporary()};
    Files files;
    KilledTill() {
        SellCoffees(till, 5);
        fs::create_directories(till / "photos");
        WriteRaw(till / "photos/fond.bmp", std::string(kPhotoBytes, 'p'));
        files = FilesOfFolder(till.Folder());
    }
    // What changed in the data folder since the last call, "" when nothing
    // a backup may not change.
    std::string Changes() {
        const Files now = FilesOfFolder(till.Folder());
        std::string changed = ChangedFiles(files, now);
        const LedgerCheck ledger = VerifyLedger(till.Folder());
        if (!ledger.intact) {
            changed += "chain: " + ledger.problem;
        }
        files = now;
        return changed;
    }
};

TEST(BackupCrashLoopTest, AKilledBackupNeverClaimsToBeComplete) {
    KilledTill data;
    TempDir stick(RamDiskOrTemporary());
    // The longest of three whole backups: the kills reach its very end.
    Clock::duration whole{};
    for (int backup = 0; backup < 3; ++backup) {
        whole =
            std::max(whole, BackUpAndKill(data.till.Folder(), stick.Path(), std::chrono::hours(1)));
    }
    ASSERT_EQ(ListBackups(stick.Path()).size(), 3u);
    ASSERT_EQ(data.Changes(), "");

    std::mt19937 random(kKillerSeed);
    std::uniform_int_distribution<long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(whole).count());
    const std::vector<std::string> first = ListBackups(stick.Path());
    std::set<std::string> checked(first.begin(), first.end());
    int leftUnfinished = 0;
    const int runs = RunsOf("VANTOR_BACKUP_KILL_RUNS", 40);
    for (int run = 0; run < runs; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const std::set<std::string> leftBefore = Unfinished(stick.Path());
        BackUpAndKill(data.till.Folder(), stick.Path(), std::chrono::microseconds(moment(random)));
        bool published = false;
        for (const std::string& name : ListBackups(stick.Path())) {
            if (!checked.insert(name).second) {
                continue;
            }
            published = true;
            const BackupCheck check =
                CheckBackupFolder(JoinPath(JoinPath(stick.Path(), kBackupsFolder), name));
            ASSERT_TRUE(check.intact) << name << ": " << check.problem;
        }
        const std::set<std::string> left = Unfinished(stick.Path());
        leftUnfinished += left.size() > leftBefore.size() ? 1 : 0;
        if (published) {
            // It got past the cleaning that comes before its copy.
            for (const std::string& name : leftBefore) {
                EXPECT_EQ(left.count(name), 0u) << name;
            }
        }
        ASSERT_EQ(data.Changes(), "");
    }
    BackUpAndKill(data.till.Folder(), stick.Path(), std::chrono::hours(1));
    EXPECT_EQ(Unfinished(stick.Path()), std::set<std::string>{});
    // None spoiled since it was checked, the last one's thinning included.
    for (const std::string& name : ListBackups(stick.Path())) {
        const BackupCheck check =
            CheckBackupFolder(JoinPath(JoinPath(stick.Path(), kBackupsFolder), name));
        EXPECT_TRUE(check.intact) << name << ": " << check.problem;
    }
    EXPECT_EQ(data.Changes(), "");
    // Kills that came during the copy, not all before or after it (a few in
    // a hundred: a short loop may have none).
    if (runs >= 200) {
        EXPECT_GT(leftUnfinished, 0);
    }
    std::cout << runs << " backups killed within " << whole / std::chrono::milliseconds(1)
              << " ms, " << leftUnfinished << " during the copy, " << checked.size()
              << " complete ones\n";
}

// The same with a local restic repository: restic's own snapshots are whole
// or not there, and each one the till lists restores and verifies.
TEST(BackupCrashLoopTest, AKilledResticBackupLeavesARepositoryThatRestores) {
    const int runs = RunsOf("VANTOR_BACKUP_KILL_RESTIC_RUNS", 0);
    if (runs <= 0) {
        GTEST_SKIP() << "VANTOR_BACKUP_KILL_RESTIC_RUNS=8 runs it";
    }
    TempDir scratch(RamDiskOrTemporary());
    WriteRaw(scratch / "mot-de-passe", "café-du-coin");
    const std::string repository = scratch / "depot";
    const ProgramOutput init = SystemPrograms().Run(
        "restic", {"init", "--repo", repository, "--password-file", scratch / "mot-de-passe"}, "");
    if (!init.started || init.exitCode != 0) {
        GTEST_SKIP() << "restic is not installed on this computer";
    }
    ::setenv("RESTIC_PASSWORD_FILE", (scratch / "mot-de-passe").c_str(), 1);
    const ReapOrphans reaper;
    KilledTill data;
    const std::string destination = "restic:" + repository;
    const Clock::duration whole =
        BackUpAndKill(data.till.Folder(), destination, std::chrono::hours(1));
    std::mt19937 random(kKillerSeed + 1);
    std::uniform_int_distribution<long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(whole).count());
    for (int run = 0; run < runs; ++run) {
        BackUpAndKill(data.till.Folder(), destination, std::chrono::microseconds(moment(random)));
        ASSERT_EQ(data.Changes(), "") << "run " << run;
    }
    // The next backup, left to finish, is made and verified in spite of them.
    BackUpAndKill(data.till.Folder(), destination, std::chrono::hours(1));
    const ProgramOutput check = SystemPrograms().Run("restic", {"check", "--repo", repository}, "");
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
    const ResticSnapshots list = ListResticBackups(destination, SystemPrograms());
    ASSERT_EQ(list.problem, "");
    ASSERT_GE(list.snapshots.size(), 2u);
    for (const ResticSnapshot& snapshot : list.snapshots) {
        TempDir into(RamDiskOrTemporary());
        RestoreRequest request;
        request.source = destination;
        request.backup = snapshot.id;
        request.dataDir = into / "caisse";
        const RestoreResult restored =
            RestoreFromRestic(request, {Date{2026, 12, 8}, TimeOfDay{9, 0, 0}}, SystemPrograms());
        EXPECT_TRUE(restored.restored) << snapshot.id << ": " << restored.problem;
    }
    // The last backup was verified: restic's check got past the killed ones' locks.
    const std::optional<VerifiedBackup> last = LastVerifiedBackup(data.till.Folder());
    ASSERT_TRUE(last);
    EXPECT_EQ(last->name, list.snapshots.back().id);
    ::unsetenv("RESTIC_PASSWORD_FILE");
    std::cout << runs << " restic backups killed within " << whole / std::chrono::milliseconds(1)
              << " ms, " << list.snapshots.size() << " snapshots\n";
}

}  // namespace
}  // namespace vantor::test
