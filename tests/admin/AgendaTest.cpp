// The agenda: Agenda.csv sorted by date at each loading, new entries
// appended, edited and deleted entries rewritten, and the showing at start-up.
// Each scenario, its script then its transcript and Agenda.csv, is in expected/Agenda-NAME.txt.
#include <gtest/gtest.h>

#include "support/ScenarioFile.h"

namespace vantor::test {
namespace {

std::vector<std::pair<std::string, std::string>> Agenda(const std::string& bytes) {
    return {{"Agenda.csv", bytes}};
}

TEST(Agenda, EntriesAndDialog) {
    ExpectScenarios({
        {"Agenda-NoEntry"},
        {"Agenda-StartUp", Agenda("01.01.2020;12:00;Pass\xE9\r\n")},
        {"Agenda-Forward", Agenda("24.12.2026;19:30;Table 4\r\n")},
        {"Agenda-Sorted", Agenda("25.12.2026;12:00;C\r\nnote sans date\r\n24.12.2026;21:00;A\r\n"
                                 "24.12.2026;19:00;B\r\n3.1.2026;;D\r\n01.03.2025;9:00;E\r\n")},
        {"Agenda-New", Agenda("24.12.2026;19:30;Table 4\r\n")},
        {"Agenda-Edit", Agenda("24.12.2026;19:30;Repas de la societe Martin, menu complet\r\n"
                               "26.12.2026;0    ;Autre\r\nlibre\r\n")},
        {"Agenda-Delete", Agenda("24.12.2026;19:30;A\r\n25.12.2026;20:00;B\r\n")},
        {"Agenda-Cancel", Agenda("24.12.2026;19:30;A\n")},
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
