// The article keypad built from Articles.csv, its paging and the layout of
// the sales screen on resize. Each transcript is in expected/Keypad-NAME.txt.
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

std::string Catalogue(int articles) {
    std::string file = "Description;Prix;Categorie\r\n";
    for (int i = 1; i <= articles; ++i) {
        file += "Article " + std::to_string(i) + ";1;" + std::to_string(i % 8) + "\r\n";
    }
    return file;
}

std::pair<std::string, std::string> Articles(const std::string& bytes) {
    return {"Articles.csv", bytes};
}

TEST(Keypad, ButtonsPagingAndLayout) {
    const std::string back =
        "show Command1.Left 1\nshow Scroll.Value\nshow PositionDefil\nscroll 0\n"
        "show Command1.Left 1\n";
    ExpectTranscripts({
        // The default catalogue fills seven columns of thirteen.
        {"Keypad-Default",
         "show Command1.Left 91\nshow Command1.Top 91\nshow Scroll.Max\nshow Command1.Left 13\n"
         "show Command1.Top 13\nshow Command1.Left 14\nshow Command1.Top 14\n"
         "show Command1.Visible 0\nshow Command1.Caption 0\nshow Command1.Tag 0\n"
         "show Command1 1\nshow Command1.FontBold 1\nshow Command1.Tag 1\n"
         "show Command1.BackColor 1\nshow Command1 2\nshow Command1.ToolTipText 2\n"
         "show Command1.FontBold 2\nshow Command1.ToolTipText 5\nshow Command1.ToolTipText 4\n"
         "show Command1 21\nshow Command1.BackColor 14\nshow Command1.BackColor 91\n"
         "show Command1 72\n"},
        {"Keypad-OddLines",
         "show Command1.ToolTipText 1\nshow Command1.BackColor 1\nshow Command1 2\n"
         "show Command1.FontBold 2\nshow Command1.BackColor 3\nshow Command1.BackColor 4\n"
         "show Command1.ToolTipText 4\nshow Command1 5\nshow Scroll.Max\n",
         {Articles("Nom;Prix;Cat\r\nTarte;3.125;6\r\n\r\nSans point-virgule\r\nBizarre;2;9\r\n"
                   "Lettre;1.5;x\r\nLong nom d'article;12;5\n")}},
        {"Keypad-SecondColumn",
         "show Command1.Left 14\nshow Command1.Top 14\nshow Scroll.Max\n",
         {Articles(Catalogue(14))}},
        // A normal window 14340 wide gives a keypad 7640 wide: columns up to left
        // 6340 fit, so the sixth column (left 6540, buttons 66 to 78) is hidden.
        {"Keypad-Scroll",
         "restore\nshow frmMain.Width\nshow fraArticles.Width\nshow Command1.Visible 53\n"
         "show Command1.Visible 66\nscroll 1300\nshow Command1.Left 1\nshow Command1.Visible 1\n"
         "show Command1.Visible 66\nshow PositionDefil\nscroll 3900\nshow Command1.Left 91\n"
         "scroll 7800\nshow Command1.Left 79\nshow Command1.Left 91\nshow Scroll.Value\n"
         "scroll 99999\nshow Scroll.Value\nshow Command1.Left 91\n"},
        // Adding, deleting or sorting articles while scrolled rebuilds the keypad
        // at the scroll position, so that scrolling back puts the first column at
        // the edge.
        {"Keypad-RebuildAdded",
         "scroll 1300\nclick mnuNewArticle\ntype txtArticle \"Tisane\"\ntype txtPrix \"3\"\n"
         "click cmdOK\nshow Scroll.Max\nshow Command1.Left 92\n" +
             back},
        {"Keypad-RebuildSorted", "scroll 2600\nclick mnuCat\nclick cmdTri\n" + back},
        {"Keypad-RebuildLastColumnDeleted",
         "scroll 1300\nrclick Command1 14\nclick mnuDeleteArt\nshow Scroll.Max\n" + back,
         {Articles(Catalogue(14))}},
        // The window restored from maximized is as wide as the last column's
        // unscrolled left + 6500 (27 columns, the last at 33840), wherever the
        // keypad is scrolled.
        {"Keypad-RestoredWidth",
         "scroll 99999\nshow Scroll.Value\nrestore\nshow frmMain.Width\nmaximize\n"
         "scroll 13000\nrestore\nshow frmMain.Width\nshow Command1.Left 1\n",
         {Articles(Catalogue(339))}},
        {"Keypad-Resize",
         "show frmMain.WindowState\nshow frmMain.Width\nshow lstTicket.Left\n"
         "show fraVantor.Left\nshow fraArticles.Width\nshow fraArticles.Height\nshow Scroll.Top\n"
         "show Scroll.Width\nresize 9000 5000\nshow frmMain.Width\nshow frmMain.Height\n"
         "show fraBas.Left\nminimize\nshow fraBas.Left\nshow frmMain.WindowState\n"},
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
