// The staff from the sales screen: the sign-in at start and after a lock,
// "Verrouiller" and the idle lock, another waiter signing in, the manager's
// approval of a guarded action, and the staff dialog.
#include <algorithm>

#include "admin/frmConnexion.h"
#include "admin/frmPersonnel.h"
#include "data/Text.h"
#include "ledger/Events.h"
#include "sales/frmMain.h"
#include "staff/StaffEvents.h"
#include "staff/StaffLog.h"
#include "staff/Verrouillage.h"

namespace vantor {

namespace {

std::string Qui(const Membre& membre) {
    return membre.nom + " (" + RoleName(membre.role) + ")";
}

}  // namespace

void frmMain::ChargerPersonnel() {
    equipe_.Charger(LirePersonnel(data_.DataPath));
    delaiVerrou_ = LireDelaiVerrouillage(data_.DataPath);
    Get("cmdVerrou").visible = equipe_.Active();
    LireServeurs();
    if (const Membre* courant = equipe_.Courant()) {
        data_.Serveur = courant->nom;
        Get("lblServeur").caption = "Servis par : " + courant->nom;
    } else if (equipe_.Active()) {
        // Nobody serves until someone signs in.
        data_.Serveur.clear();
        Get("lblServeur").caption.clear();
    }
}

bool frmMain::Autoriser(Action action) {
    autorisePar_.clear();
    if (!equipe_.Active()) {
        return true;
    }
    const std::string libelle = Garde(action).libelle;
    const Membre* courant = equipe_.Courant();
    if (courant != nullptr && RoleMay(courant->role, action)) {
        TracePersonnel(staff_events::kActionProtegee, libelle + " : " + courant->nom);
        autorisePar_ = courant->nom;
        return true;
    }
    frmConnexion accord(platform_, data_, equipe_, frmConnexion::Mode::Accord, libelle);
    accord.Form_Load();
    platform_.ui.ShowModal(accord);
    const std::string pour = courant != nullptr ? courant->nom : "personne de connecté";
    if (accord.Accepte().empty()) {
        TracePersonnel(staff_events::kAccordRefuse, libelle + " : " + pour);
        return false;
    }
    TracePersonnel(staff_events::kAccord, libelle + " : " + accord.Accepte() + " pour " + pour);
    TracePersonnel(staff_events::kActionProtegee,
                   libelle + " : " + pour + ", accord " + DeNom(accord.Accepte()));
    autorisePar_ = accord.Accepte();
    return true;
}

bool frmMain::DemanderConnexion() {
    for (;;) {
        frmConnexion connexion(platform_, data_, equipe_, frmConnexion::Mode::Connexion, "", "",
                               [this] { return QuitterDepuisConnexion(); });
        connexion.Form_Load();
        platform_.ui.ShowModal(connexion);
        if (Closed() || connexion.Accepte().empty()) {
            return false;
        }
        if (Connecter(connexion.Accepte())) {
            return true;
        }
    }
}

bool frmMain::Connecter(const std::string& nom) {
    const bool ticketOfAnother = !data_.RapportAffiche && Get("lstTicket").ListCount() > 0 &&
                                 !dernierConnecte_.empty() && dernierConnecte_ != nom;
    if (ticketOfAnother && !ParkTicketOf(dernierConnecte_)) {
        platform_.ui.MsgBox("Le ticket " + DeNom(dernierConnecte_) +
                                " est en cours et aucune table n'est libre : " + dernierConnecte_ +
                                " doit se connecter pour l'encaisser ou le mettre sur une table.",
                            vbExclamation);
        return false;
    }
    if (ticketOfAnother) {
        platform_.ui.MsgBox(
            "Le ticket " + DeNom(dernierConnecte_) + " est mis sur une table à son nom.",
            vbInformation);
    }
    if (const Membre* avant = equipe_.Courant(); avant != nullptr && avant->nom != nom) {
        TracePersonnel(staff_events::kDeconnexion, avant->nom);
    }
    equipe_.Connecter(nom);
    dernierConnecte_ = nom;
    const Membre& membre = *equipe_.Courant();
    TracePersonnel(staff_events::kConnexion, Qui(membre));
    for (int i = 0; i <= UBound("mnuSrv"); ++i) {
        Get("mnuSrv", i).checked = Get("mnuSrv", i).caption == nom;
    }
    data_.Serveur = nom;
    Get("lblServeur").caption = "Servis par : " + nom;
    return true;
}

// A report is no ticket: it is not left on screen for whoever comes next.
void frmMain::Verrouiller(const std::string& why) {
    if (const Membre* courant = equipe_.Courant()) {
        TracePersonnel(staff_events::kVerrouillage, courant->nom + why);
    }
    equipe_.Deconnecter();
    if (data_.RapportAffiche || ScreenMode() != 0) {
        ResetSalesScreen();
    }
}

std::string frmMain::QuitterDepuisConnexion() {
    for (int i = 0; i <= UBound("cmdTable"); ++i) {
        if (Control* table = Find("cmdTable", i); table && !table->toolTip.empty()) {
            return "Des tables sont en cours : connectez-vous pour quitter.";
        }
    }
    Form_Unload();
    Close();
    return "";
}

void frmMain::cmdVerrou_Click() {
    Verrouiller("");
    DemanderConnexion();
}

void frmMain::Form_Idle(int seconds) {
    if (!equipe_.Active() || delaiVerrou_ <= 0 || equipe_.Courant() == nullptr ||
        seconds < delaiVerrou_ * 60) {
        return;
    }
    Verrouiller(", après " + std::to_string(delaiVerrou_) + " min sans activité");
    DemanderConnexion();
}

void frmMain::ChangerServeur(int index) {
    const std::string nom = Get("mnuSrv", index).caption;
    const Membre* courant = equipe_.Courant();
    if (courant != nullptr && courant->nom == nom) {
        return;
    }
    frmConnexion connexion(platform_, data_, equipe_, frmConnexion::Mode::Changement, "", nom);
    connexion.Form_Load();
    platform_.ui.ShowModal(connexion);
    if (!connexion.Accepte().empty()) {
        if (data_.RapportAffiche || ScreenMode() != 0) {
            ResetSalesScreen();
        }
        Connecter(connexion.Accepte());
    }
}

void frmMain::mnuPersonnel_Click() {
    if (!Autoriser(Action::Personnel)) {
        return;
    }
    const bool etaitActive = equipe_.Active();
    const Membre* courant = equipe_.Courant();
    const std::string connecte = courant != nullptr ? courant->nom : "";
    {
        // The changes are the manager's who let the dialog open.
        frmPersonnel personnel(platform_, data_, autorisePar_);
        personnel.Form_Load();
        platform_.ui.ShowModal(personnel);
    }
    ChargerPersonnel();
    // Taken off the staff, the person signed in is signed out.
    if (!connecte.empty() && equipe_.Courant() == nullptr) {
        TracePersonnel(staff_events::kDeconnexion, connecte);
    }
    // From now on the staff file decides: whoever is at the till signs in;
    // so does the next one when the person signed in was taken off the staff.
    if (equipe_.Active() && (!etaitActive || equipe_.Courant() == nullptr)) {
        DemanderConnexion();
    }
}

void frmMain::AnnoncerPersonnel() {
    const bool logSaysOn = JournalDitPersonnelActive(data_.DataPath);
    if (!equipe_.Active()) {
        if (logSaysOn) {
            platform_.ui.MsgBox(
                "Le fichier du personnel (Personnel.csv) a disparu alors que la gestion du "
                "personnel était activée : la caisse s'ouvre sans demander de code.\nRemettez le "
                "fichier d'une sauvegarde, ou recréez un responsable dans Fichier › Personnel.",
                vbCritical, "Vantor pour Windows");
            TracePersonnel(staff_events::kFichierDisparu, "la caisse s'ouvre sans code");
            TracePersonnel(staff_events::kDesactivee, "Personnel.csv absent");
        }
        return;
    }
    if (!logSaysOn) {
        TracePersonnel(staff_events::kActivee, "Personnel.csv présent au démarrage");
    }
    const std::vector<std::string> problemes = equipe_.Equipe()->Problemes();
    std::string texte;
    if (!problemes.empty()) {
        texte =
            "Le fichier du personnel (Personnel.csv) a des lignes avec lesquelles personne ne "
            "peut se connecter :";
        for (const std::string& probleme : problemes) {
            texte += "\n" + probleme;
        }
        TracePersonnel(staff_events::kFichierIllisible,
                       std::to_string(problemes.size()) + " ligne(s), " + problemes.front());
    }
    if (equipe_.Equipe()->Responsables() == 0) {
        texte += std::string(texte.empty() ? "" : "\n") +
                 "Aucun responsable ne peut se connecter : depuis le compte de l'ordinateur, "
                 "« vantor personnel ajouter NOM --role Responsable » en ajoute un.";
    }
    if (!texte.empty()) {
        platform_.ui.MsgBox(texte, vbExclamation, "Vantor pour Windows");
    }
}

}  // namespace vantor
