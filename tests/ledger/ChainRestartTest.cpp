// A chain started again over files that had one: what survives the removal
// of tickets.chain tells it, at the start (critical box, event) and to
// `vantor verify` from then on; a journal of a version from before the chain
// is still adopted as it is.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "data/Cp1252.h"
#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ChainEntry.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"
#include "support/TestKey.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

const std::string kSaleOfTheFifth =
    "clock 05.12.2026 12:00:00\nclick Command1 2\nclick cmdPrint 0\nanswer no\n";
const std::string kStartNextDay = "clock 06.12.2026 09:00:00\n";

// A till that sold on the 5th and closed it at the start of the 6th.
struct UsedTill : HeadlessTill {
    UsedTill() {
        Write(kArchiveKeyFile, kTestArchiveKey);
        Run(kSaleOfTheFifth);
        Run(kStartNextDay);
    }
    void Remove(const std::string& name) const { fs::remove(*this / name); }
};

// The last line of a file.
std::string LastLine(const std::string& bytes) {
    const std::vector<std::string> lines = [&] {
        std::vector<std::string> all;
        for (std::size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            all.push_back(bytes.substr(start, end - start));
        }
        return all;
    }();
    return lines.empty() ? "" : Cp1252ToUtf8(lines.back());
}

// For each removal: the boxes of the next start, the event it logged before
// its start, and `vantor verify` then: expected/Chain-restarted.txt.
TEST(ChainRestart, ARemovedChainIsToldAtTheStartAndByVerifyNotAdopted) {
    const std::pair<const char*, std::function<void(const UsedTill&)>> cases[] = {
        {"tickets.chain removed", [](const UsedTill& till) { till.Remove(kChainFile); }},
        {"tickets.chain emptied", [](const UsedTill& till) { till.Write(kChainFile, ""); }},
        {"tickets.chain and the event log removed",
         [](const UsedTill& till) {
             till.Remove(kChainFile);
             till.Remove(kEventFile);
         }},
        {"tickets.chain, the event log and the closures removed",
         [](const UsedTill& till) {
             till.Remove(kChainFile);
             till.Remove(kEventFile);
             till.Remove(kClosureFile);
         }},
        // Nothing left tells of a chain: only the anchors that left the shop
        // (receipts, Z reports, archives, backups) do.
        {"tickets.chain, the event log, the closures and the key removed",
         [](const UsedTill& till) {
             till.Remove(kChainFile);
             till.Remove(kEventFile);
             till.Remove(kClosureFile);
             till.Remove(kArchiveKeyFile);
         }},
    };
    std::string found;
    for (const auto& [name, alter] : cases) {
        UsedTill till;
        alter(till);
        const TillRun started = till.Run(kStartNextDay);
        const std::string events = till.Read(kEventFile);
        const std::string beforeStart = events.substr(0, events.rfind("06.12.2026;9:00:00;D"));
        const TillRun verified = RunVantor({"verify", "--data-dir", till.Folder()}, "");
        found += "== " + std::string(name) + "\n" + Joined(Boxes(started)) + LastLine(beforeStart) +
                 "\n(" + std::to_string(verified.status) + ") " + verified.out;
    }
    EXPECT_EXPECTED("Chain-restarted.txt", found);
}

TEST(ChainRestart, AJournalOfAVersionBeforeTheChainIsStillAdopted) {
    HeadlessTill till;
    till.Write(kJournalFile, "04.12.2026;12:00:00;Nom;3.5;0;Esp;;0\r\n");
    const TillRun started = till.Run(kStartNextDay);
    EXPECT_TRUE(Boxes(started).empty()) << started.out;
    EXPECT_EQ(RunVantor({"verify", "--data-dir", till.Folder()}, "").status, 0);
    EXPECT_NE(till.Read(kEventFile).find("Journal cha\xEEn\xE9;1 enregistrements existants"),
              std::string::npos);
}

}  // namespace
}  // namespace vantor::test
