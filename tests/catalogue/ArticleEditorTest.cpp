// The article pop-up of the keypad and the article editor: every change is
// written to Articles.csv, which the keypad is then rebuilt from. Each
// transcript, with the file after it, is in expected/ArticleEditor-NAME.txt.
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

const std::string kHeader = "Description;Prix;Categorie\r\n";
// Bière (heading of category 2), Café and Thé (0), Vin (4).
const std::pair<std::string, std::string> kCatalogue = {
    "Articles.csv", kHeader + "Bi\xE8re;;2\r\nCaf\xE9;3.5;0\r\nTh\xE9;3;0\r\nVin;4;4\r\n"};
const std::vector<std::string> kArticles = {"Articles.csv"};

TEST(ArticleEditor, Changes) {
    ExpectTranscripts({
        // The pop-up is named after the article and never sells; neither it nor
        // "Annuler" writes the file, nor does closing the editor.
        {"ArticleEditor-Popup",
         "rclick Command1 2\nanswer cancel\nshow mnuModif\nshow mnuDeleteArt\n"
         "show lstTicket.ListCount\nrclick Command1 4\nclick mnuUndo\nshow mnuModif\n"
         "show lstTicket.ListCount\nrclick Command1 2\nclick mnuModif\n"
         "type txtArticle \"Autre\"\nclick cmdUndo\nclick mnuNewArticle\n"
         "type txtArticle \"Neuf\"\nclose\n",
         {kCatalogue},
         kArticles},
        // Editing keeps the name and rewrites the whole file.
        {"ArticleEditor-Edit",
         "rclick Command1 3\nclick mnuModif\nshow txtArticle\nshow txtPrix\nshow cmbCat\n"
         "show cmbCat.ListIndex\nshow Picture1.BackColor\ntype txtPrix \"3.2\"\n"
         "choose cmbCat 5\nshow Picture1.BackColor\nclick cmdOK\nshow Command1 3\n"
         "show Command1.ToolTipText 3\nshow Command1.BackColor 3\n",
         {kCatalogue},
         kArticles},
        // A name already used is refused with the focus back in the name; the
        // header counts in edit mode; the comparison is case-sensitive.
        {"ArticleEditor-Duplicate",
         "rclick Command1 1\nclick mnuNewArt\ntype txtArticle \"Vin\"\ntype txtPrix \"5\"\n"
         "click cmdOK\nanswer ok\nshow frmColors.Visible\nshow frmColors.ActiveControl\n"
         "click cmdUndo\nrclick Command1 2\nclick mnuModif\ntype txtArticle \"Description\"\n"
         "click cmdOK\nanswer ok\ntype txtArticle \"vin\"\nclick cmdOK\nshow Command1 2\n",
         {kCatalogue}},
        // Adds are appended at the end with the last category proposed.
        {"ArticleEditor-Add",
         "rclick Command1 2\nclick mnuNewArt\nshow frmColors.Caption\nshow txtArticle\n"
         "show cmbCat.ListIndex\nshow Picture1.BackColor\ntype txtArticle \"Cr\xC3\xAApe\"\n"
         "type txtPrix \"5\"\nclick cmdOK\nclick mnuNewArticle\nshow cmbCat.ListIndex\n"
         "type txtArticle \"Dessert\"\nchoose cmbCat 6\nclick cmdOK\nshow Command1 6\n"
         "show Command1.FontBold 6\nshow Command1.Left 6\nshow Command1.Top 6\n",
         {kCatalogue},
         kArticles},
        // Deleting the last then a middle article keeps the others in order.
        {"ArticleEditor-Delete",
         "rclick Command1 4\nclick mnuDeleteArt\nrclick Command1 2\nclick mnuDeleteArt\n"
         "show Command1 2\nshow Command1.BackColor 2\n",
         {kCatalogue},
         kArticles},
        {"ArticleEditor-OutsideThePalette",
         "rclick Command1 1\nclick mnuModif\nshow cmbCat.ListIndex\nshow Picture1.BackColor\n"
         "click cmdOK\n",
         {{"Articles.csv", kHeader + "Bizarre;2;9\r\n"}},
         kArticles},
        // The separator cannot be typed into the name or the price.
        {"ArticleEditor-Separator",
         "click mnuNewArticle\ntype txtArticle \"Menu;midi\"\ntype txtPrix \"12;50\"\n"
         "show txtArticle\nshow txtPrix\ntype txtPrix \";\"\nshow txtPrix\n"
         "type txtPrix \"12.5\"\nclick cmdOK\n",
         {kCatalogue},
         kArticles},
        {"ArticleEditor-Keyboard",
         "click mnuNewArticle\nclick cmdUndo\n",
         {{"Infos.txt", std::string(14, '\n') + "1\r\n"}}},
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
