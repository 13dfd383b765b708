#include "catalogue/frmCat.h"

#include <vector>

#include "catalogue/ArticleButtons.h"
#include "data/CatalogueFiles.h"
#include "data/TextFile.h"
#include "platform/Design.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr int kRowTop = 120;
constexpr int kRowStep = 420;
constexpr int kCatButtonsTop = kRowTop + kCategoryCount * kRowStep + 120;

constexpr int kCatButtonHeight = 450;

}  // namespace

frmCat::frmCat(Platform& platform, TillData& data, frmMain& main)
    : Form("frmCat"), platform_(platform), data_(data), main_(main) {
    caption = "Catégories";
    width = 3900;
    height = kCatButtonsTop + 1700;
    for (int i = 0; i < kCategoryCount; ++i) {
        Control& swatch = Add(ControlKind::Label, "Color", i);
        swatch.backColor = CouleurCategorie(i);
        swatch.Move(120, kRowTop + i * kRowStep);
        swatch.width = 500;
        swatch.height = 330;
        Control& name = Add(ControlKind::TextBox, "txtCat", i);
        name.Move(720, kRowTop + i * kRowStep);
        name.width = 2900;
        name.height = 330;
        name.maxLength = 15;
        name.backColor = kFieldColor;
    }
    AddButton(*this, "cmdTri", "Trier les boutons par catégories",
              {120, kCatButtonsTop, 3500, kCatButtonHeight})
        .onClick = [this] { cmdTri_Click(); };
    Control& ok =
        AddButton(*this, "cmdOK", "OK", {120, kCatButtonsTop + 600, 1700, kCatButtonHeight});
    ok.onClick = [this] { cmdOK_Click(); };
    ok.isDefault = true;
    AddButton(*this, "cmdUndo", "Annuler", {1920, kCatButtonsTop + 600, 1700, kCatButtonHeight})
        .onClick = [this] { cmdUndo_Click(); };
}

void frmCat::Form_Load() {
    for (int i = 0; i < kCategoryCount; ++i) {
        Get("txtCat", i).text = data_.Categories[static_cast<std::size_t>(i)];
    }
    // The first name field has the focus as the dialog opens.
    SetFocus(Get("txtCat", 0));
    AfficherClavier(platform_.keyboard, data_);
}

void frmCat::cmdOK_Click() {
    std::vector<std::string> names;
    for (int i = 0; i < kCategoryCount; ++i) {
        names.push_back(Get("txtCat", i).text);
    }
    WriteLinesAtomic(data_.File(kCategoriesFile), names);
    LireCategories(data_.DataPath, data_.Categories);
    Close();
}

void frmCat::cmdUndo_Click() {
    Close();
}

void frmCat::cmdTri_Click() {
    EcrireBoutons(main_, TrierParCategorie(LireBoutons(main_)));
    main_.EcrireArticles();
    main_.LireArticles();
    Close();
}

}  // namespace vantor
