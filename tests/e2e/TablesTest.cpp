// Tables, kitchen and dessert orders, and cash movements through the real
// program.
#include <gtest/gtest.h>

#include <filesystem>

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
    EXPECT_EQ(
        LinesStartingWith(run.out, "show "),
        (std::vector<std::string>{
            "show cmdTable(3).Caption \"Terrasse\"", "show cmdTable(3).BackColor #FF8080",
            "show cmdTable(3).ToolTipText \"Total              €    12.00\"",
            "show lstTicket.ListCount 0", "show lblTotal.Caption \"\"", "show lblTotal.Tag \"0\"",
            "show lstTicket.List \"2 Café (3.50)        €     7.00\" "
            "\"1 Salade ver         €     5.00\"",
            "show lblTotal.Caption \"Total              €    12.00\"", "show lblTotal.Tag \"12\"",
            "show TotalTicket 12", "show LignesTicket(1) \"2;Café (3.50)       ;7.00;0\"",
            "show LignesTicket(2) \"1;Salade ver        ;5.00;5\"",
            "show cmdTable(3).Caption \"Table 3\"", "show cmdTable(3).BackColor #C0C0C0",
            "show cmdTable(3).ToolTipText \"\"", "show lstTable(3).ListCount 0"}));
    EXPECT_NE(run.out.find("inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 3\""),
              std::string::npos);
    EXPECT_NE(run.out.find("msgbox none yesno \"Enregistrer une table\" "
                           "\"Table vidée, gardez le nom Terrasse ?\""),
              std::string::npos);
}

TEST_F(Tables, YesKeepsTheNameAndAnEmptyAnswerKeepsTheCaption) {
    TillRun run =
        Run("click cmdOuvre\nclick Command1 2\nclick cmdTable 1\nanswer cancel\n"
            "show cmdTable 1\nclick cmdTable 1\nanswer yes\nshow cmdTable 1\n"
            "click cmdClear\nclick Command1 2\nclick cmdTable 1\nanswer \"Bar\"\n"
            "click cmdTable 1\nanswer yes\nshow cmdTable 1\n");
    EXPECT_EQ(LinesStartingWith(run.out, "show "),
              (std::vector<std::string>{"show cmdTable(1).Caption \"Table 1\"",
                                        "show cmdTable(1).Caption \"Table 1\"",
                                        "show cmdTable(1).Caption \"Bar\""}));
}

TEST_F(Tables, NothingToParkAndTicketInProgress) {
    TillRun run =
        Run("click cmdOuvre\nclick cmdTable 2\nanswer ok\nshow cmdTable.Tag 2\n"
            "click Command1 2\nclick cmdTable 2\nanswer ok\n"
            "click Command1 8\nclick cmdTable 2\nanswer ok\n"
            "show lstTicket\nshow cmdTable.Tag 2\nshow lstTable.List 2\n");
    EXPECT_EQ(LinesStartingWith(run.out, "msgbox"),
              (std::vector<std::string>{
                  "msgbox information ok \"Vantor\" \"Rien à enregistrer\"",
                  "msgbox critical ok \"Vantor\" \"Opération impossible, ticket en cours\""}));
    EXPECT_EQ(
        LinesStartingWith(run.out, "show "),
        (std::vector<std::string>{"show cmdTable(2).Tag \"0\"",
                                  "show lstTicket.List \"1 Thé noir           €     3.50\"",
                                  "show cmdTable(2).Tag \"1\"",
                                  "show lstTable(2).List \"1 Café               €     3.50\""}));
}

