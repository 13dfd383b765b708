// Tables, kitchen and dessert orders, and cash movements through the real
// program.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Default keypad: 2 Café 3.50 (cat. 0), 67 Salade verte 5 (cat. 5),
// 73 Steak de bœuf 25 (cat. 5), 86 Tiramisu 8 (cat. 6), 79 Dessert header (free price).
class Tables : public ::testing::Test {
protected:
    TillRun Run(const std::string& script) {
        TillRun run = RunScript(data_.Path(), script);
        EXPECT_EQ(run.status, 0) << run.err << run.out;
        return run;
    }
    TempDir data_;
};

TEST_F(Tables, ParkAndTakeBackARenamedTable) {
    TillRun run =
        Run("click Command1 2\nclick Command1 2\nclick Command1 67\n"
            "click cmdOuvre\nclick cmdTable 3\nanswer \"Terrasse\"\n"
            "show cmdTable 3\nshow cmdTable.BackColor 3\nshow cmdTable.ToolTipText 3\n"
            "show lstTicket.ListCount\nshow lblTotal\nshow lblTotal.Tag\n"
            "click cmdTable 3\nanswer no\n"
            "show lstTicket\nshow lblTotal\nshow lblTotal.Tag\nshow TotalTicket\n"
            "show LignesTicket 1\nshow LignesTicket 2\nshow cmdTable 3\n"
            "show cmdTable.BackColor 3\nshow cmdTable.ToolTipText 3\nshow lstTable.ListCount 3\n");
    EXPECT_EXPECTED("Tables-ParkAndTakeBackARenamedTable.txt", run.out);
}

TEST_F(Tables, YesKeepsTheNameAndAnEmptyAnswerKeepsTheCaption) {
    TillRun run =
        Run("click cmdOuvre\nclick Command1 2\nclick cmdTable 1\nanswer cancel\n"
            "show cmdTable 1\nclick cmdTable 1\nanswer yes\nshow cmdTable 1\n"
            "click cmdClear\nclick Command1 2\nclick cmdTable 1\nanswer \"Bar\"\n"
            "click cmdTable 1\nanswer yes\nshow cmdTable 1\n");
    EXPECT_EXPECTED("Tables-YesKeepsTheNameAndAnEmptyAnswerKeepsTheCaption.txt", run.out);
}

TEST_F(Tables, NothingToParkAndTicketInProgress) {
    TillRun run =
        Run("click cmdOuvre\nclick cmdTable 2\nanswer ok\nshow cmdTable.Tag 2\n"
            "click Command1 2\nclick cmdTable 2\nanswer ok\n"
            "click Command1 8\nclick cmdTable 2\nanswer ok\n"
            "show lstTicket\nshow cmdTable.Tag 2\nshow lstTable.List 2\n");
    EXPECT_EXPECTED("Tables-NothingToParkAndTicketInProgress.txt", run.out);
}

TEST_F(Tables, RestoredLinesGetTheirCategoriesAndCheckOutRight) {
    TillRun run =
        Run("clock 05.12.2026 20:00:00\nclick cmdOuvre\n"
            "click Command1 67\nclick Command1 79\nanswer \"6\"\nanswer \"Glace maison\"\n"
            "click Command1 2\nclick Command1 2\n"
            "click cmdTable 5\nanswer ok\nclick cmdTable 5\nanswer yes\n"
            "show LignesTicket 1\nshow LignesTicket 2\nshow LignesTicket 3\n"
            "click cmdPrint 0\nanswer no\n");
    EXPECT_EXPECTED("Tables-RestoredLinesGetTheirCategoriesAndCheckOutRight.txt", run.out);
    EXPECT_EQ(Slurp(data_ / "tickets.csv"),
              "05.12.2026;20:00:00;Nom;7;0;Esp;;0\r\n05.12.2026;20:00:00;Nom;11;5;Esp;;0\r\n");
}

TEST_F(Tables, LargeParkedTotalComesBackWhole) {
    WriteRaw(data_ / "Articles.csv", "Description;Prix;Categorie\r\nBanquet;1250;5\r\n");
    TillRun run =
        Run("click cmdOuvre\nclick Command1 1\nclick Command1 1\nclick cmdTable 4\nanswer ok\n"
            "click cmdTable 4\nanswer yes\nshow lblTotal\nshow lblTotal.Tag\nshow TotalTicket\n");
    EXPECT_EXPECTED("Tables-LargeParkedTotalComesBackWhole.txt", run.out);
}

TEST_F(Tables, RightClickRenamesWithoutParking) {
    TillRun run =
        Run("click cmdOuvre\nrclick cmdTable 7\nanswer \"Fenêtre\"\nshow cmdTable 7\n"
            "show cmdTable.Tag 7\nrclick cmdTable 7\nanswer cancel\nshow cmdTable 7\n");
    EXPECT_EXPECTED("Tables-RightClickRenamesWithoutParking.txt", run.out);
}

TEST_F(Tables, QuittingWithAnOccupiedTableAsks) {
    TillRun run =
        Run("click cmdOuvre\nclick Command1 2\nclick cmdTable 1\nanswer ok\n"
            "close\nanswer no\nshow frmMain.Visible\nclick mnuQuit\nanswer yes\n");
    EXPECT_EXPECTED("Tables-QuittingWithAnOccupiedTableAsks.txt", run.out);
}

