// "Fichier" > "Editer fichier" > "Fichier Articles": a warning, the CSV
// application started once on the article file, and the end of the program.
#include <gtest/gtest.h>

#include <filesystem>

#include "TillFolder.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;

const std::string kWarning =
    "msgbox none yesno \"Vantor\" \"Le programme va s'arrêter et devra être relancé après "
    "modifications du fichier, continuer ?\"";

TEST(FichierArticles, WithoutTheFileNothingHappens) {
    TillFolder folder;
    RunningTill till({"--headless", "--data-dir", folder.Path()});
    till.Send("associate \"/usr/bin/tableur\"\nshow DataPath\n");
    ASSERT_TRUE(till.WaitFor("show DataPath"));
    std::filesystem::remove(folder / "Articles.csv");
    const TillRun run = till.Finish("click mnuFArticles\nshow frmMain.Visible\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(LinesStartingWith(run.out, "msgbox").empty());
    EXPECT_TRUE(LinesStartingWith(run.out, "start").empty());
    EXPECT_EQ(LinesStartingWith(run.out, "show frmMain"), Lignes{"show frmMain.Visible True"});
}

TEST(FichierArticles, NoLeavesTheProgramRunning) {
    TillFolder folder;
    const TillRun run = folder.Script(
        "associate \"/usr/bin/tableur\"\nclick mnuFArticles\nanswer no\nshow frmMain.Visible\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LinesStartingWith(run.out, "msgbox"), Lignes{kWarning});
    EXPECT_TRUE(LinesStartingWith(run.out, "start").empty());
    EXPECT_TRUE(LinesStartingWith(run.out, "close").empty());
}

TEST(FichierArticles, YesStartsTheApplicationOnceWithTheWholePathAndEnds) {
#ifdef _WIN32
    GTEST_SKIP() << "the file association of Windows is not behind a seam the test can "
                    "replace yet";
#endif
    TempDir home;
    const std::string data = home / "Mes données";
    const TillRun run = RunVantor({"--headless", "--data-dir", data},
                                  "associate \"/opt/Tableur 7/tableur\"\n"
                                  "click mnuFArticles\nanswer yes\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LinesStartingWith(run.out, "msgbox"), Lignes{kWarning});
    EXPECT_EQ(LinesStartingWith(run.out, "start"),
              Lignes{"start \"/opt/Tableur 7/tableur\" \"" + data + "/Articles.csv\""});
    EXPECT_EQ(LinesStartingWith(run.out, "close"), Lignes{"close frmMain"});
    EXPECT_FALSE(std::filesystem::exists(data + "/tempcsv.csv"));
    EXPECT_TRUE(std::filesystem::exists(data + "/Articles.csv"));

    const TillRun after = RunVantor({"--headless", "--data-dir", data},
                                    "associate \"/opt/Tableur 7/tableur\"\n"
                                    "click mnuFArticles\nanswer yes\nshow DataPath\n");
    EXPECT_EQ(after.status, 1);
    EXPECT_EQ(after.err, "ligne 4 : le programme est terminé\n");
}

TEST(FichierArticles, WithoutAnApplicationNothingStartsAndTheProgramStillEnds) {
    TillFolder folder;
    const TillRun run = folder.Script("click mnuFArticles\nanswer yes\nanswer ok\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LinesStartingWith(run.out, "msgbox"),
              (Lignes{kWarning,
                      "msgbox exclamation ok \"Erreur d'ouverture\" \"Aucune application n'est "
                      "associée avec les fichiers CSV\""}));
    EXPECT_TRUE(LinesStartingWith(run.out, "start").empty());
    EXPECT_EQ(LinesStartingWith(run.out, "close"), Lignes{"close frmMain"});
    EXPECT_FALSE(std::filesystem::exists(folder / "tempcsv.csv"));
}

TEST(FichierArticles, TheApplicationIsDeclaredBeforeTheStart) {
    TillFolder folder;
    const TillRun run = folder.Script("show DataPath\nassociate \"/usr/bin/tableur\"\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ligne 2 : associate doit précéder toute autre commande\n");
}

}  // namespace
}  // namespace vantor::test
