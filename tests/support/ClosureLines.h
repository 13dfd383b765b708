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

// An unsigned closure line of one sale of 3.50 (VAT 0.35) closed at the
// end of its last day.
inline std::string ClosureOf(const std::string& period, const std::string& debut,
                             const std::string& fin) {
    return period + ";" + debut + ";" + fin + ";1;1;1;3.5;0;0;0.35;0;3.5;3.5;3.5;" + fin +
           ";23:00:00";
}

}  // namespace vantor::test
