#include "ledger/ChainRestart.h"

#include <algorithm>
#include <vector>

#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ChainEntry.h"
#include "ledger/ClosureSignature.h"

namespace vantor {

namespace {

std::string Count(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The latest head the signed closures name: the old chain was that long.
std::string NamedHead(const std::vector<std::string>& closures) {
    for (auto line = closures.rbegin(); line != closures.rend(); ++line) {
        if (const std::optional<ClosureSignature> split = SplitSignedClosure(*line)) {
            return ", la dernière signée suivant l'entrée " +
                   ShortChainCode(split->headSeq, split->headHash);
        }
    }
    return "";
}

}  // namespace

std::string EarlierChainEvidence(const std::string& dataPath) {
    std::vector<std::string> found;
    const std::string events = JoinPath(dataPath, kEventFile);
    if (FileSize(events) > 0) {
        found.push_back(std::string(kEventFile) + " a déjà " +
                        Count(ReadLines(events).size(), "ligne", "lignes"));
    }
    const std::string closures = JoinPath(dataPath, kClosureFile);
    if (FileSize(closures) > 0) {
        const std::vector<std::string> lines = ReadLines(closures);
        found.push_back(std::string(kClosureFile) + " a déjà " +
                        Count(lines.size(), "clôture", "clôtures") + NamedHead(lines));
    }
    const std::string lines = JoinPath(dataPath, kLinesFile);
    if (FileSize(lines) > 0) {
        found.push_back(std::string(kLinesFile) + " a déjà " +
                        Count(ReadLines(lines).size(), "ligne", "lignes"));
    }
    if (FileExists(JoinPath(dataPath, kRecoveryFile))) {
        found.push_back(std::string(kRecoveryFile) + " existe");
    }
    if (FileExists(JoinPath(dataPath, kArchiveKeyFile)) &&
        FileSize(JoinPath(dataPath, kJournalFile)) > 0) {
        found.push_back(std::string("la clé d'archivage ") + kArchiveKeyFile + " existe");
    }
    std::string text;
    for (const std::string& item : found) {
        text += (text.empty() ? "" : ", ") + item;
    }
    return text;
}

}  // namespace vantor
