#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ledger/ChainEntry.h"

namespace vantor {

// Appends lines to a chained data file (tickets.csv, Evenements.csv,
// Clotures.csv) in the
// data folder: first the chain entry that announces them, flushed, then the
// lines in one write, flushed. A crash between the two leaves an entry whose
// bytes are missing or cut, which the next start recognises as interrupted.
// Throws FileError, the data file then being as it was.
void AppendChained(const std::string& dataPath, const std::string& file, EntryKind kind,
                   std::int64_t ref, const std::vector<std::string>& lines);

// The same append in its two steps, for a write whose entry must be known and
// durable before its lines are written (a sale's receipt, printed in between,
// shows the entry's code). Making it writes the chain entry, flushed; Finish
// writes the lines. Until then the entry is open, as a crash leaves one, so
// nothing else may be appended to the chain meanwhile; GiveUp (or the
// destructor) appends the Interrupted entry that a failed write gets.
class ChainedAppend {
public:
    // Throws FileError, nothing being written then.
    ChainedAppend(const std::string& dataPath, const std::string& file, EntryKind kind,
                  std::int64_t ref, const std::vector<std::string>& lines);
    ~ChainedAppend();
    ChainedAppend(const ChainedAppend&) = delete;
    ChainedAppend& operator=(const ChainedAppend&) = delete;

    const ChainEntry& Entry() const { return entry_; }
    // Throws FileError, the entry being given up then.
    void Finish();
    // Failures are left to the next write or start, which settle the entry.
    void GiveUp() noexcept;

private:
    std::string dataPath_;
    std::string path_;
    std::string bytes_;
    ChainEntry entry_;
    bool open_ = true;
};

// The chain's last complete entry (its head); nothing when it has none.
std::optional<ChainEntry> LastChainEntry(const std::string& dataPath);

// A write that a crash cut short.
struct Interruption {
    EntryKind kind = EntryKind::Sale;
    std::int64_t ref = 0;  // the receipt number of a sale
    std::string file;
    std::uint64_t cutBytes = 0;  // kept in tickets.recup
};

// What a chain line cut by a crash still tells ("12;V;57;tic").
Interruption CutEntry(std::string_view line);

// Finishes what a crash left: a half-written chain line is cut off, and when
// the chain's last entry announces more bytes than its file holds (from the
// entry's start on), the file is cut back to that start and an Interrupted
// entry is appended. Cut bytes are kept in tickets.recup. Nothing is ever
// hashed anew from what is on disk.
std::optional<Interruption> SettleInterruptedWrite(const std::string& dataPath);

// With no chain yet, starts it over the journal and the event log as they
// are (one Adoption entry each); returns the journal records so adopted, or
// nothing when a chain already existed. When the files show that they had a
// chain (restarted), the entries say so (ref 1), and one is written even
// over empty files: the check reports it from then on.
std::optional<std::uint64_t> AdoptUnchainedFiles(const std::string& dataPath,
                                                 bool restarted = false);

}  // namespace vantor
