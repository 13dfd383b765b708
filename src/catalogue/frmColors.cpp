#include "catalogue/frmColors.h"

#include "data/CatalogueFiles.h"
#include "data/Text.h"
#include "ledger/Events.h"
#include "platform/Design.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr const char* kDuplicate = "Ce nom d'article existe déjà";
constexpr int kBoxLeft = 1200;
constexpr int kRowHeight = 330;

Control& AddControl(Form& form, ControlKind kind, const std::string& name, int left, int top,
                    int width, int height) {
    Control& control = AddAt(form, kind, name, {left, top, width, height});
    if (kind == ControlKind::TextBox || kind == ControlKind::ComboBox) {
        control.backColor = kFieldColor;
    }
    return control;
}

void AddLabel(Form& form, const std::string& name, const std::string& caption, int top) {
    AddControl(form, ControlKind::Label, name, 120, top + 40, kBoxLeft - 160, 300).caption =
        caption;
}

}  // namespace

void RefuserPointVirgule(Control& textBox) {
    textBox.onChange = [&textBox] {
        if (textBox.text.find(';') != std::string::npos) {
            textBox.text = Replace(textBox.text, ";", "");
        }
    };
}

frmColors::frmColors(Platform& platform, TillData& data, frmMain& main)
    : Form("frmColors"), platform_(platform), data_(data), main_(main) {
    caption = "Modifier un article";
    width = 4500;
    height = 2750;
    CreateControls();
}

void frmColors::CreateControls() {
    AddLabel(*this, "lblArticle", "Article :", 120);
    Control& name =
        AddControl(*this, ControlKind::TextBox, "txtArticle", kBoxLeft, 120, 3000, kRowHeight);
    name.maxLength = 14;
    RefuserPointVirgule(name);
    AddLabel(*this, "lblPrix", "Prix :", 540);
    Control& price =
        AddControl(*this, ControlKind::TextBox, "txtPrix", kBoxLeft, 540, 1400, kRowHeight);
    price.alignment = vbRightJustify;  // an amount, typed on the numeric pad
    RefuserPointVirgule(price);
    AddLabel(*this, "lblCat", "Catégorie :", 960);
    AddControl(*this, ControlKind::ComboBox, "cmbCat", kBoxLeft, 960, 2300, kRowHeight).onClick =
        [this] { cmbCat_Click(); };
    Control& swatch =
        AddControl(*this, ControlKind::Picture, "Picture1", 3600, 960, 600, kRowHeight);
    swatch.backColor = CouleurCategorie(0);
    Control& ok = AddButton(*this, "cmdOK", "OK", {kBoxLeft, 1560, 1350, 450});
    ok.onClick = [this] { cmdOK_Click(); };
    ok.isDefault = true;
    AddButton(*this, "cmdUndo", "Annuler", {2850, 1560, 1350, 450}).onClick = [this] {
        cmdUndo_Click();
    };
}

void frmColors::Form_Load() {
    Control& categories = Get("cmbCat");
    categories.Clear();
    for (const std::string& name : data_.Categories) {
        categories.AddItem(name);
    }
    AfficherClavier(platform_.keyboard, data_);
}

void frmColors::ModeModification(int index) {
    articleChoisi_ = index;
    const Control& button = main_.Get("Command1", index);
    Get("txtArticle").text = button.caption;
    Get("txtPrix").text = button.tag;
    Choose(Get("cmbCat"), CategorieDeCouleur(button.backColor));
}

void frmColors::ModeAjout(int category) {
    articleChoisi_ = 0;
    Get("txtArticle").text.clear();
    Get("txtPrix").text.clear();
    Choose(Get("cmbCat"), category);
    caption = "Ajouter un article";
}

void frmColors::cmbCat_Click() {
    const int category = Get("cmbCat").listIndex;
    if (category >= 0) {
        Get("Picture1").backColor = CouleurCategorie(category);
    }
}

bool frmColors::NomExisteDeja(const std::string& name) const {
    for (int j = 0; j <= main_.UBound("Command1"); ++j) {
        if (j != articleChoisi_ && main_.Get("Command1", j).caption == name) {
            return true;
        }
    }
    return false;
}

void frmColors::cmdOK_Click() {
    const std::string name = Get("txtArticle").text;
    if (NomExisteDeja(name)) {
        platform_.ui.MsgBox(kDuplicate, vbCritical);
        SetFocus(Get("txtArticle"));
        return;
    }
    if (articleChoisi_ == 0) {
        articleChoisi_ = main_.UBound("Command1") + 1;
        main_.Add(ControlKind::Button, "Command1", articleChoisi_, &main_.Get("fraArticles"))
            .visible = true;
    }
    Control& button = main_.Get("Command1", articleChoisi_);
    const std::string oldPrice = button.tag;
    button.caption = name;
    button.tag = Get("txtPrix").text;
    button.backColor = Get("Picture1").backColor;
    main_.EcrireArticles();
    if (!oldPrice.empty() && oldPrice != button.tag) {
        TryLogEvent(data_.DataPath, platform_.clock.Now(), "Prix modifié",
                    name + " : " + oldPrice + " -> " + button.tag);
    }
    main_.LireArticles();
    Close();
}

void frmColors::cmdUndo_Click() {
    Close();
}

}  // namespace vantor
