// Building a ticket on the sales screen: taps, merging, multipliers, free
// prices, deleting, clearing, the total, and the report guards.
#include <gtest/gtest.h>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Buttons of the default keypad.
constexpr const char* kBoissonChaude = "1";  // header, free price
constexpr const char* kCafe = "2";           // 3.50
constexpr const char* kTheNoir = "8";        // 3.50
constexpr const char* kCuisine = "66";       // header of category 5

std::string Tap(const char* button) {
    return std::string("click Command1 ") + button + "\n";
}

class Ticket : public ::testing::Test {
protected:
    std::vector<std::string> Shows(const std::string& script) {
        TillRun run = RunScript(data_.Path(), script);
        EXPECT_EQ(run.status, 0) << run.err;
        last_ = run.out;
        return LinesStartingWith(run.out, "show ");
    }
    TempDir data_;
    std::string last_;
};

TEST_F(Ticket, TwoTapsMergeIntoOneLineWithTheUnitPrice) {
    EXPECT_EQ(Shows(Tap(kCafe) + "show lstTicket\nshow lblTotal\nshow lblTotal.Tag\n" + Tap(kCafe) +
                    "show lstTicket\nshow LignesTicket 1\nshow lblTotal\nshow TotalTicket\n"),
              (std::vector<std::string>{"show lstTicket.List \"1 Café               €     3.50\"",
                                        "show lblTotal.Caption \"Total              €     3.50\"",
                                        "show lblTotal.Tag \"    3.50\"",
                                        "show lstTicket.List \"2 Café (3.50)        €     7.00\"",
                                        "show LignesTicket(1) \"2;Café (3.50)       ;    7.00;0\"",
                                        "show lblTotal.Caption \"Total              €     7.00\"",
                                        "show TotalTicket 7"}));
}

TEST_F(Ticket, OnlyTheLastLineIsMerged) {
    EXPECT_EQ(Shows(Tap(kCafe) + Tap(kTheNoir) + Tap(kCafe) +
                    "show lstTicket.ListCount\nshow LignesTicket\n"
                    "show lblTotal.Tag\n"),
              (std::vector<std::string>{"show lstTicket.ListCount 3", "show LignesTicket 4",
                                        "show lblTotal.Tag \"   10.50\""}));
}

// A tap raises the last line only when it sells the same article again: same
// name, same unit price, same category.
TEST_F(Ticket, ATapMergesOnlyTheSameArticleSoldAgain) {
    // 1 "Thé (menth" 4.00, 2 Thé 3.00, 3 Café 3.50, 4 a hot-drink header, 5 a kitchen header.
    WriteRaw(data_ / "Articles.csv",
             "Description;Prix;Categorie\r\nTh\xE9 (menthe);4;0\r\nTh\xE9;3;0\r\nCaf\xE9;3.5;0\r\n"
             "Boissons;;0\r\nCuisine;;5\r\n");
    struct Case {
        const char* what;
        std::string script;
        std::vector<std::string> lines, records;
    };
    const Case cases[] = {
        {"same article, same price",
         Tap("3") + Tap("3"),
         {"2 Café (3.50)        €     7.00"},
         {"2;Café (3.50)       ;    7.00;0"}},
        {"a name holding a bracket, then a shorter name",
         Tap("1") + Tap("1") + Tap("2") + Tap("2"),
         {"2 Thé (menth (4.00)  €     8.00", "2 Thé (3.00)         €     6.00"},
         {"2;Thé (menth (4.00) ;    8.00;0", "2;Thé (3.00)        ;    6.00;0"}},
        {"a free price of another amount",
         Tap("4") + "answer \"5\"\nanswer \"Café\"\n" + Tap("3"),
         {"1 Café               €     5.00", "1 Café               €     3.50"},
         {"1;Café              ;    5.00;0", "1;Café              ;    3.50;0"}},
        {"a free price of the same amount",
         Tap("4") + "answer \"3.5\"\nanswer \"Café\"\n" + Tap("3"),
         {"2 Café (3.50)        €     7.00"},
         {"2;Café (3.50)       ;    7.00;0"}},
        {"the same amount in another category",
         Tap("5") + "answer \"3.5\"\nanswer \"Café\"\n" + Tap("3"),
         {"1 Café               €     3.50", "1 Café               €     3.50"},
         {"1;Café              ;    3.50;5", "1;Café              ;    3.50;0"}},
    };
    for (const Case& c : cases) {
        std::string script = c.script + "show lstTicket\nshow LignesTicket\n";
        std::string list = "show lstTicket.List";
        std::vector<std::string> expected;
        for (std::size_t k = 0; k < c.lines.size(); ++k) {
            script += "show LignesTicket " + std::to_string(k + 1) + "\n";
            list += " \"" + c.lines[k] + "\"";
            expected.push_back("show LignesTicket(" + std::to_string(k + 1) + ") \"" +
                               c.records[k] + "\"");
        }
        expected.insert(expected.begin(),
                        {list, "show LignesTicket " + std::to_string(c.lines.size() + 1)});
        EXPECT_EQ(Shows(script), expected) << c.what;
    }
}

