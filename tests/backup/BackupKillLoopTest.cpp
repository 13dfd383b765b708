// A backup stopped at a seeded random call to the file system, as the till
// killed there (every call from that one on does nothing): no backup the
// destination lists ever fails its check, none appears that did not finish,
// and the data folder keeps every byte. In-process, so that the 240 runs cost
// a fraction of a second; the killed program is BackupCrashLoopTest's.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include "BackupFolders.h"
#include "backup/BackupCheck.h"
#include "backup/FolderBackup.h"
#include "data/TextFile.h"
#include "support/FailingFiles.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

constexpr unsigned kKillSeed = 20261209;
constexpr int kKillRuns = 240;
const DateTime kKillEvening{Date{2026, 12, 7}, TimeOfDay{23, 10, 5}};

std::map<std::string, std::string> FolderFiles(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[entry.path().string()] = Slurp(entry.path().string());
        }
    }
    return files;
}

// The calls a whole backup makes to the file system.
int CallsOfABackup(const std::string& data) {
    TempDir stick;
    FailingFiles counting(1 << 30);
    UseFileSystem use(counting);
    EXPECT_TRUE(BackupToFolder(data, stick.Path(), kKillEvening).verified);
    return counting.Calls();
}

TEST(BackupKillLoopTest, ABackupStoppedAnywhereNeverLeavesABackupThatIsNotWhole) {
    HeadlessTill till(RamDiskOrTemporary());
    SellCoffees(till, 3);
    const auto before = FolderFiles(till.Folder());
    const int calls = CallsOfABackup(till.Folder());
    ASSERT_GT(calls, 20);
    TempDir stick(RamDiskOrTemporary());
    // One complete backup already there, which no stopped one may spoil.
    ASSERT_TRUE(BackupToFolder(till.Folder(), stick.Path(), kKillEvening).verified);

    std::mt19937 random(kKillSeed);
    std::uniform_int_distribution<int> moment(1, calls);
    int published = 1;
    std::set<std::string> checked;
    for (int run = 0; run < kKillRuns; ++run) {
        const int stopping = moment(random);
        SCOPED_TRACE("run " + std::to_string(run) + ", stopped at call " +
                     std::to_string(stopping) + " of " + std::to_string(calls));
        FailingFiles files(stopping, FailingFiles::After::Stopped);
        BackupResult result;
        {
            UseFileSystem use(files);
            result = BackupToFolder(till.Folder(), stick.Path(), kKillEvening);
        }
        // A backup that needed fewer calls this time was not stopped at all.
        EXPECT_TRUE(files.Failed() || result.verified);
        const std::vector<std::string> names = ListBackups(stick.Path());
        // Only a backup that got as far as its rename is there under its name.
        ASSERT_LE(names.size(), static_cast<std::size_t>(published + 1));
        for (const std::string& name : names) {
            // Each backup once, when it appears: a complete one is never written again.
            if (!checked.insert(name).second) {
                continue;
            }
            const BackupCheck check =
                CheckBackupFolder(JoinPath(JoinPath(stick.Path(), kBackupsFolder), name));
            ASSERT_TRUE(check.intact) << name << ": " << check.problem;
        }
        if (!result.verified) {
            EXPECT_FALSE(result.problem.empty());
        }
        published = static_cast<int>(names.size());
        ASSERT_EQ(FolderFiles(till.Folder()), before);
    }
    std::cout << kKillRuns << " backups stopped among " << calls << " calls, " << published
              << " complete ones\n";
}

}  // namespace
}  // namespace vantor::test
