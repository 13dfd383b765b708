#include "admin/frmAgenda.h"

#include "admin/Agenda.h"
#include "platform/Design.h"

namespace vantor {

namespace {

constexpr const char* kSelectToEdit = "Sélectionnez d'abord l'enregsitrement a modifié";
constexpr const char* kSelectToDelete = "Sélectionnez d'abord l'enregsitrement a supprimé";

constexpr int kListLeft = 240;
constexpr int kListWidth = 8775;
constexpr int kBrowseTop = 120;
constexpr int kBrowseHeight = 5340;
constexpr int kEnterTop = 1800;
constexpr int kEnterHeight = 3860;
constexpr int kButtonLeft = kListLeft + kListWidth + 200;

// A button of the column right of the list.
Bounds ButtonAt(int top) {
    return {kButtonLeft, top, 1350, 495};
}

Control& AddField(Form& form, ControlKind kind, const std::string& name, Control& panel, int left,
                  int top, int width) {
    Control& field = AddAt(form, kind, name, {left, top, width, 330}, &panel);
    field.backColor = kFieldColor;
    return field;
}

void AddLabel(Form& form, const std::string& name, const std::string& caption, Control& panel,
              int left, int top) {
    AddAt(form, ControlKind::Label, name, {left, top + 40, 700, 300}, &panel).caption = caption;
}

}  // namespace

frmAgenda::frmAgenda(Platform& platform, TillData& data)
    : Form("frmAgenda"), platform_(platform), data_(data) {
    caption = "Agenda";
    width = kButtonLeft + 1350 + 300;
    height = kEnterTop + kEnterHeight + 660;
    CreateEntryPanel();
    Control& list = AddAt(*this, ControlKind::ListBox, "lstAgenda",
                          {kListLeft, kBrowseTop, kListWidth, kBrowseHeight});
    list.fontName = "Courier New";
    list.fontSize = 10;
    list.backColor = kFieldColor;
    AddButton(*this, "cmdSave", "Ajouter", ButtonAt(kBrowseTop)).onClick = [this] {
        cmdSave_Click();
    };
    AddButton(*this, "cmdModifyLine", "Modifier", ButtonAt(kBrowseTop + 720)).onClick = [this] {
        cmdModifyLine_Click();
    };
    AddButton(*this, "cmdKillLine", "Supprimer", ButtonAt(kBrowseTop + 1320)).onClick = [this] {
        cmdKillLine_Click();
    };
    AddButton(*this, "cmdClose", "Fermer", ButtonAt(kBrowseTop + kBrowseHeight - 495)).onClick =
        [this] { cmdClose_Click(); };
}

void frmAgenda::CreateEntryPanel() {
    Control& panel = AddAt(*this, ControlKind::Frame, "fraNew",
                           {kListLeft, kBrowseTop, kListWidth, kEnterTop - kBrowseTop - 120});
    panel.visible = false;
    AddLabel(*this, "lblDate", "Date", panel, 120, 240);
    AddField(*this, ControlKind::DatePicker, "DTPicker1", panel, 840, 240, 1800);
    AddLabel(*this, "lblHeure", "Heure", panel, 2900, 240);
    AddField(*this, ControlKind::TextBox, "txtH", panel, 3620, 240, 900).maxLength = 5;
    AddLabel(*this, "lblTexte", "Texte", panel, 120, 840);
    AddField(*this, ControlKind::TextBox, "txtTexte", panel, 840, 840, kListWidth - 1000);
}

void frmAgenda::Form_Load() {
    Browse();
    Get("DTPicker1").date = platform_.clock.Now().date;
    ChargerListe();
    data_.AgendaCharge = true;
}

void frmAgenda::ChargerListe() {
    Control& list = Get("lstAgenda");
    list.Clear();
    for (const std::string& line : LireAgenda(data_.DataPath)) {
        list.AddItem(line);
    }
}

bool frmAgenda::Entering() const {
    return Get("fraNew").visible;
}

void frmAgenda::Browse() {
    Get("fraNew").visible = false;
    Control& list = Get("lstAgenda");
    Place(list, {kListLeft, kBrowseTop, kListWidth, kBrowseHeight}).enabled = true;
    Get("cmdSave").caption = "Ajouter";
    Get("cmdModifyLine").caption = "Modifier";
    Get("cmdKillLine").enabled = true;
}

void frmAgenda::OpenPanel() {
    Get("fraNew").visible = true;
    Place(Get("lstAgenda"), {kListLeft, kEnterTop, kListWidth, kEnterHeight}).enabled = false;
    Get("cmdSave").caption = "Enregistrer";
    Get("cmdModifyLine").caption = "Annuler";
    Get("cmdKillLine").enabled = false;
}

void frmAgenda::cmdSave_Click() {
    if (Entering()) {
        Save();
    } else {
        NewEntry();
    }
}

void frmAgenda::cmdModifyLine_Click() {
    if (Entering()) {
        enModification_ = false;
        Browse();
    } else {
        EditEntry();
    }
}

void frmAgenda::NewEntry() {
    OpenPanel();
    Get("DTPicker1").date = platform_.clock.Now().date;
    Get("txtH").text.clear();
    Get("txtTexte").text.clear();
    SetFocus(Get("txtH"));
    AfficherClavier(platform_.keyboard, data_);
}

void frmAgenda::EditEntry() {
    const Control& list = Get("lstAgenda");
    if (list.listIndex < 0 || list.SelectedText().empty()) {
        platform_.ui.MsgBox(kSelectToEdit, vbCritical);
        return;
    }
    enModification_ = true;
    const EntreeAgenda entry = LireEntreeAgenda(list.SelectedText());
    if (entry.dated) {
        Get("DTPicker1").date = entry.date;
    }
    Get("txtH").text = entry.heure;
    Get("txtTexte").text = entry.texte;
    OpenPanel();
}

void frmAgenda::Save() {
    const Date date = Get("DTPicker1").date;
    const std::string heure = Get("txtH").text;
    const std::string texte = Get("txtTexte").text;
    Control& list = Get("lstAgenda");
    if (!enModification_) {
        AjouterAgenda(data_.DataPath, date, heure, texte);
        ChargerListe();
    } else {
        if (list.listIndex >= 0) {
            list.items[static_cast<std::size_t>(list.listIndex)] =
                LigneListeAgenda(date, heure, texte);
        }
        EcrireAgenda(data_.DataPath, list.items);
        enModification_ = false;
    }
    Get("DTPicker1").date = platform_.clock.Now().date;
    Get("txtH").text.clear();
    Get("txtTexte").text.clear();
    Browse();
}

void frmAgenda::cmdKillLine_Click() {
    Control& list = Get("lstAgenda");
    if (list.listIndex < 0) {
        platform_.ui.MsgBox(kSelectToDelete, vbCritical);
        return;
    }
    list.RemoveItem(list.listIndex);
    EcrireAgenda(data_.DataPath, list.items);
}

void frmAgenda::cmdClose_Click() {
    Close();
}

}  // namespace vantor
