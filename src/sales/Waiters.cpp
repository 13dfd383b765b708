// The waiters: loaded from Serveurs.txt into the "Employés" menu and the
// report's waiter filter; one of them is the current waiter.
#include <cassert>
#include <optional>

#include "data/Serveurs.h"
#include "sales/frmMain.h"

namespace vantor {

void frmMain::LireServeurs() {
    Control& filtre = Get("cmbServeur");
    filtre.Clear();
    filtre.AddItem("Tous");
    for (int i = UBound("mnuSrv"); i >= 1; --i) {
        Remove("mnuSrv", i);
    }
    std::optional<std::vector<std::string>> names = ReadServeursFile(data_.DataPath);
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
        filtre.AddItem((*names)[k]);
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
    CheckWaiter(index);
}

void frmMain::lblServeur_Click() {
    platform_.ui.PopupMenu(*this, Get("mnuServeurs"));
}

void frmMain::AfficherClavier() {
    vantor::AfficherClavier(platform_.keyboard, data_);
}

}  // namespace vantor
