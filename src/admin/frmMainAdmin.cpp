// Administration from the sales screen: the settings dialog, the waiters
// (quick add and list) and the agenda, also shown at the first activation.
#include <memory>
#include <vector>

#include "admin/frmAgenda.h"
#include "admin/frmInfos.h"
#include "admin/frmServeurs.h"
#include "data/Serveurs.h"
#include "data/TextFile.h"
#include "sales/frmMain.h"

namespace vantor {

void frmMain::BindAdminEvents() {
    Get("mnuInfos").onClick = [this] { mnuInfos_Click(); };
    Get("mnuAddSrv").onClick = [this] { mnuAddSrv_Click(); };
    Get("mnuEditServ").onClick = [this] { mnuEditServ_Click(); };
    Get("mnuAgenda").onClick = [this] { mnuAgenda_Click(); };
    Get("mnuPersonnel").onClick = [this] { mnuPersonnel_Click(); };
    Get("cmdVerrou").onClick = [this] { cmdVerrou_Click(); };
    Get("Command2").onClick = [this] { mnuAgenda_Click(); };
}

void frmMain::mnuInfos_Click() {
    if (!Autoriser(Action::Parametres)) {
        return;
    }
    {
        frmInfos settings(platform_, data_, *this);
        settings.Form_Load();
        platform_.ui.ShowModal(settings);
    }
    LoadPictures(false);  // a picture chosen there was told already
    AfficherModeTVA();
    FollowKeyboardOption(platform_.keyboard, data_);
}

// Once there is staff, a waiter is a person of the staff, with a PIN.
void frmMain::mnuAddSrv_Click() {
    if (equipe_.Active()) {
        mnuPersonnel_Click();
        return;
    }
    AfficherClavier();
    const std::string answer =
        NomServeur(platform_.ui.InputBox("Nouveau Serveur", "Ajout serveur", "Nom"));
    if (answer.empty()) {
        return;
    }
    const int index = UBound("mnuSrv") + 1;
    Control& entry = Add(ControlKind::Menu, "mnuSrv", index, &Get("mnuServeurs"));
    entry.caption = answer;
    entry.onClick = [this, index] { mnuSrv_Click(index); };
    const std::string path = data_.File(kServeursFile);
    std::vector<std::string> names =
        FileExists(path) ? ReadLines(path) : std::vector<std::string>{};
    names.push_back(answer);
    WriteLinesAtomic(path, names);
    Get("cmbServeur").AddItem(answer);
}

void frmMain::mnuEditServ_Click() {
    if (equipe_.Active()) {
        mnuPersonnel_Click();
        return;
    }
    frmServeurs waiters(platform_, data_, *this);
    waiters.Form_Load();
    platform_.ui.ShowModal(waiters);
}

void frmMain::mnuAgenda_Click() {
    // The agenda shown at start-up may still be open: it comes to the front.
    if (agendaDemarrage_ && !agendaDemarrage_->Closed()) {
        platform_.ui.Activate(*agendaDemarrage_);
        return;
    }
    frmAgenda agenda(platform_, data_);
    agenda.Form_Load();
    platform_.ui.ShowModal(agenda);
}

void frmMain::AfficherAgendaDemarrage() {
    if (data_.AgendaCharge) {
        return;
    }
    auto agenda = std::make_unique<frmAgenda>(platform_, data_);
    agenda->Form_Load();
    if (agenda->Get("lstAgenda").ListCount() == 0) {
        return;
    }
    agendaDemarrage_ = std::move(agenda);
    platform_.ui.Show(*agendaDemarrage_);
}

}  // namespace vantor
