// Closures and the computer's clock: a date far after the last record is
// asked about before anything is closed, a record in a closed day, month or
// year is refused, and a clock set a month ahead then set right leaves each
// month closed once, with all its days, when it is over.
#include <gtest/gtest.h>

#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ChainEntry.h"
#include "ledger/Ledger.h"
#include "support/ClosureLines.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"
#include "support/TestKey.h"

namespace vantor::test {
namespace {

// A coffee (3.50) paid in cash, at the clock's date.
const std::string kCoffee = "click Command1 2\nclick cmdPrint 0\nanswer no\n";
// The same refused: the box of the refusal instead of the printing question.
const std::string kCoffeeRefused = "click Command1 2\nclick cmdPrint 0\nanswer ok\n";
const std::string kQuestion = "msgbox question yesno \"Date de l'ordinateur\"";

bool Asked(const TillRun& run) {
    return run.out.find(kQuestion) != std::string::npos;
}

// How many days after the last record the clock may be before the closing
// asks: up to four days it does not, from five on it does; a clock before
// the last record asks nothing. "no" closes nothing, "yes" closes.
TEST(ClosureDates, ADateMoreThanFourDaysAfterTheLastRecordIsAskedAboutFirst) {
    const struct {
        const char* clock;
        bool asked;
    } cases[] = {
        {"06.12.2026", false}, {"09.12.2026", false}, {"10.12.2026", true},
        {"05.01.2027", true},  {"05.12.2027", true},  {"01.12.2026", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.clock);
        HeadlessTill till;
        till.Run("clock 05.12.2026 12:00:00\n" + kCoffee);
        const std::string start = std::string("clock ") + row.clock + " 09:00:00\n";
        if (!row.asked) {
            EXPECT_FALSE(Asked(till.Run(start + "show NumTicket\n")));
            continue;
        }
        EXPECT_TRUE(Asked(till.Run(start + "answer no\nshow NumTicket\n")));
        EXPECT_EQ(till.Read(kClosureFile), "");
        EXPECT_TRUE(Asked(till.Run(start + "answer yes\nshow NumTicket\n")));
        EXPECT_NE(till.Read(kClosureFile), "");
    }
}

// Chains the closure lines as the till writes them.
void WriteClosures(const HeadlessTill& till, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        AppendChained(till.Folder(), kClosureFile, EntryKind::Closure, 1, {line});
    }
}

// A sale dated in a closed day, month or year, as a clock gone back dates
// it, is refused with the period named; one after them is recorded.
TEST(ClosureDates, ARecordInAClosedDayMonthOrYearIsRefused) {
    const std::string day = ClosureOf("Jour", "28.11.2026", "28.11.2026");
    const struct {
        std::vector<std::string> closures;
        const char* clock;
        const char* refused;  // "" when recorded
    } cases[] = {
        {{day}, "28.11.2026", "la journée du 28.11.2026 est clôturée"},
        {{day}, "27.11.2026", "la journée du 27.11.2026 est clôturée"},
        {{day}, "29.11.2026", ""},
        {{day, ClosureOf("Mois", "28.11.2026", "28.11.2026")},
         "30.11.2026",
         "le mois de novembre 2026 est clôturé"},
        {{day, ClosureOf("Mois", "28.11.2026", "28.11.2026")}, "01.12.2026", ""},
        {{day, ClosureOf("Mois", "28.11.2026", "28.11.2026"),
          ClosureOf("Année", "28.11.2026", "28.11.2026")},
         "15.12.2026",
         "l'année 2026 est clôturée"},
        {{day, ClosureOf("Mois", "28.11.2026", "28.11.2026"),
          ClosureOf("Année", "28.11.2026", "28.11.2026")},
         "01.01.2027",
         ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.clock) + " after " + row.closures.back());
        HeadlessTill till;
        WriteClosures(till, row.closures);
        const std::string refused = std::string(row.refused);
        const TillRun run = till.Run(std::string("clock ") + row.clock + " 12:00:00\n" +
                                     (refused.empty() ? kCoffee : kCoffeeRefused));
        EXPECT_EQ(Joined(Boxes(run)),
                  refused.empty() ? "msgbox none yesno \"Impression\" \"Imprimer le ticket ?\"\n"
                                  : "msgbox critical ok \"Vantor\" \"Vente refusée : " + refused +
                                        ". Vérifiez la date et l'heure de l'ordinateur.\"\n");
        EXPECT_EQ(till.Read(kJournalFile).empty(), !refused.empty());
    }
}

// The runs of a story, one start each: what each showed (its boxes), then
// the closures, the December report and `vantor verify`. The closures are
// signed by the test key, so that the story reads the same at every run.
std::string Story(HeadlessTill& till, const std::vector<std::string>& runs) {
    till.Write(kArchiveKeyFile, kTestArchiveKey);
    std::string told;
    for (const std::string& script : runs) {
        told += "== " + script.substr(6, 19) + "\n" + Joined(Boxes(till.Run(script)));
    }
    const TillRun december =
        RunVantor({"report", "totaux", "--du", "01.12.2026", "--au", "31.12.2026", "--today",
                   "10.01.2027", "--data-dir", till.Folder()},
                  "");
    const TillRun verified = RunVantor({"verify", "--data-dir", till.Folder()}, "");
    return told + "== Clotures.csv\n" + Cp1252ToUtf8(till.Read(kClosureFile)) +
           "== totaux de décembre\n" + december.out + verified.out;
}

// A start with the clock a month ahead, on a day already sold on, answered
// "no": nothing is closed and the sales wait for the clock; set right, the
// day sells on. December is closed once, with all its days, when the first
// day of January is: its closure equals its report.
// expected/Closures-clock-refused.txt.
TEST(ClosureDates, AClockAMonthAheadNotConfirmedClosesNothing) {
    HeadlessTill till;
    const std::string told =
        Story(till, {"clock 05.12.2026 10:00:00\n" + kCoffee + kCoffee,
                     "clock 05.01.2027 10:00:00\nanswer no\nclick Command1 2\nclick cmdPrint 0\n"
                     "answer no\nanswer ok\nclock 05.12.2026 11:00:00\n" +
                         kCoffee,
                     "clock 06.12.2026 09:00:00\n" + kCoffee,
                     "clock 02.01.2027 09:00:00\nanswer yes\n" + kCoffee,
                     "clock 03.01.2027 09:00:00\nshow NumTicket\n"});
    EXPECT_EXPECTED("Closures-clock-refused.txt", told);
}

// The same start answered "yes" by mistake: the days sold on are closed,
// not their month; set right, that day's sales are refused and the next
// days sell and close; December is closed once, with all its days.
// expected/Closures-clock-confirmed.txt.
TEST(ClosureDates, AClockAMonthAheadConfirmedClosesThePastDaysOnly) {
    HeadlessTill till;
    const std::string told = Story(
        till,
        {"clock 05.12.2026 10:00:00\n" + kCoffee + kCoffee,
         "clock 05.01.2027 10:00:00\nanswer yes\nclock 05.12.2026 11:00:00\n" + kCoffeeRefused,
         "clock 06.12.2026 09:00:00\n" + kCoffee, "clock 07.12.2026 09:00:00\nshow NumTicket\n",
         "clock 02.01.2027 09:00:00\n" + kCoffee, "clock 03.01.2027 09:00:00\nshow NumTicket\n"});
    EXPECT_EXPECTED("Closures-clock-confirmed.txt", told);
}

}  // namespace
}  // namespace vantor::test
