// Closures through the real program: the past days are closed at the next
// start with the totals the totals report gives, months and years follow, a
// closed day refuses sales, and "Clôture du jour" prints the Z report.
#include <gtest/gtest.h>

#include "ledger/ArchiveKey.h"
#include "ledger/ChainEntry.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"
#include "support/TestKey.h"

namespace vantor::test {
namespace {

// A coffee (3.50, category 0) and a dish of 8.00 (category 5).
const std::string kTicket =
    "click Command1 2\nclick Command1 66\nanswer \"8\"\nanswer \"Croque\"\n";
// Three tickets: cash, card, and half of each.
const std::string kDay =
    "clock 05.12.2026 12:00:00\n" + kTicket + "click cmdPrint 0\nanswer no\n" + kTicket +
    "click cmdPrint 1\nanswer no\n" + kTicket +
    "click cmdPrint 2\nanswer no\ntype txtEsp \"5.75\"\nclick cmdComplete\nclick cmdOK\n";
const std::string kSaleOnTheFifth =
    "clock 05.12.2026 18:00:00\n" + kTicket + "click cmdPrint 0\nanswer ok\n";

// A till with VAT rates 10 and 5.5, selling on the premises (VAT code 1),
// whose closures are signed by the test key.
struct ClosingTill : HeadlessTill {
    ClosingTill() {
        Write("Infos.txt", "Bar\r\n\r\n\r\n\r\n\r\n10\r\n5.5\r\n\r\n\r\n1\r\n");
        Write(kArchiveKeyFile, kTestArchiveKey);
    }
};

// The closure file, the totals report of the closed day, `vantor verify`
// and the refusal of a sale on that day: expected/Closures.txt.
TEST(Closures, PastDaysMonthsAndYearsAreClosedWithTheTotalsOfTheReportAndRefuseSales) {
    ClosingTill till;
    till.Run(kDay);
    EXPECT_EQ(till.Read(kClosureFile), "");
    // The next day has a cash movement and no sale: the month still ends at ticket 3.
    till.Run(
        "clock 06.12.2026 10:00:00\nclick optPrint 2\nchoose cmbVantor 1\ntype txtVantor \"20\"\n"
        "choose cmbCatCompt 2\ntype txtTexteVantor \"Banque\"\nclick cmdVantor\n");
    till.Run("clock 02.01.2027 09:00:00\nshow NumTicket\n");
    const std::string closures = till.Read(kClosureFile);
    const TillRun report =
        RunVantor({"report", "totaux", "--du", "05.12.2026", "--au", "05.12.2026", "--today",
                   "06.12.2026", "--data-dir", till.Folder()},
                  "");
    const TillRun verified = RunVantor({"verify", "--data-dir", till.Folder()}, "");
    const std::string journal = till.Read(kJournalFile);
    const TillRun refused = till.Run(kSaleOnTheFifth);
    EXPECT_EQ(till.Read(kJournalFile), journal);
    EXPECT_EXPECTED("Closures.txt",
                    Cp1252ToUtf8(closures) + report.out + verified.out + Joined(Boxes(refused)));
}

// The closure line, then the transcript from "Clôture du jour" on: the Z
// report printed and a sale refused. expected/Closure-Z.txt.
TEST(Closures, ClotureDuJourPrintsTheZReportAndClosesToday) {
    ClosingTill till;
    const TillRun run = till.Run(kDay + "click optPrint 2\nclick cmdCloture\nanswer yes\n" +
                                 "click optPrint 0\n" + kSaleOnTheFifth);
    EXPECT_EXPECTED("Closure-Z.txt", Cp1252ToUtf8(till.Read(kClosureFile)) +
                                         run.out.substr(run.out.find("msgbox question")));
}

}  // namespace
}  // namespace vantor::test
