// Signing in run as the program, where a case needs C++: the PINs searched
// for in every file the run left, a staff file removed between two runs. The
// other cases are pages (cases/).
#include <gtest/gtest.h>

#include <filesystem>

#include "data/TextFile.h"
#include "ledger/Verify.h"
#include "support/HeadlessTill.h"
#include "support/RunTill.h"
#include "support/StaffFile.h"

namespace vantor::test {
namespace {

// The PIN is typed by the script, never shown: not in the transcript, not in
// an error, not in a file of the folder.
TEST(SignIn, NoPinIsEverShownOrWritten) {
    HeadlessTill till;
    till.Write("Personnel.csv", StaffFile({StaffLine("Marc", "Responsable", "86429753"),
                                           StaffLine("Anne", "Serveur", "13572468")}));
    const TillRun run = till.Run(
        "clock 05.12.2026 12:00:00\nchoose lstNoms 1\ntype txtCode \"86429753\"\nclick cmdOK\n"
        "show txtCode\nshow lblMessage\ntype txtCode \"13572468\"\nshow txtCode\nclick cmdOK\n"
        "click mnuInfos\nchoose lstNoms 0\ntype txtCode \"97531357\"\nclick cmdOK\nshow "
        "txtCode.Text\n"
        "type txtCode \"86429753\"\nclick cmdOK\nclick cmdUndo\nclose\n");
    for (const std::string pin : {"86429753", "13572468", "97531357"}) {
        SCOPED_TRACE(pin);
        EXPECT_EQ(run.out.find(pin), std::string::npos);
        EXPECT_EQ(run.err.find(pin), std::string::npos);
        for (const auto& entry : std::filesystem::directory_iterator(till.Folder())) {
            EXPECT_EQ(Slurp(entry.path().string()).find(pin), std::string::npos)
                << entry.path().filename();
        }
    }
    EXPECT_NE(run.out.find("show txtCode.Text \"********\""), std::string::npos);
}

// Deleted while staff management was on, the staff file is missed at the
// next start: told, and logged once, and the till opens as it did before
// there was staff.
TEST(SignIn, AStaffFileDeletedWhileOnIsToldAndLoggedOnce) {
    HeadlessTill till;
    TillRun run = RunVantor(
        {"personnel", "--data-dir", till.Folder(), "ajouter", "Marc", "--role", "Responsable"},
        "1111\n1111\n");
    ASSERT_EQ(run.status, 0) << run.err;
    run = till.Run(
        "clock 05.12.2026 12:00:00\nchoose lstNoms 0\ntype txtCode \"1111\"\n"
        "click cmdOK\nclose\n");
    std::filesystem::remove(till / "Personnel.csv");
    run = till.Run("clock 05.12.2026 13:00:00\nshow Serveur\n");
    EXPECT_NE(run.out.find("msgbox critical ok \"Vantor pour Windows\" \"Le fichier du personnel "
                           "(Personnel.csv) a disparu alors que la gestion du personnel était "
                           "activée : la caisse s'ouvre sans demander de code.\nRemettez le "
                           "fichier d'une sauvegarde, ou recréez un responsable dans Fichier › "
                           "Personnel.\""),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("open frmConnexion"), std::string::npos);
    std::vector<std::string> events = ReadLines(till / "Evenements.csv");
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(events.end() - 3, events.end()),
              (std::vector<std::string>{
                  "05.12.2026;13:00:00;Démarrage;",
                  "05.12.2026;13:00:00;Fichier du personnel disparu;la caisse s'ouvre sans code",
                  "05.12.2026;13:00:00;Gestion du personnel désactivée;Personnel.csv absent"}));
    run = till.Run("clock 05.12.2026 14:00:00\nshow Serveur\n");
    EXPECT_TRUE(Boxes(run).empty());
    EXPECT_TRUE(VerifyLedger(till.Folder()).intact);
}

}  // namespace
}  // namespace vantor::test
