#pragma once

#include <string>

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "staff/Personnel.h"

namespace vantor {

// The staff: add a person (name, role, the PIN typed twice), give one a new
// PIN, change a role, take one off, and the minutes without a touch after
// which the till locks. Each change is saved at once, with its event. The
// first person made is a "Responsable", which turns staff management on.
class frmPersonnel : public Form {
public:
    // par: who makes the changes, for the event log ("" before there is staff).
    frmPersonnel(Platform& platform, TillData& data, std::string par);

    void Form_Load() override;
    void Form_QueryUnload(int& cancel) override;
    void lstPersonnel_Click();
    void cmdAjouter_Click();
    void cmdCode_Click();
    void cmdRole_Click();
    void cmdRetirer_Click();
    void cmdFermer_Click();

private:
    void CreateFields();
    void CreateButtons();
    // A PIN box keeps its digits: the pad's "." or a letter is no part of a PIN.
    void ChiffresSeulement(const char* box);
    void Afficher();
    // The selected person's name, or "" after telling that none is.
    std::string Choisi();
    Role RoleChoisi() const;
    // The PIN typed twice, both boxes emptied; "" after telling why it is refused.
    std::string NouveauCode();
    // A PIN typed and left in the boxes goes with the window.
    void EffacerCodes();
    // Saves the staff with its event and shows it; a refusal or a failure is told.
    void Enregistrer(const std::string& refusal, const char* type, const std::string& detail);
    std::string Par() const;

    Platform& platform_;
    TillData& data_;
    std::string par_;
    Personnel personnel_;
};

}  // namespace vantor