class Kitchen : public Tables {
protected:
    // A steak (5), a tart (6) and a coffee (0), in this order.
    const std::string kTicket = "click Command1 73\nclick Command1 86\nclick Command1 2\n";
};

TEST_F(Kitchen, EachKindPrintsItsCategoriesInTicketOrder) {
    TillRun run = Run(
        kTicket +
        "click cmdCuisine\nclick mnuBonCuisine\nanswer \"Sans oignon\"\n"
        "show txtBon\nshow lstCuisine\ntype txtBon \"Vite\"\nclick cmdCuisine\nclick mnuDessert\n"
        "click cmdCuisine\nclick mnuCuisineDessert\nanswer cancel\n");
    EXPECT_EXPECTED("Kitchen-EachKindPrintsItsCategoriesInTicketOrder.txt", run.out);
}

TEST_F(Kitchen, NoArticleOfTheKind) {
    TillRun run =
        Run("click Command1 2\ntype txtBon \"Table 4\"\nclick cmdCuisine\nclick mnuBonCuisine\n"
            "answer ok\nclick cmdCuisine\nclick mnuDessert\nanswer ok\nclick cmdCuisine\n"
            "click mnuCuisineDessert\nanswer ok\nclick cmdCuisine\nanswer cancel\nshow txtBon\n");
    EXPECT_EXPECTED("Tables-NoArticleOfTheKind.txt", run.out);
}

TEST_F(Kitchen, KitchenPrinterOnlyForTheOrder) {
    WriteRaw(data_ / "Infos.txt", std::string(12, '\n') + "Caisse\r\nCuisine\r\n");
    TillRun run =
        Run("printers \"Bureau\" \"Caisse\" \"Cuisine\"\nclock 05.12.2026 12:00:00\n" + kTicket +
            "type txtBon \"x\"\nclick cmdCuisine\nclick mnuBonCuisine\nshow Printer\n"
            "click cmdPrint 0\nanswer yes\n");
    EXPECT_EXPECTED("Tables-KitchenPrinterOnlyForTheOrder.txt", run.out);

    WriteRaw(data_ / "Infos.txt", std::string(12, '\n') + "Caisse\r\n\r\n");
    run = Run("printers \"Bureau\" \"Caisse\" \"Cuisine\"\n" + kTicket +
              "type txtBon \"x\"\nclick cmdCuisine\nclick mnuBonCuisine\n");
    EXPECT_EXPECTED("Tables-KitchenPrinterOnlyForTheOrder2.txt", run.out);
}

class CashMovements : public Tables {
protected:
    void SetUp() override { Run("show NumTicket\n"); }  // Comptes.csv with its 9 accounts
    std::string Movement(const std::string& kind, const std::string& amount) {
        return "click optPrint 2\nchoose cmbVantor " + kind + "\ntype txtVantor \"" + amount +
               "\"\nchoose cmbCatCompt 2\ntype txtTexteVantor \"Banque\"\nclick cmdVantor\n";
    }
};

TEST_F(CashMovements, SignFollowsTheKind) {
    TillRun run = Run("clock 05.12.2026 15:30:00\n" + Movement("0", "20") + Movement("1", "-50") +
                      Movement("0", "-50") + Movement("1", "0") + Movement("1", "12.345") +
                      "show optPrint 0\n");
    EXPECT_EQ(Slurp(data_ / "tickets.csv"),
              "05.12.2026;0:00:00;Banque;-20;10;Sort;2;0\r\n"
              "05.12.2026;0:00:00;Banque;50;10;Sort;2;0\r\n"
              "05.12.2026;0:00:00;Banque;-50;10;Sort;2;0\r\n"
              "05.12.2026;0:00:00;Banque;0;10;Sort;2;0\r\n"
              "05.12.2026;0:00:00;Banque;12.345;10;Sort;2;0\r\n");
    EXPECT_NE(run.out.find("show optPrint(0).Value True"), std::string::npos);
}

TEST_F(CashMovements, PastDateAndSemicolonInTheText) {
    Run("clock 05.12.2026 15:30:00\nclick optPrint 2\ndate DTPicker3 28.11.2026\ntype txtVantor "
        "\"5\"\n"
        "choose cmbCatCompt 0\ntype txtTexteVantor \"Fleurs; vase\"\nclick cmdVantor\n");
    EXPECT_EQ(Slurp(data_ / "tickets.csv"), "28.11.2026;0:00:00;Fleurs- vase;-5;10;Sort;0;0\r\n");
}

TEST_F(CashMovements, RefusedInputRecordsNothing) {
    TillRun run =
        Run("click optPrint 2\ntype txtVantor \"\"\nclick cmdVantor\nanswer ok\n"
            "type txtVantor \"abc\"\nclick cmdVantor\nanswer ok\n"
            "type txtVantor \"5\"\nclick cmdVantor\nanswer ok\nshow frmMain.ActiveControl\n"
            "show optPrint 2\nshow txtVantor.Alignment\nclick cmdUndoVantor\nshow optPrint 0\n");
    EXPECT_EXPECTED("Tables-RefusedInputRecordsNothing.txt", run.out);
    EXPECT_FALSE(std::filesystem::exists(data_ / "tickets.csv"));
}

}  // namespace
}  // namespace vantor::test
