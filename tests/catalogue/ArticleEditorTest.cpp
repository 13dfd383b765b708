// The article pop-up of the keypad and the article editor: every change is
// written to Articles.csv, which the keypad is then rebuilt from. Each
// scenario, its script then its transcript and the file, is in
// expected/ArticleEditor-NAME.txt.
#include <gtest/gtest.h>

#include "support/ScenarioFile.h"

namespace vantor::test {
namespace {

const std::string kHeader = "Description;Prix;Categorie\r\n";
// Bière (heading of category 2), Café and Thé (0), Vin (4).
const std::pair<std::string, std::string> kCatalogue = {
    "Articles.csv", kHeader + "Bi\xE8re;;2\r\nCaf\xE9;3.5;0\r\nTh\xE9;3;0\r\nVin;4;4\r\n"};

TEST(ArticleEditor, Changes) {
    ExpectScenarios({
        {"ArticleEditor-Popup", {kCatalogue}},
        {"ArticleEditor-Edit", {kCatalogue}},
        {"ArticleEditor-Duplicate", {kCatalogue}},
        {"ArticleEditor-Add", {kCatalogue}},
        {"ArticleEditor-Delete", {kCatalogue}},
        {"ArticleEditor-OutsideThePalette", {{"Articles.csv", kHeader + "Bizarre;2;9\r\n"}}},
        {"ArticleEditor-Separator", {kCatalogue}},
        {"ArticleEditor-Keyboard", {{"Infos.txt", std::string(14, '\n') + "1\r\n"}}},
    });
}

// A long name is written whole once, then cut by the next rewrite.
TEST(ArticleEditor, ALongNameIsWrittenWholeOnceThenCutByTheNextRewrite) {
    TempDir data;
    WriteRaw(data / kCatalogue.first, kCatalogue.second);
    TillRun run = RunScript(data.Path(),
                            "click mnuNewArticle\nshow txtArticle.MaxLength\n"
                            "type txtArticle \"Chocolat chaud au lait\"\nshow txtArticle\n"
                            "type txtPrix \"4\"\nclick cmdOK\nshow Command1 5\n");
    EXPECT_EXPECTED("ArticleEditor-LongName.txt", run.out);
    EXPECT_TRUE(Slurp(data / "Articles.csv").ends_with("\r\nChocolat chaud;4;7\r\n"));
    RunScript(data.Path(), "rclick Command1 1\nclick mnuDeleteArt\n");
    EXPECT_EQ(Slurp(data / "Articles.csv"),
              "Description;Prix;0\r\nCaf\xE9;3.50;0\r\nTh\xE9;3.00;0\r\n"
              "Vin;4.00;4\r\nChocolat c;4.00;7\r\n");
}

}  // namespace
}  // namespace vantor::test
