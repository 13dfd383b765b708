// Closures through the real program: the past days are closed at the next
// start with the totals the totals report gives, months and years follow, a
// closed day refuses sales, and "Clôture du jour" prints the Z report.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Closures.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"
#include "ledger/Verify.h"
#include "reports/Clotures.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"

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

// A till with VAT rates 10 and 5.5, selling on the premises (VAT code 1).
struct ClosingTill : HeadlessTill {
    ClosingTill() { Write("Infos.txt", "Bar\r\n\r\n\r\n\r\n\r\n10\r\n5.5\r\n\r\n\r\n1\r\n"); }
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
    // 27 days after the last record: asked first. December is closed with the
    // first day closure after it, on the 3rd.
    till.Run("clock 02.01.2027 09:00:00\nanswer yes\n" + kTicket + "click cmdPrint 0\nanswer no\n");
    till.Run("clock 03.01.2027 09:00:00\nshow NumTicket\n");
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

// Sales on days of three months and two years, chained as the till writes
// them: a coffee (3.50) each, paid in cash.
void WriteSalesOver(const std::string& dir, const std::vector<std::pair<std::string, int>>& days) {
    int receipt = 0;
    for (const auto& [day, sales] : days) {
        for (int i = 0; i < sales; ++i) {
            AppendChained(dir, kJournalFile, EntryKind::Sale, ++receipt,
                          {day + ";12:00:00;Paul;3.5;0;Esp;1;0.35"});
        }
    }
}

void WriteSalesOverThreeMonths(const std::string& dir) {
    WriteSalesOver(dir, {{"28.11.2026", 2},
                         {"30.11.2026", 1},
                         {"01.12.2026", 2},
                         {"31.12.2026", 1},
                         {"02.01.2027", 1}});
}

// The details of the closure events, sorted.
std::vector<std::string> ClosureEvents(const HeadlessTill& till) {
    std::vector<std::string> details;
    for (const std::string& line : ReadLines(till / kEventFile)) {
        const std::string type = ";Clôture;";
        if (const std::size_t at = line.find(type); at != std::string::npos) {
            details.push_back(line.substr(at + type.size()));
        }
    }
    std::sort(details.begin(), details.end());
    return details;
}

// What a start that closes past days leaves when it is killed after any of
// its closures, with or without that closure's event: the next start ends
// with the closures and events of a start never killed, and a start after
// it changes nothing.
TEST(Closures, AClosingStoppedAfterAnyClosureResumesWhereItStopped) {
    const std::string start = "clock 03.01.2027 09:00:00\nshow NumTicket\n";
    HeadlessTill reference(RamDiskOrTemporary());
    WriteSalesOverThreeMonths(reference.Folder());
    reference.Run(start);
    const std::string closures = reference.Read(kClosureFile);
    const std::vector<std::string> lines = ReadLines(reference / kClosureFile);
    const std::vector<std::string> events = ClosureEvents(reference);
    ASSERT_EQ(lines.size(), 8u) << closures;  // five days, two months, a year
    ASSERT_EQ(events.size(), lines.size());
    for (std::size_t made = 0; made <= lines.size(); ++made) {
        for (const bool eventMade : {true, false}) {
            if (made == 0 && !eventMade) {
                continue;
            }
            SCOPED_TRACE(std::to_string(made) + " closures made" +
                         (eventMade ? "" : ", the last without its event"));
            HeadlessTill till(RamDiskOrTemporary());
            WriteSalesOverThreeMonths(till.Folder());
            for (std::size_t i = 0; i < made; ++i) {
                const std::optional<Closure> closure = ParseClosure(lines[i]);
                ASSERT_TRUE(closure) << lines[i];
                AppendChained(till.Folder(), kClosureFile, EntryKind::Closure, closure->ventes,
                              {lines[i]});
                if (i + 1 < made || eventMade) {
                    LogEvent(till.Folder(), closure->made, "Clôture", ResumeCloture(*closure));
                }
            }
            for (int again = 0; again < 2; ++again) {
                till.Run(start);
                EXPECT_EQ(till.Read(kClosureFile), closures);
                EXPECT_EQ(ClosureEvents(till), events);
            }
            EXPECT_TRUE(VerifyLedger(till.Folder()).intact);
        }
    }
}

// Each closure line chained as the till writes it.
void WriteClosures(const std::string& dir, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        AppendChained(dir, kClosureFile, EntryKind::Closure, 0, {line});
    }
}

std::string ClosureOf(const std::string& period, const std::string& debut, const std::string& fin) {
    return period + ";" + debut + ";" + fin + ";1;1;1;3.5;0;0;0.35;0;3.5;3.5;3.5;" + fin +
           ";23:00:00";
}

// `vantor verify` refuses a period closed twice, whatever the chain says:
// expected/Closures-twice.txt.
TEST(Closures, VerifyRefusesAPeriodClosedTwice) {
    const std::string day = ClosureOf("Jour", "05.12.2026", "05.12.2026");
    const std::string next = ClosureOf("Jour", "06.12.2026", "06.12.2026");
    const std::string month = ClosureOf("Mois", "05.12.2026", "06.12.2026");
    const std::string year = ClosureOf("Année", "05.12.2026", "06.12.2026");
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"two days, their month, their year", {day, next, month, year}},
        {"a day closed twice", {day, next, day}},
        {"a month closed twice", {day, next, month, month}},
        {"a year closed twice", {day, next, month, year, year}},
        {"a day closed after its month", {day, month, next}},
        {"a month closed after its year",
         {ClosureOf("Jour", "05.11.2026", "05.11.2026"),
          ClosureOf("Mois", "05.11.2026", "05.11.2026"),
          ClosureOf("Année", "05.11.2026", "05.11.2026"), month}},
        {"a longer line (a field added later)", {day + ";abc", next}},
    };
    std::string found;
    for (const auto& [name, lines] : cases) {
        TempDir dir;
        WriteClosures(dir.Path(), lines);
        found += std::string(name) + "\n    " + CheckSummary(VerifyLedger(dir.Path())) + "\n";
    }
    EXPECT_EXPECTED("Closures-twice.txt", found);
}

}  // namespace
}  // namespace vantor::test
