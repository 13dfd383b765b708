// The agenda: Agenda.csv sorted by date at each loading, new entries
// appended, edited and deleted entries rewritten, and the showing at start-up.
// Each transcript, with Agenda.csv after it, is in expected/Agenda-NAME.txt.
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

const std::string kClock = "clock 05.12.2026 10:00:00\n";

std::vector<std::pair<std::string, std::string>> Agenda(const std::string& bytes) {
    return {{"Agenda.csv", bytes}};
}

TEST(Agenda, EntriesAndDialog) {
    const std::vector<std::string> file = {"Agenda.csv"};
    ExpectTranscripts({
        // Start-up shows the agenda only when it has entries.
        {"Agenda-NoEntry", kClock + "show frmMain.Caption\n"},
        {"Agenda-StartUp",
         kClock + "show lstAgenda\nshow DTPicker1\nclick cmdClose\nclick Command1 2\n"
                  "show lstTicket.ListCount\n",
         Agenda("01.01.2020;12:00;Pass\xE9\r\n")},
        // The menu brings the start-up agenda forward while it is open.
        {"Agenda-Forward",
         kClock + "activate frmMain\nclick mnuAgenda\nshow lstAgenda.ListCount\nclick cmdClose\n"
                  "click Command2\nclick cmdClose\n",
         Agenda("24.12.2026;19:30;Table 4\r\n")},
        // Entries are sorted by date, equal dates in file order.
        {"Agenda-Sorted",
         kClock + "click cmdClose\nclick mnuAgenda\nshow lstAgenda\nclick cmdClose\n",
         Agenda("25.12.2026;12:00;C\r\nnote sans date\r\n24.12.2026;21:00;A\r\n"
                "24.12.2026;19:00;B\r\n3.1.2026;;D\r\n01.03.2025;9:00;E\r\n")},
        // A new entry is appended and takes its place by date.
        {"Agenda-New",
         kClock + "click cmdClose\nclick Command2\nclick cmdSave\nshow cmdSave\n"
                  "show cmdModifyLine\nshow cmdKillLine.Enabled\nshow lstAgenda.Enabled\n"
                  "show lstAgenda.Top\nshow lstAgenda.Height\nshow fraNew.Visible\n"
                  "date DTPicker1 20.12.2026\ntype txtTexte \"Anniversaire; 8 pers.\"\n"
                  "click cmdSave\nshow lstAgenda\nshow cmdSave\nshow lstAgenda.Top\n"
                  "show lstAgenda.Height\nshow fraNew.Visible\nclick cmdClose\n",
         Agenda("24.12.2026;19:30;Table 4\r\n"), file},
        // Editing cuts the text and keeps the entry in place until reloaded.
        {"Agenda-Edit",
         kClock + "click cmdClose\nclick mnuAgenda\nchoose lstAgenda 0\nclick cmdModifyLine\n"
                  "show DTPicker1\nshow txtH\nshow txtTexte\ndate DTPicker1 30.12.2026\n"
                  "type txtH \"20;00\"\nclick cmdSave\nshow lstAgenda\nclick cmdSave\n"
                  "type txtTexte \"Nouveau\"\nclick cmdSave\nclick cmdClose\nclick mnuAgenda\n"
                  "show lstAgenda\nclick cmdClose\n",
         Agenda("24.12.2026;19:30;Repas de la societe Martin, menu complet\r\n"
                "26.12.2026;0    ;Autre\r\nlibre\r\n"),
         file},
        // Deleting rewrites the file; deleting and editing need a selection.
        {"Agenda-Delete",
         kClock + "click cmdClose\nclick mnuAgenda\nclick cmdKillLine\nanswer ok\n"
                  "click cmdModifyLine\nanswer ok\nshow fraNew.Visible\nchoose lstAgenda 0\n"
                  "click cmdKillLine\nshow lstAgenda\nclick cmdClose\n",
         Agenda("24.12.2026;19:30;A\r\n25.12.2026;20:00;B\r\n"), file},
        // "Annuler" and "Fermer" save nothing: the file keeps its bytes.
        {"Agenda-Cancel",
         kClock + "click cmdClose\nclick mnuAgenda\nclick cmdSave\ntype txtTexte \"X\"\n"
                  "click cmdModifyLine\nshow cmdSave\nchoose lstAgenda 0\nclick cmdModifyLine\n"
                  "type txtTexte \"Y\"\nclick cmdClose\n",
         Agenda("24.12.2026;19:30;A\n"), file},
    });
}

TEST(Agenda, NoOtherWindowComesForwardWhileTheAgendaWaitsAsAModalDialog) {
    TempDir data;
    TillRun run = RunScript(data.Path(), "click mnuAgenda\nactivate frmMain\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("la fenêtre modale frmAgenda est ouverte"), std::string::npos)
        << run.err;
}

}  // namespace
}  // namespace vantor::test
