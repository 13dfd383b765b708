// Backups to a restic repository in a temporary folder, through the `vantor`
// command and restic itself: made, checked, read back and restored like a
// folder backup; refused at restore when the snapshot does not verify; and
// a clear word with exit 2 when restic, its password or its repository is
// not there.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include "BackupFolders.h"
#include "backup/BackupLog.h"
#include "backup/FolderBackup.h"
#include "data/TextFile.h"
#include "ledger/Ledger.h"
#include "platform/Programs.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPassword = "café-du-coin";

// A repository made by `restic init` with the password in a file.
class Repository {
public:
    Repository() {
        WriteRaw(folder_ / "mot-de-passe", kPassword);
        const ProgramOutput init = SystemPrograms().Run(
            "restic", {"init", "--repo", Path(), "--password-file", folder_ / "mot-de-passe"}, "");
        available_ = init.started && init.exitCode == 0;
    }
    bool Available() const { return available_; }
    std::string Path() const { return folder_ / "depot"; }
    std::string Destination() const { return "restic:" + Path(); }
    std::map<std::string, std::string> Password(const std::string& password = kPassword) const {
        return {{"RESTIC_PASSWORD", password}};
    }
    // restic itself, with the right password, on this repository.
    ProgramOutput Restic(std::vector<std::string> words, const std::string& folder = "") const {
        words.insert(words.begin() + 1,
                     {"--repo", Path(), "--password-file", folder_ / "mot-de-passe"});
        return SystemPrograms().Run("restic", words, folder);
    }

private:
    TempDir folder_;
    bool available_ = false;
};

#define NEED_RESTIC(repository)                                     \
    if (!(repository).Available()) {                                \
        GTEST_SKIP() << "restic is not installed on this computer"; \
    }

TillRun BackUpTo(const Repository& repository, const std::string& data,
                 const std::map<std::string, std::string>& environment) {
    return RunVantor({"sauvegarder", "--data-dir", data, "--vers", repository.Destination()}, "",
                     environment);
}

TillRun RestoreFrom(const Repository& repository, const std::string& data,
                    const std::map<std::string, std::string>& environment,
                    const std::vector<std::string>& options = {}) {
    std::vector<std::string> words{"restaurer", "--depuis", repository.Destination(), "--data-dir",
                                   data};
    words.insert(words.end(), options.begin(), options.end());
    return RunVantor(words, "", environment);
}

// The id of the one snapshot the backup's output names.
std::string SnapshotOf(const TillRun& backup) {
    std::smatch found;
    return std::regex_search(backup.out, found, std::regex("instantané ([0-9a-f]{8}) \\("))
               ? found[1].str()
               : "";
}

