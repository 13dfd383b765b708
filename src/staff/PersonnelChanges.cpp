#include "staff/PersonnelChanges.h"

#include <algorithm>

#include "data/Serveurs.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/Events.h"
#include "staff/StaffEvents.h"

namespace vantor {

namespace {

Membre* Find(Personnel& personnel, std::string_view nom) {
    for (PersonnelLine& ligne : personnel.lignes) {
        if (ligne.membre && ligne.membre->nom == nom) {
            return &*ligne.membre;
        }
    }
    return nullptr;
}

std::string NotStaff(std::string_view nom) {
    return std::string(nom) + " ne fait pas partie du personnel.";
}

bool LastManager(const Personnel& personnel, const Membre& membre) {
    return membre.role == Role::Responsable && personnel.Responsables() == 1;
}

std::string LastManagerStays(const Membre& membre) {
    return membre.nom +
           " est le dernier responsable : ajoutez d'abord un autre responsable, sans quoi "
           "personne ne pourrait plus gérer le personnel.";
}

// The waiters list holds every name of the staff, after the names it had.
void InscrireServeurs(const std::string& dataPath, const Personnel& personnel) {
    std::vector<std::string> names =
        ReadServeursFile(dataPath, WhenMissing::UseDefaults).value_or(std::vector<std::string>{});
    const std::vector<std::string> before = names;
    // An empty list is stored as one empty line, which is nobody.
    std::erase(names, std::string());
    for (const Membre* membre : personnel.Membres()) {
        if (std::find(names.begin(), names.end(), membre->nom) == names.end()) {
            names.push_back(membre->nom);
        }
    }
    if (names != before) {
        WriteLinesAtomic(JoinPath(dataPath, kServeursFile), names);
    }
}

}  // namespace

std::string AjouterMembre(Personnel& personnel, std::string_view nom, Role role, const Pin& pin) {
    if (std::string fault = NomFault(nom, personnel); !fault.empty()) {
        return fault;
    }
    if (!pin.Valid()) {
        return kRegleCode;
    }
    if (role != Role::Responsable && personnel.Responsables() == 0) {
        return "La première personne doit être un responsable : lui seul pourra ensuite "
               "ajouter les autres.";
    }
    personnel.lignes.push_back({Membre{Trim(nom), role, DigestPin(pin)}, "", ""});
    return "";
}

std::string RetirerMembre(Personnel& personnel, std::string_view nom) {
    Membre* membre = Find(personnel, nom);
    if (membre == nullptr) {
        return NotStaff(nom);
    }
    if (LastManager(personnel, *membre)) {
        return LastManagerStays(*membre);
    }
    std::erase_if(personnel.lignes, [membre](const PersonnelLine& ligne) {
        return ligne.membre && &*ligne.membre == membre;
    });
    return "";
}

std::string ChangerRole(Personnel& personnel, std::string_view nom, Role role) {
    Membre* membre = Find(personnel, nom);
    if (membre == nullptr) {
        return NotStaff(nom);
    }
    if (role != Role::Responsable && LastManager(personnel, *membre)) {
        return LastManagerStays(*membre);
    }
    membre->role = role;
    return "";
}

std::string ChangerCode(Personnel& personnel, std::string_view nom, const Pin& pin) {
    Membre* membre = Find(personnel, nom);
    if (membre == nullptr) {
        return NotStaff(nom);
    }
    if (!pin.Valid()) {
        return kRegleCode;
    }
    membre->code = DigestPin(pin);
    return "";
}

void EnregistrerPersonnel(const std::string& dataPath, const Personnel& personnel,
                          const DateTime& now, const std::string& type, const std::string& detail) {
    const bool nouveau = !FileExists(JoinPath(dataPath, kPersonnelFile));
    InscrireServeurs(dataPath, personnel);
    EcrirePersonnel(dataPath, personnel);
    if (nouveau) {
        TryLogEvent(dataPath, now, staff_events::kActivee, detail);
    }
    TryLogEvent(dataPath, now, type, detail);
}

}  // namespace vantor