TEST_F(Tables, RestoredLinesGetTheirCategoriesAndCheckOutRight) {
    TillRun run =
        Run("clock 05.12.2026 20:00:00\nclick cmdOuvre\n"
            "click Command1 67\nclick Command1 79\nanswer \"6\"\nanswer \"Glace maison\"\n"
            "click Command1 2\nclick Command1 2\n"
            "click cmdTable 5\nanswer ok\nclick cmdTable 5\nanswer yes\n"
            "show LignesTicket 1\nshow LignesTicket 2\nshow LignesTicket 3\n"
            "click cmdPrint 0\nanswer no\n");
    EXPECT_EQ(LinesStartingWith(run.out, "show "),
              (std::vector<std::string>{"show LignesTicket(1) \"1;Salade ver        ;5.00;5\"",
                                        "show LignesTicket(2) \"1;Glace maison      ;6.00;5\"",
                                        "show LignesTicket(3) \"2;Café (3.50)       ;7.00;0\""}));
    EXPECT_EQ(Slurp(data_ / "tickets.csv"),
              "05.12.2026;20:00:00;Nom;7;0;Esp;;0\r\n05.12.2026;20:00:00;Nom;11;5;Esp;;0\r\n");
}

TEST_F(Tables, LargeParkedTotalComesBackWhole) {
    WriteRaw(data_ / "Articles.csv", "Description;Prix;Categorie\r\nBanquet;1250;5\r\n");
    TillRun run =
        Run("click cmdOuvre\nclick Command1 1\nclick Command1 1\nclick cmdTable 4\nanswer ok\n"
            "click cmdTable 4\nanswer yes\nshow lblTotal\nshow lblTotal.Tag\nshow TotalTicket\n");
    EXPECT_EQ(LinesStartingWith(run.out, "show "),
              (std::vector<std::string>{"show lblTotal.Caption \"Total              €  2500.00\"",
                                        "show lblTotal.Tag \"2500\"", "show TotalTicket 2500"}));
}

TEST_F(Tables, RightClickRenamesWithoutParking) {
    TillRun run =
        Run("click cmdOuvre\nrclick cmdTable 7\nanswer \"Fenêtre\"\nshow cmdTable 7\n"
            "show cmdTable.Tag 7\nrclick cmdTable 7\nanswer cancel\nshow cmdTable 7\n");
    EXPECT_NE(run.out.find("inputbox \"Vantor\" \"Nommer la table :\" \"Table 7\""),
              std::string::npos);
    EXPECT_EQ(LinesStartingWith(run.out, "show "),
              (std::vector<std::string>{"show cmdTable(7).Caption \"Fenêtre\"",
                                        "show cmdTable(7).Tag \"0\"",
                                        "show cmdTable(7).Caption \"Fenêtre\""}));
}

TEST_F(Tables, QuittingWithAnOccupiedTableAsks) {
    TillRun run =
        Run("click cmdOuvre\nclick Command1 2\nclick cmdTable 1\nanswer ok\n"
            "close\nanswer no\nshow frmMain.Visible\nclick mnuQuit\nanswer yes\n");
    EXPECT_NE(
        run.out.find("msgbox none yesno \"Vantor\" \"Des tables sont encore en cours, quittez "
                     "quand même ?\"\nshow frmMain.Visible True\n"),
        std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("close frmMain"), std::string::npos);
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
    EXPECT_EQ(LinesStartingWith(run.out, "print"),
              (std::vector<std::string>{
                  "print start \"Vantor PDF\"",
                  "print text 500 300 \"Courier New\" 12 bold \"Bon Cuisine\"",
                  "print text 300 572 \"Courier New\" 12 bold \"" + std::string(59, '-') + "\"",
                  "print text 500 800 \"Courier New\" 12 bold \"\"",
                  "print text 0 1072 \"Courier New\" 12 bold \"1 Steak de b        \"",
                  "print text 500 1344 \"Courier New\" 12 normal \"Sans oignon\"",
                  "print end",
                  "print start \"Vantor PDF\"",
                  "print text 500 300 \"Courier New\" 12 bold \"Bon Dessert\"",
                  "print text 300 572 \"Courier New\" 12 bold \"" + std::string(59, '-') + "\"",
                  "print text 500 800 \"Courier New\" 12 bold \"\"",
                  "print text 0 1072 \"Courier New\" 12 bold \"1 Tiramisu          \"",
                  "print text 500 1344 \"Courier New\" 12 normal \"Vite\"",
                  "print end",
                  "print start \"Vantor PDF\"",
                  "print text 500 300 \"Courier New\" 12 bold \"Bon Cuisine et Dessert\"",
                  "print text 300 572 \"Courier New\" 12 bold \"" + std::string(59, '-') + "\"",
                  "print text 500 800 \"Courier New\" 12 bold \"\"",
                  "print text 0 1072 \"Courier New\" 12 bold \"1 Steak de b        \"",
                  "print text 0 1344 \"Courier New\" 12 bold \"1 Tiramisu          \"",
                  "print text 500 1616 \"Courier New\" 12 normal \"\"",
                  "print end"}));
    EXPECT_NE(run.out.find("inputbox \"Vantor\" \"Vous n'avez pas ajouté de texte au bon Cuisine\n"
                           "voulez-vous en ajouter un ?\" \"\""),
              std::string::npos);
    EXPECT_NE(run.out.find("show txtBon.Text \"\""), std::string::npos);
    EXPECT_NE(run.out.find("show lstCuisine.List \"1 Steak de b        \""), std::string::npos);
}

