// A scripted day of sales killed with SIGKILL at seeded random moments. After
// every kill the chain must never report tampering; the next start must
// succeed, leave whole sales only (the journal a run of the expected sales,
// byte for byte, each with its lines in lignes.csv and no others), no temporary file, and no
// receipt number used twice: in the chain, nor on the receipts printed, each of whose codes names
// its sale's entry in the chain. Then the start-up that closes 151 past days, killed again and
// again while it settles and closes: each period is closed once, in order, and the closures and
// their events end as those of a start never killed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/Ledger.h"
#include "ledger/Verify.h"
#include "support/ClosureLines.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

using Clock = std::chrono::steady_clock;

// VANTOR_CRASH_LOOP_SECONDS gives a longer loop on demand (a few hundred runs).
std::chrono::seconds Budget() {
    const char* seconds = std::getenv("VANTOR_CRASH_LOOP_SECONDS");
    return std::chrono::seconds(seconds != nullptr ? std::atoi(seconds) : 15);
}
constexpr int kSalesPerRun = 15;
constexpr unsigned kSeed = 20261205;

// A mixed sale over two categories, its receipt printed: four records per sale.
const std::string kMixedSaleScript =
    "click Command1 2\nclick Command1 66\nanswer \"8\"\nanswer \"Croque\"\n"
    "click cmdPrint 2\nanswer yes\ntype txtEsp \"5.75\"\nclick cmdComplete\nclick cmdOK\n";

// The receipts go to an ESC/POS printer that appends their bytes to printer.
std::string DayScript(const std::string& printer) {
    std::string script = "escpos \"Ticket\" \"" + printer + "\"\nclock 05.12.2026 12:04:09\n";
    for (int i = 0; i < kSalesPerRun; ++i) {
        script += kMixedSaleScript;
    }
    return script;
}

struct Run {
    Clock::duration lasted{};
    int status = -1;  // the exit status when the run ended by itself
};

