// The words of the chain's check: what an entry records, the summary line.
#include "ledger/Verify.h"

namespace vantor {

namespace {

// What an entry of each kind records, alone and within a sentence; a sale's
// receipt number follows.
struct KindWords {
    EntryKind kind;
    const char* alone;
    const char* inSentence;
};
constexpr KindWords kKindWords[] = {
    {EntryKind::Sale, "vente n° ", "la vente n° "},
    {EntryKind::Movement, "mouvement de caisse", "un mouvement de caisse"},
    {EntryKind::Event, "événement", "un événement"},
    {EntryKind::Closure, "clôture", "une clôture"},
    {EntryKind::Lines, "lignes du ticket n° ", "les lignes du ticket n° "},
    {EntryKind::Adoption, "contenu repris à la création de la chaîne", "une écriture"},
};

std::string KindText(EntryKind kind, std::int64_t ref, bool inSentence) {
    for (const KindWords& words : kKindWords) {
        if (words.kind == kind) {
            const std::string text = inSentence ? words.inSentence : words.alone;
            return kind == EntryKind::Sale || kind == EntryKind::Lines ? text + std::to_string(ref)
                                                                       : text;
        }
    }
    return inSentence ? "une écriture" : "écriture interrompue";
}

}  // namespace

std::string CheckSummary(const LedgerCheck& check) {
    if (!check.intact) {
        return "Journal altéré : " + check.problem;
    }
    return "Journal intact : " + std::to_string(check.records) + " enregistrements, " +
           std::to_string(check.closures) + " clôtures";
}

std::string EntryWhat(const ChainEntry& entry) {
    return KindText(entry.kind, entry.ref, false);
}

std::string SignedClosuresLine(const LedgerCheck& check) {
    if (check.closures == 0) {
        return "";
    }
    const std::uint64_t older = check.closures - check.signedClosures;
    return "Clôtures signées : " + std::to_string(check.signedClosures) + " sur " +
           std::to_string(check.closures) +
           (older == 0
                ? ""
                : " (" + std::to_string(older) +
                      (older == 1 ? " non signée, antérieure" : " non signées, antérieures") +
                      " à la signature des clôtures)");
}

std::string InterruptedWhat(const Interruption& interruption) {
    return KindText(interruption.kind, interruption.ref, true);
}

}  // namespace vantor
