// Money put into or taken out of the drawer outside a sale, recorded in the
// journal from the "Compta" mode.
#include <cmath>

#include "checkout/Journal.h"
#include "data/Numbers.h"
#include "data/TextFile.h"
#include "sales/frmMain.h"

namespace vantor {

void frmMain::cmdVantor_Click() {
    if (!Autoriser(Action::MouvementCaisse)) {
        return;
    }
    std::optional<double> amount = ParseNumber(Get("txtVantor").text);
    if (!amount) {
        platform_.ui.MsgBox("Format numérique incorrect", vbCritical);
        return;
    }
    Control& account = Get("cmbCatCompt");
    if (account.listIndex < 0) {
        platform_.ui.MsgBox("Sélectionnez une catégorie", vbCritical);
        SetFocus(account);
        return;
    }
    double signedAmount = std::fabs(*amount);
    if (Get("cmbVantor").listIndex == 0) {
        signedAmount = -signedAmount;
    }
    const DateTime when{Get("DTPicker3").date, TimeOfDay{}};
    CloturerJoursPasses();
    if (JourClos(when.date, "Mouvement")) {
        return;
    }
    try {
        EcrireMouvement(data_.DataPath, when, Get("txtTexteVantor").text, signedAmount,
                        account.listIndex);
    } catch (const FileError& error) {
        platform_.ui.MsgBox(std::string("Le mouvement n'a pas été enregistré.\n") + error.what(),
                            vbCritical);
        return;
    }
    OpenCashDrawer();
    Click(Get("optPrint", 0));
}

void frmMain::cmdUndoVantor_Click() {
    Click(Get("optPrint", 0));
}

}  // namespace vantor
