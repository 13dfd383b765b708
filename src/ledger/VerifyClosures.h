#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ledger/ChainEntry.h"

namespace vantor {

// A closure line's entry in the chain, as the chain's reading found it.
struct ChainedClosure {
    ChainEntry entry;
    std::uint64_t line;     // its line of Clotures.csv
    std::uint64_t headSeq;  // the entry before it
    std::string headHash;
};

struct ClosureLinesCheck {
    std::string problem;  // "" when every line holds
    std::uint64_t signedClosures = 0;
};

// The lines of Clotures.csv that the entries cover: a signed line names the
// entry it follows and is signed by the folder's key; no unsigned line comes
// after a signed one. Checked once the chain has been found whole.
ClosureLinesCheck CheckClosureLines(const std::string& dataPath,
                                    const std::vector<ChainedClosure>& closures);

// "" when each day, month and year is closed once; otherwise the line of
// Clotures.csv that closes a period again, by itself or within a longer one.
std::string PeriodClosedTwice(const std::string& dataPath);

}  // namespace vantor