TEST(ResticTest, ABackupIsMadeCheckedAndRestoredIntact) {
    Repository repository;
    NEED_RESTIC(repository);
    HeadlessTill till;
    SellCoffees(till, 3);
    const TillRun backup = BackUpTo(repository, till.Folder(), repository.Password());
    ASSERT_EQ(backup.status, 0) << backup.err;
    EXPECT_TRUE(std::regex_match(
        backup.out, std::regex("Sauvegarde vérifiée : restic:.* instantané [0-9a-f]{8} \\([0-9]+ "
                               "fichiers, [0-9]+,[0-9] Mo, [0-9]+,[0-9] s\\)\n")))
        << backup.out;
    const std::string id = SnapshotOf(backup);
    const std::optional<VerifiedBackup> last = LastVerifiedBackup(till.Folder());
    ASSERT_TRUE(last);
    EXPECT_EQ(last->destination, repository.Destination());
    EXPECT_EQ(last->name, id);
    EXPECT_NE(TextOf(till.Folder() + "/" + kEventFile).find("Sauvegarde vérifiée"),
              std::string::npos);
    // restic's own view: the snapshot holds the data files and the manifest.
    const ProgramOutput listed = repository.Restic({"ls", id});
    EXPECT_NE(listed.out.find("/tickets.csv\n"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("/manifeste.txt\n"), std::string::npos) << listed.out;

    TempDir elsewhere;
    const std::string restored = elsewhere / "caisse";
    const TillRun restore = RestoreFrom(repository, restored, repository.Password());
    ASSERT_EQ(restore.status, 0) << restore.err;
    EXPECT_TRUE(std::regex_search(
        restore.out,
        std::regex("^Sauvegardes trouvées dans restic:.* : 1\n  " + id +
                   " 20[0-9-]{8}_[0-9-]{8}\nSauvegarde 20[0-9-]{8}_[0-9-]{8} restaurée dans .* : "
                   "tickets jusqu'au n° 3 du 05.12.2026\nLes ventes faites après le ")))
        << restore.out;
    EXPECT_EQ(RunVantor({"verify", "--data-dir", restored}, "").status, 0);
    for (const char* file : {"Articles.csv", "Infos.txt", "tickets.csv", "archive.key"}) {
        EXPECT_EQ(Slurp(JoinPath(restored, file)), till.Read(file)) << file;
    }
    EXPECT_FALSE(fs::exists(JoinPath(restored, kBackupManifestFile)));
    const std::string next = "clock 05.12.2026 12:30:00\nshow NumTicket\n";
    EXPECT_EQ(Shows(RunScript(restored, next)), Shows(till.Run(next)));
    EXPECT_NE(TextOf(JoinPath(restored, kEventFile))
                  .find("depuis " + repository.Destination() + " (instantané " + id + ")"),
              std::string::npos);
}

TEST(ResticTest, ABackupIsChosenByItsIdOrItsName) {
    Repository repository;
    NEED_RESTIC(repository);
    HeadlessTill till;
    SellCoffees(till, 1);
    const TillRun first = BackUpTo(repository, till.Folder(), repository.Password());
    till.Run(kCoffeeSale);
    const TillRun second = BackUpTo(repository, till.Folder(), repository.Password());
    ASSERT_EQ(second.status, 0) << second.err;
    struct Row {
        std::vector<std::string> options;
        std::string broughtBack;
    };
    const std::string firstId = SnapshotOf(first);
    for (const Row& row : std::vector<Row>{
             {{}, "tickets jusqu'au n° 2 du "},
             {{"--sauvegarde", firstId}, "tickets jusqu'au n° 1 du "},
             {{"--sauvegarde", firstId.substr(0, 5)}, "tickets jusqu'au n° 1 du "},
         }) {
        TempDir elsewhere;
        const TillRun restore =
            RestoreFrom(repository, elsewhere / "caisse", repository.Password(), row.options);
        EXPECT_EQ(restore.status, 0) << restore.err;
        EXPECT_NE(restore.out.find(" : " + row.broughtBack), std::string::npos) << restore.out;
    }
    TempDir elsewhere;
    const TillRun unknown = RestoreFrom(repository, elsewhere / "caisse", repository.Password(),
                                        {"--sauvegarde", "ffffffff"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Sauvegarde introuvable : ffffffff"), std::string::npos);
}

TEST(ResticTest, ARestoreNeverGoesOverData) {
    Repository repository;
    NEED_RESTIC(repository);
    HeadlessTill till;
    SellCoffees(till, 2);
    ASSERT_EQ(BackUpTo(repository, till.Folder(), repository.Password()).status, 0);
    HeadlessTill other;
    SellCoffees(other, 5);
    const std::string before = FolderState(other.Folder());
    const TillRun refused = RestoreFrom(repository, other.Folder(), repository.Password());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("contient déjà des données"), std::string::npos) << refused.err;
    EXPECT_EQ(FolderState(other.Folder()), before);
    const TillRun replaced =
        RestoreFrom(repository, other.Folder(), repository.Password(), {"--remplacer"});
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_NE(replaced.out.find("Ancien dossier mis de côté"), std::string::npos);
    EXPECT_NE(replaced.out.find("tickets jusqu'au n° 2 du"), std::string::npos);
}

// A snapshot of a copy whose tickets were changed after its manifest was
// written, as someone with the password could make with restic by hand.
TEST(ResticTest, ASnapshotThatDoesNotVerifyIsRefused) {
    Repository repository;
    NEED_RESTIC(repository);
    HeadlessTill till;
    SellCoffees(till, 2);
    TempDir stick;
    ASSERT_EQ(BackUp(till.Folder(), stick.Path()).status, 0);
    const std::string copy = OnlyBackup(stick.Path());
    std::string tickets = Slurp(JoinPath(copy, "tickets.csv"));
    tickets[0] = tickets[0] == 'X' ? 'Y' : 'X';
    WriteRaw(JoinPath(copy, "tickets.csv"), tickets);
    const std::string name = fs::path(copy).filename().string();
    ASSERT_EQ(repository.Restic({"backup", "--tag", "vantor", "--tag", name, "."}, copy).exitCode,
              0);

    TempDir elsewhere;
    const std::string restored = elsewhere / "caisse";
    const TillRun refused = RestoreFrom(repository, restored, repository.Password());
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("refusée : tickets.csv ne correspond plus à son empreinte SHA-256"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(restored));
    const TillRun anyway =
        RestoreFrom(repository, restored, repository.Password(), {"--malgre-tout"});
    EXPECT_EQ(anyway.status, 0) << anyway.err;
    EXPECT_NE(TextOf(JoinPath(restored, kEventFile)).find("Sauvegarde restaurée malgré tout"),
              std::string::npos);
}

// The repository's own bytes changed on its disk: restic cannot read the
// snapshot back, and nothing is restored.
TEST(ResticTest, ATamperedRepositoryIsRefusedAtRestore) {
    Repository repository;
    NEED_RESTIC(repository);
    HeadlessTill till;
    SellCoffees(till, 2);
    ASSERT_EQ(BackUpTo(repository, till.Folder(), repository.Password()).status, 0);
    for (const fs::directory_entry& pack :
         fs::recursive_directory_iterator(repository.Path() + "/data")) {
        if (pack.is_regular_file()) {
            std::string bytes = Slurp(pack.path().string());
            for (std::size_t at = 0; at < bytes.size(); at += 97) {
                bytes[at] = static_cast<char>(bytes[at] ^ 0x5a);
            }
            WriteRaw(pack.path().string(), bytes);
        }
    }
    TempDir elsewhere;
    const std::string restored = elsewhere / "caisse";
    const TillRun refused = RestoreFrom(repository, restored, repository.Password());
    EXPECT_EQ(refused.status, 1) << refused.out << refused.err;
    EXPECT_NE(refused.err.find("Restauration refusée : "), std::string::npos) << refused.err;
    EXPECT_FALSE(fs::exists(restored));
    // And a backup into it is not called verified.
    const TillRun backup = BackUpTo(repository, till.Folder(), repository.Password());
    EXPECT_NE(backup.status, 0) << backup.out;
}

TEST(ResticTest, AnUnusableRepositoryIsToldWithExitTwo) {
    Repository repository;
    NEED_RESTIC(repository);
    HeadlessTill till;
    SellCoffees(till, 1);
    TempDir noPrograms;
    const std::map<std::string, std::string> noPassword{
        {"RESTIC_PASSWORD", ""}, {"RESTIC_PASSWORD_FILE", ""}, {"RESTIC_PASSWORD_COMMAND", ""}};
    std::map<std::string, std::string> noRestic = repository.Password();
    noRestic["PATH"] = noPrograms.Path();
    struct Row {
        std::string what;
        std::string destination;
        std::map<std::string, std::string> environment;
        std::string told;
    };
    const std::string missing = "restic:" + noPrograms.Path() + "/nulle-part";
    for (const Row& row : std::vector<Row>{
             {"wrong password", repository.Destination(), repository.Password("faux"),
              "Mot de passe du dépôt restic " + repository.Path() + " refusé"},
             {"no password", repository.Destination(), noPassword,
              "Mot de passe du dépôt restic " + repository.Path() +
                  " absent : donnez-le par RESTIC_PASSWORD ou RESTIC_PASSWORD_FILE"},
             {"no repository", missing, repository.Password(),
              "Dépôt restic introuvable : " + missing.substr(7) +
                  " (à créer une fois avec « restic init »)"},
             {"no restic", repository.Destination(), noRestic,
              "restic n'est pas installé sur cet ordinateur (paquet Debian « restic »)"},
         }) {
        const TillRun backup =
            RunVantor({"sauvegarder", "--data-dir", till.Folder(), "--vers", row.destination}, "",
                      row.environment);
        EXPECT_EQ(backup.status, 2) << row.what;
        EXPECT_NE(backup.err.find("Sauvegarde échouée : " + row.told), std::string::npos)
            << row.what << ": " << backup.err;
        TempDir elsewhere;
        const TillRun restore = RunVantor(
            {"restaurer", "--depuis", row.destination, "--data-dir", elsewhere / "caisse"}, "",
            row.environment);
        EXPECT_EQ(restore.status, 2) << row.what;
        EXPECT_NE(restore.err.find("Restauration impossible : " + row.told), std::string::npos)
            << row.what << ": " << restore.err;
        EXPECT_FALSE(fs::exists(elsewhere / "caisse")) << row.what;
    }
    const std::string log = TextOf(JoinPath(till.Folder(), kBackupLogFile));
    EXPECT_NE(log.find(";échouée;" + repository.Destination() + ";;Mot de passe"),
              std::string::npos)
        << log;
    EXPECT_FALSE(LastVerifiedBackup(till.Folder()));
}

}  // namespace
}  // namespace vantor::test
