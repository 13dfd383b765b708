// Signed closure lines, checked by `vantor verify`: each alteration of a
// closure, of its signature or of the key is found even when the chain was
// written anew over it; older unsigned lines are told as such.
#include <gtest/gtest.h>

#include <functional>

#include "HistoryRewrite.h"
#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ClosureSignature.h"
#include "ledger/Closures.h"
#include "ledger/Ed25519.h"
#include "ledger/Ledger.h"
#include "reports/Clotures.h"
#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"
#include "support/TestKey.h"

namespace vantor::test {
namespace {

const DateTime kNextMorning{Date{2026, 12, 7}, TimeOfDay{9, 0, 0}};

// Two days of one sale each, closed the next morning by the test key.
void TwoClosedDays(const std::string& dir) {
    WriteRaw(JoinPath(dir, kArchiveKeyFile), kTestArchiveKey);
    AppendChained(dir, kJournalFile, EntryKind::Sale, 1,
                  {"05.12.2026;12:00:00;Paul;3.5;0;Esp;1;0.35"});
    AppendChained(dir, kJournalFile, EntryKind::Sale, 2,
                  {"06.12.2026;12:00:00;Paul;8;0;Cart;1;0.8"});
    Cloturer(dir, kNextMorning, false, [](const FarDate&) { return true; });
}

std::string Edited(std::string text, const std::string& what, const std::string& with) {
    const std::size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

// The line with the entry number of its head (the field before the
// signature) replaced by seq.
std::string WithHeadSequence(std::string line, const std::string& seq) {
    const std::size_t signature = line.rfind(';');
    const std::size_t head = line.rfind(';', signature - 1) + 1;
    return line.replace(head, line.find(':', head) - head, seq);
}

// The closure file with each line changed by edit.
std::function<void()> EachClosure(
    const std::string& dir, const std::function<std::string(std::size_t, std::string)>& edit) {
    return [dir, edit] {
        std::vector<std::string> lines = ReadLines(JoinPath(dir, kClosureFile));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            lines[i] = edit(i, lines[i]);
        }
        WriteRaw(JoinPath(dir, kClosureFile), EncodeLines(lines));
    };
}

std::vector<std::string> ReadLinesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

std::string WithoutSignature(const std::string& line) {
    return std::string(ClosureFields(line));
}

using AlterFolder = std::function<void(const std::string& dir)>;

// verify's report of each: expected/Closure-signatures.txt.
TEST(ClosureSignatures, EachAlterationIsFoundEvenUnderAChainWrittenAnew) {
    const std::pair<const char*, AlterFolder> cases[] = {
        {"nothing changed", [](const std::string&) {}},
        {"an amount changed, the chain written anew",
         [](const std::string& dir) {
             RewriteHistory(dir, EachClosure(dir, [](std::size_t i, std::string line) {
                                return i == 0 ? Edited(line, ";3.5;0;", ";2.5;0;") : line;
                            }));
         }},
        {"the last signature taken off, the chain written anew",
         [](const std::string& dir) {
             RewriteHistory(dir, EachClosure(dir, [](std::size_t i, std::string line) {
                                return i == 1 ? WithoutSignature(line) : line;
                            }));
         }},
        // Every signature gone, the closures look older than signing: only
        // the Z reports and the archives that left the shop tell otherwise.
        {"every signature taken off, the chain written anew",
         [](const std::string& dir) {
             RewriteHistory(dir, EachClosure(dir, [](std::size_t, std::string line) {
                                return WithoutSignature(line);
                            }));
         }},
        {"the head a closure names changed, the chain written anew",
         [](const std::string& dir) {
             RewriteHistory(dir, EachClosure(dir, [](std::size_t i, std::string line) {
                                return i == 1 ? WithHeadSequence(line, "1") : line;
                            }));
         }},
        {"the key replaced by another",
         [](const std::string& dir) {
             WriteRaw(JoinPath(dir, kArchiveKeyFile), ed25519::ToPem(ed25519::NewSeed()));
         }},
        {"the key removed",
         [](const std::string& dir) { std::remove(JoinPath(dir, kArchiveKeyFile).c_str()); }},
    };
    std::string found;
    for (const auto& [name, alter] : cases) {
        TempDir dir;
        TwoClosedDays(dir.Path());
        alter(dir.Path());
        const TillRun run = RunVantor({"verify", "--data-dir", dir.Path()}, "");
        found += std::string(name) + "\n    (" + std::to_string(run.status) + ")";
        for (const std::string& line : ReadLinesOf(run.out)) {
            found += " " + line + "\n   ";
        }
        found.resize(found.size() - 3);
    }
    EXPECT_EXPECTED("Closure-signatures.txt", found);
}

TEST(ClosureSignatures, OlderUnsignedClosuresAreToldAsSuch) {
    TempDir dir;
    Closure older;
    older.debut = older.fin = Date{2026, 12, 4};
    older.made = kNextMorning;
    AppendChained(dir.Path(), kClosureFile, EntryKind::Closure, 0, {FormatClosure(older)});
    TwoClosedDays(dir.Path());
    const TillRun run = RunVantor({"verify", "--data-dir", dir.Path()}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Journal intact : 2 enregistrements, 3 clôtures\n"
              "Clôtures signées : 2 sur 3 (1 non signée, antérieure à la signature des "
              "clôtures)\n");
}

}  // namespace
}  // namespace vantor::test
