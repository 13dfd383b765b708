// The start of a till whose backups stopped: a warning when the last
// verified backup is more than two days old, or when every one failed;
// nothing for a folder never backed up, nor for a recent backup.
#include <gtest/gtest.h>

#include "BackupFolders.h"
#include "backup/BackupLog.h"
#include "data/TextFile.h"

namespace vantor::test {
namespace {

struct WarningCase {
    const char* what;
    std::vector<std::string> log;  // Sauvegardes.csv; none when empty
    std::string now;               // "dd.mm.yyyy hh:mm:ss"
    std::vector<std::string> boxes;
};

const std::string kVerified =
    "05.12.2026;23:10:05;vérifiée;/media/cle;2026-12-05_23-10-05;5 fichiers";
const std::string kFailed =
    "07.12.2026;23:10:05;échouée;/media/cle;;Destination de sauvegarde "
    "introuvable : /media/cle";

std::string Box(const std::string& text) {
    return "msgbox exclamation ok \"Vantor pour Windows\" \"" + text + "\"";
}

TEST(StartWarningTest, AnOldOrMissingVerifiedBackupIsToldAtTheStart) {
    const std::string advice =
        "Branchez le support de sauvegarde et faites une sauvegarde (vantor sauvegarder).";
    const std::string old =
        "La dernière sauvegarde vérifiée date du 05.12.2026 à 23:10:05 "
        "(/media/cle). " +
        advice;
    const std::vector<WarningCase> cases = {
        {"never backed up", {}, "08.12.2026 10:00:00", {}},
        {"a day old", {kVerified}, "06.12.2026 23:00:00", {}},
        {"just two days old", {kVerified}, "07.12.2026 23:10:05", {}},
        {"two days and a second", {kVerified}, "07.12.2026 23:10:06", {Box(old)}},
        {"failed since", {kVerified, kFailed}, "08.12.2026 10:00:00", {Box(old)}},
        {"every one failed",
         {kFailed},
         "08.12.2026 10:00:00",
         {Box("Aucune sauvegarde vérifiée du dossier de données : les dernières ont échoué (voir "
              "Sauvegardes.csv). " +
              advice)}},
    };
    for (const WarningCase& row : cases) {
        HeadlessTill till;
        if (!row.log.empty()) {
            till.Write(kBackupLogFile, EncodeLines(row.log));
        }
        // A box shown while the till starts takes no answer.
        const TillRun run = till.Run("clock " + row.now + "\nshow NumTicket\n");
        EXPECT_EQ(Boxes(run), row.boxes) << row.what << "\n" << run.out;
    }
}

}  // namespace
}  // namespace vantor::test
