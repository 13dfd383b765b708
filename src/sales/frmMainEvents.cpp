// Binds the controls of the sales screen to their handlers.
#include "sales/frmMain.h"

namespace vantor {

void frmMain::BindEvents() {
    for (int i = 0; i < 3; ++i) {
        Get("optPrint", i).onClick = [this, i] { optPrint_Click(i); };
    }
    Get("Scroll").onChange = [this] { Scroll_Change(); };
    Get("cmbServeur").onClick = [this] { cmbServeur_Click(); };
    Get("cmbTVA").onClick = [this] { cmbTVA_Click(); };
    Get("chkQR").onClick = [this] { chkQR_Click(); };
    Get("cmdOuvre").onClick = [this] { cmdOuvre_Click(); };
    Get("lblServeur").onClick = [this] { lblServeur_Click(); };
    Get("mnuSrv", 0).onClick = [this] { mnuSrv_Click(0); };
    Get("mnuQuit").onClick = [this] { mnuQuit_Click(); };
    for (int number = 2; number <= 10; ++number) {
        Get("cmdMultiplie", number).onClick = [this, number] { cmdMultiplie_Click(number); };
    }
    Get("cmdClearQ").onClick = [this] { cmdClearQ_Click(); };
    Get("cmdDeleteLine").onClick = [this] { cmdDeleteLine_Click(); };
    Get("cmdClear").onClick = [this] { cmdClear_Click(); };
    for (int i = 0; i < 3; ++i) {
        Get("cmdPrint", i).onClick = [this, i] { cmdPrint_Click(i); };
    }
    Get("mnuFormation").onClick = [this] { mnuFormation_Click(); };
    Get("mnuTickets").onClick = [this] { mnuTickets_Click(); };
    for (int i = 1; i <= kTableCount; ++i) {
        Control& table = Get("cmdTable", i);
        table.onClick = [this, i] { cmdTable_Click(i); };
        table.onMouseDown = [this, i](int button) { cmdTable_MouseDown(i, button); };
        Get("mnuVersTable", i).onClick = [this, i] { mnuVersTable_Click(i); };
    }
    Get("mnuNommerTable").onClick = [this] { mnuNommerTable_Click(); };
    Get("mnuDeplacerTable").onClick = [this] { mnuDeplacerTable_Click(); };
    Get("mnuReunirTable").onClick = [this] { mnuReunirTable_Click(); };
    Get("cmdCuisine").onClick = [this] { cmdCuisine_Click(); };
    Get("cmdRemise").onClick = [this] { cmdRemise_Click(); };
    Get("mnuRemiseLigne").onClick = [this] { mnuRemiseLigne_Click(); };
    Get("mnuRemiseTicket").onClick = [this] { mnuRemiseTicket_Click(); };
    Get("mnuOffert").onClick = [this] { mnuOffert_Click(); };
    const char* orders[] = {"mnuBonCuisine", "mnuDessert", "mnuCuisineDessert"};
    for (int kind = 0; kind < 3; ++kind) {
        Get(orders[kind]).onClick = [this, kind] { ImprimerBon(kind); };
    }
    Get("cmdVantor").onClick = [this] { cmdVantor_Click(); };
    Get("cmdUndoVantor").onClick = [this] { cmdUndoVantor_Click(); };
    Get("cmdCloture").onClick = [this] { cmdCloture_Click(); };
    Get("cmdZCloture").onClick = [this] { cmdZCloture_Click(); };
    Get("cmdX").onClick = [this] { cmdX_Click(); };
    Get("cmdPdf").onClick = [this] { cmdPdf_Click(); };
    Get("cmdComptable").onClick = [this] { cmdComptable_Click(); };
    Get("cmdGraphiques").onClick = [this] { cmdGraphiques_Click(); };
    for (int i = 0; i < 2; ++i) {
        Get("cmdJournalVantor", i).onClick = [this, i] { cmdJournalVantor_Click(i); };
    }
    Get("mnuFArticles").onClick = [this] { mnuFArticles_Click(); };
    BindCatalogueEvents();
    BindAdminEvents();
}

}  // namespace vantor
