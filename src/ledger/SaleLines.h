#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ledger/ChainEntry.h"

namespace vantor {

// A sale's ticket lines (lignes.csv) and its records (tickets.csv) are
// announced by two entries in one write of the chain, the Lines entry first,
// then written in that order: the start settles the two as one, so that a
// crash leaves both or neither.

// An entry and where its line starts in tickets.chain.
struct ChainEntryAt {
    ChainEntry entry;
    std::uint64_t lineStart = 0;
};

// The entry on the chain line right before the one starting at lineStart.
std::optional<ChainEntryAt> EntryBefore(const std::string& chainPath, std::uint64_t lineStart);

// The Lines entry that goes with the sale entry starting at saleLineStart:
// the entry right before it, of the same receipt.
std::optional<ChainEntryAt> LinesOfSale(const std::string& chainPath, std::uint64_t saleLineStart,
                                        const ChainEntry& sale);

// The Lines entry of a pair whose sale the chain's last entry (an
// Interrupted one, starting at lastStart) gave up, the lines not given up
// yet: a start killed between the two marks.
std::optional<ChainEntryAt> LinesLeftOpen(const std::string& chainPath, const ChainEntry& last,
                                          std::uint64_t lastStart);

// lignes.csv holds no more than the entry announced and starts it where
// the previous lines ended: what a crash leaves of lines written before
// their sale's records.
bool LinesCutByACrash(const std::string& dataPath, const ChainEntryAt& lines);

// Cuts lignes.csv back to the entry's start, the cut bytes kept in
// tickets.recup; returns how many were cut.
std::uint64_t CutLinesBack(const std::string& dataPath, const ChainEntry& lines);

// The Interrupted entry seq that gives up entry, its file being size bytes
// long before the cut.
ChainEntry GivingUp(const ChainEntry& entry, std::uint64_t size, const std::string& previousHash,
                    std::uint64_t seq);

// The entry of the records of sale numero (whose code its receipt printed):
// the chain's last sale entry of the number, a number being never given
// twice; nothing when the chain has none.
std::optional<ChainEntry> SaleEntryOf(const std::string& dataPath, std::int64_t numero);

// Keeps bytes taken out of a file in tickets.recup, with a line saying where they were.
void KeepCutBytes(const std::string& dataPath, const std::string& file, std::uint64_t offset,
                  const std::string& bytes);

}  // namespace vantor
