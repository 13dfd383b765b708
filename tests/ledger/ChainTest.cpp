// The chain over tickets.csv and Evenements.csv: every kind of alteration is
// found at the right record, a journal without a chain is adopted, and
// through the program: every state a crash can leave is told apart from an
// alteration and settled at the next start, a failed check is told and logged
// while selling goes on, and `vantor verify` reports and exits as documented.
#include <gtest/gtest.h>

#include <functional>

#include "data/Cp1252.h"
#include "data/TextFile.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"
#include "ledger/LedgerStart.h"
#include "ledger/Verify.h"
#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::string kSale1 =
    "05.12.2026;12:04:09;Paul;7;0;Esp;2;0.385\r\n05.12.2026;12:04:09;Paul;8;5;Esp;2;0.44\r\n";
const std::string kSale2 =
    "05.12.2026;12:10:00;Marie;3.5;0;Cart;2;0.1925\r\n05.12.2026;12:10:00;Marie;4;1;Cart;2;0."
    "22\r\n";
const std::string kMovement = "05.12.2026;0:00:00;Banque;-20;10;Sort;2;0\r\n";
const std::string kSale3 = "05.12.2026;13:00:00;Paul;2.5;0;Esp;2;0.1375\r\n";
const DateTime kNoon{Date{2026, 12, 5}, TimeOfDay{12, 0, 0}};

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Replaced(std::string text, const std::string& what, const std::string& with) {
    const std::size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

const std::string kJournal = kSale1 + kSale2 + kMovement + kSale3;

// Two sales, a movement, an event and a third sale, written as the till does
// (Id.txt holding the number of the next receipt).
void WriteDay(const std::string& dir) {
    AppendChained(dir, kJournalFile, EntryKind::Sale, 1, Lines(kSale1));
    AppendChained(dir, kJournalFile, EntryKind::Sale, 2, Lines(kSale2));
    AppendChained(dir, kJournalFile, EntryKind::Movement, 0, Lines(kMovement));
    LogEvent(dir, kNoon, "Démarrage");
    AppendChained(dir, kJournalFile, EntryKind::Sale, 3, Lines(kSale3));
    WriteRaw(dir + "/Id.txt", "4\r\n");
}

std::string Check(const TempDir& dir) {
    return CheckSummary(VerifyLedger(dir.Path()));
}

// Changes the files of a written day; the chain as written is given.
using Alter = std::function<void(const TempDir&, const std::string& chain)>;

Alter JournalBecomes(const std::string& bytes) {
    return [bytes](const TempDir& dir, const std::string&) { WriteRaw(dir / kJournalFile, bytes); };
}

Alter ChainLineBecomes(const std::string& from, const std::string& to) {
    return [from, to](const TempDir& dir, const std::string& chain) {
        WriteRaw(dir / kChainFile, Replaced(chain, from, to));
    };
}

// The code a receipt prints for its sale's entry, which `vantor verify
// --contre` reads back.
TEST(Chain, ShortCodeIsTheEntryNumberAndTheHashsFirstTwelveDigits) {
    const std::string hash = "9f3a6c0b12ab" + std::string(52, 'e');
    const struct {
        std::uint64_t seq;
        std::string hash;
        const char* code;
    } rows[] = {
        {1234, hash, "1234:9f3a6c0b12ab"},
        {1, kChainOrigin, "1:000000000000"},
        {18446744073709551615ULL, hash, "18446744073709551615:9f3a6c0b12ab"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ShortChainCode(row.seq, row.hash), row.code);
    }
}

// The report of each alteration: expected/Chain-alterations.txt.
TEST(Chain, EachAlterationIsFoundAtTheFirstRecordThatNoLongerMatches) {
    const std::pair<const char*, Alter> cases[] = {
        {"nothing changed", [](const TempDir&, const std::string&) {}},
        {"one byte changed", JournalBecomes(Replaced(kJournal, ";4;1;", ";5;1;"))},
        {"record deleted", JournalBecomes(Replaced(kJournal, Lines(kSale2)[0] + "\r\n", ""))},
        {"two records swapped", JournalBecomes(kSale2 + kSale1 + kMovement + kSale3)},
        {"record inserted", JournalBecomes(kSale1 + kSale3 + kSale2 + kMovement + kSale3)},
        {"record added at the end", JournalBecomes(kJournal + kSale3)},
        {"journal truncated", JournalBecomes(kSale1 + kSale2)},
        {"last sale cut though a later entry follows",
         [](const TempDir& dir, const std::string&) {
             LogEvent(dir.Path(), kNoon, "Arrêt");
             WriteRaw(dir / kJournalFile, kSale1 + kSale2 + kMovement + "05.12");
         }},
        {"closure line slipped in",
         [](const TempDir& dir, const std::string&) {
             WriteRaw(dir / kClosureFile,
                      "Jour;05.12.2026;05.12.2026;0;0;0;0;0;0;0;0;0;0;0;05.12.2026;23:00:00\r\n");
         }},
        {"chain's last entry removed",
         [](const TempDir& dir, const std::string& chain) {
             const std::size_t last = chain.rfind('\n', chain.size() - 2);
             WriteRaw(dir / kChainFile, chain.substr(0, last + 1));
         }},
        {"receipt number changed in the chain", ChainLineBecomes("2;V;2;", "2;V;9;")},
        {"chain entry removed",
         [](const TempDir& dir, const std::string& chain) {
             const std::size_t third = chain.find("\r\n3;");
             WriteRaw(dir / kChainFile,
                      chain.substr(0, third) + chain.substr(chain.find("\r\n4;")));
         }},
        {"chain line garbled", ChainLineBecomes("3;M;", "3;X;")},
        {"event changed",
         [](const TempDir& dir, const std::string&) {
             WriteRaw(dir / kEventFile, "05.12.2026;11:00:00;Démarrage;\r\n");
         }},
    };
    std::string found;
    for (const auto& [name, alter] : cases) {
        TempDir dir;
        WriteDay(dir.Path());
        alter(dir, Slurp(dir / kChainFile));
        found += std::string(name) + "\n    " + Check(dir) + "\n";
    }
    EXPECT_EXPECTED("Chain-alterations.txt", found);
}

// The longest write the crash rule allows is the longest the till makes:
// one byte more is refused, and nothing reaches either file.
TEST(Chain, AWriteLongerThanOneSaleCanHoldIsRefused) {
    TempDir dir;
    WriteDay(dir.Path());
    const std::string chain = Slurp(dir / kChainFile);
    const std::string record(kLongestChainedWrite - 2, 'x');  // and its line end
    AppendChained(dir.Path(), kJournalFile, EntryKind::Sale, 4, {record});
    EXPECT_EQ(Slurp(dir / kJournalFile), kJournal + record + "\r\n");
    const std::string written = Slurp(dir / kChainFile);
    EXPECT_THROW(AppendChained(dir.Path(), kJournalFile, EntryKind::Sale, 5, {record + "x"}),
                 FileError);
    EXPECT_EQ(Slurp(dir / kJournalFile), kJournal + record + "\r\n");
    EXPECT_EQ(Slurp(dir / kChainFile), written);
    EXPECT_NE(written, chain);
    EXPECT_EQ(Check(dir), "Journal intact : 7 enregistrements, 0 clôtures");
}

// `vantor verify` before and after the adoption, the events it logged, and
// the check of a record changed since: expected/Chain-adopted.txt.
TEST(Chain, JournalOfAnOlderVersionIsAdoptedAsItIs) {
    TempDir dir;
    WriteRaw(dir / kJournalFile, kSale1 + kMovement);
    std::string told = Check(dir) + "\n";
    EXPECT_TRUE(OpenLedger(dir.Path(), kNoon).empty());
    EXPECT_EQ(Slurp(dir / kJournalFile), kSale1 + kMovement);
    told += Cp1252ToUtf8(Slurp(dir / kEventFile)) + Check(dir) + "\n";
    WriteRaw(dir / kJournalFile, Replaced(kSale1 + kMovement, "Paul;7", "Paul;6"));
    EXPECT_EXPECTED("Chain-adopted.txt", told + Check(dir) + "\n");
}

// A sale of 3.50 and 8.00 in cash, its two records.
const std::string kSaleScript =
    "clock 05.12.2026 15:00:00\nclick Command1 2\nclick Command1 66\nanswer \"8\"\n"
    "answer \"Croque\"\nclick cmdPrint 0\nanswer no\n";
const std::string kSaleRecords =
    "05.12.2026;15:00:00;Nom;3.5;0;Esp;;0\r\n05.12.2026;15:00:00;Nom;8;5;Esp;;0\r\n";

TillRun Verify(const TempDir& dir) {
    return RunVantor({"verify", "--data-dir", dir.Path()}, "");
}

// The transcript of a run, then the events logged after the written day's.
std::string StartTold(const TempDir& dir, const TillRun& run) {
    const std::vector<std::string> events = ReadLines(dir / kEventFile);
    return run.out + Joined(std::vector<std::string>(events.begin() + 1, events.end()));
}

// What the disk holds when a crash stops the recording of sale 4: its chain
// entry is always written before its records. For each, `vantor verify`, the
// message of the next start, what tickets.recup keeps, the event logged and
// `vantor verify` again: expected/Chain-interruptions.txt.
TEST(StartupCheck, CrashLeftoversAreInterruptionsSettledAtTheNextStart) {
    const std::string sale4 = "05.12.2026;14:00:00;Paul;3;0;Esp;2;0.165\r\n";
    const struct {
        const char* name;
        std::size_t kept;       // bytes of sale 4 that reached the journal
        std::size_t chainKept;  // bytes of its chain line that reached the chain (0: all)
    } cases[] = {
        {"no record written", 0, 0},
        {"record cut", 17, 0},
        {"all but the line end", sale4.size() - 1, 0},
        {"chain line cut", 0, 9},
        {"chain line cut before its kind", 0, 2},
    };
    std::string told;
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        WriteDay(dir.Path());
        const std::string chainBefore = Slurp(dir / kChainFile);
        WriteRaw(dir / "Id.txt", "5\r\n");  // before the sale's entry
        AppendChained(dir.Path(), kJournalFile, EntryKind::Sale, 4, Lines(sale4));
        WriteRaw(dir / kJournalFile, kJournal + sale4.substr(0, row.kept));
        if (row.chainKept > 0) {
            WriteRaw(dir / kChainFile,
                     Slurp(dir / kChainFile).substr(0, chainBefore.size() + row.chainKept));
        }
        const TillRun crashed = Verify(dir);
        EXPECT_EQ(crashed.status, 0);
        const TillRun run = RunScript(dir.Path(), kSaleScript);
        EXPECT_EQ(Slurp(dir / kJournalFile), kJournal + kSaleRecords);
        told += "== " + std::string(row.name) + "\n" + crashed.out + StartTold(dir, run) +
                Cp1252ToUtf8(Slurp(dir / kRecoveryFile)) + Verify(dir).out;
    }
    EXPECT_EXPECTED("Chain-interruptions.txt", told);
}

