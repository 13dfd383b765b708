// A backup of a till's data folder to a folder, and its restore into a new
// folder: the copy verifies, the restored folder verifies, says what it
// brings back and starts the till with the same receipt number, catalogue
// and reports. A sale being written while the backup runs is left out whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "BackupFolders.h"
#include "backup/BackupCheck.h"
#include "backup/BackupLog.h"
#include "backup/BackupRun.h"
#include "backup/FolderBackup.h"
#include "backup/Restore.h"
#include "data/TextFile.h"
#include "ledger/Ledger.h"
#include "ledger/Verify.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

const DateTime kEvening{Date{2026, 12, 7}, TimeOfDay{23, 10, 5}};

std::string Totals(const std::string& data) {
    return RunVantor(
               {"report", "totaux", "--du", "05.12.2026", "--au", "05.12.2026", "--data-dir", data},
               "")
        .out;
}

TEST(BackupTest, RestoredFolderVerifiesAndStartsWhereTheBackupStopped) {
    HeadlessTill till;
    SellCoffees(till, 3);
    TempDir stick;
    const TillRun backup = BackUp(till.Folder(), stick.Path());
    ASSERT_EQ(backup.status, 0) << backup.err;
    EXPECT_TRUE(std::regex_search(
        backup.out, std::regex("^Sauvegarde vérifiée : .*[/\\\\]Vantor-sauvegardes[/\\\\]"
                               "20[0-9]{2}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2} \\([0-9]+ "
                               "fichiers, [0-9]+,[0-9] Mo, [0-9]+,[0-9] s\\)\n$")))
        << backup.out;
    const std::string copy = OnlyBackup(stick.Path());
    EXPECT_EQ(CheckBackupFolder(copy).problem, "");
    EXPECT_EQ(RunVantor({"verify", "--data-dir", copy}, "").status, 0);

    TempDir elsewhere;
    const std::string restored = elsewhere / "caisse";
    const TillRun restore = Restore(stick.Path(), restored);
    ASSERT_EQ(restore.status, 0) << restore.err;
    const std::string name = fs::path(copy).filename().string();
    EXPECT_NE(restore.out.find("Sauvegardes trouvées dans " + stick.Path() + " : 1\n  " + name +
                               "\nSauvegarde " + name + " restaurée dans " + restored +
                               " : tickets jusqu'au n° 3 du 05.12.2026\n"),
              std::string::npos)
        << restore.out;
    EXPECT_NE(restore.out.find("ne sont pas dans cette sauvegarde."), std::string::npos);
    EXPECT_EQ(RunVantor({"verify", "--data-dir", restored}, "").status, 0);

    // The same catalogue and settings, byte for byte; the same reports.
    for (const char* file : {"Articles.csv", "Categories.csv", "Infos.txt", "tickets.csv",
                             "Clotures.csv", "archive.key"}) {
        EXPECT_EQ(Slurp(JoinPath(restored, file)), till.Read(file)) << file;
    }
    EXPECT_EQ(Totals(restored), Totals(till.Folder()));
    EXPECT_NE(Totals(restored).find("Total journalier   €    10.50"), std::string::npos);
    const std::string next = "clock 05.12.2026 12:30:00\nshow NumTicket\n";
    EXPECT_EQ(Shows(RunScript(restored, next)), Shows(till.Run(next)));
    EXPECT_NE(TextOf(JoinPath(restored, kEventFile)).find("Sauvegarde restaurée"),
              std::string::npos);
}

