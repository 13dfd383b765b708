// The report buttons of the sales screen and `vantor report` tell failures on
// screen and on standard error (each report's lines: commands/Command-*;
// refusals and training on screen: cases/Screen-*).
#include <gtest/gtest.h>

#include "TillFolder.h"
#include "data/TextFile.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;

constexpr const char* kToday = "05.12.2026";

// Paul and the team, cash and card, a movement, and a record of a waiter who
// is in no entry.
const Lignes kJournal = {
    "30.11.2026;18:00:00;Paul;70;0;Esp;1;7",
    "01.12.2026;9:05:07;Paul;60;0;Esp;1;6",
    "03.12.2026;9:10:00;Marie+Luc;40;5;Esp;2;2.2",
    "05.12.2026;12:04:09;Paul;30.125;5;Cart;2;1.656875",
    "05.12.2026;0:00:00;Banque;-20;10;Sort;2;0",
    "05.12.2026;13:00:00;Zo\xE9;12;3;Cart;1;1.2",
};

// The screen in "Totaux" with a period, then "Générer".
std::string TotauxScript(const std::string& du, const std::string& au, int serveur, bool detail) {
    std::string script = std::string("clock ") + kToday + " 18:00:00\nclick optPrint 1\n";
    script += "date DTPicker1 " + du + "\ndate DTPicker2 " + au + "\n";
    // Choosing a waiter unticks and disables the detail box.
    script += detail ? "click chkDetail\n" : "";
    script += "choose cmbServeur " + std::to_string(serveur) + "\n";
    return script + "click cmdX\n";
}

// The notice, in a box after the report on screen and after the same lines
// on standard error: expected/Command-unreadable.txt.
TEST(ScreenAndCommand, UnreadableRecordsAreToldAfterTheReport) {
    TillFolder folder;
    Lignes journal = kJournal;
    journal.insert(journal.end(),
                   {"05.12.2026;14:00:00;Paul;12,50;0;Esp;1;1",
                    "05.12.2026;14:00:00;Paul;3;0;Esp;1;abc", "05.12.2026;9:00:00;Anne;2.05"});
    folder.WriteJournal(journal);
    const TillRun run =
        folder.Run(TotauxScript(kToday, kToday, 0, false) + "answer ok\nshow lstTicket.List\n");
    const TillRun command = folder.Report({"totaux", "--today", kToday});
    EXPECT_EQ(command.status, 0);
    EXPECT_EQ(OutputLines(command), ShownList(run.out, "lstTicket"));
    EXPECT_EXPECTED("Command-unreadable.txt", Joined(Boxes(run)) + command.out + command.err);
}

// Each refused command line, its status and what it wrote:
// expected/Command-refusals.txt. An end before the start is refused as on screen.
TEST(ScreenAndCommand, RefusedCommandLinesAreToldWithTheirStatus) {
    TillFolder folder;
    folder.WriteJournal(kJournal);
    std::string told;
    for (const Lignes& arguments :
         std::vector<Lignes>{{"totaux", "--du", "06.12.2026", "--au", kToday, "--today", kToday},
                             {"journal", "--du", "06.12.2026", "--au", kToday, "--today", kToday},
                             {"resume", "--du", "06.12.2026", "--au", kToday, "--today", kToday},
                             {"bilan"},
                             {"totaux", "--du", "31.02.2026"},
                             {"totaux", "--serveur", "Luc"},
                             {"journal", "--detail"},
                             {"resume", "--serveur", "Paul"},
                             {"totaux", "--au"},
                             {"totaux", "extra"}}) {
        const TillRun run = folder.Report(arguments);
        told += "== report";
        for (const std::string& argument : arguments) {
            told += " " + argument;
        }
        told += "\nstatus " + std::to_string(run.status) + "\n" + run.out + run.err;
    }
    EXPECT_EXPECTED("Command-refusals.txt", told);
}

}  // namespace
}  // namespace vantor::test
