#include "ledger/Anchors.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "data/TextFile.h"
#include "ledger/Archive.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ChainEntry.h"
#include "ledger/Ed25519.h"
#include "ledger/Hex.h"
#include "ledger/Verify.h"

namespace vantor {

namespace {

constexpr std::size_t kShortestCode = 8;

// The entries of a chain's text, or why it cannot be read.
struct Chain {
    std::vector<ChainEntry> entries;
    std::string problem;
};

Chain ReadChainText(const std::string& text) {
    std::uint64_t line = 0;
    std::optional<std::vector<ChainEntry>> entries = ParseChain(text, line);
    if (!entries) {
        return {{}, "ligne " + std::to_string(line) + " de " + kChainFile + " illisible"};
    }
    return {std::move(*entries), ""};
}

Chain LocalChain(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kChainFile);
    return ReadChainText(FileExists(path) ? ReadBytes(path) : "");
}

std::string Code(const ChainEntry& entry) {
    return ShortChainCode(entry.seq, entry.hash);
}

AnchorCheck Disagrees(const std::string& anchor, const std::string& why) {
    return {false, "Non conforme à " + anchor + " : " + why};
}

// The anchor's chain must be the start of the local one, entry for entry.
AnchorCheck SameHistory(const std::string& anchor, const std::string& where, const Chain& local,
                        const Chain& theirs) {
    if (!local.problem.empty()) {
        return Disagrees(anchor, local.problem);
    }
    if (!theirs.problem.empty()) {
        return Disagrees(anchor, theirs.problem + " dans " + where);
    }
    const auto differ = std::mismatch(
        theirs.entries.begin(), theirs.entries.end(), local.entries.begin(), local.entries.end(),
        [](const ChainEntry& a, const ChainEntry& b) { return FormatEntry(a) == FormatEntry(b); });
    if (differ.first == theirs.entries.end()) {
        return {true, "Conforme à " + anchor + " : ses " + std::to_string(theirs.entries.size()) +
                          " entrées sont celles de " + kChainFile};
    }
    if (differ.second == local.entries.end()) {
        return Disagrees(anchor, std::string(kChainFile) + " s'arrête à l'entrée " +
                                     std::to_string(local.entries.size()) + ", " + where +
                                     " en compte " + std::to_string(theirs.entries.size()));
    }
    const ChainEntry& ours = *differ.second;
    const ChainEntry& anchored = *differ.first;
    return Disagrees(anchor, "historique réécrit à partir de l'entrée " +
                                 std::to_string(anchored.seq) + " (ici " + Code(ours) + ", " +
                                 EntryWhat(ours) + " ; dans " + where + " " + Code(anchored) +
                                 ", " + EntryWhat(anchored) + ")");
}

// The folder's public key; "" when it has none (or cannot read it).
std::string FolderKey(const std::string& dataPath) {
    try {
        const std::optional<std::string> seed = LoadArchiveKey(dataPath);
        return seed ? ed25519::PublicKey(*seed) : "";
    } catch (const FileError&) {
        return "";
    }
}

// "" when both keys are the same.
std::string KeysDiffer(const std::string& theirs, const std::string& ours,
                       const std::string& where) {
    if (theirs == ours) {
        return "";
    }
    return where + " a la clé " + KeyFingerprint(theirs) + ", le dossier " +
           (ours.empty() ? std::string("n'en a pas") : "a la clé " + KeyFingerprint(ours));
}

}  // namespace

std::optional<ChainCode> ParseChainCode(const std::string& text, std::string& why) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size() ||
        !std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(colon),
                     [](char c) { return c >= '0' && c <= '9'; }) ||
        !std::all_of(text.begin() + static_cast<std::ptrdiff_t>(colon) + 1, text.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; })) {
        return std::nullopt;
    }
    ChainCode code;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + colon, code.seq);
    code.hash = text.substr(colon + 1);
    std::transform(code.hash.begin(), code.hash.end(), code.hash.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    if (error != std::errc() || code.seq == 0) {
        why = "numéro d'entrée invalide : " + text;
    } else if (code.hash.size() < kShortestCode || code.hash.size() > kChainOrigin.size()) {
        why = "code " + text + " : de 8 à 64 chiffres hexadécimaux après le numéro d'entrée";
    }
    return code;
}

AnchorCheck CheckAgainstCode(const std::string& dataPath, const ChainCode& code) {
    const std::string anchor = std::to_string(code.seq) + ":" + code.hash;
    const Chain local = LocalChain(dataPath);
    if (!local.problem.empty()) {
        return Disagrees(anchor, local.problem);
    }
    if (code.seq > local.entries.size()) {
        return Disagrees(anchor, std::string(kChainFile) + " s'arrête à l'entrée " +
                                     std::to_string(local.entries.size()));
    }
    const ChainEntry& entry = local.entries[code.seq - 1];
    if (!entry.hash.starts_with(code.hash)) {
        return Disagrees(anchor, "l'entrée " + std::to_string(code.seq) + " de " + kChainFile +
                                     " a le code " + Code(entry) + " (" + EntryWhat(entry) +
                                     ") : l'historique a été réécrit jusqu'à cette entrée");
    }
    return {true, "Conforme à " + anchor + " : l'entrée " + std::to_string(code.seq) + " de " +
                      kChainFile + " a ce hachage (" + EntryWhat(entry) + ")"};
}

AnchorCheck CheckAgainstArchive(const std::string& dataPath, const std::string& archive) {
    const std::string anchor = "l'archive " + archive;
    const ArchiveCheck check = VerifyArchive(archive);
    if (!check.intact) {
        return Disagrees(anchor, check.summary);
    }
    if (const std::string keys = KeysDiffer(check.publicKey, FolderKey(dataPath), "l'archive");
        !keys.empty()) {
        return Disagrees(anchor, keys);
    }
    return SameHistory(anchor, "l'archive", LocalChain(dataPath), ReadChainText(check.chain));
}

AnchorCheck CheckAgainstBackup(const std::string& dataPath, const std::string& backup) {
    const std::string anchor = "la sauvegarde " + backup;
    const std::string chainPath = JoinPath(backup, kChainFile);
    if (!FileExists(chainPath)) {
        return Disagrees(anchor, std::string("elle n'a pas de ") + kChainFile);
    }
    const LedgerCheck check = VerifyLedger(backup);
    if (!check.intact) {
        return Disagrees(anchor, "elle-même altérée (" + check.problem + ")");
    }
    if (const std::string theirs = FolderKey(backup); !theirs.empty()) {
        if (const std::string keys = KeysDiffer(theirs, FolderKey(dataPath), "la sauvegarde");
            !keys.empty()) {
            return Disagrees(anchor, keys);
        }
    }
    return SameHistory(anchor, "la sauvegarde", LocalChain(dataPath),
                       ReadChainText(ReadBytes(chainPath)));
}

}  // namespace vantor
