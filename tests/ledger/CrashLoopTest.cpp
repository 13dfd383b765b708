// A scripted day of sales killed with SIGKILL at seeded random moments. After
// every kill the chain must never report tampering, the start-up's settling
// must leave whole sales only, and the journal must stay a run of the
// expected sales, byte for byte.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "data/TextFile.h"
#include "ledger/LedgerStart.h"
#include "ledger/Verify.h"
#include "support/TempDir.h"

extern char** environ;

namespace vantor::test {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kMaxRuns = 300;
constexpr auto kBudget = std::chrono::seconds(40);
constexpr int kSalesPerRun = 15;
constexpr unsigned kSeed = 20261205;

// A mixed sale over two categories: four records per sale.
const std::string kSaleScript =
    "click Command1 2\nclick Command1 66\nanswer \"8\"\nanswer \"Croque\"\n"
    "click cmdPrint 2\nanswer no\ntype txtEsp \"5.75\"\nclick cmdComplete\nclick cmdOK\n";

std::string DayScript() {
    std::string script = "clock 05.12.2026 12:04:09\n";
    for (int i = 0; i < kSalesPerRun; ++i) {
        script += kSaleScript;
    }
    return script;
}

// Starts the till on the folder and kills it after delay (or lets it end
// when delay is longer than the run). Returns how long the run lasted.
Clock::duration RunAndKill(const std::string& dir, const std::string& script,
                           Clock::duration delay) {
    std::string exe = VANTOR_EXECUTABLE;
    std::vector<std::string> words = {exe, "--headless", "--data-dir", dir, "--script", script};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (Clock::now() - start >= delay) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return Clock::now() - start;
}

TEST(CrashLoop, KilledCheckoutsLeaveWholeSalesAndNoFalseTampering) {
    TempDir dir;
    TempDir scripts;
    const std::string script = scripts / "day.txt";
    WriteRaw(script, DayScript());
    const Clock::duration whole = RunAndKill(dir.Path(), script, std::chrono::hours(1));
    const std::string day = Slurp(dir / kJournalFile);
    const std::string sale = day.substr(0, day.size() / kSalesPerRun);
    ASSERT_EQ(sale,
              "05.12.2026;12:04:09;Nom;1.75;0;Esp;;0\r\n05.12.2026;12:04:09;Nom;1.75;0;Cart;;0\r\n"
              "05.12.2026;12:04:09;Nom;4;5;Esp;;0\r\n05.12.2026;12:04:09;Nom;4;5;Cart;;0\r\n");

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<long long> moment(0, whole.count());
    const Clock::time_point end = Clock::now() + kBudget;
    int runs = 0;
    int interrupted = 0;
    for (; runs < kMaxRuns && Clock::now() < end; ++runs) {
        RunAndKill(dir.Path(), script, Clock::duration(moment(random)));
        const LedgerCheck killed = VerifyLedger(dir.Path());
        ASSERT_TRUE(killed.intact) << "run " << runs << ": " << killed.problem;
        interrupted += killed.interrupted ? 1 : 0;

        OpenLedger(dir.Path(), DateTime{});
        const LedgerCheck settled = VerifyLedger(dir.Path());
        ASSERT_TRUE(settled.intact) << "run " << runs << ": " << settled.problem;
        ASSERT_FALSE(settled.interrupted) << "run " << runs;
        const std::string journal = Slurp(dir / kJournalFile);
        ASSERT_EQ(journal.size() % sale.size(), 0U) << "run " << runs;
        std::string expected;
        while (expected.size() < journal.size()) {
            expected += sale;
        }
        ASSERT_EQ(journal, expected) << "run " << runs;
    }
    RecordProperty("runs", runs);
    RecordProperty("interrupted", interrupted);
    std::cout << runs << " runs killed, " << interrupted << " interrupted writes found\n";
    EXPECT_GE(runs, 10);  // even on a slow (sanitized, loaded) build
}

}  // namespace
}  // namespace vantor::test
