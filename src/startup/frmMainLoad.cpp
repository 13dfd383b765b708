// Loading of the sales screen at start-up, and the program's exits.
#include "data/CatalogueFiles.h"
#include "data/Infos.h"
#include "data/Numbers.h"
#include "data/ReceiptPaperFile.h"
#include "data/TextFile.h"
#include "ledger/Events.h"
#include "printing/ReceiptPicture.h"
#include "sales/NumeroTicket.h"
#include "sales/frmMain.h"
#include "staff/StaffEvents.h"

namespace vantor {

void frmMain::Form_Load() {
    LireArticles();
    ChargerPersonnel();
    LireInfos(data_.DataPath, data_.Infos, platform_.printers);
    data_.DemanderMontantRecu = LireMontantRecu(data_.DataPath);
    data_.PlafondRemiseServeur = LirePlafondRemise(data_.DataPath);
    LireCategories(data_.DataPath, data_.Categories);
    Control& comptes = Get("cmbCatCompt");
    comptes.Clear();
    for (const std::string& compte : LireComptes(data_.DataPath)) {
        comptes.AddItem(compte);
    }
    if (!equipe_.Active()) {
        CheckWaiter(0);
    }
    Control& filtre = Get("cmbServeur");
    if (filtre.ListCount() > 0) {
        Choose(filtre, 0);
    }
    JournaliserCorrectionSansEvenement();
    const NumeroDemarrage numero = NumTicketAuDemarrage(data_.DataPath);
    data_.NumTicket = numero.numero;
    if (!numero.avis.empty()) {
        platform_.ui.MsgBox(numero.avis, vbExclamation, "Vantor pour Windows");
    }
    LoadPictures(true);
    SetToday();

    AfficherModeTVA();
    FollowKeyboardOption(platform_.keyboard, data_);
    Get("txtNote").text = data_.Infos[MessageTicket];
    Get("txtQR").text = data_.Infos[TexteQR];

    Control& tables = Get("fraTables");
    tables.height = kTablesCollapsed;
    Get("fraReserv").left = tables.left;

    Click(Get("optPrint", 0));
    windowState = WindowState::Maximized;
    caption = "Vantor pour Windows";
    Get("mnuNewArt").enabled = true;
    Get("mnuNewArticle").enabled = true;
    for (int i = 1; i <= UBound("Command1"); ++i) {
        Get("Command1", i).enabled = true;
    }
}

void frmMain::LoadPictures(bool tellRefusals) {
    const std::pair<const char*, InfoField> holders[] = {{"Image1", CheminLogo},
                                                         {"Image2", CheminQR}};
    for (const auto& [name, field] : holders) {
        const std::string& path = data_.Infos[field];
        if (!path.empty() && FileExists(path)) {
            // A picture refused leaves the holder empty: the receipts go without it.
            const LoadedPicture loaded =
                LoadReceiptPicture(platform_.pictures, path, platform_.printers.Paper().Dots());
            if (!loaded.refusal.empty() && tellRefusals) {
                platform_.ui.MsgBox(loaded.refusal + "\nLes tickets s'impriment sans elle.",
                                    vbExclamation);
            }
            Get(name).picture = loaded.picture;
        }
    }
}

void frmMain::SetToday() {
    const Date today = platform_.clock.Now().date;
    for (const char* name : {"DTPicker1", "DTPicker2", "DTPicker3", "DTPicker4", "DTPicker5"}) {
        Get(name).date = today;
    }
}

void frmMain::Form_Activate() {
    if (equipe_.Active() && !connexionDemandee_) {
        connexionDemandee_ = true;
        if (!DemanderConnexion()) {
            return;
        }
    }
    AfficherAgendaDemarrage();
}

void frmMain::Form_QueryUnload(int& cancel) {
    if (!tables_.AnyOccupied()) {
        return;
    }
    if (platform_.ui.MsgBox("Des tables sont encore en cours, quittez quand même ?",
                            vbYesNo + vbDefaultButton2) == vbYes &&
        Autoriser(Action::QuitterTablesOuvertes)) {
        Form_Unload();
        Close();
        return;
    }
    cancel = 1;
}

void frmMain::Form_Unload() {
    if (const Membre* courant = equipe_.Courant()) {
        TracePersonnel(staff_events::kDeconnexion, courant->nom);
    }
    TryLogEvent(data_.DataPath, platform_.clock.Now(), "Arrêt");
}

void frmMain::mnuQuit_Click() {
    RequestClose();
}

}  // namespace vantor
