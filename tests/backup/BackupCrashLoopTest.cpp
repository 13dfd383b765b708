// `vantor sauvegarder` killed with SIGKILL at seeded random moments: no
// backup the destination lists ever fails its check, the data folder's data
// is untouched and its chain intact, and the next backup, left to finish,
// removes what the killed ones left. VANTOR_BACKUP_CRASH_RUNS gives more
// runs on demand (200 or more).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

#include "BackupFolders.h"
#include "backup/BackupCheck.h"
#include "backup/BackupLog.h"
#include "backup/FolderBackup.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Verify.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

int Runs() {
    const char* runs = std::getenv("VANTOR_BACKUP_CRASH_RUNS");
    return runs != nullptr ? std::atoi(runs) : 24;
}
constexpr unsigned kSeed = 20261207;

// Runs the backup and kills it after delay; how long it ran.
Clock::duration BackUpAndKill(const std::string& data, const std::string& stick,
                              Clock::duration delay) {
    const Clock::time_point start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open("/dev/null", O_WRONLY), 1);
        ::dup2(::open("/dev/null", O_WRONLY), 2);
        ::execl(VANTOR_EXECUTABLE, VANTOR_EXECUTABLE, "sauvegarder", "--data-dir", data.c_str(),
                "--vers", stick.c_str(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() - start >= delay) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return Clock::now() - start;
}

// The data folder but what a backup writes there (its line and event).
std::string DataState(const std::string& data) {
    std::string state;
    for (const std::string& line : {std::string(kJournalFile), std::string("Articles.csv"),
                                    std::string("Infos.txt"), std::string("photos/fond.bmp")}) {
        state += line + ":" + Slurp(JoinPath(data, line)) + "\n";
    }
    return state;
}

TEST(BackupCrashLoopTest, AKilledBackupNeverClaimsToBeComplete) {
    HeadlessTill till(RamDiskOrTemporary());
    SellCoffees(till, 5);
    fs::create_directories(till / "photos");
    WriteRaw(till / "photos/fond.bmp", std::string(6u << 20, 'p'));  // a copy that takes a while
    const std::string before = DataState(till.Folder());
    TempDir stick(RamDiskOrTemporary());
    const Clock::duration whole = BackUpAndKill(till.Folder(), stick.Path(), std::chrono::hours(1));
    ASSERT_EQ(ListBackups(stick.Path()).size(), 1u);

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<long> moment(
        0, std::chrono::duration_cast<std::chrono::microseconds>(whole).count());
    int complete = 1;
    const int runs = Runs();
    for (int run = 0; run < runs; ++run) {
        BackUpAndKill(till.Folder(), stick.Path(), std::chrono::microseconds(moment(random)));
        const std::vector<std::string> names = ListBackups(stick.Path());
        for (const std::string& name : names) {
            const BackupCheck check =
                CheckBackupFolder(JoinPath(JoinPath(stick.Path(), kBackupsFolder), name));
            ASSERT_TRUE(check.intact) << "run " << run << ", " << name << ": " << check.problem;
        }
        complete = static_cast<int>(names.size());
        ASSERT_EQ(DataState(till.Folder()), before) << "run " << run;
        const LedgerCheck ledger = VerifyLedger(till.Folder());
        ASSERT_TRUE(ledger.intact) << "run " << run << ": " << ledger.problem;
    }
    BackUpAndKill(till.Folder(), stick.Path(), std::chrono::hours(1));
    for (const auto& entry : fs::directory_iterator(JoinPath(stick.Path(), kBackupsFolder))) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(kUnfinishedPrefix))
            << entry.path();
    }
    std::cout << runs << " backups killed, " << complete << " complete ones before the last\n";
}

}  // namespace
}  // namespace vantor::test
