// The twelve table buttons through the real program: what parking and taking
// back leave on the sales screen and on the buttons, next to the pending
// multiplier, the merge of the next tap, the selected line, the kitchen list,
// the report modes, a change of currency and the quit check. Each row is a
// script on the default keypad (2 Café 3.50, cat. 0; 8 Thé noir 3.50, 0;
// 47 Gin 7, 3; 73 Steak de bœuf 25, 5; 79 the dessert header, free price, 6)
// and its transcript.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/HeadlessTill.h"

namespace vantor::test {
namespace {

struct TableRun {
    const char* what;
    std::string script;
    std::string transcript;  // after the main window's "open" line
};

const std::string kOpen = "click cmdOuvre\n";

// The transcript after its first line, but for the kitchen orders' printing,
// which the kitchen scenarios show.
std::string Transcript(const std::string& text) {
    std::string kept;
    for (std::size_t start = text.find('\n') + 1; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        if (text.compare(start, 6, "print ") != 0) {
            kept += text.substr(start, end - start);
        }
        start = end;
    }
    return kept;
}

const std::vector<TableRun> kTableRuns = {
    {"parking empties the ticket and its records, keeps the kitchen list and the mode",
     "click Command1 73\nclick cmdCuisine\nclick mnuBonCuisine\nanswer ok\nshow TexteBon\n"
     "click cmdTable 1\nanswer ok\nshow lstTicket.ListCount\nshow lblTotal\n"
     "show lblTotal.Tag\nshow TotalTicket\nshow LignesTicket\nshow lstCuisine\nshow TexteBon\n"
     "show optPrint 0\nshow cmdTable.Tag 1\nshow cmdTable.ToolTipText 1\n"
     "show lstTable.List 1\n",
     "popup mnuBon\n"
     "inputbox \"Vantor\" \"Vous n'avez pas ajouté de texte au bon Cuisine\n"
     "voulez-vous en ajouter un ?\" \"\"\n"
     "show TexteBon \"\n"
     "1 Steak de b        \"\n"
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 1\"\n"
     "show lstTicket.ListCount 0\n"
     "show lblTotal.Caption \"\"\n"
     "show lblTotal.Tag \"0\"\n"
     "show TotalTicket 0\n"
     "show LignesTicket 1\n"
     "show lstCuisine.List \"1 Steak de b        \"\n"
     "show TexteBon \"\"\n"
     "show optPrint(0).Value True\n"
     "show cmdTable(1).Tag \"1\"\n"
     "show cmdTable(1).ToolTipText \"Total              €    25.00\"\n"
     "show lstTable(1).List \"1 Steak de b         €    25.00\"\n"},
    {"a right press renames an occupied table, which stays occupied",
     "click Command1 2\nclick cmdTable 2\nanswer ok\nrclick cmdTable 2\nclick mnuNommerTable\n"
     "answer \"Jardin\"\n"
     "show cmdTable 2\nshow cmdTable.Tag 2\nshow cmdTable.ToolTipText 2\n"
     "show cmdTable.BackColor 2\nshow lstTable.List 2\nclick cmdTable 2\nanswer yes\n"
     "show lstTicket\nshow cmdTable 2\nshow cmdTable.Tag 2\n",
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 2\"\n"
     "popup mnuTable\n"
     "inputbox \"Vantor\" \"Nommer la table :\" \"Table 2\"\n"
     "show cmdTable(2).Caption \"Jardin\"\n"
     "show cmdTable(2).Tag \"1\"\n"
     "show cmdTable(2).ToolTipText \"Total              €     3.50\"\n"
     "show cmdTable(2).BackColor #FF8080\n"
     "show lstTable(2).List \"1 Café               €     3.50\"\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Jardin ?\"\n"
     "show lstTicket.List \"1 Café               €     3.50\"\n"
     "show cmdTable(2).Caption \"Jardin\"\n"
     "show cmdTable(2).Tag \"0\"\n"},
    {"a pending multiplier waits through a parking",
     "click Command1 2\nclick cmdMultiplie 3\nclick cmdTable 1\nanswer ok\nshow Quantite\n"
     "show cmdClearQ.Enabled\nclick Command1 8\nshow lstTicket\n",
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 1\"\n"
     "show Quantite 3\n"
     "show cmdClearQ.Enabled True\n"
     "show lstTicket.List \"3 Thé noir (3.50)    €    10.50\"\n"},
    {"a line taken back merges with the same article tapped again",
     "click Command1 47\nclick Command1 2\nclick cmdTable 6\nanswer ok\nclick cmdTable 6\n"
     "answer yes\nshow lblTotal.Tag\nclick Command1 2\nshow lstTicket\nshow LignesTicket 2\n"
     "show LignesTicket\nshow lblTotal\nshow lblTotal.Tag\nshow TotalTicket\n",
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 6\"\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Table 6 ?\"\n"
     "show lblTotal.Tag \"10.5\"\n"
     "show lstTicket.List \"1 Gin                €     7.00\" \"2 Café (3.50)        €     7.00\"\n"
     "show LignesTicket(2) \"2;Café (3.50)       ;    7.00;0\"\n"
     "show LignesTicket 3\n"
     "show lblTotal.Caption \"Total              €    14.00\"\n"
     "show lblTotal.Tag \"   14.00\"\n"
     "show TotalTicket 14\n"},
    {"a free-price line taken back never merges with its header",
     "click Command1 79\nanswer \"6\"\nanswer \"Glace\"\nclick cmdTable 1\nanswer ok\n"
     "click cmdTable 1\nanswer yes\nclick Command1 79\nanswer \"6\"\nanswer \"Glace\"\n"
     "show lstTicket\nshow LignesTicket\n",
     "inputbox \"Prix libre\" \"Prix libre '0.00'\" \"0.00\"\n"
     "inputbox \"Article\" \"Texte d'article\" \"Dessert           \"\n"
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 1\"\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Table 1 ?\"\n"
     "inputbox \"Prix libre\" \"Prix libre '0.00'\" \"0.00\"\n"
     "inputbox \"Article\" \"Texte d'article\" \"Dessert           \"\n"
     "show lstTicket.List \"1 Glace              €     6.00\" \"1 Glace              €     6.00\"\n"
     "show LignesTicket 3\n"},
    {"no line stays selected through a table; a merge or a deletion drops the selection",
     "click Command1 2\nclick Command1 8\nchoose lstTicket 1\nclick cmdTable 1\nanswer ok\n"
     "show lstTicket.ListIndex\nclick cmdTable 1\nanswer yes\nshow lstTicket.ListIndex\n"
     "click cmdDeleteLine\nshow lstTicket.ListCount\nchoose lstTicket 0\nclick Command1 47\n"
     "show lstTicket.ListIndex\nchoose lstTicket 2\nclick Command1 47\n"
     "show lstTicket.ListIndex\nshow lstTicket\nchoose lstTicket 1\nclick cmdDeleteLine\n"
     "show lstTicket.ListIndex\nshow lstTicket\n",
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 1\"\n"
     "show lstTicket.ListIndex -1\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Table 1 ?\"\n"
     "show lstTicket.ListIndex -1\n"
     "show lstTicket.ListCount 2\n"
     "show lstTicket.ListIndex 0\n"
     "show lstTicket.ListIndex -1\n"
     "show lstTicket.List \"1 Café               €     3.50\" \"1 Thé noir           €     3.50\" "
     "\"2 Gin (7.00)         €    14.00\"\n"
     "show lstTicket.ListIndex -1\n"
     "show lstTicket.List \"1 Café               €     3.50\" \"2 Gin (7.00)         €    "
     "14.00\"\n"},
    {"an open ticket with no line: nothing to park, no table taken back",
     "click Command1 2\nclick cmdTable 1\nanswer ok\nclick Command1 8\nchoose lstTicket 0\n"
     "click cmdDeleteLine\nshow lblTotal\nshow lblTotal.Tag\nclick cmdTable 2\nanswer ok\n"
     "show cmdTable.Tag 2\nclick cmdTable 1\nanswer ok\nshow cmdTable.Tag 1\n"
     "show lstTable.List 1\n",
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 1\"\n"
     "show lblTotal.Caption \"Total              €     0.00\"\n"
     "show lblTotal.Tag \"    0.00\"\n"
     "msgbox information ok \"Vantor\" \"Rien à enregistrer\"\n"
     "show cmdTable(2).Tag \"0\"\n"
     "msgbox critical ok \"Vantor\" \"Opération impossible, ticket en cours\"\n"
     "show cmdTable(1).Tag \"1\"\n"
     "show lstTable(1).List \"1 Café               €     3.50\"\n"},
    {"a table taken back shows the total it was parked with, in its currency",
     "click Command1 2\nclick cmdTable 1\nanswer ok\nclick mnuInfos\ntype txtInfo 9 \"CHF\"\n"
     "click cmdOK\nclick cmdTable 1\nanswer yes\nshow lblTotal\nshow lblTotal.Tag\n"
     "click Command1 8\nshow lstTicket\nshow lblTotal\n",
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 1\"\n"
     "open frmInfos \"Paramètres\"\n"
     "close frmInfos\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Table 1 ?\"\n"
     "show lblTotal.Caption \"Total              €     3.50\"\n"
     "show lblTotal.Tag \"3.5\"\n"
     "show lstTicket.List \"1 Café               €     3.50\" \"1 Thé noir           CHF     "
     "3.50\"\n"
     "show lblTotal.Caption \"Total              CHF     7.00\"\n"},
    {"no question on quitting once the table is free again, nor for a renamed free one",
     "rclick cmdTable 4\nanswer \"Bar\"\nclick Command1 2\nclick cmdTable 4\nanswer ok\n"
     "click cmdTable 4\nanswer yes\nclick mnuQuit\n",
     "inputbox \"Vantor\" \"Nommer la table :\" \"Table 4\"\n"
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Bar\"\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Bar ?\"\n"
     "close frmMain\n"},
    {"two tables keep their own tickets; the last one taken back first",
     "click Command1 2\nclick cmdTable 1\nanswer ok\nclick Command1 8\nclick Command1 8\n"
     "click cmdTable 12\nanswer \"Fond\"\nshow lstTable.List 1\nshow lstTable.List 12\n"
     "show cmdTable.ToolTipText 1\nshow cmdTable.ToolTipText 12\nclick cmdTable 12\n"
     "answer no\nshow lstTicket\nshow cmdTable 12\nshow cmdTable.ToolTipText 1\n"
     "show lstTable.List 1\n",
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 1\"\n"
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 12\"\n"
     "show lstTable(1).List \"1 Café               €     3.50\"\n"
     "show lstTable(12).List \"2 Thé noir (3.50)    €     7.00\"\n"
     "show cmdTable(1).ToolTipText \"Total              €     3.50\"\n"
     "show cmdTable(12).ToolTipText \"Total              €     7.00\"\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Fond ?\"\n"
     "show lstTicket.List \"2 Thé noir (3.50)    €     7.00\"\n"
     "show cmdTable(12).Caption \"Table 12\"\n"
     "show cmdTable(1).ToolTipText \"Total              €     3.50\"\n"
     "show lstTable(1).List \"1 Café               €     3.50\"\n"},
    {"the cash movement mode: a table waits until the ticket is shown",
     "click Command1 2\nclick cmdTable 1\nanswer ok\nclick optPrint 2\nclick cmdTable 1\n"
     "answer no\nshow optPrint 2\nshow cmdTable.Tag 1\nshow lstTicket.ListCount\n"
     "click cmdTable 2\nanswer yes\nanswer ok\nshow optPrint 0\nshow RapportAffiche\n"
     "click cmdTable 1\nanswer yes\nshow lstTicket\n",
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 1\"\n"
     "msgbox none yesno \"Vantor\" \"Effacez le rapport d'abord ?\"\n"
     "show optPrint(2).Value True\n"
     "show cmdTable(1).Tag \"1\"\n"
     "show lstTicket.ListCount 0\n"
     "msgbox none yesno \"Vantor\" \"Effacez le rapport d'abord ?\"\n"
     "msgbox information ok \"Vantor\" \"Rien à enregistrer\"\n"
     "show optPrint(0).Value True\n"
     "show RapportAffiche False\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Table 1 ?\"\n"
     "show lstTicket.List \"1 Café               €     3.50\"\n"},
    {"a ticket taken back and parked on another table",
     "click Command1 2\nclick Command1 8\nclick cmdTable 1\nanswer ok\nclick cmdTable 1\n"
     "answer yes\nclick cmdTable 3\nanswer ok\nshow cmdTable.ToolTipText 3\n"
     "show cmdTable.BackColor 3\nshow lstTable.List 3\nshow cmdTable.BackColor 1\n"
     "show lstTable.ListCount 1\nclick cmdTable 3\nanswer yes\nshow lblTotal\n"
     "show lblTotal.Tag\nshow LignesTicket 1\nshow LignesTicket 2\n",
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 1\"\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Table 1 ?\"\n"
     "inputbox \"Enregistrer une table\" \"Nom de la table ?\" \"Table 3\"\n"
     "show cmdTable(3).ToolTipText \"Total              €     7.00\"\n"
     "show cmdTable(3).BackColor #FF8080\n"
     "show lstTable(3).List \"1 Café               €     3.50\" \"1 Thé noir           €     "
     "3.50\"\n"
     "show cmdTable(1).BackColor #C0C0C0\n"
     "show lstTable(1).ListCount 0\n"
     "msgbox none yesno \"Enregistrer une table\" \"Table vidée, gardez le nom Table 3 ?\"\n"
     "show lblTotal.Caption \"Total              €     7.00\"\n"
     "show lblTotal.Tag \"7\"\n"
     "show LignesTicket(1) \"1;Café              ;    3.50;0\"\n"
     "show LignesTicket(2) \"1;Thé noir          ;    3.50;0\"\n"},

};

TEST(TableButtons, ParkingAndTakingBackLeaveTheScreenAsTold) {
    for (const TableRun& row : kTableRuns) {
        SCOPED_TRACE(row.what);
        HeadlessTill till;
        const TillRun run = till.Run(kOpen + row.script);
        EXPECT_EQ(Transcript(run.out), row.transcript);
    }
}

}  // namespace
}  // namespace vantor::test
