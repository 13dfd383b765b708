#include "ledger/LedgerStart.h"

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
    }
    if (std::optional<std::uint64_t> adopted = AdoptUnchainedFiles(dataPath);
        adopted && *adopted > 0) {
        LogEvent(dataPath, now, "Journal chaîné",
                 std::to_string(*adopted) + " enregistrements existants repris tels quels");
    }
    LogMissingClosureEvents(dataPath, now);
    const LedgerCheck check = VerifyLedger(dataPath);
    if (!check.intact) {
        notices.push_back({"Le contrôle d'intégrité du journal a échoué : " + check.problem +
                               ".\nLes ventes continuent d'être enregistrées.",
                           true});
        LogEvent(dataPath, now, "Contrôle d'intégrité échoué", check.problem);
    }
    LogEvent(dataPath, now, "Démarrage");
    return notices;
}

}  // namespace vantor
