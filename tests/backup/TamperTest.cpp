// A backup changed after it was made is refused at restore, with its first
// problem named, and nothing is written; --malgre-tout restores it and the
// restored folder's event log says so.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "BackupFolders.h"
#include "backup/Manifest.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Sha256.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

struct TamperCase {
    const char* what;
    std::function<void(const std::string& backup)> tamper;
    std::string problem;  // after "Sauvegarde NAME refusée : "
};

void Replace(const std::string& path, const std::string& from, const std::string& to) {
    std::string bytes = Slurp(path);
    const std::size_t at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    bytes.replace(at, from.size(), to);
    WriteRaw(path, bytes);
}

// The manifest's line of the file made to agree with its new bytes.
void ReHash(const std::string& backup, const std::string& file) {
    const std::string bytes = Slurp(JoinPath(backup, file));
    std::string manifest = Slurp(JoinPath(backup, kBackupManifestFile));
    const std::size_t at = manifest.find("fichier;" + file + ";");
    const std::size_t end = manifest.find("\r\n", at);
    manifest.replace(
        at, end - at,
        "fichier;" + file + ";" + std::to_string(bytes.size()) + ";" + Sha256Hex(bytes));
    WriteRaw(JoinPath(backup, kBackupManifestFile), manifest);
}

TEST(TamperTest, ATamperedBackupIsRefusedWithItsFirstProblem) {
    HeadlessTill till;
    SellCoffees(till, 2);
    const std::vector<TamperCase> cases = {
        {"an amount changed in the journal",
         [](const std::string& b) { Replace(JoinPath(b, kJournalFile), ";3.5;", ";0.5;"); },
         "tickets.csv ne correspond plus à son empreinte SHA-256 du manifeste"},
        {"an article added",
         [](const std::string& b) {
             WriteRaw(JoinPath(b, "Articles.csv"), Slurp(JoinPath(b, "Articles.csv")) + "x\r\n");
         },
         "Articles.csv a "},
        {"the journal changed and its manifest line too",
         [](const std::string& b) {
             Replace(JoinPath(b, kJournalFile), ";3.5;", ";0.5;");
             ReHash(b, kJournalFile);
         },
         "ligne 1 de tickets.csv : ne correspond plus à l'entrée"},
        {"a file added", [](const std::string& b) { WriteRaw(JoinPath(b, "en-plus.txt"), "x"); },
         "en-plus.txt n'est pas dans le manifeste"},
        {"a file removed", [](const std::string& b) { fs::remove(JoinPath(b, "Infos.txt")); },
         "Infos.txt illisible : "},
        {"the manifest made unreadable",
         [](const std::string& b) {
             Replace(JoinPath(b, kBackupManifestFile), "fichier;", "fichier;;");
         },
         "ligne 3 du manifeste illisible"},
        {"a manifest naming a file outside",
         [](const std::string& b) {
             Replace(JoinPath(b, kBackupManifestFile), "fichier;Articles.csv",
                     "fichier;../Articles.csv");
         },
         "ligne 3 du manifeste illisible"},
    };
    for (const TamperCase& row : cases) {
        TempDir stick;
        ASSERT_EQ(BackUp(till.Folder(), stick.Path()).status, 0);
        const std::string backup = OnlyBackup(stick.Path());
        row.tamper(backup);
        TempDir target;
        const std::string restored = target / "caisse";
        const TillRun refused = Restore(stick.Path(), restored);
        EXPECT_EQ(refused.status, 1) << row.what;
        const std::string name = fs::path(backup).filename().string();
        const std::string told = "Restauration refusée : Sauvegarde " + name + " refusée : ";
        EXPECT_EQ(refused.err.substr(0, told.size() + row.problem.size()), told + row.problem)
            << row.what << "\n"
            << refused.err;
        EXPECT_FALSE(fs::exists(restored)) << row.what;

        const TillRun anyway = Restore(stick.Path(), restored, {"--malgre-tout"});
        EXPECT_EQ(anyway.status, 0) << row.what << anyway.err;
        EXPECT_NE(anyway.out.find("Restaurée malgré tout, noté dans le journal des événements : " +
                                  row.problem),
                  std::string::npos)
            << row.what << anyway.out;
        EXPECT_NE(TextOf(JoinPath(restored, kEventFile))
                      .find(";Sauvegarde restaurée malgré tout;" + name + " depuis "),
                  std::string::npos)
            << row.what;
    }
}

}  // namespace
}  // namespace vantor::test
