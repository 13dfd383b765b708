#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/DurableAppend.h"
#include "ledger/ChainEntry.h"

namespace vantor {

// Appends lines to a chained data file (tickets.csv, Evenements.csv,
// Clotures.csv) in the
// data folder: first the chain entry that announces them, flushed, then the
// lines in one write, flushed. A crash between the two leaves an entry whose
// bytes are missing or cut, which the next start recognises as interrupted.
// A write of more than kLongestChainedWrite bytes is refused. Throws
// FileError, the data file then being as it was.
void AppendChained(const std::string& dataPath, const std::string& file, EntryKind kind,
                   std::int64_t ref, const std::vector<std::string>& lines);

// What the chain has on its end for one file: the last entry naming it.
struct ChainEntryFound {
    bool readable = true;  // false: a line on the way back could not be read
    std::optional<ChainEntry> entry;
    std::uint64_t lineStart = 0;  // where the entry's line starts in tickets.chain
};
// The last entry of the chain naming file among the lines before offset
// before (a line start), read back from there.
ChainEntryFound LastEntryBefore(const std::string& chainPath, std::uint64_t before,
                                const std::string& file);
// Where the entry leaves its file's end: its end, or for an entry given up
// after a crash the start it was cut back to.
std::uint64_t FileEndAfter(const ChainEntry& entry);

// The chain's last entry is one that a crash can leave: it starts where the
// previous entry of its file left it, announces no more than one write
// holds, and its file ends inside its range. Anything else is an alteration.
bool LeftByACrash(const ChainEntry& last, std::uint64_t previousEnd, std::uint64_t fileSize);

// How far a reader of the data file may go: the end of the last write to it
// that the chain announces complete, so that a report made while a sale is
// being written (or after a crash cut one short) counts none of it. The
// chain is read before the file's size: a write begun in between is left
// out. Nothing when no chain covers the file, or when its end is not what a
// write or a crash leaves (an alteration, which the check reports): the
// file is then read whole.
std::optional<std::uint64_t> CompleteEnd(const std::string& dataPath, const std::string& file);

// The same append in its two steps, for a write whose entry must be known and
// durable before its lines are written (a sale's receipt, printed in between,
// shows the entry's code). Making it writes the chain entry, flushed; Finish
// writes the lines. Until then the entry is open, as a crash leaves one, so
// nothing else may be appended to the chain meanwhile; GiveUp (or the
// destructor) appends the Interrupted entry that a failed write gets.
// One file's part of a chained write.
struct ChainedPart {
    std::string file;
    EntryKind kind = EntryKind::Sale;
    std::int64_t ref = 0;
    std::vector<std::string> lines;
};

class ChainedAppend {
public:
    // Throws FileError, nothing being written then.
    ChainedAppend(const std::string& dataPath, const std::string& file, EntryKind kind,
                  std::int64_t ref, const std::vector<std::string>& lines);
    // A sale's lines and its records: both entries in one write of the chain,
    // then each file in the parts' order. Only a Lines part followed by its
    // Sale part is written so: the start settles the two as one.
    ChainedAppend(const std::string& dataPath, const std::vector<ChainedPart>& parts);
    ~ChainedAppend();
    ChainedAppend(const ChainedAppend&) = delete;
    ChainedAppend& operator=(const ChainedAppend&) = delete;

    // The last part's entry: the sale's.
    const ChainEntry& Entry() const { return writes_.back().entry; }
    // Throws FileError, the entries being given up then.
    void Finish();
    // Failures are left to the next write or start, which settle the entry.
    void GiveUp() noexcept;

private:
    struct Write {
        std::optional<DurableAppendFile> file;  // open from the entry to Finish
        std::string bytes;
        ChainEntry entry;
    };
    std::string dataPath_;
    std::vector<Write> writes_;
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
// the chain's last entry is one a crash left (LeftByACrash), its file is cut
// back to the entry's start and an Interrupted entry is appended. Cut bytes are kept in
// tickets.recup. Nothing is ever hashed anew from what is on disk.
std::optional<Interruption> SettleInterruptedWrite(const std::string& dataPath);

// Appends one entry to tickets.chain, flushed; the caller made it follow the
// chain's last entry.
void AppendChainEntry(const std::string& dataPath, const ChainEntry& entry);

// With no chain yet, starts it over the journal and the event log as they
// are (one Adoption entry each); returns the journal records so adopted, or
// nothing when a chain already existed. When the files show that they had a
// chain (restarted), the entries say so (ref 1), and one is written even
// over empty files: the check reports it from then on.
std::optional<std::uint64_t> AdoptUnchainedFiles(const std::string& dataPath,
                                                 bool restarted = false);

// The files of the data folder that the chain covers: a chain entry may
// name no other.
bool IsChainedFile(const std::string& file);

}  // namespace vantor
