// The category editor: the eight names saved to Categories.csv, and the keypad
// sorted by category (a stable sort on the buttons' colours).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/ExpectedFile.h"
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

TEST_F(Categories, DialogAndSort) {
    const std::pair<std::string, std::string> names = {"Categories.csv", kNames};
    const std::vector<std::string> both = {"Categories.csv", "Articles.csv"};
    ExpectTranscripts({
        // The names beside their colours.
        {"Categories-Dialog",
         "click mnuCat\nshow txtCat 0\nshow txtCat 7\nshow Color.BackColor 3\n"
         "show txtCat.MaxLength 5\nclick cmdUndo\n",
         {names}},
        // "OK" saves eight lines and the article editor lists the new names.
        {"Categories-Ok",
         "click mnuCat\ntype txtCat 5 \"Plats du jour et plus\"\ntype txtCat 7 \"\"\n"
         "click cmdOK\nshow Categories 5\nshow Categories 7\nclick mnuNewArticle\n"
         "show cmbCat.List 5\nclick cmdUndo\n",
         {names},
         {"Categories.csv"}},
        // The sort is stable and leaves the header first; sorting a sorted
        // keypad changes no order.
        {"Categories-Sort",
         "click mnuCat\nclick cmdTri\nshow Command1 0\nshow Command1.Tag 0\nshow Command1 1\n"
         "show Command1 4\nshow Command1.BackColor 4\nshow Command1.FontBold 3\n",
         {names,
          {"Articles.csv",
           "Nom;Tarif;Categorie\r\nRhum;7;3\r\nTh\xE9;3;0\r\nGin;6;3\r\n"
           "Chaud;;0\r\nEau;2;1\r\nCaf\xE9;3.5;0\r\nCigares;9;7\r\n"}},
         {"Articles.csv"}},
        {"Categories-SortSorted",
         "click mnuCat\nclick cmdTri\n",
         {names, {"Articles.csv", "Description;Prix;Categorie\r\nB;1;0\r\nA;1;0\r\nC;1;2\r\n"}},
         {"Articles.csv"}},
        // Renaming then sorting keeps the old names.
        {"Categories-RenameThenSort",
         "click mnuCat\ntype txtCat 0 \"Chaud\"\nclick cmdTri\nshow Categories 0\n",
         {names, {"Articles.csv", "Description;Prix;Categorie\r\nVin;4;4\r\nCaf\xE9;3;0\r\n"}},
         both},
    });
}

TEST_F(Categories, OkWithoutChangeWritesTheSameLinesAndCancelWritesNothing) {
    WriteRaw(data_ / "Categories.csv", "A\nB\nC\nD\nE\n");
    Run("click mnuCat\ntype txtCat 0 \"Autre nom\"\nclick cmdUndo\n");
    EXPECT_EQ(Slurp(data_ / "Categories.csv"), "A\nB\nC\nD\nE\n");
    Run("click mnuCat\nclick cmdOK\n");
    // Always eight lines, the missing names empty.
    EXPECT_EQ(Slurp(data_ / "Categories.csv"), "A\r\nB\r\nC\r\nD\r\nE\r\n\r\n\r\n\r\n");
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
