#pragma once

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace vantor {

// The agenda of reservations: a list sorted by date when it is loaded, and an
// entry panel to add or edit one entry.
class frmAgenda : public Form {
public:
    frmAgenda(Platform& platform, TillData& data);

    // Browsing, the date field on today, the list from Agenda.csv; marks the
    // agenda as loaded for the run.
    void Form_Load() override;

    // "Ajouter" while browsing, "Enregistrer" while entering.
    void cmdSave_Click();
    // "Modifier" while browsing, "Annuler" while entering.
    void cmdModifyLine_Click();
    void cmdKillLine_Click();
    void cmdClose_Click();

private:
    void CreateEntryPanel();
    void ChargerListe();
    bool Entering() const;
    void OpenPanel();
    void Browse();
    void NewEntry();
    void EditEntry();
    void Save();

    Platform& platform_;
    TillData& data_;
    bool enModification_ = false;
};

}  // namespace vantor
