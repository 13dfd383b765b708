// The waiters: loaded from Serveurs.txt into the "Employés" menu and the
// report's waiter filter; one of them is the current waiter. Once there is
// staff, the menu lists the staff, each signing in with their own PIN.
#include <algorithm>
#include <cassert>
#include <optional>

#include "data/Numbers.h"
#include "data/Serveurs.h"
#include "ledger/Events.h"
#include "sales/frmMain.h"
#include "staff/StaffEvents.h"

namespace vantor {

void frmMain::LireServeurs() {
    Control& filtre = Get("cmbServeur");
    filtre.Clear();
    filtre.AddItem("Tous");
    for (int i = UBound("mnuSrv"); i >= 1; --i) {
        Remove("mnuSrv", i);
    }
    std::optional<std::vector<std::string>> names = ReadServeursFile(data_.DataPath);
    for (const std::string& name : names.value_or(std::vector<std::string>{})) {
        filtre.AddItem(name);
    }
    if (equipe_.Active()) {
        names.emplace();
        for (const Membre* membre : equipe_.Equipe()->Membres()) {
            names->push_back(membre->nom);
            // The filter of the reports also offers whoever Serveurs.txt lacks.
            if (std::find(filtre.items.begin(), filtre.items.end(), membre->nom) ==
                filtre.items.end()) {
                filtre.AddItem(membre->nom);
            }
        }
    }
    if (!names) {
        return;
    }
    Control& menu = Get("mnuServeurs");
    for (std::size_t k = 0; k < names->size(); ++k) {
        const int index = static_cast<int>(k);
        Control& entry = k == 0 ? Get("mnuSrv", 0) : Add(ControlKind::Menu, "mnuSrv", index, &menu);
        entry.caption = (*names)[k];
        entry.checked = false;
        entry.onClick = [this, index] { mnuSrv_Click(index); };
    }
    const Membre* courant = equipe_.Courant();
    for (int i = 0; courant != nullptr && i <= UBound("mnuSrv"); ++i) {
        Get("mnuSrv", i).checked = Get("mnuSrv", i).caption == courant->nom;
    }
    assert(UnboundControls(*this).empty());
}

void frmMain::CheckWaiter(int index) {
    for (int i = 0; i <= UBound("mnuSrv"); ++i) {
        Get("mnuSrv", i).checked = false;
    }
    Control& entry = Get("mnuSrv", index);
    entry.checked = true;
    data_.Serveur = entry.caption;
    Get("lblServeur").caption = "Servis par : " + data_.Serveur;
}

// A waiter no longer in the list, or none, leaves the current one serving.
void frmMain::ServeBy(const std::string& waiter) {
    for (int i = 0; i <= UBound("mnuSrv"); ++i) {
        if (!waiter.empty() && Get("mnuSrv", i).caption == waiter) {
            CheckWaiter(i);
            return;
        }
    }
}

void frmMain::mnuSrv_Click(int index) {
    if (equipe_.Active()) {
        ChangerServeur(index);
        return;
    }
    CheckWaiter(index);
}

void frmMain::TracePersonnel(const char* type, const std::string& detail) {
    TryLogEvent(data_.DataPath, platform_.clock.Now(), type, detail);
}

void frmMain::TraceLignes(const char* type, std::size_t count, double amount) {
    if (!equipe_.Active() || count == 0) {
        return;
    }
    const Membre* courant = equipe_.Courant();
    TracePersonnel(type, (courant != nullptr ? courant->nom : data_.Serveur) + " : " +
                             std::to_string(count) + (count > 1 ? " lignes, " : " ligne, ") +
                             NumberToText(amount));
}

void frmMain::lblServeur_Click() {
    platform_.ui.PopupMenu(*this, Get("mnuServeurs"));
}

void frmMain::AfficherClavier() {
    vantor::AfficherClavier(platform_.keyboard, data_);
}

}  // namespace vantor
