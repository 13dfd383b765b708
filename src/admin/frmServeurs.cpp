#include "admin/frmServeurs.h"

#include <vector>

#include "data/Serveurs.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "platform/Design.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

// A button of the dialog, all of one size.
Bounds WaiterButtonAt(int left, int top) {
    return {left, top, 1200, 450};
}

}  // namespace

std::string NomServeur(const std::string& typed) {
    return Replace(typed, ";", "-");
}

frmServeurs::frmServeurs(Platform& platform, TillData& data, frmMain& main)
    : Form("frmServeurs"), platform_(platform), data_(data), main_(main) {
    caption = "Employés";
    width = 4080;
    height = 5100;
    Control& name = Add(ControlKind::TextBox, "txtServ");
    name.Move(120, 120);
    name.width = 3720;
    name.height = 330;
    name.backColor = kFieldColor;
    AddButton(*this, "cmdModify", "Modifier", WaiterButtonAt(120, 570)).onClick = [this] {
        cmdModify_Click();
    };
    AddButton(*this, "cmdAdd", "Ajouter", WaiterButtonAt(1380, 570)).onClick = [this] {
        cmdAdd_Click();
    };
    AddButton(*this, "cmdDelete", "Supprimer", WaiterButtonAt(2640, 570)).onClick = [this] {
        cmdDelete_Click();
    };
    Control& list = Add(ControlKind::ListBox, "lstServeurs");
    list.Move(120, 1140);
    list.width = 3720;
    list.height = 2700;
    list.backColor = kFieldColor;
    list.onClick = [this] { lstServeurs_Click(); };
    AddButton(*this, "cmdClose", "Fermer", WaiterButtonAt(2640, 4020)).onClick = [this] {
        cmdClose_Click();
    };
}

void frmServeurs::Form_Load() {
    const std::string path = data_.File(kServeursFile);
    Control& list = Get("lstServeurs");
    list.Clear();
    if (FileExists(path)) {
        list.items = ReadLines(path);
    }
    selectionServeur_ = -1;
    // The name field has the focus as the dialog opens.
    SetFocus(Get("txtServ"));
    AfficherClavier(platform_.keyboard, data_);
}

void frmServeurs::lstServeurs_Click() {
    const Control& list = Get("lstServeurs");
    selectionServeur_ = list.listIndex;
    Get("txtServ").text = list.SelectedText();
}

void frmServeurs::Deselect() {
    selectionServeur_ = -1;
    Get("lstServeurs").listIndex = -1;
    Get("txtServ").text.clear();
}

void frmServeurs::cmdAdd_Click() {
    const std::string& typed = Get("txtServ").text;
    if (typed.empty()) {
        return;
    }
    Get("lstServeurs").AddItem(NomServeur(typed));
    Deselect();
    serveursModifies_ = true;
}

void frmServeurs::cmdModify_Click() {
    Control& list = Get("lstServeurs");
    if (selectionServeur_ >= 0 && selectionServeur_ < list.ListCount()) {
        list.items[static_cast<std::size_t>(selectionServeur_)] = NomServeur(Get("txtServ").text);
        Deselect();
    }
    serveursModifies_ = true;
}

void frmServeurs::cmdDelete_Click() {
    Control& list = Get("lstServeurs");
    if (selectionServeur_ < 0 || selectionServeur_ >= list.ListCount()) {
        return;
    }
    list.RemoveItem(selectionServeur_);
    Deselect();
    serveursModifies_ = true;
}

void frmServeurs::cmdClose_Click() {
    if (serveursModifies_ &&
        platform_.ui.MsgBox("Enregistrer les modifications ?", vbYesNo) == vbYes) {
        EnregistrerServeurs();
    }
    Close();
}

void frmServeurs::EnregistrerServeurs() {
    std::vector<std::string> names = Get("lstServeurs").items;
    if (names.empty()) {
        names.emplace_back();  // an empty list is one empty line
    }
    WriteLinesAtomic(data_.File(kServeursFile), names);
    main_.LireServeurs();
}

}  // namespace vantor
