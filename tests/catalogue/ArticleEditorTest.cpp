// The article editor across two runs: a long name is written whole, then cut
// by the next rewrite (each change on its own: cases/ArticleEditor-*).
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

const std::string kHeader = "Description;Prix;Categorie\r\n";
// Bière (heading of category 2), Café and Thé (0), Vin (4).
const std::string kCatalogue =
    kHeader + "Bi\xE8re;;2\r\nCaf\xE9;3.5;0\r\nTh\xE9;3;0\r\nVin;4;4\r\n";

// A long name is written whole once, then cut by the next rewrite.
TEST(ArticleEditor, ALongNameIsWrittenWholeOnceThenCutByTheNextRewrite) {
    TempDir data;
    WriteRaw(data / "Articles.csv", kCatalogue);
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
