// Closures from the sales screen: "Clôture du jour" in the "Compta" frame
// prints the Z report; the past days are closed by themselves at start-up
// and at the first checkout of a later day, once a date far after the last
// record is confirmed; a closed day, month or year takes no record.
#include <algorithm>
#include <cassert>

#include "checkout/ReceiptLines.h"
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

bool MadeADay(const ClosingRun& run) {
    return std::any_of(run.made.begin(), run.made.end(),
                       [](const Closure& closure) { return closure.period == kClosureDay; });
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

bool frmMain::DateLointaineConfirmee(const FarDate& far) {
    const std::string question =
        "L'ordinateur indique le " + FormatDate(far.today) + ", " + std::to_string(far.days) +
        " jours après le dernier enregistrement du journal (" + FormatDate(far.lastRecord) +
        "). Si cette date est juste, les journées jusqu'au " + FormatDate(far.closedTo) +
        " seront clôturées : plus aucune vente ne pourra y être enregistrée.\nLa date et "
        "l'heure de l'ordinateur sont-elles justes ?";
    return platform_.ui.MsgBox(question, vbYesNo | vbQuestion | vbDefaultButton2,
                               "Date de l'ordinateur") == vbYes;
}

std::optional<ClosingRun> frmMain::Cloturer(bool aujourdhui) {
    const DateTime now = platform_.clock.Now();
    clotures_.reset();
    try {
        ClosingRun run =
            vantor::Cloturer(data_.DataPath, now, aujourdhui,
                             [this](const FarDate& far) { return DateLointaineConfirmee(far); });
        dateNonConfirmee_ = run.refused ? std::optional<Date>(now.date) : std::nullopt;
        ProposerArchives(run.made);
        return run;
    } catch (const FileError& error) {
        platform_.ui.MsgBox(
            (aujourdhui ? std::string() : std::string("La clôture des jours passés a échoué : ")) +
                error.what(),
            vbCritical);
        return std::nullopt;
    }
}

void frmMain::CloturerJoursPasses() {
    const Date today = platform_.clock.Now().date;
    if (clotureFaiteLe_ == today) {
        return;
    }
    if (const std::optional<ClosingRun> run = Cloturer(false); run && !run->refused) {
        clotureFaiteLe_ = today;
        if (MadeADay(*run)) {
            Sauvegarder();
        }
    }
}

bool frmMain::JourClos(const Date& date, const std::string& what) {
    const std::string refused = what + " refusé" + (what == "Vente" ? "e" : "") + " : ";
    if (dateNonConfirmee_ == date) {
        platform_.ui.MsgBox(refused + "la date de l'ordinateur (" + FormatDate(date) +
                                ") n'a pas été confirmée. Corrigez la date et l'heure de "
                                "l'ordinateur.",
                            vbCritical);
        return true;
    }
    if (!clotures_) {
        try {
            clotures_ = ReadClosedPeriods(data_.DataPath);
        } catch (const FileError&) {
            return false;  // an unreadable closure file must not stop the sales
        }
    }
    const std::optional<std::string> closed = ClosedBecause(*clotures_, date);
    if (!closed) {
        return false;
    }
    platform_.ui.MsgBox(refused + *closed + ". Vérifiez la date et l'heure de l'ordinateur.",
                        vbCritical);
    return true;
}

void frmMain::cmdCloture_Click() {
    const DateTime now = platform_.clock.Now();
    if (platform_.ui.MsgBox(TablesOuvertes() + "Clôturer la journée du " + FormatDate(now.date) +
                                " ? Aucune vente ne pourra plus être enregistrée à cette date.",
                            vbYesNo | (tables_.AnyOccupied() ? vbExclamation : vbQuestion),
                            "Clôture du jour") != vbYes ||
        !Autoriser(Action::Cloture)) {
        return;
    }
    const std::optional<ClosingRun> run = Cloturer(true);
    if (!run || run->refused) {
        return;
    }
    const std::vector<Closure>& made = run->made;
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
    for (const std::string& line :
         RapportZComplet(data_.DataPath, *today, data_.Infos[Monnaie], data_.Infos[TauxSurPlace],
                         data_.Infos[TauxEmporter], ChainLines(data_.DataPath),
                         ReceiptWidth(platform_.printers.Paper()))) {
        list.AddItem(line);
    }
    data_.RapportAffiche = true;
    assert(RecordsMatchLines());
    cmdPrint_Click(0);
    // Back on an empty ticket, the total's place says so until the next tap.
    Get("lblTotal").caption = "Journée du " + FormatDate(now.date) + " clôturée";
    Sauvegarder();
}

// A table's ticket cannot be sold on a closed day: the closure's question
// names the tables still open first.
std::string frmMain::TablesOuvertes() const {
    const std::vector<std::string> names = tables_.OccupiedNames();
    if (names.empty()) {
        return "";
    }
    std::string list;
    for (const std::string& name : names) {
        list += (list.empty() ? "" : ", ") + name;
    }
    return "Des tables sont encore ouvertes : " + list +
           "\nLeurs tickets ne pourront plus être encaissés ce jour.\n\n";
}

}  // namespace vantor
