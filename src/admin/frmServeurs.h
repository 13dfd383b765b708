#pragma once

#include <string>

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace vantor {

class frmMain;

// The waiters list: add, rename and delete names, saved to Serveurs.txt when
// "Fermer" is answered with "Oui".
class frmServeurs : public Form {
public:
    frmServeurs(Platform& platform, TillData& data, frmMain& main);

    // The list from Serveurs.txt, nothing selected.
    void Form_Load() override;
    void lstServeurs_Click();
    void cmdAdd_Click();
    void cmdModify_Click();
    void cmdDelete_Click();
    void cmdClose_Click();

private:
    void Deselect();
    void EnregistrerServeurs();

    Platform& platform_;
    TillData& data_;
    frmMain& main_;
    int selectionServeur_ = -1;
    bool serveursModifies_ = false;
};

// A waiter's name as stored: the field separator ";" becomes "-", so that the
// name in Serveurs.txt is the name written in the journal.
std::string NomServeur(const std::string& typed);

}  // namespace vantor
