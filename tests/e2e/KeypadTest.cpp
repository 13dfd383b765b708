// The article keypad built from Articles.csv, its paging and the layout of
// the sales screen on resize.
#include <gtest/gtest.h>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

std::vector<std::string> Shows(const std::string& dataDir, const std::string& script) {
    TillRun run = RunScript(dataDir, script);
    EXPECT_EQ(run.status, 0) << run.err;
    return LinesStartingWith(run.out, "show ");
}

TEST(Keypad, DefaultCatalogueFillsSevenColumnsOfThirteen) {
    TempDir data;
    std::string script = "show Command1.Left 91\nshow Command1.Top 91\nshow Scroll.Max\n";
    script +=
        "show Command1.Left 13\nshow Command1.Top 13\nshow Command1.Left 14\nshow Command1.Top "
        "14\n";
    script += "show Command1.Visible 0\nshow Command1.Caption 0\nshow Command1.Tag 0\n";
    std::vector<std::string> shows = Shows(data.Path(), script);
    EXPECT_EQ(shows,
              (std::vector<std::string>{
                  "show Command1(91).Left 7840", "show Command1(91).Top 8280",
                  "show Scroll.Max 7800", "show Command1(13).Left 40", "show Command1(13).Top 8280",
                  "show Command1(14).Left 1340", "show Command1(14).Top 120",
                  "show Command1(0).Visible False", "show Command1(0).Caption \"Description\"",
                  "show Command1(0).Tag \"Prix\""}));
    TillRun run = RunScript(data.Path(), "show Command1 92\n");
    EXPECT_EQ(run.status, 1) << "there are exactly 91 article buttons";
}

TEST(Keypad, ButtonsCarryCaptionPriceColourAndBoldHeaders) {
    TempDir data;
    std::vector<std::string> shows =
        Shows(data.Path(),
              "show Command1 1\nshow Command1.FontBold 1\nshow Command1.Tag 1\nshow "
              "Command1.BackColor 1\n"
              "show Command1 2\nshow Command1.ToolTipText 2\nshow Command1.FontBold 2\n"
              "show Command1.ToolTipText 5\nshow Command1.ToolTipText 4\nshow Command1 21\n"
              "show Command1.BackColor 14\nshow Command1.BackColor 91\nshow Command1 72\n");
    EXPECT_EQ(
        shows,
        (std::vector<std::string>{
            "show Command1(1).Caption \"Boiss. cha\"", "show Command1(1).FontBold True",
            "show Command1(1).Tag \"\"", "show Command1(1).BackColor #80FFFF",
            "show Command1(2).Caption \"Café\"", "show Command1(2).ToolTipText \"3.50\"",
            "show Command1(2).FontBold False", "show Command1(5).ToolTipText \"4.00\"",
            "show Command1(4).ToolTipText \"3.80\"", "show Command1(21).Caption \"Eau gaz. 2\"",
            "show Command1(14).BackColor #FFC080", "show Command1(91).BackColor #E0E0E0",
            "show Command1(72).Caption \"Œufs poché\""}));
}

TEST(Keypad, OddLinesOfArticlesFile) {
    TempDir data;
    WriteRaw(data / "Articles.csv",
             "Nom;Prix;Cat\r\nTarte;3.125;6\r\n\r\nSans point-virgule\r\nBizarre;2;9\r\n"
             "Lettre;1.5;x\r\nLong nom d'article;12;5\n");
    std::vector<std::string> shows =
        Shows(data.Path(),
              "show Command1.ToolTipText 1\nshow Command1.BackColor 1\nshow Command1 2\n"
              "show Command1.FontBold 2\nshow Command1.BackColor 3\nshow Command1.BackColor 4\n"
              "show Command1.ToolTipText 4\nshow Command1 5\nshow Scroll.Max\n");
    EXPECT_EQ(shows,
              (std::vector<std::string>{
                  "show Command1(1).ToolTipText \"3.125\"", "show Command1(1).BackColor #FF80FF",
                  "show Command1(2).Caption \"Sans point\"", "show Command1(2).FontBold True",
                  "show Command1(3).BackColor #80FFFF", "show Command1(4).BackColor #80FFFF",
                  "show Command1(4).ToolTipText \"1.50\"",
                  "show Command1(5).Caption \"Long nom d\"", "show Scroll.Max 0"}));
    EXPECT_EQ(RunScript(data.Path(), "show Command1 6\n").status, 1)
        << "a blank line makes no button";
}

TEST(Keypad, FourteenArticlesOpenASecondColumn) {
    TempDir data;
    std::string file = "Description;Prix;Categorie\r\n";
    for (int i = 1; i <= 14; ++i) {
        file += "Article " + std::to_string(i) + ";1;0\r\n";
    }
    WriteRaw(data / "Articles.csv", file);
    EXPECT_EQ(Shows(data.Path(), "show Command1.Left 14\nshow Command1.Top 14\nshow Scroll.Max\n"),
              (std::vector<std::string>{"show Command1(14).Left 1340", "show Command1(14).Top 120",
                                        "show Scroll.Max 1300"}));
}

