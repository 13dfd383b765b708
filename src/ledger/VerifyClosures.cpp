#include "ledger/VerifyClosures.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <string_view>

#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ClosureSignature.h"
#include "ledger/Closures.h"
#include "ledger/Ed25519.h"
#include "ledger/Ledger.h"

namespace vantor {

namespace {

// The folder's public key, read once: "" when it has none or it is unreadable.
std::string FolderPublicKey(const std::string& dataPath) {
    try {
        const std::optional<std::string> seed = LoadArchiveKey(dataPath);
        return seed ? ed25519::PublicKey(*seed) : "";
    } catch (const FileError&) {
        return "";
    }
}

// "" when the folder's key signed the line.
std::string SignatureProblem(const std::string& publicKey, const ClosureSignature& split) {
    if (publicKey.empty()) {
        return std::string("clôture signée, mais la clé d'archivage ") + kArchiveKeyFile +
               " est absente ou illisible";
    }
    return ed25519::Holds(publicKey, split.signature, split.covered)
               ? ""
               : "la signature de la clôture ne correspond pas à la clé d'archivage";
}

// The problem of one covered line, "" when it holds.
std::string LineProblem(const ChainedClosure& closure, const ClosureSignature& split,
                        std::optional<std::string>& publicKey, const std::string& dataPath) {
    if (split.headSeq != closure.headSeq || split.headHash != closure.headHash) {
        return "la clôture nomme l'entrée " + ShortChainCode(split.headSeq, split.headHash) +
               " de " + kChainFile + " mais suit l'entrée " +
               ShortChainCode(closure.headSeq, closure.headHash);
    }
    if (!publicKey) {
        publicKey = FolderPublicKey(dataPath);
    }
    return SignatureProblem(*publicKey, split);
}

}  // namespace

ClosureLinesCheck CheckClosureLines(const std::string& dataPath,
                                    const std::vector<ChainedClosure>& closures) {
    ClosureLinesCheck check;
    if (closures.empty()) {
        return check;
    }
    const std::string bytes = ReadBytes(JoinPath(dataPath, kClosureFile));
    std::optional<std::string> publicKey;
    bool seenSigned = false;
    for (const ChainedClosure& closure : closures) {
        std::string_view line = std::string_view(bytes).substr(
            closure.entry.start, closure.entry.end - closure.entry.start);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.remove_suffix(1);
        }
        const std::string where =
            "ligne " + std::to_string(closure.line) + " de " + kClosureFile + " : ";
        const std::optional<ClosureSignature> split = SplitSignedClosure(line);
        if (!split) {
            if (seenSigned) {
                check.problem = where + "clôture non signée après des clôtures signées";
                return check;
            }
            continue;
        }
        seenSigned = true;
        if (const std::string problem = LineProblem(closure, *split, publicKey, dataPath);
            !problem.empty()) {
            check.problem = where + problem;
            return check;
        }
        ++check.signedClosures;
    }
    return check;
}

std::string PeriodClosedTwice(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kClosureFile);
    if (!FileExists(path)) {
        return "";
    }
    static constexpr const char* kPeriods[] = {kClosureDay, kClosureMonth, kClosureYear};
    const auto key = [](std::size_t level, const Date& date) {
        return level == 0   ? date.year * 10000L + date.month * 100L + date.day
               : level == 1 ? date.year * 100L + date.month
                            : static_cast<long>(date.year);
    };
    std::map<std::pair<std::size_t, long>, std::uint64_t> closed;  // the line of each
    std::uint64_t number = 0;
    for (const std::string& line : ReadLines(path)) {
        ++number;
        const std::optional<Closure> closure = ParseClosure(line);
        const auto period = std::find(std::begin(kPeriods), std::end(kPeriods),
                                      closure ? closure->period : std::string());
        if (period == std::end(kPeriods)) {
            continue;
        }
        const auto level = static_cast<std::size_t>(period - std::begin(kPeriods));
        for (std::size_t above = level; above < std::size(kPeriods); ++above) {
            const auto earlier = closed.find({above, key(above, closure->debut)});
            if (earlier != closed.end()) {
                const std::string again = ClosedPeriodText(*period, closure->debut);
                const std::string within = ClosedPeriodText(kPeriods[above], closure->debut);
                const char* agreed = above == 1 ? "déjà clôturé" : "déjà clôturée";
                return "ligne " + std::to_string(number) + " de " + kClosureFile + " : " +
                       (above == level ? again + " est " + agreed
                                       : again + " est dans " + within + ", " + agreed) +
                       " (ligne " + std::to_string(earlier->second) + ")";
            }
        }
        closed.emplace(std::pair{level, key(level, closure->debut)}, number);
    }
    return "";
}

}  // namespace vantor
