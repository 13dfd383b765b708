// The agenda: Agenda.csv sorted by date at each loading, new entries
// appended, edited and deleted entries rewritten, and the showing at start-up.
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::string kClock = "clock 05.12.2026 10:00:00\n";

class Agenda : public ::testing::Test {
protected:
    std::string Run(const std::string& script) {
        TillRun run = RunScript(data_.Path(), kClock + script);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
    std::string File() const { return Slurp(data_ / "Agenda.csv"); }

    TempDir data_;
};

TEST_F(Agenda, StartUpShowsTheAgendaOnlyWhenItHasEntries) {
    EXPECT_EQ(
        Run("show frmMain.Caption\n"),
        "open frmMain \"Vantor pour Windows\"\nshow frmMain.Caption \"Vantor pour Windows\"\n");
    WriteRaw(data_ / "Agenda.csv", "01.01.2020;12:00;Pass\xE9\r\n");
    EXPECT_EQ(Run("show lstAgenda\nshow DTPicker1\nclick cmdClose\nclick Command1 2\n"
                  "show lstTicket.ListCount\n"),
              "open frmMain \"Vantor pour Windows\"\n"
              "open frmAgenda \"Agenda\"\n"
              "show lstAgenda.List \"01.01.2020   12:00   Passé\"\n"
              "show DTPicker1.Value 05.12.2026\n"
              "close frmAgenda\n"
              "show lstTicket.ListCount 1\n");
}

TEST_F(Agenda, TheMenuBringsTheStartUpAgendaForwardWhileItIsOpen) {
    WriteRaw(data_ / "Agenda.csv", "24.12.2026;19:30;Table 4\r\n");
    EXPECT_EQ(Run("activate frmMain\nclick mnuAgenda\nshow lstAgenda.ListCount\nclick cmdClose\n"
                  "click Command2\nclick cmdClose\n"),
              "open frmMain \"Vantor pour Windows\"\n"
              "open frmAgenda \"Agenda\"\n"
              "activate frmMain\n"
              "activate frmAgenda\n"
              "show lstAgenda.ListCount 1\n"
              "close frmAgenda\n"
              "open frmAgenda \"Agenda\"\n"
              "close frmAgenda\n");
}

TEST_F(Agenda, EntriesAreSortedByDateWithEqualDatesInFileOrder) {
    WriteRaw(data_ / "Agenda.csv",
             "25.12.2026;12:00;C\r\nnote sans date\r\n24.12.2026;21:00;A\r\n24.12.2026;19:00;B\r\n"
             "3.1.2026;;D\r\n01.03.2025;9:00;E\r\n");
    const std::string out =
        Run("click cmdClose\nclick mnuAgenda\nshow lstAgenda\nclick cmdClose\n");
    EXPECT_EXPECTED("Agenda-EntriesAreSortedByDateWithEqualDatesInFileOrder.txt", out);
}

TEST_F(Agenda, ANewEntryIsAppendedAndTakesItsPlaceByDate) {
    WriteRaw(data_ / "Agenda.csv", "24.12.2026;19:30;Table 4\r\n");
    const std::string out = Run(
        "click cmdClose\nclick Command2\nclick cmdSave\nshow cmdSave\nshow cmdModifyLine\n"
        "show cmdKillLine.Enabled\nshow lstAgenda.Enabled\nshow lstAgenda.Top\nshow "
        "lstAgenda.Height\n"
        "show fraNew.Visible\ndate DTPicker1 20.12.2026\ntype txtTexte \"Anniversaire; 8 pers.\"\n"
        "click cmdSave\nshow lstAgenda\nshow cmdSave\nshow lstAgenda.Top\nshow lstAgenda.Height\n"
        "show fraNew.Visible\nclick cmdClose\n");
    EXPECT_EXPECTED("Agenda-ANewEntryIsAppendedAndTakesItsPlaceByDate.txt", out);
    EXPECT_EQ(File(), "24.12.2026;19:30;Table 4\r\n20.12.2026;0    ;Anniversaire- 8 pers.\r\n");
}

TEST_F(Agenda, EditingCutsTheTextAndKeepsTheEntryInPlaceUntilReloaded) {
    const std::string text40 = "Repas de la societe Martin, menu complet";
    WriteRaw(data_ / "Agenda.csv",
             "24.12.2026;19:30;" + text40 + "\r\n26.12.2026;0    ;Autre\r\nlibre\r\n");
    const std::string out = Run(
        "click cmdClose\nclick mnuAgenda\nchoose lstAgenda 0\nclick cmdModifyLine\n"
        "show DTPicker1\nshow txtH\nshow txtTexte\ndate DTPicker1 30.12.2026\ntype txtH \"20;00\"\n"
        "click cmdSave\nshow lstAgenda\nclick cmdSave\ntype txtTexte \"Nouveau\"\nclick cmdSave\n"
        "click cmdClose\nclick mnuAgenda\nshow lstAgenda\nclick cmdClose\n");
    EXPECT_EXPECTED("Agenda-EditingCutsTheTextAndKeepsTheEntryInPlaceUntilReloaded.txt", out);
    EXPECT_EQ(File(),
              "30.12.2026;20-00;Repas de la societe Martin, m\r\n26.12.2026;0;; Autre\r\nlibre\r\n"
              "05.12.2026;0    ;Nouveau\r\n");
}

TEST_F(Agenda, DeletingRewritesTheFileAndNeedsASelection) {
    WriteRaw(data_ / "Agenda.csv", "24.12.2026;19:30;A\r\n25.12.2026;20:00;B\r\n");
    const std::string out = Run(
        "click cmdClose\nclick mnuAgenda\nclick cmdKillLine\nanswer ok\nclick cmdModifyLine\n"
        "answer ok\nshow fraNew.Visible\nchoose lstAgenda 0\nclick cmdKillLine\nshow lstAgenda\n"
        "click cmdClose\n");
    EXPECT_EXPECTED("Agenda-DeletingRewritesTheFileAndNeedsASelection.txt", out);
    EXPECT_EQ(File(), "25.12.2026;20:00;B\r\n");
}

TEST_F(Agenda, CancelAndCloseSaveNothing) {
    WriteRaw(data_ / "Agenda.csv", "24.12.2026;19:30;A\n");
    Run("click cmdClose\nclick mnuAgenda\nclick cmdSave\ntype txtTexte \"X\"\nclick cmdModifyLine\n"
        "show cmdSave\nchoose lstAgenda 0\nclick cmdModifyLine\ntype txtTexte \"Y\"\n"
        "click cmdClose\n");
    EXPECT_EQ(File(), "24.12.2026;19:30;A\n");
}

TEST_F(Agenda, NoOtherWindowComesForwardWhileTheAgendaWaitsAsAModalDialog) {
    TillRun run = RunScript(data_.Path(), "click mnuAgenda\nactivate frmMain\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("la fenêtre modale frmAgenda est ouverte"), std::string::npos)
        << run.err;
}

}  // namespace
}  // namespace vantor::test
