// A sale's ticket lines (lignes.csv) chained with its records: the check
// locates any change to them as it does the journal's, and a crash between
// the two writes leaves both or neither once the start has settled it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/TextFile.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"
#include "ledger/Verify.h"
#include "support/ExpectedFile.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::vector<std::string> kLines1 = {
    "1;05.12.2026;12:04:09;Paul;Esp;;2;2;Café;7.00;0;",
    "1;05.12.2026;12:04:09;Paul;Esp;;2;1;Croque; maison;8.00;5;"};
const std::vector<std::string> kRecords1 = {"05.12.2026;12:04:09;Paul;7;0;Esp;2;0.385",
                                            "05.12.2026;12:04:09;Paul;8;5;Esp;2;0.44"};
const std::vector<std::string> kLines2 = {"2;05.12.2026;12:10:00;Marie;Cart;;2;1;Thé;3.50;0;"};
const std::vector<std::string> kRecords2 = {"05.12.2026;12:10:00;Marie;3.5;0;Cart;2;0.1925"};

void WriteSale(const std::string& dir, std::int64_t receipt, const std::vector<std::string>& lines,
               const std::vector<std::string>& records) {
    ChainedAppend(dir, {{kLinesFile, EntryKind::Lines, receipt, lines},
                        {kJournalFile, EntryKind::Sale, receipt, records}})
        .Finish();
}

// Two sales with their lines, then the start's event.
void WriteDay(const std::string& dir) {
    WriteSale(dir, 1, kLines1, kRecords1);
    WriteSale(dir, 2, kLines2, kRecords2);
    LogEvent(dir, {{2026, 12, 5}, {12, 30, 0}}, "Démarrage");
}

std::string Encoded(const std::vector<std::string>& lines) {
    return EncodeLines(lines);
}

std::string Replaced(std::string text, const std::string& what, const std::string& with) {
    const std::size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

using Alter = std::function<void(const TempDir&)>;

Alter LinesBecome(const std::string& bytes) {
    return [bytes](const TempDir& dir) { WriteRaw(dir / kLinesFile, bytes); };
}

// The report of each change: expected/Lines-alterations.txt.
TEST(SaleLines, EachChangeToTheLinesIsFoundAtItsLine) {
    const std::string all = Encoded(kLines1) + Encoded(kLines2);
    const std::pair<const char*, Alter> cases[] = {
        {"nothing changed", [](const TempDir&) {}},
        {"a label changed", LinesBecome(Replaced(all, "Croque; maison", "Croque; maisoN"))},
        {"an amount changed", LinesBecome(Replaced(all, ";3.50;", ";2.50;"))},
        {"a line removed", LinesBecome(Encoded({kLines1[0]}) + Encoded(kLines2))},
        {"a line added at the end", LinesBecome(all + Encoded({kLines2[0]}))},
        {"a line inserted", LinesBecome(Encoded(kLines1) + Encoded(kLines1) + Encoded(kLines2))},
        {"the last sale's lines cut, its records whole", LinesBecome(Encoded(kLines1))},
        {"the file removed", [](const TempDir& dir) { std::filesystem::remove(dir / kLinesFile); }},
        {"a line end taken off", LinesBecome(all.substr(0, all.size() - 2))},
    };
    std::string found;
    for (const auto& [name, alter] : cases) {
        TempDir dir;
        WriteDay(dir.Path());
        alter(dir);
        found += std::string(name) + "\n    " + CheckSummary(VerifyLedger(dir.Path())) + "\n";
    }
    EXPECT_EXPECTED("Lines-alterations.txt", found);
}

// What a crash leaves of the second sale (lines before records), what the
// check says of it, what the start does and what the files hold then:
// expected/Lines-interruptions.txt.
TEST(SaleLines, ACrashLeavesTheLinesAndTheRecordsTogether) {
    const std::string lines2 = Encoded(kLines2);
    const std::string records2 = EncodeLines(kRecords2);
    const struct {
        const char* name;
        std::size_t lines;    // bytes of the second sale's lines on disk
        std::size_t records;  // bytes of its records on disk
        bool chainCut;        // the sale's chain line half written
    } rows[] = {
        {"the chain written, nothing else", 0, 0, false},
        {"half the lines", lines2.size() / 2, 0, false},
        {"the lines whole, no record", lines2.size(), 0, false},
        {"the lines whole, half the records", lines2.size(), records2.size() / 2, false},
        {"everything written", lines2.size(), records2.size(), false},
        {"the sale's chain line cut after its lines' line", 0, 0, true},
    };
    std::string found;
    for (const auto& row : rows) {
        TempDir dir;
        WriteSale(dir.Path(), 1, kLines1, kRecords1);
        const std::string linesBefore = Slurp(dir / kLinesFile);
        const std::string journalBefore = Slurp(dir / kJournalFile);
        WriteSale(dir.Path(), 2, kLines2, kRecords2);
        // Back to what the crash left.
        WriteRaw(dir / kLinesFile, linesBefore + lines2.substr(0, row.lines));
        WriteRaw(dir / kJournalFile, journalBefore + records2.substr(0, row.records));
        if (row.chainCut) {
            const std::string chain = Slurp(dir / kChainFile);
            WriteRaw(dir / kChainFile, chain.substr(0, chain.size() - 40));
        }
        found += std::string(row.name) + "\n    " + CheckSummary(VerifyLedger(dir.Path()));
        const LedgerCheck killed = VerifyLedger(dir.Path());
        if (killed.interrupted) {
            found += " (écriture interrompue : " + InterruptedWhat(*killed.interrupted) + ")";
        }
        const std::optional<Interruption> settled = SettleInterruptedWrite(dir.Path());
        found += "\n    start: " + (settled ? InterruptedWhat(*settled) + ", " +
                                                  std::to_string(settled->cutBytes) + " bytes cut"
                                            : std::string("nothing to settle"));
        const LedgerCheck after = VerifyLedger(dir.Path());
        found += "\n    then: " + CheckSummary(after) + (after.interrupted ? " (interrupted)" : "");
        const bool lines = Slurp(dir / kLinesFile) != linesBefore;
        const bool records = Slurp(dir / kJournalFile) != journalBefore;
        found += std::string("\n    second sale: ") +
                 (lines && records   ? "lines and records"
                  : lines || records ? "HALF"
                                     : "none") +
                 "\n";
        std::vector<std::string> chain = ReadLines(dir / kChainFile);
        for (std::size_t i = 4; i < chain.size(); ++i) {
            found += "    " + chain[i].substr(0, chain[i].rfind(';')) + "\n";
        }
    }
    EXPECT_EXPECTED("Lines-interruptions.txt", found);
}

}  // namespace
}  // namespace vantor::test