// The chain's last line, and what it announces beyond the written day.
struct LastLine {
    const char* name;
    // Given the journal's size, the line appended to the chain (without its
    // line end) and the bytes appended to the journal.
    std::function<std::pair<std::string, std::string>(std::uint64_t size)> make;
};

std::string Forged(const std::string& fields) {
    return fields + ";" + kChainOrigin;
}

// A sale entry over [from, to) of the journal, as a forger would write it.
std::string SaleEntry(std::uint64_t from, std::uint64_t to) {
    return Forged("6;V;77;tickets.csv;" + std::to_string(from) + ";" + std::to_string(to));
}

// Only a last entry that starts where the previous entry of its file ended,
// announces no more than one write holds and leaves its file ending inside
// its range is a crash, settled; any other is an alteration, reported, and
// nothing is cut. For each, `vantor verify`, what the next start told and
// logged, whether the journal was cut, what tickets.recup keeps and `vantor
// verify` after it: expected/Chain-last-lines.txt.
TEST(StartupCheck, OnlyALastEntryThatACrashCanLeaveIsSettled) {
    constexpr std::uint64_t kBillion = 1000000000;
    const std::string sale4 = "05.12.2026;14:00:00;Paul;3;0;Esp;2;0.165\r\n";
    const LastLine cases[] = {
        {"crash: a sale whose records never came",
         [&](std::uint64_t s) {
             return std::pair{SaleEntry(s, s + sale4.size()), std::string()};
         }},
        {"crash: a sale cut after 17 bytes",
         [&](std::uint64_t s) {
             return std::pair{SaleEntry(s, s + sale4.size()), sale4.substr(0, 17)};
         }},
        {"forged: from byte 0 over the journal and a billion bytes more",
         [&](std::uint64_t s) {
             return std::pair{SaleEntry(0, s + kBillion), std::string()};
         }},
        {"forged: from the journal's end, a billion bytes",
         [&](std::uint64_t s) {
             return std::pair{SaleEntry(s, s + kBillion), std::string()};
         }},
        {"forged: one byte more than one write can hold",
         [&](std::uint64_t s) {
             return std::pair{SaleEntry(s, s + kLongestChainedWrite + 1), std::string()};
         }},
        {"forged: inside the last sale",
         [&](std::uint64_t s) {
             return std::pair{SaleEntry(s - 20, s + 30), std::string()};
         }},
        {"forged: past the journal's end",
         [&](std::uint64_t s) {
             return std::pair{SaleEntry(s + 5, s + 60), std::string()};
         }},
        {"forged: a closure that Clotures.csv never held",
         [&](std::uint64_t) {
             return std::pair{Forged("6;C;3;Clotures.csv;100;250"), std::string()};
         }},
        {"forged: an event over the whole event log",
         [&](std::uint64_t) {
             return std::pair{Forged("6;E;0;Evenements.csv;0;900"), std::string()};
         }},
        {"forged: a whole range whose hash is wrong",
         [&](std::uint64_t s) {
             return std::pair{SaleEntry(s, s + sale4.size()), sale4};
         }},
        {"forged as a crash would leave it: taken for one",
         [&](std::uint64_t s) {
             return std::pair{SaleEntry(s, s + 100), std::string("05.12.2026;14:00:00;Paul;3")};
         }},
    };
    std::string told;
    for (const LastLine& row : cases) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        WriteDay(dir.Path());
        const auto [line, bytes] = row.make(kJournal.size());
        WriteRaw(dir / kChainFile, Slurp(dir / kChainFile) + line + "\r\n");
        WriteRaw(dir / kJournalFile, kJournal + bytes);
        const TillRun crashed = Verify(dir);
        const TillRun run = RunScript(dir.Path(), "clock 05.12.2026 15:00:00\nshow NumTicket\n");
        const std::string journal = Slurp(dir / kJournalFile);
        told += "== " + std::string(row.name) + "\n" + crashed.out + StartTold(dir, run) +
                (journal == kJournal + bytes
                     ? std::string("tickets.csv kept whole\n")
                     : "tickets.csv cut to " + std::to_string(journal.size()) + " bytes\n") +
                Cp1252ToUtf8(Slurp(dir / kRecoveryFile)) + Verify(dir).out;
    }
    EXPECT_EXPECTED("Chain-last-lines.txt", told);
}

