#include "ledger/LedgerStart.h"

#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ChainRestart.h"
#include "ledger/Closures.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"
#include "ledger/Verify.h"

namespace vantor {

namespace {

std::string Capitalized(std::string text) {
    if (!text.empty()) {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

LedgerNotice InterruptionNotice(const Interruption& cut) {
    std::string text = Capitalized(InterruptedWhat(cut)) + " n'a pas été enregistré" +
                       (cut.kind == EntryKind::Sale || cut.kind == EntryKind::Interrupted ||
                                cut.kind == EntryKind::Closure
                            ? "e"
                            : "") +
                       " : Vantor a été arrêté pendant son écriture.";
    if (cut.cutBytes > 0) {
        text += std::string(" Ce qui en avait été écrit est conservé dans ") + kRecoveryFile + ".";
    }
    return {text, false};
}

}  // namespace

std::vector<LedgerNotice> OpenLedger(const std::string& dataPath, const DateTime& now) {
    std::vector<LedgerNotice> notices;
    if (std::optional<Interruption> cut = SettleInterruptedWrite(dataPath)) {
        notices.push_back(InterruptionNotice(*cut));
        LogEvent(dataPath, now, "Écriture interrompue",
                 InterruptedWhat(*cut) + ", " + std::to_string(cut->cutBytes) +
                     " octets retirés de " + cut->file);
        if (cut->kind == EntryKind::Sale) {
            // Id.txt already gave the next number: this one stays unused.
            LogEvent(dataPath, now, UnusedNumberEvent(cut->ref),
                     "Vantor a été arrêté pendant l'enregistrement de la vente");
        }
    }
    // A chain started again over files that had one is an alteration, not an adoption.
    const std::string evidence =
        FileSize(JoinPath(dataPath, kChainFile)) == 0 ? EarlierChainEvidence(dataPath) : "";
    if (std::optional<std::uint64_t> adopted = AdoptUnchainedFiles(dataPath, !evidence.empty());
        adopted && *adopted > 0 && evidence.empty()) {
        LogEvent(dataPath, now, "Journal chaîné",
                 std::to_string(*adopted) + " enregistrements existants repris tels quels");
    }
    LogMissingClosureEvents(dataPath, now);
    const LedgerCheck check = VerifyLedger(dataPath);
    if (!check.intact) {
        notices.push_back({"Le contrôle d'intégrité du journal a échoué : " + check.problem +
                               (evidence.empty() ? "" : " (" + evidence + ")") +
                               ".\nLes ventes continuent d'être enregistrées.",
                           true});
        LogEvent(dataPath, now, "Contrôle d'intégrité échoué",
                 check.problem + (evidence.empty() ? "" : " (" + evidence + ")"));
    }
    LogEvent(dataPath, now, "Démarrage");
    // Made once the chain has its first entry, never before: a key beside a
    // folder without chain tells of a chain that was there.
    LoadOrCreateArchiveKey(dataPath);
    return notices;
}

}  // namespace vantor