TEST_F(Ticket, MultiplierSetsTheNextQuantityOnly) {
    EXPECT_EQ(Shows("click cmdMultiplie 3\nshow cmdClearQ.Enabled\nshow Quantite\n" + Tap(kCafe) +
                    "show lstTicket.List 0\nshow cmdClearQ.Enabled\n" + Tap(kCafe) +
                    "show lstTicket.List 0\nshow lblTotal.Tag\n"
                    "click cmdMultiplie 5\nclick cmdMultiplie 2\nshow Quantite\nclick cmdClearQ\n"
                    "show Quantite\nshow cmdClearQ.Enabled\nshow cmdMultiplie 10\n"),
              (std::vector<std::string>{
                  "show cmdClearQ.Enabled True", "show Quantite 3",
                  "show lstTicket.List(0) \"3 Café (3.50)        €    10.50\"",
                  "show cmdClearQ.Enabled False",
                  "show lstTicket.List(0) \"4 Café (3.50)        €    14.00\"",
                  "show lblTotal.Tag \"   14.00\"", "show Quantite 2", "show Quantite 0",
                  "show cmdClearQ.Enabled False", "show cmdMultiplie(10).Caption \"10 X\""}));
}

TEST_F(Ticket, FreePriceAsksPriceThenTextAndCutsToCents) {
    auto shows =
        Shows(Tap(kCuisine) + "answer \"12.5\"\nanswer \"Menu du jour\"\n" + Tap(kCuisine) +
              "answer \"12.345\"\nanswer ok\nshow lstTicket\nshow LignesTicket 2\n");
    EXPECT_EQ(shows, (std::vector<std::string>{
                         "show lstTicket.List \"1 Menu du jour       €    12.50\" "
                         "\"1 Cuisine            €    12.34\"",
                         "show LignesTicket(2) \"1;Cuisine           ;   12.34;5\""}));
    EXPECT_NE(last_.find("inputbox \"Prix libre\" \"Prix libre '0.00'\" \"0.00\"\n"
                         "inputbox \"Article\" \"Texte d'article\" \"Cuisine           \"\n"),
              std::string::npos)
        << last_;
}

TEST_F(Ticket, FreePriceWithAMultiplierShowsTheUnitPrice) {
    EXPECT_EQ(
        Shows("click cmdMultiplie 2\n" + Tap(kBoissonChaude) +
              "answer \"4\"\nanswer \"Grog\"\nshow lstTicket\n"),
        (std::vector<std::string>{"show lstTicket.List \"2 Grog (4)           €     8.00\""}));
}

TEST_F(Ticket, BadOrCancelledFreePriceAddsNothingAndLosesTheMultiplier) {
    auto shows =
        Shows("click cmdMultiplie 4\n" + Tap(kCuisine) + "answer \"abc\"\nanswer ok\n" +
              "show lstTicket.ListCount\nshow Quantite\n" + Tap(kCuisine) + "answer cancel\n" +
              Tap(kCuisine) + "answer \"\"\nshow lstTicket.ListCount\n" + "show lblTotal\n");
    EXPECT_EQ(shows, (std::vector<std::string>{"show lstTicket.ListCount 0", "show Quantite 0",
                                               "show lstTicket.ListCount 0",
                                               "show lblTotal.Caption \"\""}));
    EXPECT_EQ(LinesStartingWith(last_, "msgbox"),
              (std::vector<std::string>{
                  "msgbox critical ok \"Vantor\" \"Format numérique non valable\""}));
}

