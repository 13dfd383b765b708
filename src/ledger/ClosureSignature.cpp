#include "ledger/ClosureSignature.h"

#include <charconv>

#include "data/Cp1252.h"
#include "ledger/ChainEntry.h"
#include "ledger/Ed25519.h"
#include "ledger/Hex.h"

namespace vantor {

namespace {

constexpr std::size_t kSignatureDigits = 128;

}  // namespace

std::string SignedClosureLine(std::string_view fields, std::uint64_t headSeq,
                              std::string_view headHash, const std::string& seed) {
    const std::string covered =
        std::string(fields) + ";" + std::to_string(headSeq) + ":" + std::string(headHash);
    return covered + ";" + ToHex(ed25519::Sign(seed, Utf8ToCp1252(covered)));
}

std::optional<ClosureSignature> SplitSignedClosure(std::string_view line) {
    const std::size_t last = line.rfind(';');
    if (last == std::string_view::npos || last == 0) {
        return std::nullopt;
    }
    const std::size_t before = line.rfind(';', last - 1);
    if (before == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view head = line.substr(before + 1, last - before - 1);
    const std::size_t colon = head.find(':');
    std::optional<std::string> signature = FromHex(line.substr(last + 1));
    ClosureSignature split;
    if (!signature || line.size() - last - 1 != kSignatureDigits ||
        colon == std::string_view::npos || head.size() - colon - 1 != kChainOrigin.size() ||
        !IsLowerHex(head.substr(colon + 1))) {
        return std::nullopt;
    }
    const char* end = head.data() + colon;
    auto [stop, error] = std::from_chars(head.data(), end, split.headSeq);
    if (colon == 0 || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    split.covered = line.substr(0, last);
    split.fields = line.substr(0, before);
    split.headHash = head.substr(colon + 1);
    split.signature = std::move(*signature);
    return split;
}

std::string_view ClosureFields(std::string_view line) {
    const std::optional<ClosureSignature> split = SplitSignedClosure(line);
    return split ? split->fields : line;
}

}  // namespace vantor