TEST(Paging, ScrollMovesColumnsAndHidesThoseThatDoNotFit) {
    TempDir data;
    // A normal window 14340 wide gives a keypad 7640 wide: columns up to left 6340 fit,
    // so the sixth column (left 6540, buttons 66 to 78) is hidden.
    std::vector<std::string> shows = Shows(
        data.Path(),
        "restore\nshow frmMain.Width\nshow fraArticles.Width\nshow Command1.Visible 53\n"
        "show Command1.Visible 66\nscroll 1300\nshow Command1.Left 1\nshow Command1.Visible 1\n"
        "show Command1.Visible 66\nshow PositionDefil\nscroll 3900\nshow Command1.Left 91\n"
        "scroll 7800\nshow Command1.Left 79\nshow Command1.Left 91\nshow Scroll.Value\n");
    EXPECT_EQ(shows, (std::vector<std::string>{
                         "show frmMain.Width 14340", "show fraArticles.Width 7640",
                         "show Command1(53).Visible True", "show Command1(66).Visible False",
                         "show Command1(1).Left -1260", "show Command1(1).Visible True",
                         "show Command1(66).Visible True", "show PositionDefil 1300",
                         "show Command1(91).Left 3940", "show Command1(79).Left 40",
                         "show Command1(91).Left 40", "show Scroll.Value 7800"}));
}

TEST(Paging, TheScrollBarStopsAtItsMaximum) {
    TempDir data;
    std::vector<std::string> shows =
        Shows(data.Path(), "scroll 99999\nshow Scroll.Value\nshow Command1.Left 91\n");
    EXPECT_EQ(shows,
              (std::vector<std::string>{"show Scroll.Value 7800", "show Command1(91).Left 40"}));
}

std::string Catalogue(int articles) {
    std::string file = "Description;Prix;Categorie\r\n";
    for (int i = 1; i <= articles; ++i) {
        file += "Article " + std::to_string(i) + ";1;" + std::to_string(i % 8) + "\r\n";
    }
    return file;
}

// Adding, deleting or sorting articles while scrolled rebuilds the keypad at
// the scroll position, so that scrolling back puts the first column at the edge.
TEST(Paging, ARebuildKeepsButtonsAndScrollPositionTogether) {
    struct Case {
        const char* what;
        int articles;
        std::string script;
        std::vector<std::string> expected;
    };
    const std::string back =
        "show Command1.Left 1\nshow Scroll.Value\nshow PositionDefil\nscroll 0\n"
        "show Command1.Left 1\n";
    const Case cases[] = {
        {"article added",
         91,
         "scroll 1300\nclick mnuNewArticle\ntype txtArticle \"Tisane\"\ntype txtPrix \"3\"\n"
         "click cmdOK\nshow Scroll.Max\nshow Command1.Left 92\n" +
             back,
         {"show Scroll.Max 9100", "show Command1(92).Left 7840", "show Command1(1).Left -1260",
          "show Scroll.Value 1300", "show PositionDefil 1300", "show Command1(1).Left 40"}},
        {"keypad sorted",
         91,
         "scroll 2600\nclick mnuCat\nclick cmdTri\n" + back,
         {"show Command1(1).Left -2560", "show Scroll.Value 2600", "show PositionDefil 2600",
          "show Command1(1).Left 40"}},
        {"last column deleted",
         14,
         "scroll 1300\nrclick Command1 14\nclick mnuDeleteArt\nshow Scroll.Max\n" + back,
         {"show Scroll.Max 0", "show Command1(1).Left 40", "show Scroll.Value 0",
          "show PositionDefil 0", "show Command1(1).Left 40"}},
    };
    for (const Case& c : cases) {
        TempDir data;
        if (c.articles != 91) {
            WriteRaw(data / "Articles.csv", Catalogue(c.articles));
        }
        EXPECT_EQ(Shows(data.Path(), c.script), c.expected) << c.what;
    }
}

// The window restored from maximized is as wide as the last column's
// unscrolled left + 6500, wherever the keypad is scrolled.
TEST(Layout, RestoredWidthComesFromTheUnscrolledKeypad) {
    TempDir data;
    WriteRaw(data / "Articles.csv", Catalogue(339));  // 27 columns, the last at 33840
    EXPECT_EQ(
        Shows(data.Path(),
              "scroll 99999\nshow Scroll.Value\nrestore\nshow frmMain.Width\n"
              "maximize\nscroll 13000\nrestore\nshow frmMain.Width\nshow Command1.Left 1\n"),
        (std::vector<std::string>{"show Scroll.Value 33800", "show frmMain.Width 40340",
                                  "show frmMain.Width 40340", "show Command1(1).Left -12960"}));
}

TEST(Layout, ResizePlacesTheTicketColumnAndTheKeypad) {
    TempDir data;
    std::vector<std::string> shows = Shows(
        data.Path(),
        "show frmMain.WindowState\nshow frmMain.Width\nshow lstTicket.Left\nshow fraVantor.Left\n"
        "show fraArticles.Width\nshow fraArticles.Height\nshow Scroll.Top\nshow Scroll.Width\n"
        "resize 9000 5000\nshow frmMain.Width\nshow frmMain.Height\nshow fraBas.Left\n"
        "minimize\nshow fraBas.Left\nshow frmMain.WindowState\n");
    EXPECT_EQ(
        shows,
        (std::vector<std::string>{
            "show frmMain.WindowState 2", "show frmMain.Width 28800", "show lstTicket.Left 23700",
            "show fraVantor.Left 23760", "show fraArticles.Width 22100",
            "show fraArticles.Height 9280", "show Scroll.Top 9025", "show Scroll.Width 22100",
            "show frmMain.Width 14340", "show frmMain.Height 10635", "show fraBas.Left 9240",
            "show fraBas.Left 9240", "show frmMain.WindowState 1"}));
}

}  // namespace
}  // namespace vantor::test