TEST_F(Ticket, FreePriceLinesNeverMerge) {
    EXPECT_EQ(Shows(Tap(kCuisine) + "answer \"5\"\nanswer ok\n" + Tap(kCuisine) +
                    "answer \"5\"\nanswer ok\nshow lstTicket.ListCount\n"),
              (std::vector<std::string>{"show lstTicket.ListCount 2"}));
}

TEST_F(Ticket, DeletingTheMiddleLineKeepsRecordsAligned) {
    auto shows =
        Shows(Tap(kCafe) + Tap(kTheNoir) + Tap(kCuisine) + "answer \"8\"\nanswer \"Terrine\"\n" +
              "click cmdDeleteLine\nshow lstTicket.ListCount\n"
              "choose lstTicket 1\nclick cmdDeleteLine\nshow lstTicket\n"
              "show LignesTicket 1\nshow LignesTicket 2\nshow LignesTicket\nshow lblTotal.Tag\n");
    EXPECT_EQ(shows,
              (std::vector<std::string>{"show lstTicket.ListCount 3",
                                        "show lstTicket.List \"1 Café               €     3.50\" "
                                        "\"1 Terrine            €     8.00\"",
                                        "show LignesTicket(1) \"1;Café              ;    3.50;0\"",
                                        "show LignesTicket(2) \"1;Terrine           ;    8.00;5\"",
                                        "show LignesTicket 3", "show lblTotal.Tag \"   11.50\""}));
}

TEST_F(Ticket, ClearEmptiesEverythingButThePendingQuantity) {
    EXPECT_EQ(
        Shows(Tap(kCafe) + "click cmdMultiplie 6\nclick cmdClear\nshow lstTicket.ListCount\n"
                           "show lblTotal\nshow lblTotal.Tag\nshow LignesTicket\nshow "
                           "Quantite\nshow cmdPrint 0\n"),
        (std::vector<std::string>{"show lstTicket.ListCount 0", "show lblTotal.Caption \"\"",
                                  "show lblTotal.Tag \"0\"", "show LignesTicket 1",
                                  "show Quantite 6", "show cmdPrint(0).Caption \"Espèces\""}));
}

TEST_F(Ticket, RightClickAddsNothing) {
    EXPECT_EQ(Shows("rclick Command1 2\nanswer cancel\nshow lstTicket.ListCount\n"),
              (std::vector<std::string>{"show lstTicket.ListCount 0"}));
}

TEST_F(Ticket, LargeQuantitiesAndAmountsAreTotalledRight) {
    WriteRaw(data_ / "Articles.csv", "Description;Prix;Categorie\r\nBanquet;1250;5\r\nEau;1;1\r\n");
    std::string script = "click Command1 1\n";
    for (int i = 0; i < 12; ++i) {
        script += "click cmdMultiplie 10\nclick Command1 2\n";
    }
    script += "show lstTicket\nshow lblTotal.Tag\nshow TotalTicket\n";
    EXPECT_EQ(Shows(script), (std::vector<std::string>{
                                 "show lstTicket.List \"1 Banquet            €  1250.00\" "
                                 "\"120 Eau (1.00)         €   120.00\"",
                                 "show lblTotal.Tag \" 1370.00\"", "show TotalTicket 1370"}));
}

// Beyond what the till can add up to the cent, typed or read from the file.
TEST_F(Ticket, PricesBeyondTheLimitAreRefused) {
    WriteRaw(data_ / "Articles.csv",
             "Description;Prix;Categorie\r\nLibre;;5\r\nOr;1000000000000000000000;5\r\n"
             "Caviar;999999999.99;5\r\n");
    EXPECT_EQ(Shows("click Command1 1\nanswer \"100000000000000000000\"\nanswer ok\n"
                    "click Command1 1\nanswer \"-1000000000\"\nanswer ok\n"
                    "click Command1 2\nanswer ok\nclick Command1 3\nshow lstTicket\n"),
              (std::vector<std::string>{"show lstTicket.List \"1 Caviar             € "
                                        "999999999.99\""}));
    EXPECT_EQ(LinesStartingWith(last_, "msgbox critical ok \"Vantor\" \"Montant trop élevé").size(),
              3u);
}

