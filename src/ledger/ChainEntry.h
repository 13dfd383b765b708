#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr const char* kJournalFile = "tickets.csv";
inline constexpr const char* kChainFile = "tickets.chain";
inline constexpr const char* kEventFile = "Evenements.csv";
inline constexpr const char* kClosureFile = "Clotures.csv";
inline constexpr const char* kRecoveryFile = "tickets.recup";
// Each recorded sale's ticket lines as printed, beside its records.
inline constexpr const char* kLinesFile = "lignes.csv";
// The most one chained write holds: a sale of 16 records (8 categories paid
// in two parts) of at most 64 KiB each, the longest line the reports read.
// An entry announcing more was not written by the till.
inline constexpr std::uint64_t kLongestChainedWrite = 16u << 16;
// The hash that the first entry of a chain follows.
inline const std::string kChainOrigin(64, '0');

// What an entry of the chain covers.
enum class EntryKind : char {
    Sale = 'V',         // the records of one sale in tickets.csv; ref is its receipt number
    Movement = 'M',     // one cash movement in tickets.csv
    Event = 'E',        // one line of Evenements.csv
    Closure = 'C',      // one line of Clotures.csv
    Adoption = 'A',     // what a file held when its chain was started
    Interrupted = 'I',  // the entry ref was cut short by a crash: its bytes were taken out
    // the ticket lines of one sale in lignes.csv, ref its receipt number; the
    // sale's own entry follows it, both written in one write of the chain
    Lines = 'L',
};

// One line of tickets.chain: "seq;kind;ref;file;start;end;hash". The entry
// covers the bytes [start, end) of the data file; hash is the SHA-256 of the
// previous entry's hash, the entry's other fields and those bytes.
struct ChainEntry {
    std::uint64_t seq = 0;
    EntryKind kind = EntryKind::Sale;
    std::int64_t ref = 0;
    std::string file;
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    std::string hash;
};

// The fields before the hash, as they are hashed and written.
std::string EntryFields(const ChainEntry& entry);
// The whole line, without its line end.
std::string FormatEntry(const ChainEntry& entry);
std::optional<ChainEntry> ParseEntry(std::string_view line);

// The complete lines of a chain file's text, parsed (a last line without its
// line end, cut by a crash, is left out); nothing when a line is unreadable,
// line then being its number.
std::optional<std::vector<ChainEntry>> ParseChain(std::string_view text, std::uint64_t& line);
// The seqs of the entries that an Interrupted entry gives up: their bytes are
// not in their file.
std::set<std::uint64_t> GivenUpEntries(const std::vector<ChainEntry>& entries);

class Sha256;
// Starts the entry's hash: what follows is the bytes it covers.
void StartEntryHash(Sha256& hash, const std::string& previous, const ChainEntry& entry);
// The same from the fields as a chain line holds them (the text before the
// hash): what the writer hashed, without writing them anew.
void StartEntryHash(Sha256& hash, std::string_view previous, std::string_view fields);
// The hash of an entry over bytes held in memory.
std::string EntryHash(const std::string& previous, const ChainEntry& entry, std::string_view bytes);

// The entry's number and the first 12 hex digits of its hash, "1234:9f3a6c0b12ab": short
// enough to be printed on a receipt and typed back, long enough that no rewritten chain
// can be made to match it.
std::string ShortChainCode(std::uint64_t seq, std::string_view hash);

}  // namespace vantor
