#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ledger/ChainEntry.h"
#include "platform/DateTime.h"

namespace vantor {

// The members of a signed archive, in their order: the four data files
// (their lines of the period), the whole chain, the manifest and its signature.
inline constexpr const char* kManifestFile = "manifeste.txt";
inline constexpr const char* kSignatureFile = "signature.txt";
inline constexpr std::array<const char*, 4> kArchivedDataFiles = {kJournalFile, kEventFile,
                                                                  kClosureFile, kLinesFile};
inline constexpr std::array<const char*, 7> kArchiveMembers = {
    kJournalFile, kEventFile, kClosureFile, kLinesFile, kChainFile, kManifestFile, kSignatureFile};
// The archives written before the sales' lines were kept have no lines member:
// they are read all the same.
inline constexpr std::size_t kDataFilesWithoutLines = 3;

// Byte ranges [first, second) of a data file, in order: where the bytes of a
// member came from, written "0-120,300-410" in the manifest's `plages` line.
using ByteRanges = std::vector<std::pair<std::uint64_t, std::uint64_t>>;
std::string FormatRanges(const ByteRanges& ranges);
// Nothing unless the ranges are in order, apart and not empty.
std::optional<ByteRanges> ParseRanges(std::string_view text);

// The line (of a data file, as bytes) is dated in the period: its first
// field for the journal and the events, its second for the sales' lines, its
// first and last days for a closure.
bool LineInPeriod(const std::string& file, std::string_view line, const Date& du, const Date& au);

}  // namespace vantor
