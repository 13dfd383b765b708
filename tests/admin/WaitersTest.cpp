// The waiters: the list dialog saved on "Fermer" answered "Oui", and the
// quick add of the "Employés" menu.
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

class Waiters : public ::testing::Test {
protected:
    void SetUp() override { WriteRaw(data_ / "Serveurs.txt", "Anne\nPaul\r\nL\xE9o\r\n"); }

    std::string Run(const std::string& script) {
        TillRun run = RunScript(data_.Path(), script);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
    std::string File() const { return Slurp(data_ / "Serveurs.txt"); }

    TempDir data_;
};

TEST_F(Waiters, ClosingWithoutAnyChangeAsksNothing) {
    const std::string out = Run(
        "click mnuEditServ\nshow lstServeurs\nshow lstServeurs.ListIndex\nchoose lstServeurs 1\n"
        "show txtServ\nclick cmdClose\n");
    EXPECT_EXPECTED("Waiters-ClosingWithoutAnyChangeAsksNothing.txt", out);
    EXPECT_EQ(File(), "Anne\nPaul\r\nL\xE9o\r\n") << "untouched";
}

TEST_F(Waiters, ModifyWithoutSelectionStillAsksAndNoDiscardsEverything) {
    const std::string out = Run(
        "click mnuEditServ\ntype txtServ \"Zo\xC3\xA9\"\nclick cmdModify\nshow lstServeurs\n"
        "click cmdAdd\nchoose lstServeurs 0\nclick cmdDelete\nshow lstServeurs\nclick cmdClose\n"
        "answer no\n");
    EXPECT_EXPECTED("Waiters-ModifyWithoutSelectionStillAsksAndNoDiscardsEverything.txt", out);
    EXPECT_EQ(File(), "Anne\nPaul\r\nL\xE9o\r\n");
}

TEST_F(Waiters, YesSavesTheListAndReloadsTheMenu) {
    const std::string out = Run(
        "click mnuEditServ\nchoose lstServeurs 2\ntype txtServ \"L\xC3\xA9on;Marc\"\n"
        "click cmdModify\nshow txtServ\ntype txtServ \"Jo;\"\nclick cmdAdd\ntype txtServ \"Eve\"\n"
        "click cmdModify\nclick cmdClose\nanswer yes\nshow mnuSrv 2\nshow mnuSrv 3\n"
        "show cmbServeur.List\n");
    EXPECT_EQ(
        LinesStartingWith(out, "show "),
        (std::vector<std::string>{"show txtServ.Text \"\"", "show mnuSrv(2).Caption \"Léon-Marc\"",
                                  "show mnuSrv(3).Caption \"Jo-\"",
                                  "show cmbServeur.List \"Tous\" \"Anne\" \"Paul\" \"Léon-Marc\" "
                                  "\"Jo-\""}))
        << "after \"Ajouter\" nothing is selected, so \"Modifier\" changed nothing";
    EXPECT_EQ(File(), "Anne\r\nPaul\r\nL\xE9on-Marc\r\nJo-\r\n");
}

TEST_F(Waiters, DeletingEveryWaiterWritesOneEmptyLine) {
    Run("click mnuEditServ\nchoose lstServeurs 0\nclick cmdDelete\nchoose lstServeurs 0\n"
        "click cmdDelete\nchoose lstServeurs 0\nclick cmdDelete\nclick cmdClose\nanswer yes\n");
    EXPECT_EQ(File(), "\r\n");
}

TEST_F(Waiters, TheCloseBoxSavesNothing) {
    Run("click mnuEditServ\ntype txtServ \"Zo\xC3\xA9\"\nclick cmdAdd\nclose\n");
    EXPECT_EQ(File(), "Anne\nPaul\r\nL\xE9o\r\n");
}

TEST_F(Waiters, QuickAddAppendsTheNameEverywhere) {
    const std::string out =
        Run("click mnuAddSrv\nanswer ok\nclick mnuAddSrv\nanswer \"Ma;rie\"\nclick mnuAddSrv\n"
            "answer cancel\nshow mnuSrv 3\nshow mnuSrv 4\nshow cmbServeur.List\nclick mnuSrv 4\n"
            "show Serveur\n");
    EXPECT_EXPECTED("Waiters-QuickAddAppendsTheNameEverywhere.txt", out);
    EXPECT_EQ(File(), "Anne\r\nPaul\r\nL\xE9o\r\nNom\r\nMa-rie\r\n");
}

TEST_F(Waiters, QuickAddCreatesTheFileWhenThereIsNone) {
    std::remove((data_ / "Serveurs.txt").c_str());
    TempDir fresh;
    TillRun run = RunScript(fresh.Path(), "click mnuAddSrv\nanswer \"Anne\"\nshow mnuSrv 1\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Slurp(fresh / "Serveurs.txt"), "Anne\r\n");
}

}  // namespace
}  // namespace vantor::test
