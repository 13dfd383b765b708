// The category editor: the eight names saved to Categories.csv, and the keypad
// sorted by category (a stable sort on the buttons' colours). Each scenario,
// its script, its transcript and the files it left, is in
// expected/Categories-NAME.txt.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunTill.h"
#include "support/ScenarioFile.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::pair<std::string, std::string> kNames = {
    "Categories.csv",
    "Boisson "
    "chaude\r\nMin\xE9rale\r\nBi\xE8re\r\nAlcool\r\nVin\r\nCuisine\r\nDessert\r\nAutre\r\n"};

std::pair<std::string, std::string> Articles(const std::string& lines) {
    return {"Articles.csv", "Description;Prix;Categorie\r\n" + lines};
}

TEST(Categories, DialogAndSort) {
    ExpectScenarios({
        {"Categories-Dialog", {kNames}},
        {"Categories-Ok", {kNames}},
        {"Categories-Sort",
         {kNames,
          {"Articles.csv",
           "Nom;Tarif;Categorie\r\nRhum;7;3\r\nTh\xE9;3;0\r\nGin;6;3\r\n"
           "Chaud;;0\r\nEau;2;1\r\nCaf\xE9;3.5;0\r\nCigares;9;7\r\n"}}},
        {"Categories-SortSorted", {kNames, Articles("B;1;0\r\nA;1;0\r\nC;1;2\r\n")}},
        {"Categories-RenameThenSort", {kNames, Articles("Vin;4;4\r\nCaf\xE9;3;0\r\n")}},
        {"Categories-Cancel", {{"Categories.csv", "A\nB\nC\nD\nE\n"}}},
        {"Categories-OkUnchanged", {{"Categories.csv", "A\nB\nC\nD\nE\n"}}},
    });
}

// A file that cannot be written is told in a box and the till goes on, as
// the window does for every handler.
TEST(Categories, AFailedSaveIsShownAndTheTillGoesOn) {
    TempDir data;
    RunningTill till({"--headless", "--data-dir", data.Path()});
    till.Send("show Serveur\n");
    ASSERT_TRUE(till.WaitFor("show Serveur"));
    std::filesystem::remove(data / "Categories.csv");
    std::filesystem::create_directory(data / "Categories.csv");
    const TillRun run = till.Finish(
        "click mnuCat\ntype txtCat 0 \"Chaud\"\nclick cmdOK\nanswer ok\nclick cmdUndo\n"
        "show Serveur\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string out = Masked(run.out, data.Path(), "DATA");
    EXPECT_NE(out.find("msgbox critical ok \"Vantor\" \"Écriture impossible "
                       "'DATA/Categories.csv' : c'est un dossier\""),
              std::string::npos)
        << out;
    EXPECT_EQ(LinesStartingWith(run.out, "show Serveur").size(), 2u);
}

}  // namespace
}  // namespace vantor::test
