// A scripted day of sales killed with SIGKILL at seeded random moments. After
// every kill the chain must never report tampering; the next start must
// succeed, leave whole sales only (the journal a run of the expected sales,
// byte for byte), no temporary file, and no receipt number used twice.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

#include "data/TextFile.h"
#include "ledger/Verify.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

using Clock = std::chrono::steady_clock;

// VANTOR_CRASH_LOOP_SECONDS gives a longer loop on demand (a few hundred runs).
std::chrono::seconds Budget() {
    const char* seconds = std::getenv("VANTOR_CRASH_LOOP_SECONDS");
    return std::chrono::seconds(seconds != nullptr ? std::atoi(seconds) : 40);
}
constexpr int kSalesPerRun = 15;
constexpr unsigned kSeed = 20261205;

// A mixed sale over two categories: four records per sale.
const std::string kMixedSaleScript =
    "click Command1 2\nclick Command1 66\nanswer \"8\"\nanswer \"Croque\"\n"
    "click cmdPrint 2\nanswer no\ntype txtEsp \"5.75\"\nclick cmdComplete\nclick cmdOK\n";

std::string DayScript() {
    std::string script = "clock 05.12.2026 12:04:09\n";
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
               const std::string& errors = "/dev/null") {
    const Clock::time_point start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open("/dev/null", O_WRONLY), 1);
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

TEST(CrashLoop, KilledCheckoutsLeaveWholeSalesAndNoFalseTampering) {
    TempDir dir;
    TempDir scripts;
    const std::string script = scripts / "day.txt";
    const std::string start = scripts / "start.txt";
    WriteRaw(script, DayScript());
    WriteRaw(start, "clock 05.12.2026 12:04:09\n");  // the same day: nothing to close
    const Clock::duration whole = RunAndKill(dir.Path(), script, std::chrono::hours(1)).lasted;
    const std::string day = Slurp(dir / kJournalFile);
    const std::string sale = day.substr(0, day.size() / kSalesPerRun);
    ASSERT_EQ(sale,
              "05.12.2026;12:04:09;Nom;1.75;0;Esp;;0\r\n05.12.2026;12:04:09;Nom;1.75;0;Cart;;0\r\n"
              "05.12.2026;12:04:09;Nom;4;5;Esp;;0\r\n05.12.2026;12:04:09;Nom;4;5;Cart;;0\r\n");

    std::mt19937 random(kSeed);
    std::uniform_int_distribution<long long> moment(0, whole.count());
    const Clock::time_point end = Clock::now() + Budget();
    int runs = 0;
    int interrupted = 0;
    for (; Clock::now() < end; ++runs) {
        RunAndKill(dir.Path(), script, Clock::duration(moment(random)));
        const LedgerCheck killed = VerifyLedger(dir.Path());
        ASSERT_TRUE(killed.intact) << "run " << runs << ": " << killed.problem;
        interrupted += killed.interrupted ? 1 : 0;

        const std::string errors = scripts / "start-errors.txt";
        ASSERT_EQ(RunAndKill(dir.Path(), start, std::chrono::hours(1), errors).status, 0)
            << "run " << runs << ": the till does not start again: " << Slurp(errors);
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
            EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << "run " << runs;
        }
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
    }
    RecordProperty("runs", runs);
    RecordProperty("interrupted", interrupted);
    std::cout << runs << " runs killed, " << interrupted << " interrupted writes found\n";
    EXPECT_GE(runs, 10);  // even on a slow (sanitized, loaded) build
}

}  // namespace
}  // namespace vantor::test
