// `vantor verify --contre`: the local chain against a code read off a receipt
// or a Z report, an earlier signed archive and a backup. History rewritten
// with a consistent chain, a chain started again, a journal cut back and a
// key replaced pass the local check but not the anchors.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "HistoryRewrite.h"
#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/Ed25519.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"
#include "support/RunTill.h"
#include "support/TempDir.h"
#include "support/TestKey.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

const DateTime kStartOfDay{Date{2026, 12, 5}, TimeOfDay{12, 0, 0}};

void AnchoredSale(const std::string& dir, std::int64_t receipt, const std::string& amount) {
    AppendChained(dir, kJournalFile, EntryKind::Sale, receipt,
                  {"05.12.2026;12:00:00;Paul;" + amount + ";0;Esp;1;0.1"});
}

// The code of an entry as a receipt prints it.
std::string CodeOf(const std::string& dir, std::uint64_t seq) {
    const std::vector<std::string> lines = ReadLines(JoinPath(dir, kChainFile));
    const std::optional<ChainEntry> entry = ParseEntry(lines.at(seq - 1));
    return ShortChainCode(entry->seq, entry->hash);
}

// A folder of three sales and an event, its backup and its archive, and two
// more sales after them.
struct AnchoredFolder {
    TempDir data;
    TempDir outside;
    std::string code;  // of the second sale
    std::string archive;
    std::string backup;

    AnchoredFolder() {
        WriteRaw(data / kArchiveKeyFile, kTestArchiveKey);
        LogEvent(data.Path(), kStartOfDay, "Démarrage");
        AnchoredSale(data.Path(), 1, "3.5");
        AnchoredSale(data.Path(), 2, "8");
        AnchoredSale(data.Path(), 3, "2.5");
        code = CodeOf(data.Path(), 3);
        backup = outside / "sauvegarde";
        fs::copy(data.Path(), backup);
        archive = outside / "decembre.tar";
        EXPECT_EQ(RunVantor({"archive", "--du", "01.12.2026", "--au", "31.12.2026", "--data-dir",
                             data.Path(), "--out", archive},
                            "")
                      .status,
                  0);
        AnchoredSale(data.Path(), 4, "4");
        AnchoredSale(data.Path(), 5, "1.2");
    }

    // verify against the three anchors, the paths made short.
    std::string Verify() const {
        const TillRun run = RunVantor({"verify", "--data-dir", data.Path(), "--contre", code,
                                       "--contre", archive, "--contre", backup},
                                      "");
        std::string out = run.out;
        for (const std::string& path : {archive, backup}) {
            for (std::size_t at; (at = out.find(path)) != std::string::npos;) {
                out.replace(at, path.size(), fs::path(path).filename().string());
            }
        }
        return "(" + std::to_string(run.status) + ")\n" + out;
    }
};

std::string Substituted(std::string text, const std::string& what, const std::string& with) {
    const std::size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at == std::string::npos ? text : text.replace(at, what.size(), with);
}

// Every line of the journal changed by edit, the chain written anew.
void JournalRewritten(const std::string& dir, const std::string& what, const std::string& with) {
    RewriteHistory(dir, [&] {
        const std::string path = JoinPath(dir, kJournalFile);
        WriteRaw(path, Substituted(Slurp(path), what, with));
    });
}

// The first count lines of a file.
void CutTo(const std::string& path, std::size_t count) {
    const std::string bytes = Slurp(path);
    std::size_t at = 0;
    for (std::size_t i = 0; i < count; ++i) {
        at = bytes.find('\n', at) + 1;
    }
    WriteRaw(path, bytes.substr(0, at));
}

