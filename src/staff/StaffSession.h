#pragma once

#include <optional>
#include <string>

#include "platform/DateTime.h"
#include "staff/GuardedActions.h"
#include "staff/LockOut.h"
#include "staff/Personnel.h"

namespace vantor {

// Who is at the till: the staff file as the start-up read it (none: staff
// management is off and everyone may do everything, as before it existed),
// the person signed in, and the wrong PINs of each name.
class StaffSession {
public:
    // The staff file read anew (nullopt when there is none); whoever was
    // signed in stays so while the file still has them.
    void Charger(std::optional<Personnel> personnel);
    bool Active() const { return personnel_.has_value(); }
    const Personnel* Equipe() const { return personnel_ ? &*personnel_ : nullptr; }

    // The person signed in, or null (nobody yet, or the till is locked).
    const Membre* Courant() const;
    void Connecter(const std::string& nom) { courant_ = nom; }
    void Deconnecter() { courant_.clear(); }

    // Whether the person signed in does it without anyone's approval:
    // always while staff management is off.
    bool Peut(Action action) const;

    enum class Verdict { Accepte, Incorrect, Bloque, Inconnu };
    struct Essai {
        Verdict verdict;
        int attente = 0;  // Bloque: seconds to wait; Incorrect: the lock it started, or 0
    };
    // Checks the PIN typed for the name and wipes the text; a name locked
    // by too many wrong PINs is not checked at all.
    Essai Verifier(const std::string& nom, std::string& typed, const DateTime& now);

private:
    std::optional<Personnel> personnel_;
    std::string courant_;
    LockOut lockOut_;
};

}  // namespace vantor
