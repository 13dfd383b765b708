// The three screen modes of the right-hand column, and the small selections
// that go with a ticket: VAT mode, QR option, tables panel.
#include <cassert>

#include "data/Numbers.h"
#include "sales/frmMain.h"

namespace vantor {

void frmMain::optPrint_Click(int index) {
    auto show = [this](std::initializer_list<const char*> names, bool visible) {
        for (const char* name : names) {
            Get(name).visible = visible;
        }
    };
    if (index == 0) {
        Get("fraTicket").visible = true;
        Get("fraTotaux").visible = false;
        if (data_.RapportAffiche) {
            ClearTicketLines();
            data_.RapportAffiche = false;
        }
        SetCheckoutButtons(index);
        show({"lstTicket", "fraBas", "fraService", "txtBon"}, true);
        show({"fraVantor", "cmdCloture", "cmdZCloture"}, false);
        return;
    }
    if (RefuseWhileTicketOpen()) {
        Click(Get("optPrint", 0));
        return;
    }
    ClearTicketLines();
    SetCheckoutButtons(index);
    data_.RapportAffiche = true;
    if (index == 1) {
        Get("fraTicket").visible = false;
        Get("fraTotaux").visible = true;
        show({"lstTicket", "fraService", "fraBas"}, true);
        show({"fraVantor", "txtBon", "cmdCloture", "cmdZCloture"}, false);
        return;
    }
    show({"fraVantor", "fraBas", "lstTicket", "fraTotaux", "cmdCloture", "cmdZCloture"}, true);
    Get("fraService").visible = false;
    Control& kind = Get("cmbVantor");
    Choose(kind, 0);
    Get("txtBon").visible = false;
    Get("txtVantor").text.clear();
    assert(RecordsMatchLines());
}

int frmMain::ScreenMode() const {
    for (int i = 1; i <= UBound("optPrint"); ++i) {
        if (Get("optPrint", i).value != 0) {
            return i;
        }
    }
    return 0;
}

void frmMain::SetCheckoutButtons(int mode) {
    const char* const kSaleCaptions[] = {"Espèces", "Carte", "Mixte"};
    const bool sale = mode == 0;
    for (int i = 0; i < 3; ++i) {
        Control& button = Get("cmdPrint", i);
        button.caption = sale || i > 0 ? kSaleCaptions[i] : "Imprimer";
        button.visible = sale || i == 0;
    }
    for (const char* name : {"cmdCuisine", "cmdRemise", "lblServeur", "cmdDeleteLine"}) {
        Get(name).visible = sale;
    }
    for (const char* name : {"cmdPdf", "cmdComptable"}) {
        Get(name).visible = !sale;
    }
    Get("cmdGraphiques").visible = mode == 1;
}

void frmMain::AfficherModeTVA() {
    const std::optional<int> mode = ParseInteger(data_.Infos[ModeTVA]);
    Control& tva = Get("cmbTVA");
    if (mode && *mode >= 0 && *mode < tva.ListCount()) {
        tva.listIndex = *mode;
        tva.text = tva.items[static_cast<std::size_t>(*mode)];
    } else {
        tva.listIndex = -1;  // no VAT mode: neither printed nor recorded
        tva.text.clear();
    }
}

void frmMain::cmbTVA_Click() {
    data_.Infos[ModeTVA] = std::to_string(Get("cmbTVA").listIndex);
}

void frmMain::chkQR_Click() {
    Get("txtQR").enabled = Get("chkQR").value == 1;
}

void frmMain::cmbServeur_Click() {
    Control& detail = Get("chkDetail");
    detail.enabled = Get("cmbServeur").listIndex == 0;
    if (!detail.enabled) {
        detail.value = 0;
    }
}

void frmMain::cmdOuvre_Click() {
    Control& tables = Get("fraTables");
    const bool collapsed = tables.height == kTablesCollapsed;
    tables.height = collapsed ? kTablesOpen : kTablesCollapsed;
    Get("fraReserv").visible = !collapsed;
}

bool frmMain::RefuseWhileTicketOpen() {
    if (!ticket_.Open()) {
        return false;
    }
    TellTicketOpen();
    return true;
}

void frmMain::TellTicketOpen() {
    platform_.ui.MsgBox("Opération impossible, ticket en cours", vbCritical);
}

}  // namespace vantor
