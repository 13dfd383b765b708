// The catalogue from the sales screen: the article pop-up of the keypad, the
// article editor, the category editor and the keypad sort.
#include "catalogue/ArticleButtons.h"
#include "catalogue/frmCat.h"
#include "catalogue/frmColors.h"
#include "data/CatalogueFiles.h"
#include "sales/frmMain.h"

namespace vantor {

void frmMain::BindCatalogueEvents() {
    Get("mnuModif").onClick = [this] { mnuModif_Click(); };
    Get("mnuDeleteArt").onClick = [this] { mnuDeleteArt_Click(); };
    Get("mnuNewArt").onClick = [this] { mnuNewArt_Click(); };
    Get("mnuNewArticle").onClick = [this] { mnuNewArticle_Click(); };
    Get("mnuCat").onClick = [this] { mnuCat_Click(); };
    Get("mnuUndo").onClick = [] {};  // "Annuler": the pop-up closes, nothing else
}

void frmMain::Command1_MouseDown(int index, int button) {
    // Only the right button: a left press is the start of a sale's click.
    if (button != vbRightButton) {
        return;
    }
    articleChoisi_ = index;
    const std::string& name = Get("Command1", index).caption;
    Get("mnuModif").caption = "Modifier " + name;
    Get("mnuDeleteArt").caption = "Supprimer " + name;
    platform_.ui.PopupMenu(*this, Get("mnuParam"));
}

void frmMain::mnuModif_Click() {
    if (!Autoriser(Action::ModifierArticle)) {
        return;
    }
    frmColors editor(platform_, data_, *this);
    editor.Form_Load();
    editor.ModeModification(articleChoisi_);
    platform_.ui.ShowModal(editor);
}

// From an article's pop-up: the new article is proposed in its category.
void frmMain::mnuNewArt_Click() {
    const bool pressed = articleChoisi_ >= 1 && articleChoisi_ <= UBound("Command1");
    AddArticle(pressed ? CategorieDeCouleur(Get("Command1", articleChoisi_).backColor)
                       : kCategoryCount - 1);
}

// From the menu bar, with no category at hand: the last one is proposed.
void frmMain::mnuNewArticle_Click() {
    AddArticle(kCategoryCount - 1);
}

// An article added is appended to the keypad, which scrolls to show it.
void frmMain::AddArticle(int category) {
    if (!Autoriser(Action::AjouterArticle)) {
        return;
    }
    frmColors editor(platform_, data_, *this);
    editor.Form_Load();
    editor.ModeAjout(category);
    articleChoisi_ = 0;
    platform_.ui.ShowModal(editor);
    articleChoisi_ = editor.ArticleChoisi();
    if (articleChoisi_ > 0) {
        ShowKeypadArticle(articleChoisi_);
    }
}

void frmMain::mnuDeleteArt_Click() {
    if (!Autoriser(Action::SupprimerArticle)) {
        return;
    }
    SupprimerBouton(*this, articleChoisi_);
    EcrireArticles();
    LireArticles();
}

void frmMain::mnuCat_Click() {
    if (!Autoriser(Action::Categories)) {
        return;
    }
    frmCat categories(platform_, data_, *this);
    categories.Form_Load();
    platform_.ui.ShowModal(categories);
}

}  // namespace vantor