// Folders where a forged last line was taken for a crash and given up (as an
// earlier version did): the entry given up is checked all the same.
TEST(StartupCheck, AGivenUpEntryThatNoCrashCouldLeaveIsAnAlteration) {
    const std::uint64_t s = kJournal.size();
    const struct {
        std::uint64_t start, end;
        const char* found;
    } cases[] = {
        {s, s + 1000000000,
         "Journal altéré : ligne 7 de tickets.csv : l'entrée 6 de tickets.chain annonce "
         "1000000000 octets, aucune écriture n'en contient autant"},
        {s + 5, s + 60,
         "Journal altéré : ligne 7 de tickets.csv : enregistrements absents de tickets.chain"},
        {s - 20, s + 30,
         "Journal altéré : ligne 7 de tickets.csv : l'entrée 6 de tickets.chain ne suit pas la "
         "précédente"},
    };
    for (const auto& row : cases) {
        TempDir dir;
        WriteDay(dir.Path());
        const std::string forged = SaleEntry(row.start, row.end);
        ChainEntry mark{7,         EntryKind::Interrupted, 6, kJournalFile,
                        row.start, std::max(row.start, s), ""};
        mark.hash = EntryHash(kChainOrigin, mark, "");
        WriteRaw(dir / kChainFile,
                 Slurp(dir / kChainFile) + forged + "\r\n" + FormatEntry(mark) + "\r\n");
        EXPECT_EQ(Check(dir), row.found) << forged;
    }
}

