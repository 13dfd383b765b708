#pragma once

#include <functional>
#include <string>

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "staff/StaffSession.h"

namespace vantor {

// The sign-in screen: tap your name, type your PIN on the pad, "OK". Also
// "Accord d'un responsable": the same screen listing the managers, whose
// name and PIN approve one action without signing anyone out. A wrong PIN
// empties the field and is told on the screen itself (lblMessage); a name
// locked by too many wrong PINs waits, told there too.
class frmConnexion : public Form {
public:
    enum class Mode {
        Connexion,   // at start and when the till is locked: someone must sign in
        Changement,  // another waiter chosen: that person's PIN, or "Annuler"
        Accord,      // a manager approves `action`, or "Annuler"
    };

    // What closing the sign-in screen does in Connexion mode: the till
    // quits when it may; "" then, otherwise why it does not.
    using Quit = std::function<std::string()>;

    frmConnexion(Platform& platform, TillData& data, StaffSession& session, Mode mode,
                 const std::string& action = "", const std::string& nom = "", Quit quit = {});

    void Form_Load() override;
    void Form_QueryUnload(int& cancel) override;
    void lstNoms_Click();
    void txtCode_Change();
    void cmdChiffre_Click(int digit);
    void cmdEffacer_Click();
    void cmdOK_Click();
    void cmdAnnuler_Click();

    // The name whose PIN was right; "" when the screen was left without one.
    const std::string& Accepte() const { return accepte_; }

private:
    void CreatePad();
    void Dire(const std::string& message);
    void CodeIncorrect(const std::string& nom, int lock);

    Platform& platform_;
    TillData& data_;
    StaffSession& session_;
    Mode mode_;
    std::string action_;
    std::string nom_;
    Quit quit_;
    std::string accepte_;
};

}  // namespace vantor
