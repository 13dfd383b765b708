#pragma once

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace vantor {

class frmMain;

// Edits one article of the keypad, or adds one: name, price and category
// (shown by its colour swatch). "OK" changes the button, rewrites
// Articles.csv and rebuilds the keypad.
class frmColors : public Form {
public:
    frmColors(Platform& platform, TillData& data, frmMain& main);

    // Fills the category list; opens the on-screen keyboard when asked to.
    void Form_Load() override;
    // Loads article `index` of the keypad into the fields.
    void ModeModification(int index);
    // Empty fields, this category proposed, title "Ajouter un article".
    void ModeAjout(int category);

    void cmbCat_Click();
    void cmdOK_Click();
    void cmdUndo_Click();

    // The article the dialog works on; 0 while adding, the new index after an add.
    int ArticleChoisi() const { return articleChoisi_; }

private:
    void CreateControls();
    bool NomExisteDeja(const std::string& name) const;

    Platform& platform_;
    TillData& data_;
    frmMain& main_;
    int articleChoisi_ = 0;
};

// The field separator of Articles.csv can never be typed into a field of the
// article editor: the text box drops it as soon as it appears.
void RefuserPointVirgule(Control& textBox);

}  // namespace vantor
