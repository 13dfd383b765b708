#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantor {

// Checks of the local chain against what left the computer: a code read off
// a receipt or a Z report, an earlier signed archive, a backup (a copy of the
// data folder). The local tickets.chain must hold the anchor's entries as
// they were; a rewritten history shows as the first entry that differs.

// What a check found: "Conforme à …" or "Non conforme à … : …".
struct AnchorCheck {
    bool agrees = false;
    std::string text;
};

// A code "1234:9f3a1b2c…": an entry's number and the first (at least 8, at
// most 64) hexadecimal digits of its hash, in either case.
struct ChainCode {
    std::uint64_t seq = 0;
    std::string hash;  // the digits given, in lower case
};
// Nothing when the text does not have that form; why in `why` when it has
// it but is too short or too long.
std::optional<ChainCode> ParseChainCode(const std::string& text, std::string& why);

AnchorCheck CheckAgainstCode(const std::string& dataPath, const ChainCode& code);
// The archive is checked alone first; then its chain against the local one,
// and its key against the folder's.
AnchorCheck CheckAgainstArchive(const std::string& dataPath, const std::string& archive);
// The backup folder is checked first; then its chain against the local one.
AnchorCheck CheckAgainstBackup(const std::string& dataPath, const std::string& backup);

}  // namespace vantor