// `vantor verify`, then the start's message and the events it logged:
// expected/Chain-failed-check.txt.
TEST(StartupCheck, FailedCheckIsToldAndLoggedAndSellingGoesOn) {
    TempDir dir;
    WriteDay(dir.Path());
    const std::string altered = Replaced(kJournal, ";4;1;", ";5;1;");
    WriteRaw(dir / kJournalFile, altered);
    const TillRun verified = Verify(dir);
    EXPECT_EQ(verified.status, 1);
    const TillRun run = RunScript(dir.Path(), kSaleScript);
    EXPECT_EQ(Slurp(dir / kJournalFile), altered + kSaleRecords);
    EXPECT_EXPECTED("Chain-failed-check.txt", verified.out + StartTold(dir, run));
}

TEST(StartupCheck, VerifyCommandRefusesAMissingFolderAndUnknownArguments) {
    TempDir dir;
    const struct {
        std::vector<std::string> arguments;
        const char* error;
    } refused[] = {
        {{"verify", "--data-dir", dir / "absent"}, "Dossier de données introuvable"},
        {{"verify", "--data-dir", dir.Path(), "--du"}, "argument inconnu : --du"},
    };
    for (const auto& row : refused) {
        const TillRun run = RunVantor(row.arguments, "");
        EXPECT_EQ(run.status, 2) << row.error;
        EXPECT_NE(run.err.find(row.error), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace vantor::test
