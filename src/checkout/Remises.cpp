// Discounts and offered lines before payment: "Remise" opens the pop-up of
// the three, each asks its reason, and a "Serveur" needs a manager's
// approval beyond the discount a waiter may give alone (nothing with staff
// management off). Each is its own ticket line and is logged with who gave
// it and who approved it.
#include <cmath>

#include "data/Numbers.h"
#include "data/Text.h"
#include "ledger/Events.h"
#include "sales/LigneTicket.h"
#include "sales/Remise.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

std::int64_t LineCents(const TicketLine& line) {
    return std::llround(LineAmount(line.text).value_or(0) * 100);
}

}  // namespace

void frmMain::cmdRemise_Click() {
    platform_.ui.PopupMenu(*this, Get("mnuRemise"));
}

// The selected line when it is an article sold; a message otherwise.
std::optional<std::size_t> frmMain::LigneARemiser() {
    const int selected = Get("lstTicket").listIndex;
    if (selected < 0 || static_cast<std::size_t>(selected) >= ticket_.Lines().size() ||
        ticket_.Lines()[static_cast<std::size_t>(selected)].remise != RemiseSur::Rien) {
        platform_.ui.MsgBox("Choisissez d'abord la ligne d'un article", vbInformation);
        return std::nullopt;
    }
    return static_cast<std::size_t>(selected);
}

void frmMain::mnuRemiseLigne_Click() {
    if (const std::optional<std::size_t> line = LigneARemiser()) {
        const TicketLine& sold = ticket_.Lines()[*line];
        DonnerRemise(*line, RemiseSur::Ligne, LineCents(sold), sold.record.category,
                     sold.wholeLabel.empty() ? Trim(sold.record.label) : sold.wholeLabel);
    }
}

void frmMain::mnuRemiseTicket_Click() {
    if (ticket_.Empty() || !(ticket_.Total() > 0)) {
        platform_.ui.MsgBox("Rien à remiser", vbInformation);
        return;
    }
    DonnerRemise(ticket_.Lines().size(), RemiseSur::Ticket, std::llround(ticket_.Total() * 100), 0,
                 "le ticket");
}

void frmMain::mnuOffert_Click() {
    const std::optional<std::size_t> line = LigneARemiser();
    if (!line) {
        return;
    }
    const TicketLine& sold = ticket_.Lines()[*line];
    const std::int64_t cents = LineCents(sold);
    const std::string what = sold.wholeLabel.empty() ? Trim(sold.record.label) : sold.wholeLabel;
    const std::string motif = DemanderMotif(Motif::Offert);
    if (motif.empty() || !AccorderRemise(Action::Offert, cents)) {
        return;
    }
    const int category = sold.record.category;
    const std::string detail = std::to_string(sold.record.quantity) + " " + what + " : " +
                               TexteCentimes(-cents) + MotifEtQui(motif);
    ticket_.AddRemise(*line, kLibelleOffert, cents, category, RemiseSur::Ligne,
                      data_.Infos[Monnaie]);
    ShowTicket();
    TryLogEvent(data_.DataPath, platform_.clock.Now(), "Offert", detail);
}

// Asks the discount, a share or an amount, never more than base cents.
void frmMain::DonnerRemise(std::size_t after, RemiseSur scope, std::int64_t base, int category,
                           const std::string& what) {
    AfficherClavier();
    const std::string typed = platform_.ui.InputBox("Remise sur " + what + " (10 % ou 2.50)");
    if (Trim(typed).empty()) {
        return;
    }
    const std::optional<RemiseDemandee> remise = LireRemise(typed);
    if (!remise) {
        platform_.ui.MsgBox("Format numérique incorrect", vbCritical);
        return;
    }
    const std::int64_t cents = CentimesRemise(*remise, base);
    const std::string motif = DemanderMotif(Motif::Remise);
    if (motif.empty() || !AccorderRemise(Action::Remise, cents)) {
        return;
    }
    const std::string label = LibelleRemise(*remise);
    ticket_.AddRemise(after, label, cents, category, scope, data_.Infos[Monnaie]);
    ShowTicket();
    TryLogEvent(data_.DataPath, platform_.clock.Now(), "Remise",
                label + " sur " + what + " : " + TexteCentimes(-cents) + MotifEtQui(motif));
}

// Empty when cancelled: nothing is given without a reason.
std::string frmMain::DemanderMotif(Motif motif) {
    const MotifDemande& demande = DemandeDeMotif(motif);
    AfficherClavier();
    return Trim(platform_.ui.ChoiceBox(demande.prompt, demande.usual));
}

// With staff, a "Serveur" gives alone no more than the waiters' limit, and
// never offers; anything else asks a manager's approval.
bool frmMain::AccorderRemise(Action action, std::int64_t cents) {
    autorisePar_.clear();
    const Membre* courant = equipe_.Courant();
    const bool alone =
        !equipe_.Active() || (courant != nullptr && courant->role == Role::Serveur &&
                              action == Action::Remise && cents <= data_.PlafondRemiseServeur);
    return alone || Autoriser(action);
}

std::string frmMain::MotifEtQui(const std::string& motif) const {
    const Membre* courant = equipe_.Courant();
    std::string text = ", motif : " + motif;
    text += ", par " + (courant != nullptr ? courant->nom : Before(data_.Serveur, "+"));
    if (!autorisePar_.empty() && (courant == nullptr || autorisePar_ != courant->nom)) {
        text += ", accord " + autorisePar_;
    }
    return text;
}

}  // namespace vantor
