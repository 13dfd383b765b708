// The article pop-up of the keypad and the article editor: every change is
// written to Articles.csv, which the keypad is then rebuilt from.
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::string kHeader = "Description;Prix;Categorie\r\n";
// Bière (heading of category 2), Café and Thé (0), Vin (4).
const std::string kCatalogue =
    kHeader + "Bi\xE8re;;2\r\nCaf\xE9;3.5;0\r\nTh\xE9;3;0\r\nVin;4;4\r\n";

class ArticleEditor : public ::testing::Test {
protected:
    void SetUp() override { WriteRaw(data_ / "Articles.csv", kCatalogue); }

    std::string Run(const std::string& script) {
        TillRun run = RunScript(data_.Path(), script);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
    std::string Articles() const { return Slurp(data_ / "Articles.csv"); }

    TempDir data_;
};

TEST_F(ArticleEditor, RightPressOpensThePopUpNamedAfterTheArticleAndNeverSells) {
    const std::string out =
        Run("rclick Command1 2\nanswer cancel\nshow mnuModif\nshow mnuDeleteArt\n"
            "show lstTicket.ListCount\nrclick Command1 4\nclick mnuUndo\nshow mnuModif\n"
            "show lstTicket.ListCount\n");
    EXPECT_EXPECTED("ArticleEditor-RightPressOpensThePopUpNamedAfterTheArticleAndNeverSells.txt",
                    out);
    EXPECT_EQ(Articles(), kCatalogue) << "neither the pop-up nor \"Annuler\" writes the file";
}

TEST_F(ArticleEditor, EditingKeepsTheNameAndRewritesTheWholeFile) {
    const std::string out = Run(
        "rclick Command1 3\nclick mnuModif\nshow txtArticle\nshow txtPrix\nshow cmbCat\n"
        "show cmbCat.ListIndex\nshow Picture1.BackColor\ntype txtPrix \"3.2\"\nchoose cmbCat 5\n"
        "show Picture1.BackColor\nclick cmdOK\nshow Command1 3\nshow Command1.ToolTipText 3\n"
        "show Command1.BackColor 3\n");
    EXPECT_EXPECTED("ArticleEditor-EditingKeepsTheNameAndRewritesTheWholeFile.txt", out);
    EXPECT_EQ(
        Articles(),
        "Description;Prix;0\r\nBi\xE8re;;2\r\nCaf\xE9;3.50;0\r\nTh\xE9;3.2;5\r\nVin;4.00;4\r\n");
}

TEST_F(ArticleEditor, DuplicateNameIsRefusedWithTheFocusBackInTheName) {
    const std::string out =
        Run("rclick Command1 1\nclick mnuNewArt\ntype txtArticle \"Vin\"\ntype txtPrix \"5\"\n"
            "click cmdOK\nanswer ok\nshow frmColors.Visible\nshow frmColors.ActiveControl\n"
            "click cmdUndo\nrclick Command1 2\nclick mnuModif\ntype txtArticle \"Description\"\n"
            "click cmdOK\nanswer ok\ntype txtArticle \"vin\"\nclick cmdOK\nshow Command1 2\n");
    // The header counts in edit mode; the comparison is case-sensitive.
    EXPECT_EXPECTED("ArticleEditor-DuplicateNameIsRefusedWithTheFocusBackInTheName.txt", out);
}

TEST_F(ArticleEditor, AddsAreAppendedAtTheEndWithTheLastCategoryProposed) {
    const std::string out =
        Run("rclick Command1 2\nclick mnuNewArt\nshow frmColors.Caption\nshow txtArticle\n"
            "show cmbCat.ListIndex\nshow Picture1.BackColor\ntype txtArticle \"Cr\xC3\xAApe\"\n"
            "type txtPrix \"5\"\nclick cmdOK\nclick mnuNewArticle\nshow cmbCat.ListIndex\n"
            "type txtArticle \"Dessert\"\nchoose cmbCat 6\nclick cmdOK\nshow Command1 6\n"
            "show Command1.FontBold 6\nshow Command1.Left 6\nshow Command1.Top 6\n");
    EXPECT_EXPECTED("ArticleEditor-AddsAreAppendedAtTheEndWithTheLastCategoryProposed.txt", out);
    EXPECT_EQ(Articles(),
              "Description;Prix;0\r\nBi\xE8re;;2\r\nCaf\xE9;3.50;0\r\nTh\xE9;3.00;0\r\n"
              "Vin;4.00;4\r\nCr\xEApe;5.00;7\r\nDessert;;6\r\n");
}

TEST_F(ArticleEditor, DeletingTheLastOrAMiddleArticleKeepsTheOthersInOrder) {
    Run("rclick Command1 4\nclick mnuDeleteArt\n");
    EXPECT_EQ(Articles(),
              "Description;Prix;0\r\nBi\xE8re;;2\r\nCaf\xE9;3.50;0\r\nTh\xE9;3.00;0\r\n");
    const std::string out =
        Run("rclick Command1 2\nclick mnuDeleteArt\nshow Command1 2\nshow Command1.BackColor 2\n");
    EXPECT_EXPECTED("ArticleEditor-DeletingTheLastOrAMiddleArticleKeepsTheOthersInOrder.txt", out);
    EXPECT_EQ(Articles(), "Description;Prix;0\r\nBi\xE8re;;2\r\nTh\xE9;3.00;0\r\n");
    EXPECT_EQ(RunScript(data_.Path(), "show Command1 3\n").status, 1) << "the last button went";
}

TEST_F(ArticleEditor, ACategoryOutsideThePaletteOpensAsCategoryZero) {
    WriteRaw(data_ / "Articles.csv", kHeader + "Bizarre;2;9\r\n");
    const std::string out =
        Run("rclick Command1 1\nclick mnuModif\nshow cmbCat.ListIndex\nshow Picture1.BackColor\n"
            "click cmdOK\n");
    EXPECT_EXPECTED("ArticleEditor-ACategoryOutsideThePaletteOpensAsCategoryZero.txt", out);
    EXPECT_EQ(Articles(), "Description;Prix;0\r\nBizarre;2.00;0\r\n");
}

TEST_F(ArticleEditor, ALongNameIsWrittenWholeOnceThenCutByTheNextRewrite) {
    const std::string out =
        Run("click mnuNewArticle\nshow txtArticle.MaxLength\n"
            "type txtArticle \"Chocolat chaud au lait\"\nshow txtArticle\ntype txtPrix \"4\"\n"
            "click cmdOK\nshow Command1 5\n");
    EXPECT_EXPECTED("ArticleEditor-ALongNameIsWrittenWholeOnceThenCutByTheNextRewrite.txt", out);
    EXPECT_EQ(Articles(),
              "Description;Prix;0\r\nBi\xE8re;;2\r\nCaf\xE9;3.50;0\r\nTh\xE9;3.00;0\r\n"
              "Vin;4.00;4\r\nChocolat chaud;4;7\r\n");
    Run("rclick Command1 1\nclick mnuDeleteArt\n");
    EXPECT_EQ(Articles(),
              "Description;Prix;0\r\nCaf\xE9;3.50;0\r\nTh\xE9;3.00;0\r\n"
              "Vin;4.00;4\r\nChocolat c;4.00;7\r\n");
}

TEST_F(ArticleEditor, TheSeparatorCannotBeTypedIntoNameOrPrice) {
    const std::string out = Run(
        "click mnuNewArticle\ntype txtArticle \"Menu;midi\"\ntype txtPrix \"12;50\"\n"
        "show txtArticle\nshow txtPrix\ntype txtPrix \";\"\nshow txtPrix\ntype txtPrix \"12.5\"\n"
        "click cmdOK\n");
    EXPECT_EXPECTED("ArticleEditor-TheSeparatorCannotBeTypedIntoNameOrPrice.txt", out);
    EXPECT_TRUE(Articles().ends_with("\r\nVin;4.00;4\r\nMenumidi;12.5;7\r\n")) << Articles();
}

TEST_F(ArticleEditor, CancellingOrClosingTheEditorChangesNothing) {
    Run("rclick Command1 2\nclick mnuModif\ntype txtArticle \"Autre\"\nclick cmdUndo\n"
        "click mnuNewArticle\ntype txtArticle \"Neuf\"\nclose\nshow Command1 2\n");
    EXPECT_EQ(Articles(), kCatalogue);
}

TEST_F(ArticleEditor, TheEditorOpensTheKeyboardWhenTheSettingsAskForIt) {
    WriteRaw(data_ / "Infos.txt", std::string(14, '\n') + "1\r\n");
    const std::string out = Run("click mnuNewArticle\nclick cmdUndo\n");
    EXPECT_EXPECTED("ArticleEditor-TheEditorOpensTheKeyboardWhenTheSettingsAskForIt.txt", out);
}

}  // namespace
}  // namespace vantor::test
