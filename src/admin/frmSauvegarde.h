#pragma once

#include <string>

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace vantor {

class frmMain;

// The backups, reached from the settings dialog: the backup folders (added
// and removed), the off-site restic repository and its password, how many
// days of backups are kept, "Sauvegarder maintenant" with its progress, and
// the "fiche de sauvegarde" printed for the owner to keep.
class frmSauvegarde : public Form {
public:
    frmSauvegarde(Platform& platform, TillData& data, frmMain& main);
    ~frmSauvegarde() override;

    // The settings as they are.
    void Form_Load() override;
    void cmdAjouter_Click();
    void cmdRetirer_Click();
    void cmdSauvegarder_Click();
    void cmdFiche_Click();
    void cmdOK_Click();
    void cmdAnnuler_Click();

private:
    void CreateDestinations();
    void CreateRepository();
    void CreateButtons();
    // The settings shown written; false, told, when the days are not a number.
    bool Enregistrer();

    Platform& platform_;
    TillData& data_;
    frmMain& main_;
};

}  // namespace vantor