// What verify tells of each: expected/Anchors.txt.
TEST(Anchors, ARewrittenHistoryPassesTheLocalCheckButNotTheAnchors) {
    const std::pair<const char*, std::function<void(const std::string&)>> cases[] = {
        {"nothing changed", [](const std::string&) {}},
        {"the first sale's amount changed, the chain written anew",
         [](const std::string& dir) { JournalRewritten(dir, "Paul;3.5;", "Paul;2.5;"); }},
        {"the fourth sale's amount changed, the chain written anew",
         [](const std::string& dir) { JournalRewritten(dir, "Paul;4;", "Paul;3;"); }},
        {"the chain removed and started again over the files",
         [](const std::string& dir) {
             fs::remove(JoinPath(dir, kChainFile));
             AdoptUnchainedFiles(dir);
         }},
        {"the last three sales cut off, journal and chain alike",
         [](const std::string& dir) {
             CutTo(JoinPath(dir, kJournalFile), 2);
             CutTo(JoinPath(dir, kChainFile), 3);
         }},
        {"the key replaced",
         [](const std::string& dir) {
             WriteRaw(JoinPath(dir, kArchiveKeyFile), ed25519::ToPem(std::string(32, '\x07')));
         }},
    };
    std::string found;
    for (const auto& [name, alter] : cases) {
        AnchoredFolder folder;
        alter(folder.data.Path());
        found += "== " + std::string(name) + " " + folder.Verify();
    }
    EXPECT_EXPECTED("Anchors.txt", found);
}

TEST(Anchors, AnAnchorThatIsNoneIsRefused) {
    TempDir dir;
    LogEvent(dir.Path(), kStartOfDay, "Démarrage");
    WriteRaw(dir / "vide.tar", "");
    const struct {
        std::vector<std::string> arguments;
        int status;
        const char* said;
    } cases[] = {
        {{"--contre", "1:1e6187cc"},
         1,
         "Non conforme à 1:1e6187cc : l'entrée 1 de tickets.chain a le code"},
        {{"--contre", "1:ABCDEF0"}, 2, "de 8 à 64 chiffres hexadécimaux"},
        {{"--contre", "0:abcdef01"}, 2, "numéro d'entrée invalide"},
        {{"--contre", "2:abcdef01"},
         1,
         "Non conforme à 2:abcdef01 : tickets.chain s'arrête à l'entrée 1"},
        {{"--contre", dir / "absente"}, 2, "ancre introuvable"},
        {{"--contre", dir / "vide.tar"},
         1,
         "Archive altérée : ce n'est pas une archive tar lisible"},
        {{"--contre", dir.Path()}, 0, "Conforme à la sauvegarde"},
        {{"--contre"}, 2, "valeur manquante après --contre"},
    };
    for (const auto& row : cases) {
        std::vector<std::string> arguments = {"verify", "--data-dir", dir.Path()};
        arguments.insert(arguments.end(), row.arguments.begin(), row.arguments.end());
        const TillRun run = RunVantor(arguments, "");
        EXPECT_EQ(run.status, row.status) << row.said << run.out << run.err;
        EXPECT_NE((run.out + run.err).find(row.said), std::string::npos) << run.out << run.err;
    }
    const TillRun archive = RunVantor({"verify", dir / "vide.tar", "--contre", "1:abcdef01"}, "");
    EXPECT_EQ(archive.status, 2);
}

// The head a Z report prints, read off the paper as a person would, is an
// anchor the folder agrees with.
TEST(Anchors, TheHeadPrintedOnTheZReportIsAnAnchor) {
    HeadlessTill till;
    const TillRun run = till.Run(
        "clock 05.12.2026 12:00:00\nclick Command1 2\nclick cmdPrint 0\nanswer no\n"
        "click optPrint 2\nclick cmdCloture\nanswer yes\n");
    const std::vector<std::string> printed = LinesStartingWith(run.out, "print text");
    std::string code;
    for (std::size_t i = 0; i + 2 < printed.size(); ++i) {
        const std::string head = "Chaîne : entrée ";
        if (const std::size_t at = printed[i].find(head); at != std::string::npos) {
            const auto digits = [&](std::size_t line) {
                const std::string& text = printed[line];
                return text.substr(text.size() - 33, 32);
            };
            const std::size_t from = at + head.size();
            const std::string seq = printed[i].substr(from, printed[i].size() - from - 1);
            code = seq + ":" + digits(i + 1) + digits(i + 2);
        }
    }
    ASSERT_EQ(code.size(), code.find(':') + 65) << run.out;
    const TillRun verified =
        RunVantor({"verify", "--data-dir", till.Folder(), "--contre", code}, "");
    EXPECT_EQ(verified.status, 0) << code << verified.out << verified.err;
    EXPECT_NE(verified.out.find("Conforme à " + code), std::string::npos) << verified.out;
}

}  // namespace
}  // namespace vantor::test