// Starts the till on the folder and kills it after delay (or lets it end
// when delay is longer than the run).
Run RunAndKill(const std::string& dir, const std::string& script, Clock::duration delay,
               const std::string& errors = "/dev/null", const std::string& output = "/dev/null") {
    const Clock::time_point start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
        ::execl(VANTOR_EXECUTABLE, VANTOR_EXECUTABLE, "--headless", "--data-dir", dir.c_str(),
                "--script", script.c_str(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() - start >= delay) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return {Clock::now() - start, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// No temporary file nor folder probe is left once the till has started.
void ExpectNoLeftover(const std::string& dir, int run) {
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << "run " << run << ": " << name;
        EXPECT_FALSE(name.starts_with(".vantor-probe-")) << "run " << run << ": " << name;
    }
}

// The value after label on a printed line, "" where the line was cut.
std::string PrintedAfter(const std::string& bytes, std::size_t line, const std::string& label) {
    const std::size_t end = bytes.find('\n', line);
    if (bytes.compare(line, label.size(), label) != 0 || end == std::string::npos) {
        return "";
    }
    std::string value = bytes.substr(line + label.size(), end - line - label.size());
    return value.ends_with('\r') ? value.substr(0, value.size() - 1) : value;
}

// Each receipt number the printer got, even from a receipt cut by a kill,
// printed once only; and each code printed names the entry of that receipt's
// sale in the chain ("Code : 7:9f3a6c0b12ab" under "Ticket n° :  3").
void ExpectEachNumberPrintedOnceWithItsCode(const std::string& printed, const std::string& chain,
                                            int run) {
    std::map<long long, ChainEntry> sales;
    for (const std::string& line : ReadLines(chain)) {
        if (std::optional<ChainEntry> entry = ParseEntry(line); entry) {
            sales[static_cast<long long>(entry->seq)] = *entry;
        }
    }
    std::set<std::string> numbers;
    const std::string number = "Ticket n\xB0 :  ";  // as the printer's code page has it
    for (std::size_t at = printed.find(number); at != std::string::npos;
         at = printed.find(number, at + 1)) {
        const std::string receipt = PrintedAfter(printed, at, number);
        ASSERT_TRUE(numbers.insert(receipt).second) << "run " << run << ": " << receipt << " twice";
        const std::size_t next = printed.find('\n', at);
        const std::size_t code =
            next == std::string::npos ? next : printed.find_first_not_of(' ', next + 1);
        const std::string shown =
            code == std::string::npos ? "" : PrintedAfter(printed, code, "Code : ");
        if (shown.empty()) {
            continue;  // cut before its code
        }
        const ChainEntry& entry = sales[std::stoll(shown.substr(0, shown.find(':')))];
        EXPECT_EQ(entry.kind, EntryKind::Sale) << "run " << run << ": " << shown;
        EXPECT_EQ(std::to_string(entry.ref), receipt) << "run " << run << ": " << shown;
        EXPECT_EQ(ShortChainCode(entry.seq, entry.hash), shown) << "run " << run;
    }
}

// The lines of each sale the chain holds recorded, in order, as the first
// sale of a run never killed wrote its own (its receipt number first).
std::string ExpectedLines(const std::string& chain, const std::vector<std::string>& firstSale) {
    std::vector<ChainEntry> entries;
    for (const std::string& line : ReadLines(chain)) {
        if (std::optional<ChainEntry> entry = ParseEntry(line); entry) {
            entries.push_back(*entry);
        }
    }
    const std::set<std::uint64_t> givenUp = GivenUpEntries(entries);
    std::vector<std::string> expected;
    for (const ChainEntry& entry : entries) {
        if (entry.kind == EntryKind::Sale && !givenUp.contains(entry.seq)) {
            for (const std::string& line : firstSale) {
                expected.push_back(std::to_string(entry.ref) + line.substr(line.find(';')));
            }
        }
    }
    return EncodeLines(expected);
}

TEST(CrashLoop, KilledCheckoutsLeaveWholeSalesAndNoFalseTampering) {
    TempDir dir;
    TempDir scripts;
    const std::string script = scripts / "day.txt";
    const std::string start = scripts / "start.txt";
    const std::string printer = scripts / "printer.bin";
    WriteRaw(script, DayScript(printer));
    WriteRaw(start, "clock 05.12.2026 12:04:09\n");  // the same day: nothing to close
    const Clock::duration whole = RunAndKill(dir.Path(), script, std::chrono::hours(1)).lasted;
    const std::string day = Slurp(dir / kJournalFile);
    const std::string sale = day.substr(0, day.size() / kSalesPerRun);
    ASSERT_EQ(sale,
              "05.12.2026;12:04:09;Nom;1.75;0;Esp;;0\r\n05.12.2026;12:04:09;Nom;1.75;0;Cart;;0\r\n"
              "05.12.2026;12:04:09;Nom;4;5;Esp;;0\r\n05.12.2026;12:04:09;Nom;4;5;Cart;;0\r\n");
    const std::vector<std::string> allLines = ReadLines(dir / kLinesFile);
    ASSERT_EQ(allLines.size(), 2u * kSalesPerRun);
    const std::vector<std::string> firstSale(allLines.begin(), allLines.begin() + 2);
    ASSERT_EQ(Slurp(dir / kLinesFile), ExpectedLines(dir / kChainFile, firstSale));

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<long long> moment(0, whole.count());
    const Clock::time_point end = Clock::now() + Budget();
    int runs = 0;
    int interrupted = 0;
    int unusedLogged = 0;
    for (; Clock::now() < end; ++runs) {
        RunAndKill(dir.Path(), script, Clock::duration(moment(random)));
        const LedgerCheck killed = VerifyLedger(dir.Path());
        ASSERT_TRUE(killed.intact) << "run " << runs << ": " << killed.problem;
        interrupted += killed.interrupted ? 1 : 0;
        // A sale killed after its entry was announced spent its number (Id.txt
        // already gives the next one): the start says so in the event log.
        const long long unused = killed.interrupted && killed.interrupted->kind == EntryKind::Sale
                                     ? static_cast<long long>(killed.interrupted->ref)
                                     : 0;  // receipts are numbered from 1

        const std::string errors = scripts / "start-errors.txt";
        const std::string shown = scripts / "start-transcript.txt";
        ASSERT_EQ(RunAndKill(dir.Path(), start, std::chrono::hours(1), errors, shown).status, 0)
            << "run " << runs << ": the till does not start again: " << Slurp(errors);
        // Id.txt is written before the sale's entry: a kill leaves it ahead
        // of the chain, never behind (only a power cut may).
        EXPECT_EQ(Slurp(shown).find("Le fichier Id.txt"), std::string::npos)
            << "run " << runs << ": " << Slurp(shown);
        ExpectNoLeftover(dir.Path(), runs);
        if (unused > 0) {
            const std::string event =
                ";Num\xE9ro de ticket non utilis\xE9 : " + std::to_string(unused) + ";";
            EXPECT_NE(Slurp(dir / kEventFile).find(event), std::string::npos)
                << "run " << runs << ": receipt " << unused << " lost without a word";
            unusedLogged += 1;
        }
        ExpectEachNumberPrintedOnceWithItsCode(Slurp(printer), dir / kChainFile, runs);
        long long receipt = 0;  // the last sale's in the chain
        for (const std::string& line : ReadLines(dir / kChainFile)) {
            const std::optional<ChainEntry> entry = ParseEntry(line);
            if (entry && entry->kind == EntryKind::Sale) {
                ASSERT_LT(receipt, entry->ref) << "run " << runs << ": a receipt number twice";
                receipt = entry->ref;
            }
        }
        const LedgerCheck settled = VerifyLedger(dir.Path());
        ASSERT_TRUE(settled.intact) << "run " << runs << ": " << settled.problem;
        ASSERT_FALSE(settled.interrupted) << "run " << runs;
        const std::string journal = Slurp(dir / kJournalFile);
        ASSERT_EQ(journal.size() % sale.size(), 0U) << "run " << runs;
        for (std::size_t at = 0; at < journal.size(); at += sale.size()) {
            ASSERT_EQ(journal.substr(at, sale.size()), sale) << "run " << runs << ", byte " << at;
        }
        // Each recorded sale has its lines, and no sale given up has any.
        ASSERT_EQ(Slurp(dir / kLinesFile), ExpectedLines(dir / kChainFile, firstSale))
            << "run " << runs;
    }
    RecordProperty("runs", runs);
    RecordProperty("interrupted", interrupted);
    std::cout << runs << " runs killed, " << interrupted << " interrupted writes found, "
              << unusedLogged << " unused receipt numbers logged\n";
    EXPECT_GE(runs, 10);  // even on a slow (sanitized, loaded) build
}

// VANTOR_CLOSURE_CRASH_RUNS gives more runs on demand; each kills the
// closing start up to kKillsPerRun times before a start that runs to its end.
int ClosureRuns() {
    const char* runs = std::getenv("VANTOR_CLOSURE_CRASH_RUNS");
    return runs != nullptr ? std::atoi(runs) : 10;
}
constexpr int kKillsPerRun = 4;

// Three coffees a day from 04.08.2026 to 01.01.2027, chained as the till
// writes them: 151 days, five months and a year to close on the 2nd.
void WriteDaysToClose(const std::string& dir) {
    std::int64_t receipt = 0;
    for (Date day{2026, 8, 4}; day <= Date{2027, 1, 1};) {
        for (int sale = 0; sale < 3; ++sale) {
            AppendChained(dir, kJournalFile, EntryKind::Sale, ++receipt,
                          {FormatDate(day) + ";12:00:00;Paul;3.5;0;Esp;1;0.35"});
        }
        day = day == LastDayOfMonth(day)
                  ? (day.month == 12 ? Date{day.year + 1, 1, 1} : Date{day.year, day.month + 1, 1})
                  : Date{day.year, day.month, day.day + 1};
    }
}

// The closure events of the folder, in order.
std::vector<std::string> ClosureEvents(const std::string& dir) {
    std::vector<std::string> events;
    if (!std::filesystem::exists(dir + "/" + kEventFile)) {
        return events;
    }
    for (const std::string& line : ReadLines(dir + "/" + kEventFile)) {
        if (const std::size_t at = line.find(";Clôture;"); at != std::string::npos) {
            events.push_back(line.substr(at));
        }
    }
    return events;
}

// The closures made are the first ones of a closing never killed, in its
// order; a last line cut by the kill is the start of the next one.
bool IsBegunAs(const std::vector<std::string>& made, const std::vector<std::string>& all,
               bool lastCut) {
    if (made.size() > all.size()) {
        return false;
    }
    for (std::size_t i = 0; i < made.size(); ++i) {
        const bool cut = lastCut && i + 1 == made.size();
        if (cut ? !all[i].starts_with(made[i].substr(0, std::min(made[i].size(), all[i].size())))
                : made[i] != all[i]) {
            return false;
        }
    }
    return true;
}

// What a kill left, in words.
std::string WhatTheKillLeft(const LedgerCheck& check, std::size_t closures, std::size_t events,
                            std::size_t all) {
    if (check.interrupted) {
        return check.interrupted->file == kChainFile
                   ? "a chain line cut"
                   : std::string("an interrupted ") +
                         (check.interrupted->kind == EntryKind::Closure ? "closure"
                          : check.interrupted->kind == EntryKind::Event ? "event"
                                                                        : "write");
    }
    if (closures == 0) {
        return "no closure yet";
    }
    if (events < closures) {
        return "a closure without its event";
    }
    return closures == all ? "every closure made" : "some closures, each with its event";
}

TEST(CrashLoop, KilledClosingsCloseEachPeriodOnceAndLoseNoEvent) {
    TempDir ram(RamDiskOrTemporary());
    const std::string base = ram / "modele";
    std::filesystem::create_directory(base);
    WriteDaysToClose(base);
    const std::string start = ram / "start.txt";
    WriteRaw(start, "clock 02.01.2027 09:00:00\nshow NumTicket\n");
    const auto fresh = [&](const std::string& name) {
        const std::string dir = ram / name;
        std::filesystem::remove_all(dir);
        std::filesystem::copy(base, dir);
        return dir;
    };

    const std::string reference = fresh("reference");
    const struct Run whole = RunAndKill(reference, start, std::chrono::hours(1));
    ASSERT_EQ(whole.status, 0);
    // Each folder signs with a key of its own, and a line names the chain's
    // head: the closures compare without their signatures.
    const std::vector<std::string> closures =
        UnsignedClosures(Slurp(reference + "/" + kClosureFile));
    const std::vector<std::string> events = ClosureEvents(reference);
    const std::size_t all = closures.size();
    ASSERT_EQ(all, 157u);  // 151 days, 5 months, 1 year
    ASSERT_EQ(events.size(), all);

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<long long> moment(0, whole.lasted.count());
    std::map<std::string, int> left;
    int kills = 0;
    const int runs = ClosureRuns();
    for (int run = 0; run < runs; ++run) {
        const std::string dir = fresh("caisse");
        for (int kill = 0; kill < kKillsPerRun; ++kill) {
            if (RunAndKill(dir, start, Clock::duration(moment(random))).status == 0) {
                continue;  // ended before its kill
            }
            ++kills;
            const LedgerCheck killed = VerifyLedger(dir);
            ASSERT_TRUE(killed.intact) << "run " << run << ": " << killed.problem;
            const std::string bytes = Slurp(dir + "/" + kClosureFile);
            const std::vector<std::string> made = UnsignedClosures(bytes);
            ASSERT_TRUE(IsBegunAs(made, closures, !bytes.ends_with("\n")))
                << "run " << run << ": the closures are not those of a closing never killed";
            const std::size_t count = made.size();
            const std::vector<std::string> logged = ClosureEvents(dir);
            ASSERT_LE(logged.size(), count) << "run " << run;
            ASSERT_LE(count - logged.size(), 1u) << "run " << run << ": events lost";
            ++left[WhatTheKillLeft(killed, count, logged.size(), all)];
        }
        ASSERT_EQ(RunAndKill(dir, start, std::chrono::hours(1)).status, 0) << "run " << run;
        const LedgerCheck settled = VerifyLedger(dir);
        ASSERT_TRUE(settled.intact) << "run " << run << ": " << settled.problem;
        ASSERT_FALSE(settled.interrupted) << "run " << run;
        ASSERT_EQ(UnsignedClosures(Slurp(dir + "/" + kClosureFile)), closures) << "run " << run;
        ASSERT_EQ(ClosureEvents(dir), events) << "run " << run;
        ExpectNoLeftover(dir, run);
    }
    std::cout << runs << " runs, " << kills << " kills of the closing start (one lasts "
              << std::chrono::duration_cast<std::chrono::milliseconds>(whole.lasted).count()
              << " ms), 0 periods closed twice; each kill left:\n";
    for (const auto& [what, count] : left) {
        std::cout << "  " << count << " x " << what << "\n";
    }
    RecordProperty("kills", kills);
    EXPECT_GE(kills, runs);
}

// VANTOR_CORRECTION_CRASH_RUNS gives more runs on demand.
int CorrectionRuns() {
    const char* runs = std::getenv("VANTOR_CORRECTION_CRASH_RUNS");
    return runs != nullptr ? std::atoi(runs) : 8;
}

// A folder with one paid sale, the script that cancels it, and the folder
// as a cancellation never killed leaves it.
struct CancellationFolders {
    explicit CancellationFolders(const TempDir& ram)
        : ram(ram),
          base(ram / "modele"),
          printer(ram / "printer.bin"),
          cancel(ram / "cancel.txt"),
          start(ram / "start.txt") {
        std::filesystem::create_directory(base);
        const std::string sale = ram / "sale.txt";
        WriteRaw(sale, "escpos \"Ticket\" \"" + ram / "sale.bin" +
                           "\"\nclock 05.12.2026 12:04:09\n" + kMixedSaleScript);
        EXPECT_EQ(RunAndKill(base, sale, std::chrono::hours(1)).status, 0);
        WriteRaw(cancel, "escpos \"Ticket\" \"" + printer +
                             "\"\nclock 05.12.2026 14:00:00\nclick mnuTickets\n"
                             "choose lstTickets 0\nclick cmdAnnulerTicket\nanswer \"Erreur\"\n"
                             "answer yes\nclick cmdFermer\n");
        WriteRaw(start, "clock 05.12.2026 14:00:00\n");
        reference = Fresh("reference");
        whole = RunAndKill(reference, cancel, std::chrono::hours(1));
    }
    std::string Fresh(const std::string& name) const {
        const std::string dir = ram / name;
        std::filesystem::remove_all(dir);
        std::filesystem::copy(base, dir);
        return dir;
    }
    const TempDir& ram;
    std::string base;
    std::string printer;
    std::string cancel;
    std::string start;
    std::string reference;
    struct Run whole;
};

constexpr const char* kCancellationEvent = ";Annulation;Ticket n° ";

// The event log's cancellation events, without their date and time.
std::vector<std::string> CancellationEvents(const std::string& dir) {
    std::vector<std::string> found;
    for (const std::string& line : ReadLines(dir + "/" + kEventFile)) {
        if (line.find(kCancellationEvent) != std::string::npos) {
            found.push_back(line.substr(line.find(kCancellationEvent) + 1));
        }
    }
    return found;
}

// A paid sale cancelled from the receipts of the day, killed at any moment:
// once the till has started again, the folder holds the sale alone or the
// sale and its whole cancellation (records, lines and the event that says
// who did it), never a part of it.
TEST(CrashLoop, AKilledCancellationLeavesNothingOrTheWholeCorrection) {
    TempDir ram(RamDiskOrTemporary());
    const CancellationFolders folders(ram);
    ASSERT_EQ(folders.whole.status, 0);
    const std::string before = Slurp(folders.base + "/" + kJournalFile);
    const std::string linesBefore = Slurp(folders.base + "/" + kLinesFile);
    const std::string after = Slurp(folders.reference + "/" + kJournalFile);
    const std::string linesAfter = Slurp(folders.reference + "/" + kLinesFile);
    ASSERT_EQ(
        after.substr(before.size()),
        "05.12.2026;14:00:00;Nom;-1.75;0;Esp;;0\r\n05.12.2026;14:00:00;Nom;-1.75;0;Cart;;0\r\n"
        "05.12.2026;14:00:00;Nom;-4;5;Esp;;0\r\n05.12.2026;14:00:00;Nom;-4;5;Cart;;0\r\n");
    ASSERT_EQ(CancellationEvents(folders.reference),
              std::vector<std::string>{"Annulation;Ticket n° 2 annule le ticket n° 1 du "
                                       "05.12.2026 : -11.50, motif : Erreur, par Nom"});

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<long long> moment(0, folders.whole.lasted.count());
    std::map<std::string, int> left;
    const int runs = CorrectionRuns();
    for (int run = 0; run < runs; ++run) {
        const std::string dir = folders.Fresh("caisse");
        std::filesystem::remove(folders.printer);
        RunAndKill(dir, folders.cancel, Clock::duration(moment(random)));
        const LedgerCheck killed = VerifyLedger(dir);
        ASSERT_TRUE(killed.intact) << "run " << run << ": " << killed.problem;
        ASSERT_EQ(RunAndKill(dir, folders.start, std::chrono::hours(1)).status, 0) << "run " << run;
        const LedgerCheck settled = VerifyLedger(dir);
        ASSERT_TRUE(settled.intact) << "run " << run << ": " << settled.problem;
        ASSERT_FALSE(settled.interrupted) << "run " << run;
        const std::string journal = Slurp(dir + "/" + kJournalFile);
        const std::string lines = Slurp(dir + "/" + kLinesFile);
        const bool cancelled = journal == after;
        ASSERT_TRUE(cancelled || journal == before) << "run " << run << ": " << journal;
        ASSERT_EQ(lines, cancelled ? linesAfter : linesBefore) << "run " << run;
        ASSERT_EQ(CancellationEvents(dir).size(), cancelled ? 1U : 0U) << "run " << run;
        ExpectEachNumberPrintedOnceWithItsCode(Slurp(folders.printer), dir + "/" + kChainFile, run);
        ExpectNoLeftover(dir, run);
        ++left[cancelled ? "the whole cancellation" : "the sale alone"];
    }
    std::cout << runs << " cancellations killed; each left:\n";
    for (const auto& [what, count] : left) {
        std::cout << "  " << count << " x " << what << "\n";
    }
}

// The folder as a kill right after the correction's records leaves it: the
// chain ends on their entry, the event log where it was before them.
void StopAfterTheLastSale(const std::string& dir) {
    const std::string chain = dir + "/" + kChainFile;
    const std::vector<std::string> entries = ReadLines(chain);
    std::size_t sale = entries.size();
    std::optional<ChainEntry> event;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::optional<ChainEntry> entry = ParseEntry(entries[i]);
        ASSERT_TRUE(entry) << entries[i];
        if (entry->kind == EntryKind::Sale) {
            sale = i;
        }
    }
    for (std::size_t i = 0; i < sale; ++i) {
        if (const std::optional<ChainEntry> entry = ParseEntry(entries[i]);
            entry->file == kEventFile) {
            event = entry;
        }
    }
    ASSERT_LT(sale, entries.size());
    ASSERT_TRUE(event);
    WriteRaw(chain, EncodeLines({entries.begin(), entries.begin() + static_cast<long>(sale) + 1}));
    std::filesystem::resize_file(dir + "/" + kEventFile, FileEndAfter(*event));
}

// Vantor stopped between a cancellation's records and its event: the next
// start writes the event from what lignes.csv keeps (who recorded it; the
// reason and the approval are not kept there, and the event says so), once.
TEST(CrashLoop, ACancellationStoppedBeforeItsEventGetsItAtTheNextStart) {
    TempDir ram(RamDiskOrTemporary());
    const CancellationFolders folders(ram);
    ASSERT_EQ(folders.whole.status, 0);
    const std::string dir = folders.Fresh("arretee");
    std::filesystem::copy(folders.reference, dir,
                          std::filesystem::copy_options::overwrite_existing |
                              std::filesystem::copy_options::recursive);
    StopAfterTheLastSale(dir);
    ASSERT_TRUE(VerifyLedger(dir).intact);
    ASSERT_TRUE(CancellationEvents(dir).empty());
    for (int start = 0; start < 2; ++start) {
        ASSERT_EQ(RunAndKill(dir, folders.start, std::chrono::hours(1)).status, 0);
        const LedgerCheck check = VerifyLedger(dir);
        ASSERT_TRUE(check.intact) << check.problem;
        EXPECT_EQ(CancellationEvents(dir),
                  std::vector<std::string>{
                      "Annulation;Ticket n° 2 annule le ticket n° 1 du 05.12.2026 : -11.50, "
                      "par Nom, motif et accord inconnus : Vantor a été arrêté avant "
                      "d'écrire cet événement"})
            << "start " << start;
    }
    EXPECT_EQ(Slurp(dir + "/" + kJournalFile), Slurp(folders.reference + "/" + kJournalFile));
    EXPECT_EQ(Slurp(dir + "/" + kLinesFile), Slurp(folders.reference + "/" + kLinesFile));
}

}  // namespace
}  // namespace vantor::test
