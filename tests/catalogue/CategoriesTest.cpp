// The category editor: the eight names saved to Categories.csv, and the keypad
// sorted by category (a stable sort on the buttons' colours).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::string kNames =
    "Boisson chaude\r\nMin\xE9rale\r\nBi\xE8re\r\nAlcool\r\nVin\r\nCuisine\r\nDessert\r\nAutre\r\n";

class Categories : public ::testing::Test {
protected:
    void SetUp() override { WriteRaw(data_ / "Categories.csv", kNames); }

    std::string Run(const std::string& script) {
        TillRun run = RunScript(data_.Path(), script);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }

    TempDir data_;
};

TEST_F(Categories, TheDialogShowsTheNamesBesideTheirColours) {
    const std::string out =
        Run("click mnuCat\nshow txtCat 0\nshow txtCat 7\nshow Color.BackColor 3\n"
            "show txtCat.MaxLength 5\nclick cmdUndo\n");
    EXPECT_EQ(out,
              "open frmMain \"Vantor pour Windows\"\n"
              "open frmCat \"Catégories\"\n"
              "show txtCat(0).Text \"Boisson chaude\"\n"
              "show txtCat(7).Text \"Autre\"\n"
              "show Color(3).BackColor #FF8080\n"
              "show txtCat(5).MaxLength 15\n"
              "close frmCat\n");
}

TEST_F(Categories, OkSavesEightLinesAndTheEditorListsTheNewNames) {
    const std::string out = Run(
        "click mnuCat\ntype txtCat 5 \"Plats du jour et plus\"\ntype txtCat 7 \"\"\nclick cmdOK\n"
        "show Categories 5\nshow Categories 7\nclick mnuNewArticle\nshow cmbCat.List 5\n"
        "click cmdUndo\n");
    EXPECT_EQ(LinesStartingWith(out, "show "),
              (std::vector<std::string>{"show Categories(5) \"Plats du jour e\"",
                                        "show Categories(7) \"\"",
                                        "show cmbCat.List(5) \"Plats du jour e\""}));
    EXPECT_EQ(Slurp(data_ / "Categories.csv"),
              "Boisson chaude\r\nMin\xE9rale\r\nBi\xE8re\r\nAlcool\r\nVin\r\nPlats du jour e\r\n"
              "Dessert\r\n\r\n");
}

TEST_F(Categories, OkWithoutChangeWritesTheSameLinesAndCancelWritesNothing) {
    WriteRaw(data_ / "Categories.csv", "A\nB\nC\nD\nE\n");
    Run("click mnuCat\ntype txtCat 0 \"Autre nom\"\nclick cmdUndo\n");
    EXPECT_EQ(Slurp(data_ / "Categories.csv"), "A\nB\nC\nD\nE\n");
    Run("click mnuCat\nclick cmdOK\n");
    EXPECT_EQ(Slurp(data_ / "Categories.csv"), "A\r\nB\r\nC\r\nD\r\nE\r\n\r\n\r\n\r\n")
        << "always eight lines, the missing names empty";
}

TEST_F(Categories, SortIsStableAndLeavesTheHeaderFirst) {
    WriteRaw(data_ / "Articles.csv",
             "Nom;Tarif;Categorie\r\nRhum;7;3\r\nTh\xE9;3;0\r\nGin;6;3\r\nChaud;;0\r\nEau;2;1\r\n"
             "Caf\xE9;3.5;0\r\nCigares;9;7\r\n");
    const std::string out =
        Run("click mnuCat\nclick cmdTri\nshow Command1 0\nshow Command1.Tag 0\nshow Command1 1\n"
            "show Command1 4\nshow Command1.BackColor 4\nshow Command1.FontBold 3\n");
    EXPECT_EQ(out,
              "open frmMain \"Vantor pour Windows\"\n"
              "open frmCat \"Catégories\"\n"
              "close frmCat\n"
              "show Command1(0).Caption \"Nom\"\n"
              "show Command1(0).Tag \"Tarif\"\n"
              "show Command1(1).Caption \"Thé\"\n"
              "show Command1(4).Caption \"Eau\"\n"
              "show Command1(4).BackColor #FFC080\n"
              "show Command1(3).FontBold False\n");
    EXPECT_EQ(Slurp(data_ / "Articles.csv"),
              "Nom;Tarif;0\r\nTh\xE9;3.00;0\r\nChaud;;0\r\nCaf\xE9;3.50;0\r\nEau;2.00;1\r\n"
              "Rhum;7.00;3\r\nGin;6.00;3\r\nCigares;9.00;7\r\n");
}

TEST_F(Categories, SortingASortedKeypadChangesNoOrder) {
    WriteRaw(data_ / "Articles.csv", "Description;Prix;Categorie\r\nB;1;0\r\nA;1;0\r\nC;1;2\r\n");
    Run("click mnuCat\nclick cmdTri\n");
    EXPECT_EQ(Slurp(data_ / "Articles.csv"),
              "Description;Prix;0\r\nB;1.00;0\r\nA;1.00;0\r\nC;1.00;2\r\n");
}

TEST_F(Categories, RenamingThenSortingKeepsTheOldNames) {
    WriteRaw(data_ / "Articles.csv", "Description;Prix;Categorie\r\nVin;4;4\r\nCaf\xE9;3;0\r\n");
    const std::string out =
        Run("click mnuCat\ntype txtCat 0 \"Chaud\"\nclick cmdTri\nshow Categories 0\n");
    EXPECT_EQ(LinesStartingWith(out, "show "),
              (std::vector<std::string>{"show Categories(0) \"Boisson chaude\""}));
    EXPECT_EQ(Slurp(data_ / "Categories.csv"), kNames);
    EXPECT_EQ(Slurp(data_ / "Articles.csv"),
              "Description;Prix;0\r\nCaf\xE9;3.00;0\r\nVin;4.00;4\r\n");
}

// A file that cannot be written is told in a box and the till goes on, as
// the window does for every handler.
TEST_F(Categories, AFailedSaveIsShownAndTheTillGoesOn) {
    RunningTill till({"--headless", "--data-dir", data_.Path()});
    till.Send("show Serveur\n");
    ASSERT_TRUE(till.WaitFor("show Serveur"));
    std::filesystem::remove(data_ / "Categories.csv");
    std::filesystem::create_directory(data_ / "Categories.csv");
    const TillRun run = till.Finish(
        "click mnuCat\ntype txtCat 0 \"Chaud\"\nclick cmdOK\nanswer ok\nclick cmdUndo\n"
        "show Serveur\n");
    EXPECT_EQ(run.status, 0) << run.err;
    std::string path = data_ / "Categories.csv";
    for (std::size_t at = 0; (at = path.find('\\', at)) != std::string::npos; at += 2) {
        path.insert(at, 1, '\\');  // doubled inside the transcript's quotes (Windows paths)
    }
    EXPECT_NE(run.out.find("msgbox critical ok \"Vantor\" \"Écriture impossible '" + path +
                           "' : c'est un dossier\""),
              std::string::npos)
        << run.out;
    EXPECT_EQ(LinesStartingWith(run.out, "show Serveur").size(), 2u);
}

}  // namespace
}  // namespace vantor::test
