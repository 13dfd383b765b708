#pragma once

#include <optional>
#include <string>

#include "checkout/frmPaiement.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace vantor {

// The amount a customer hands over for a sale paid "Espèces", typed on digit
// keys or chosen among the usual notes, and the change to give back shown
// large while it is typed. Asked only when the settings say so. The caller
// sets the total, shows the dialog modally, then reads Result(): nothing when
// it was cancelled or closed.
class frmMontantRecu : public Form {
public:
    explicit frmMontantRecu(Platform& platform);

    void SetTotal(const std::string& total);
    // A digit, "." or "←" (the last character typed taken back).
    void cmdTouche_Click(int index);
    // 5, 10, 20 or 50: the amount received is that note.
    void cmdBillet_Click(int index);
    void cmdCompte_Click();
    void cmdOK_Click();
    void cmdUndo_Click();
    const std::optional<Encaissement>& Result() const { return result_; }

private:
    void CreateKeys();
    void CreateNotes();
    void SetReceived(const std::string& text);
    long long DueCents() const;

    Platform& platform_;
    std::string received_;  // as typed
    std::optional<Encaissement> result_;
};

}  // namespace vantor