TEST_F(Kitchen, NoArticleOfTheKind) {
    TillRun run =
        Run("click Command1 2\ntype txtBon \"Table 4\"\nclick cmdCuisine\nclick mnuBonCuisine\n"
            "answer ok\nclick cmdCuisine\nclick mnuDessert\nanswer ok\nclick cmdCuisine\n"
            "click mnuCuisineDessert\nanswer ok\nclick cmdCuisine\nanswer cancel\nshow txtBon\n");
    EXPECT_EQ(LinesStartingWith(run.out, "msgbox"),
              (std::vector<std::string>{
                  "msgbox information ok \"Vantor\" \"Pas d'article Cuisine\"",
                  "msgbox information ok \"Vantor\" \"Pas d'article Dessert\"",
                  "msgbox information ok \"Vantor\" \"Pas d'article Cuisine et Dessert\""}));
    EXPECT_TRUE(LinesStartingWith(run.out, "print").empty());
    EXPECT_NE(run.out.find("show txtBon.Text \"Table 4\""), std::string::npos);
}

TEST_F(Kitchen, KitchenPrinterOnlyForTheOrder) {
    WriteRaw(data_ / "Infos.txt", std::string(12, '\n') + "Caisse\r\nCuisine\r\n");
    TillRun run = Run("printers \"Bureau\" \"Caisse\" \"Cuisine\"\n" + kTicket +
                      "type txtBon \"x\"\nclick cmdCuisine\nclick mnuBonCuisine\nshow Printer\n"
                      "click cmdPrint 0\nanswer yes\n");
    EXPECT_EQ(LinesStartingWith(run.out, "print start"),
              (std::vector<std::string>{"print start \"Cuisine\"", "print start \"Caisse\""}));
    EXPECT_NE(run.out.find("show Printer \"Caisse\""), std::string::npos);

    WriteRaw(data_ / "Infos.txt", std::string(12, '\n') + "Caisse\r\n\r\n");
    run = Run("printers \"Bureau\" \"Caisse\" \"Cuisine\"\n" + kTicket +
              "type txtBon \"x\"\nclick cmdCuisine\nclick mnuBonCuisine\n");
    EXPECT_EQ(LinesStartingWith(run.out, "print start"),
              (std::vector<std::string>{"print start \"Caisse\""}));
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
    EXPECT_EQ(
        LinesStartingWith(run.out, "msgbox"),
        (std::vector<std::string>{"msgbox critical ok \"Vantor\" \"Format numérique incorrect\"",
                                  "msgbox critical ok \"Vantor\" \"Format numérique incorrect\"",
                                  "msgbox critical ok \"Vantor\" \"Sélectionnez une catégorie\""}));
    EXPECT_EQ(LinesStartingWith(run.out, "show "),
              (std::vector<std::string>{"show frmMain.ActiveControl \"cmbCatCompt\"",
                                        "show optPrint(2).Value True", "show txtVantor.Alignment 1",
                                        "show optPrint(0).Value True"}));
    EXPECT_FALSE(std::filesystem::exists(data_ / "tickets.csv"));
}

}  // namespace
}  // namespace vantor::test
