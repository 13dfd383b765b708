// The article keypad built from Articles.csv, its paging and the layout of
// the sales screen on resize. Each scenario is in expected/Keypad-NAME.txt.
#include <gtest/gtest.h>

#include "support/ScenarioFile.h"

namespace vantor::test {
namespace {

// Articles "Article 1" to "Article N" at 1.00, in categories 1 to 7 then 0.
std::pair<std::string, std::string> Catalogue(int articles) {
    std::string file = "Description;Prix;Categorie\r\n";
    for (int i = 1; i <= articles; ++i) {
        file += "Article " + std::to_string(i) + ";1;" + std::to_string(i % 8) + "\r\n";
    }
    return {"Articles.csv", file};
}

TEST(Keypad, ButtonsPagingAndLayout) {
    ExpectScenarios({
        {"Keypad-Default"},
        {"Keypad-OddLines",
         {{"Articles.csv",
           "Nom;Prix;Cat\r\nTarte;3.125;6\r\n\r\nSans point-virgule\r\n"
           "Bizarre;2;9\r\nLettre;1.5;x\r\nLong nom d'article;12;5\n"}}},
        {"Keypad-SecondColumn", {Catalogue(14)}},
        {"Keypad-Scroll"},
        {"Keypad-RebuildAdded"},
        {"Keypad-AddedInView", {Catalogue(260)}},
        {"Keypad-RebuildSorted"},
        {"Keypad-RebuildLastColumnDeleted", {Catalogue(14)}},
        {"Keypad-RestoredWidth", {Catalogue(339)}},
        {"Keypad-Resize"},
    });
}

// There are exactly 91 buttons for the default catalogue; a blank line of the
// file makes no button.
TEST(Keypad, NoButtonBeyondTheLastArticle) {
    TempDir data;
    EXPECT_EQ(RunScript(data.Path(), "show Command1 91\n").status, 0);
    EXPECT_EQ(RunScript(data.Path(), "show Command1 92\n").status, 1);
    WriteRaw(data / "Articles.csv", "Nom;Prix;Cat\r\nTarte;3;6\r\n\r\nBizarre;2;9\r\n");
    EXPECT_EQ(RunScript(data.Path(), "show Command1 3\n").status, 1);
}

}  // namespace
}  // namespace vantor::test