TEST_F(Ticket, AMalformedPriceAbandonedKeepsTheLastLine) {
    WriteRaw(data_ / "Articles.csv", "Description;Prix;Categorie\r\nSoupe;abc;5\r\n");
    EXPECT_EQ(
        Shows("click Command1 1\nanswer \"6\"\nanswer ok\nclick Command1 1\nanswer cancel\n"
              "show lstTicket\n"),
        (std::vector<std::string>{"show lstTicket.List \"1 Soupe              €     6.00\""}));
}

TEST_F(Ticket, ReportModesAreGuardedByAnOpenTicket) {
    auto shows = Shows(Tap(kCafe) + Tap(kTheNoir) +
                       "click optPrint 1\nanswer ok\nshow optPrint 0\n"
                       "show lstTicket.ListCount\nshow fraTicket.Visible\n"
                       "click optPrint 2\nanswer ok\nshow optPrint 0\n");
    EXPECT_EQ(shows, (std::vector<std::string>{
                         "show optPrint(0).Value True", "show lstTicket.ListCount 2",
                         "show fraTicket.Visible True", "show optPrint(0).Value True"}));
    EXPECT_EQ(LinesStartingWith(last_, "msgbox").size(), 2u);
    EXPECT_NE(last_.find("msgbox critical ok \"Vantor\" \"Opération impossible, ticket en cours\""),
              std::string::npos);
}

TEST_F(Ticket, AllLinesDeletedStillCountsAsATicketUntilCleared) {
    auto shows =
        Shows(Tap(kCafe) +
              "choose lstTicket 0\nclick cmdDeleteLine\nshow lblTotal\n"
              "click optPrint 1\nanswer ok\nclick cmdClear\nclick optPrint 1\nshow optPrint 1\n");
    EXPECT_EQ(shows,
              (std::vector<std::string>{"show lblTotal.Caption \"Total              €     0.00\"",
                                        "show optPrint(1).Value True"}));
}

TEST_F(Ticket, TappingAnArticleOverAReportAsksToClearIt) {
    auto shows = Shows("click optPrint 1\n" + Tap(kCafe) +
                       "answer no\nshow optPrint 1\n"
                       "show lstTicket.ListCount\n" +
                       Tap(kCafe) +
                       "answer yes\nshow optPrint 0\n"
                       "show lstTicket\n");
    EXPECT_EQ(shows, (std::vector<std::string>{
                         "show optPrint(1).Value True", "show lstTicket.ListCount 0",
                         "show optPrint(0).Value True",
                         "show lstTicket.List \"1 Café               €     3.50\""}));
    EXPECT_NE(last_.find("msgbox none yesno \"Vantor\" \"Effacez le rapport d'abord ?\""),
              std::string::npos);
}

TEST_F(Ticket, WaiterFilterDisablesTheDetailCheckBox) {
    WriteRaw(data_ / "Serveurs.txt", "Anne\r\nPaul\r\n");
    EXPECT_EQ(
        Shows("click optPrint 1\nclick chkDetail\nshow chkDetail\nchoose cmbServeur 2\n"
              "show chkDetail\nshow chkDetail.Enabled\nchoose cmbServeur 0\nshow "
              "chkDetail.Enabled\n"),
        (std::vector<std::string>{"show chkDetail.Value 1", "show chkDetail.Value 0",
                                  "show chkDetail.Enabled False", "show chkDetail.Enabled True"}));
}

TEST_F(Ticket, CurrencyComesFromTheSettings) {
    WriteRaw(data_ / "Infos.txt", std::string(16, '\n') + "CHF\r\n");
    EXPECT_EQ(
        Shows(Tap(kCafe) + "show lstTicket\nshow lblTotal\n"),
        (std::vector<std::string>{"show lstTicket.List \"1 Café               CHF     3.50\"",
                                  "show lblTotal.Caption \"Total              CHF     3.50\""}));
}

}  // namespace
}  // namespace vantor::test
