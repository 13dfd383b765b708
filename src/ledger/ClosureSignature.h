#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// A closure line is signed by the shop's archive key: after its fields come
// the chain's head when it was written ("seq:hash", the entry just before
// the closure's own) and, last, the Ed25519 signature (128 hex digits) of
// every byte of the line before the ";" that precedes it. Older lines have
// neither, and whatever fields come before the head keep the signature valid.

// The line (UTF-8, as the files' lines are read and written) that the
// closure's fields and the head make, signed in its Windows-1252 bytes.
std::string SignedClosureLine(std::string_view fields, std::uint64_t headSeq,
                              std::string_view headHash, const std::string& seed);

// A line's parts: what the signature covers, the head it names and the
// signature (as bytes). Nothing for an unsigned line.
struct ClosureSignature {
    std::string_view covered;
    std::string_view fields;  // before the head
    std::uint64_t headSeq = 0;
    std::string_view headHash;
    std::string signature;
};
std::optional<ClosureSignature> SplitSignedClosure(std::string_view line);

// The fields before the head and signature of a signed line; the line itself
// when it is unsigned.
std::string_view ClosureFields(std::string_view line);

}  // namespace vantor
