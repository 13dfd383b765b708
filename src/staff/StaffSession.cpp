#include "staff/StaffSession.h"

#include "staff/Pin.h"
#include "staff/PinDigest.h"

namespace vantor {

void StaffSession::Charger(std::optional<Personnel> personnel) {
    personnel_ = std::move(personnel);
    if (Courant() == nullptr) {
        courant_.clear();
    }
}

const Membre* StaffSession::Courant() const {
    return personnel_ && !courant_.empty() ? personnel_->Trouver(courant_) : nullptr;
}

bool StaffSession::Peut(Action action) const {
    if (!Active()) {
        return true;
    }
    const Membre* courant = Courant();
    return courant != nullptr && RoleMay(courant->role, action);
}

StaffSession::Essai StaffSession::Verifier(const std::string& nom, std::string& typed,
                                           const DateTime& now) {
    const Pin pin(typed);
    Wipe(typed);
    const Membre* membre = personnel_ ? personnel_->Trouver(nom) : nullptr;
    if (membre == nullptr) {
        return {Verdict::Inconnu};
    }
    if (const int attente = lockOut_.Attente(nom, now); attente > 0) {
        return {Verdict::Bloque, attente};
    }
    if (PinMatches(pin, membre->code)) {
        lockOut_.Reussite(nom);
        return {Verdict::Accepte};
    }
    return {Verdict::Incorrect, lockOut_.Echec(nom, now)};
}

}  // namespace vantor
