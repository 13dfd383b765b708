#pragma once

#include <span>

#include "staff/Personnel.h"

namespace vantor {

// What a "Serveur" may not do alone once staff management is on: a manager
// signed in does it, or approves it for this one time. A new guarded action
// is a new value here and a new row of the table.
enum class Action {
    ModifierArticle,
    AjouterArticle,
    SupprimerArticle,
    Categories,
    Parametres,
    Personnel,
    ModeFormation,
    MouvementCaisse,
    RapportTotaux,
    RapportCompta,
    Cloture,
    EditerFichier,
    QuitterTablesOuvertes,
    Remise,
    Offert,
    AnnulerTicket,
    Rembourser,
};

struct GuardedAction {
    Action action;
    // What the event log and the approval screen call it.
    const char* libelle;
    // The role that does it without approval.
    Role role;
};

// Every guarded action, one row each.
std::span<const GuardedAction> GuardedActions();
const GuardedAction& Garde(Action action);
// Whether someone of that role does it without anyone's approval.
bool RoleMay(Role role, Action action);

}  // namespace vantor
