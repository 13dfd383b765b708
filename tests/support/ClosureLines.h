#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ledger/ClosureSignature.h"

namespace vantor::test {

// The lines of Clotures.csv bytes (a last line without its line end
// included), each without the chain's head and the signature that end a
// signed line: what a closing writes whatever key signs it and whatever
// entries the chain holds before it.
inline std::vector<std::string> UnsignedClosures(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", start);
        const std::string_view line = std::string_view(bytes).substr(
            start, (end == std::string::npos ? bytes.size() : end) - start);
        lines.emplace_back(ClosureFields(line));
        start = end == std::string::npos ? bytes.size() : end + 2;
    }
    return lines;
}

}  // namespace vantor::test