TEST(BackupTest, TheDataFolderRecordsEachBackup) {
    HeadlessTill till;
    SellCoffees(till, 1);
    TempDir stick;
    ASSERT_EQ(BackUp(till.Folder(), stick.Path()).status, 0);
    ASSERT_EQ(BackUp(till.Folder(), stick / "absente").status, 1);
    const std::string log = TextOf(till / kBackupLogFile);
    const std::vector<std::string> lines = ReadLines(till / kBackupLogFile);
    ASSERT_EQ(lines.size(), 2u) << log;
    EXPECT_TRUE(
        std::regex_search(lines[0], std::regex(";vérifiée;[^;]+;20[-_0-9]+;[0-9]+ fichiers, "
                                               "[0-9]+,[0-9] Mo, [0-9]+,[0-9] s$")))
        << log;
    EXPECT_NE(lines[0].find(";vérifiée;" + stick.Path() + ";"), std::string::npos) << log;
    EXPECT_NE(lines[1].find(";échouée;" + (stick / "absente") +
                            ";;Destination de sauvegarde "
                            "introuvable : " +
                            (stick / "absente") + " (clé USB, disque ou partage absent ?)"),
              std::string::npos)
        << log;
    const std::optional<VerifiedBackup> last = LastVerifiedBackup(till.Folder());
    ASSERT_TRUE(last);
    EXPECT_EQ(last->destination, stick.Path());
    EXPECT_EQ(last->name, fs::path(OnlyBackup(stick.Path())).filename().string());
    // The till was closed: the events are in its chained log, which verifies.
    const std::string events = TextOf(till / kEventFile);
    EXPECT_NE(events.find(";Sauvegarde vérifiée;"), std::string::npos) << events;
    EXPECT_NE(events.find(";Sauvegarde échouée;Destination de sauvegarde introuvable"),
              std::string::npos);
    EXPECT_TRUE(VerifyLedger(till.Folder()).intact);
}

// The till has written a sale's chain entry and not yet its records: the
// backup ends before that sale, and still verifies.
TEST(BackupTest, ASaleBeingWrittenIsLeftOutWhole) {
    HeadlessTill till;
    SellCoffees(till, 2);
    const std::string journal = till.Read(kJournalFile);
    const std::string chain = till.Read(kChainFile);
    TempDir stick;
    BackupResult result;
    {
        ChainedAppend open(till.Folder(), kJournalFile, EntryKind::Sale, 3,
                           {"05.12.2026;12:10:00;Paul;1.5;0;Esp;1;0.1"});
        result = BackupToFolder(till.Folder(), stick.Path(), kEvening);
        open.Finish();
    }
    ASSERT_TRUE(result.verified) << result.problem;
    EXPECT_EQ(Slurp(JoinPath(result.path, kJournalFile)), journal);
    EXPECT_EQ(Slurp(JoinPath(result.path, kChainFile)), chain);
    EXPECT_EQ(SalesUpTo(result.path), "tickets jusqu'au n° 2 du 05.12.2026");
    EXPECT_EQ(SalesUpTo(till.Folder()), "tickets jusqu'au n° 3 du 05.12.2026");
}

// Records of a write begun after the chain was read (the bytes beyond the
// chain's last entry) are left out too.
TEST(BackupTest, BytesNoEntryCoversYetAreLeftOut) {
    HeadlessTill till;
    SellCoffees(till, 1);
    const std::string journal = till.Read(kJournalFile);
    WriteRaw(till / kJournalFile, journal + "05.12.2026;12:10:00;Pa");
    TempDir stick;
    const BackupResult kept = BackupToFolder(till.Folder(), stick.Path(), kEvening);
    ASSERT_TRUE(kept.verified) << kept.problem;
    EXPECT_EQ(Slurp(JoinPath(kept.path, kJournalFile)), journal);
    EXPECT_EQ(kept.name, "2026-12-07_23-10-05");
}

TEST(BackupTest, TwoBackupsInOneSecondKeepBoth) {
    HeadlessTill till;
    SellCoffees(till, 1);
    TempDir stick;
    EXPECT_EQ(BackupToFolder(till.Folder(), stick.Path(), kEvening).name, "2026-12-07_23-10-05");
    EXPECT_EQ(BackupToFolder(till.Folder(), stick.Path(), kEvening).name, "2026-12-07_23-10-05_2");
    EXPECT_EQ(BackupToFolder(till.Folder(), stick.Path(), kEvening).name, "2026-12-07_23-10-05_3");
    EXPECT_EQ(ListBackups(stick.Path()),
              (std::vector<std::string>{"2026-12-07_23-10-05", "2026-12-07_23-10-05_2",
                                        "2026-12-07_23-10-05_3"}));
}

