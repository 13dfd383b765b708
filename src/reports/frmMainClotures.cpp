// Closures from the sales screen: "Clôture du jour" in the "Compta" frame
// prints the Z report; the past days are closed by themselves at start-up
// and at the first checkout of a later day; a closed day takes no record.
#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/Ed25519.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"
#include "reports/Clotures.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

// The head and key lines of the Z; what cannot be read is left out, the
// closure being made already.
std::vector<std::string> ChainLines(const std::string& dataPath) {
    std::optional<ChainEntry> head;
    std::string key;
    try {
        head = LastChainEntry(dataPath);
        if (const std::optional<std::string> seed = LoadArchiveKey(dataPath)) {
            key = KeyFingerprint(ed25519::PublicKey(*seed));
        }
    } catch (const std::runtime_error&) {
    }
    return LignesChaine(head, key);
}

void LogClosures(const std::string& dataPath, const std::vector<Closure>& made,
                 const DateTime& now) {
    for (const Closure& closure : made) {
        TryLogEvent(dataPath, now, "Clôture", ResumeCloture(closure));
    }
}

}  // namespace

void frmMain::ProposerArchives(const std::vector<Closure>& made) {
    for (const Closure& closure : made) {
        if (closure.period == kClosureYear) {
            const std::string year = std::to_string(closure.fin.year);
            platform_.ui.MsgBox("L'année " + year +
                                    " est clôturée. Faites-en une archive signée :\nvantor "
                                    "archive --du 01.01." +
                                    year + " --au 31.12." + year + " --out FICHIER",
                                vbInformation);
        }
    }
}

void frmMain::CloturerJoursPasses() {
    const DateTime now = platform_.clock.Now();
    if (clotureFaiteLe_ == now.date) {
        return;
    }
    try {
        const std::vector<Closure> made = Cloturer(data_.DataPath, now, false);
        LogClosures(data_.DataPath, made, now);
        clotureFaiteLe_ = now.date;
        ProposerArchives(made);
    } catch (const FileError& error) {
        platform_.ui.MsgBox(std::string("La clôture des jours passés a échoué : ") + error.what(),
                            vbCritical);
    }
}

bool frmMain::JourClos(const Date& date, const std::string& what) {
    std::optional<Date> closed;
    try {
        closed = LastClosedDay(data_.DataPath);
    } catch (const FileError&) {
        return false;  // an unreadable closure file must not stop the sales
    }
    if (!closed || *closed < date) {
        return false;
    }
    platform_.ui.MsgBox(what + " refusé" + (what == "Vente" ? "e" : "") + " : la journée du " +
                            FormatDate(date) +
                            " est clôturée. Vérifiez la date et l'heure de l'ordinateur.",
                        vbCritical);
    return true;
}

void frmMain::cmdCloture_Click() {
    const DateTime now = platform_.clock.Now();
    if (platform_.ui.MsgBox("Clôturer la journée du " + FormatDate(now.date) +
                                " ? Aucune vente ne pourra plus être enregistrée à cette date.",
                            vbYesNo | vbQuestion, "Clôture du jour") != vbYes) {
        return;
    }
    std::vector<Closure> made;
    try {
        made = Cloturer(data_.DataPath, now, true);
    } catch (const FileError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
        return;
    }
    LogClosures(data_.DataPath, made, now);
    const auto today = std::find_if(made.begin(), made.end(), [&](const Closure& closure) {
        return closure.period == kClosureDay && closure.fin == now.date;
    });
    if (today == made.end()) {
        platform_.ui.MsgBox("La journée du " + FormatDate(now.date) + " est déjà clôturée.",
                            vbInformation);
        return;
    }
    ClearTicketLines();
    Control& list = Get("lstTicket");
    for (const std::string& line : RapportZ(*today, data_.Infos[Monnaie], data_.Infos[TauxSurPlace],
                                            data_.Infos[TauxEmporter])) {
        list.AddItem(line);
    }
    for (const std::string& line : ChainLines(data_.DataPath)) {
        list.AddItem(line);
    }
    data_.RapportAffiche = true;
    cmdPrint_Click(0);
}

}  // namespace vantor
