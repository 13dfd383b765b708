// Tools of the chain benchmarks.
//   chain-tool append DIR COUNT   appends one sale's records COUNT times as the
//                                 till did before the chain (one durable
//                                 append) and as it does now (chain entry, then
//                                 records), and prints the mean milliseconds
//                                 of each and their ratio
//   chain-tool chain DIR LINES    writes tickets.chain over the journal of DIR
//                                 as if every LINES records had been one sale
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "data/DurableAppend.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Ledger.h"

namespace {

using namespace vantor;

const std::vector<std::string> kSale = {
    "05.12.2026;12:04:09;Paul;4.2;0;Esp;2;0.231", "05.12.2026;12:04:09;Paul;2.8;0;Cart;2;0.154",
    "05.12.2026;12:04:09;Paul;4.8;5;Esp;2;0.264", "05.12.2026;12:04:09;Paul;3.2;5;Cart;2;0.176"};

template <typename Append>
double MeanMilliseconds(long count, Append append) {
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < count; ++i) {
        append(i);
    }
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / static_cast<double>(count);
}

int Append(const std::string& dir, long count) {
    const std::string plainDir = JoinPath(dir, "plain");
    const std::string chainDir = JoinPath(dir, "chain");
    const std::string bytes = EncodeLines(kSale);
    const std::string plainJournal = JoinPath(plainDir, kJournalFile);
    const double plain =
        MeanMilliseconds(count, [&](long) { AppendFileDurable(plainJournal, bytes); });
    const double chained = MeanMilliseconds(count, [&](long i) {
        AppendChained(chainDir, kJournalFile, EntryKind::Sale, i + 1, kSale);
    });
    std::printf("one durable append %.3f ms, chained sale %.3f ms, ratio %.2f\n", plain, chained,
                chained / plain);
    return 0;
}

int Chain(const std::string& dir, long lines) {
    std::ifstream journal(JoinPath(dir, kJournalFile), std::ios::binary);
    std::ofstream chain(JoinPath(dir, kChainFile), std::ios::binary);
    ChainEntry entry;
    entry.hash = kChainOrigin;
    std::string bytes;
    std::string line;
    long inSale = 0;
    const auto flush = [&] {
        const std::string previous = entry.hash;
        entry = ChainEntry{entry.seq + 1,
                           EntryKind::Sale,
                           static_cast<std::int64_t>(entry.seq + 1),
                           kJournalFile,
                           entry.end,
                           entry.end + bytes.size(),
                           ""};
        entry.hash = EntryHash(previous, entry, bytes);
        chain << FormatEntry(entry) << "\r\n";
        bytes.clear();
        inSale = 0;
    };
    while (std::getline(journal, line)) {
        bytes += line + "\n";
        if (++inSale == lines) {
            flush();
        }
    }
    if (!bytes.empty()) {
        flush();
    }
    return chain ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc == 4 ? argv[1] : "";
    const long number = argc == 4 ? std::strtol(argv[3], nullptr, 10) : 0;
    if (number <= 0 || (mode != "append" && mode != "chain")) {
        std::fprintf(stderr, "usage: chain-tool append DIR COUNT | chain DIR LINES\n");
        return 2;
    }
    return mode == "append" ? Append(argv[2], number) : Chain(argv[2], number);
}