TEST(BackupTest, ARestoreNeverGoesOverData) {
    HeadlessTill till;
    SellCoffees(till, 2);
    TempDir stick;
    ASSERT_EQ(BackUp(till.Folder(), stick.Path()).status, 0);
    HeadlessTill other;
    SellCoffees(other, 1);
    const std::string before = FolderState(other.Folder());
    const TillRun refused = Restore(stick.Path(), other.Folder());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("Restauration refusée : Le dossier " + other.Folder() +
                               " contient déjà des données : rien n'est restauré (--remplacer "
                               "le met de côté d'abord)"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(FolderState(other.Folder()), before);

    const TillRun replaced = Restore(stick.Path(), other.Folder(), {"--remplacer"});
    ASSERT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_NE(replaced.out.find("Ancien dossier mis de côté : " + other.Folder() +
                                ".avant-restauration-"),
              std::string::npos);
    EXPECT_EQ(SalesUpTo(other.Folder()), "tickets jusqu'au n° 2 du 05.12.2026");
    const std::string aside = replaced.out.substr(replaced.out.find(other.Folder() + ".avant"),
                                                  other.Folder().size() + 39);
    EXPECT_EQ(SalesUpTo(aside), "tickets jusqu'au n° 1 du 05.12.2026") << aside;
    fs::remove_all(aside);
}

struct ArgumentCase {
    std::vector<std::string> words;
    int status;
    std::string err;  // how it starts
};

// Once every byte is copied the copy is checked, which takes a while with a
// large journal: the screen says so rather than stay at "100 %".
TEST(BackupTest, TheProgressShownTellsTheCheckOnceEverythingIsCopied) {
    for (const auto& [percent, text] : std::vector<std::pair<int, std::string>>{
             {0, "Sauvegarde vers /media/cle : 0 %"},
             {45, "Sauvegarde vers /media/cle : 45 %"},
             {99, "Sauvegarde vers /media/cle : 99 %"},
             {100, "Sauvegarde vers /media/cle : copie faite, vérification en cours…"}}) {
        EXPECT_EQ(BackupProgressText("/media/cle", percent), text);
    }
    // The progress of a backup ends with its whole size copied, before the check.
    HeadlessTill till;
    SellCoffees(till, 2);
    TempDir stick;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> told;
    const BackupResult result = BackupToFolder(till.Folder(), stick.Path(), kEvening, Thinning{},
                                               [&](std::uint64_t done, std::uint64_t total) {
                                                   told.push_back({done, total});
                                               });
    ASSERT_TRUE(result.verified) << result.problem;
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back().first, told.back().second);
}

TEST(BackupTest, BadArgumentsAreRefused) {
    const std::vector<ArgumentCase> cases = {
        {{"sauvegarder", "--vers"}, 2, "valeur manquante après --vers"},
        {{"sauvegarder", "--data-dir", "/nulle/part", "--vers", "/tmp"},
         2,
         "Dossier de données introuvable : /nulle/part"},
        {{"sauvegarder", "--en-plus"}, 2, "argument inconnu : --en-plus"},
        {{"restaurer", "--data-dir", "/tmp/x"}, 2, "--depuis et --data-dir sont demandés"},
        {{"restaurer", "--depuis", "/nulle/part", "--data-dir", "/tmp/x"},
         2,
         "Destination de sauvegarde introuvable : /nulle/part"},
    };
    for (const ArgumentCase& row : cases) {
        const TillRun run = RunVantor(row.words, "");
        EXPECT_EQ(run.status, row.status) << row.words.back();
        EXPECT_EQ(run.err.substr(0, row.err.size()), row.err) << run.err;
    }
}

TEST(BackupTest, ADestinationInsideTheDataFolderIsRefused) {
    HeadlessTill till;
    SellCoffees(till, 1);
    const TillRun run = BackUp(till.Folder(), till.Folder());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("est dans le dossier de données"), std::string::npos) << run.err;
}

TEST(BackupTest, NoBackupToRestoreIsTold) {
    TempDir empty;
    TempDir target;
    const TillRun run = Restore(empty.Path(), target / "caisse");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Restauration refusée : Aucune sauvegarde dans " + empty.Path() + "\n");
    EXPECT_FALSE(fs::exists(target / "caisse"));
}

}  // namespace
}  // namespace vantor::test
