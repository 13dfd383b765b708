// Closures through the real program: the past days are closed at the next
// start with the totals the totals report gives, months and years follow, a
// closed day refuses sales, and "Clôture du jour" prints the Z report.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ChainEntry.h"
#include "ledger/ClosureSignature.h"
#include "ledger/Closures.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"
#include "ledger/Verify.h"
#include "reports/Clotures.h"
#include "support/ClosureLines.h"
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

// A copy of the folder as a kill right after the chain's entry `last` left
// it: the chain up to that entry, each data file up to what those entries
// cover; the other files as they are.
void CopyAsKilledAfter(const std::string& from, const std::string& to, std::uint64_t last) {
    for (const std::filesystem::directory_entry& file : std::filesystem::directory_iterator(from)) {
        std::filesystem::copy_file(file.path(), std::filesystem::path(to) / file.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    std::string chain;
    std::map<std::string, std::uint64_t> ends;
    for (const std::string& line : ReadLines(JoinPath(from, kChainFile))) {
        const std::optional<ChainEntry> entry = ParseEntry(line);
        if (!entry || entry->seq > last) {
            break;
        }
        chain += line + "\r\n";
        ends[entry->file] = FileEndAfter(*entry);
    }
    WriteRaw(JoinPath(to, kChainFile), chain);
    for (const char* file : {kJournalFile, kEventFile, kClosureFile}) {
        WriteRaw(JoinPath(to, file), Slurp(JoinPath(from, file)).substr(0, ends[file]));
    }
}

// What a start that closes past days leaves when it is killed after any of
// its writes (its start event, each closure, each closure's event): the next
// start ends with the closures and events of a start never killed, and a
// start after it changes nothing.
TEST(Closures, AClosingStoppedAfterAnyWriteResumesWhereItStopped) {
    const std::string start = "clock 03.01.2027 09:00:00\nshow NumTicket\n";
    HeadlessTill reference(RamDiskOrTemporary());
    WriteSalesOverThreeMonths(reference.Folder());
    const std::uint64_t sales = ReadLines(reference / kChainFile).size();
    reference.Run(start);
    const std::vector<std::string> closures = UnsignedClosures(reference.Read(kClosureFile));
    const std::vector<std::string> events = ClosureEvents(reference);
    ASSERT_EQ(closures.size(), 8u);  // five days, two months, a year
    ASSERT_EQ(events.size(), closures.size());
    const std::uint64_t written = ReadLines(reference / kChainFile).size();
    for (std::uint64_t last = sales; last < written; ++last) {
        SCOPED_TRACE("killed after entry " + std::to_string(last));
        HeadlessTill till(RamDiskOrTemporary());
        CopyAsKilledAfter(reference.Folder(), till.Folder(), last);
        for (int again = 0; again < 2; ++again) {
            till.Run(start);
            EXPECT_EQ(UnsignedClosures(till.Read(kClosureFile)), closures);
            EXPECT_EQ(ClosureEvents(till), events);
        }
        const LedgerCheck check = VerifyLedger(till.Folder());
        EXPECT_TRUE(check.intact) << check.problem;
    }
}

// Each closure line chained as the till writes it.
void WriteClosures(const std::string& dir, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        AppendChained(dir, kClosureFile, EntryKind::Closure, 0, {line});
    }
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

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ';') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// A closure keeps the VAT included in its takings as fields 17 and 18. One
// written before (16 fields) gets it from the journal of its day when its
// month is closed; one with them keeps its own, also with further fields
// after them; every line still tells the last closed day.
TEST(Closures, TheMonthSumsTheIncludedVatOfOldAndNewDays) {
    // The month is closed with the first day after it.
    const std::string journal =
        "05.12.2026;12:00:00;Paul;10;0;Esp;1;1\r\n06.12.2026;12:00:00;Paul;22;0;Esp;2;1.21\r\n"
        "01.01.2027;12:00:00;Paul;3;0;Esp;1;0.3\r\n";
    const std::string old =
        "Jour;05.12.2026;05.12.2026;0;0;0;10;0;0;1;0;10;10;10;05.12.2026;23:00:00";
    const std::string newDay =
        "Jour;06.12.2026;06.12.2026;0;0;0;22;0;0;0;1.21;22;32;32;02.01.2027;"
        "9:00:00;0;1.14691943127962";
    struct Row {
        const char* what;
        std::string fifth;  // the closure of 05.12.2026 found in the file
        std::string month;  // fields 10 to 11 and 17 to 18 of the month's closure
    };
    const Row rows[] = {
        {"16 fields: from the journal", old, "1;1.21;0.909090909090909;1.14691943127962"},
        {"18 fields: its own", old + ";0.5;0", "1;1.21;0.5;1.14691943127962"},
        {"more fields after them", old + ";0.5;0;signature", "1;1.21;0.5;1.14691943127962"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ClosingTill till;
        till.Write(kJournalFile, journal);
        till.Write(kClosureFile, row.fifth + "\r\n");
        till.Run("clock 02.01.2027 09:00:00\nshow NumTicket\n");
        const std::vector<std::string> lines = ReadLines(till / kClosureFile);
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[0], row.fifth);
        // The new closures are signed: their fields come before the head and signature.
        EXPECT_EQ(ClosureFields(lines[1]), newDay);
        const std::vector<std::string> month = Fields(std::string(ClosureFields(lines[2])));
        ASSERT_EQ(month.size(), 18u);
        EXPECT_EQ(month[0], "Mois");
        EXPECT_EQ(month[9] + ";" + month[10] + ";" + month[16] + ";" + month[17], row.month);
        EXPECT_EQ(Fields(lines[3])[0], "Année");
    }
}

// The Z of a closure of 16 fields does not guess its included VAT: completed
// from the journal of its day, it shows it; a closure that has it keeps it.
TEST(Closures, AnOldClosureShowsTheIncludedVatOfItsJournal) {
    TempDir data;
    WriteRaw(data / kJournalFile,
             "05.12.2026;12:00:00;Paul;10;0;Esp;1;1\r\n06.12.2026;12:00:00;Paul;10;0;Esp;1;1\r\n");
    std::vector<Closure> closures;
    for (const char* line :
         {"Jour;05.12.2026;05.12.2026;0;0;0;10;0;0;1;0;10;10;10;05.12.2026;23:00:00",
          "Jour;06.12.2026;06.12.2026;0;0;0;10;0;0;1;0;10;20;20;06.12.2026;23:00:00;0.5;0"}) {
        const std::optional<Closure> closure = ParseClosure(line);
        ASSERT_TRUE(closure.has_value());
        closures.push_back(*closure);
    }
    const auto tva = [](const Closure& closure) {
        const std::vector<std::string> z = RapportZ(closure, "€", "10", "5.5", std::nullopt);
        return z[9] + "|" + z[10];
    };
    EXPECT_EQ(tva(closures[0]), "TVA à 10%          € inconnue|TVA à 5.5%         € inconnue");
    CompleterTvaIncluse(data.Path(), closures);
    EXPECT_EQ(tva(closures[0]), "TVA à 10%          €     0.91|TVA à 5.5%         €     0.00");
    EXPECT_EQ(tva(closures[1]), "TVA à 10%          €     0.50|TVA à 5.5%         €     0.00");
    const std::vector<std::string> fields = Fields(FormatClosure(closures[0]));
    ASSERT_EQ(fields.size(), 18u);
    EXPECT_EQ(fields[16] + ";" + fields[17], "0.909090909090909;0");
}

}  // namespace
}  // namespace vantor::test
