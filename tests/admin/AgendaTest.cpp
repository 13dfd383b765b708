// The agenda is a modal dialog (its entries and Agenda.csv: cases/Agenda-*).
#include <gtest/gtest.h>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

TEST(Agenda, NoOtherWindowComesForwardWhileTheAgendaWaitsAsAModalDialog) {
    TempDir data;
    TillRun run = RunScript(data.Path(), "click mnuAgenda\nactivate frmMain\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("la fenêtre modale frmAgenda est ouverte"), std::string::npos)
        << run.err;
}

}  // namespace
}  // namespace vantor::test
