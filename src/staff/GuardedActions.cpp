#include "staff/GuardedActions.h"

#include <cassert>
#include <iterator>

namespace vantor {

namespace {

constexpr GuardedAction kGuardedActions[] = {
    // action                          libelle                              role
    {Action::ModifierArticle, "Modifier un article", Role::Responsable},
    {Action::AjouterArticle, "Ajouter un article", Role::Responsable},
    {Action::SupprimerArticle, "Supprimer un article", Role::Responsable},
    {Action::Categories, "Catégories et tri des boutons", Role::Responsable},
    {Action::Parametres, "Paramètres", Role::Responsable},
    {Action::Personnel, "Personnel et serveurs", Role::Responsable},
    {Action::ModeFormation, "Mode formation", Role::Responsable},
    {Action::MouvementCaisse, "Mouvement de caisse", Role::Responsable},
    {Action::RapportTotaux, "Totaux", Role::Responsable},
    {Action::RapportCompta, "Rapports comptables", Role::Responsable},
    {Action::Cloture, "Clôture du jour", Role::Responsable},
    {Action::EditerFichier, "Editer fichier", Role::Responsable},
    {Action::QuitterTablesOuvertes, "Quitter avec des tables en cours", Role::Responsable},
    {Action::Remise, "Remise au-delà du plafond", Role::Responsable},
    {Action::Offert, "Article offert", Role::Responsable},
    {Action::AnnulerTicket, "Annuler un ticket", Role::Responsable},
    {Action::Rembourser, "Rembourser un ticket", Role::Responsable},
};

// Row k is the action of value k, so that finding a row is reading it.
constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < std::size(kGuardedActions); ++i) {
        if (static_cast<std::size_t>(kGuardedActions[i].action) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInOrder());

}  // namespace

std::span<const GuardedAction> GuardedActions() {
    return kGuardedActions;
}

const GuardedAction& Garde(Action action) {
    const auto row = static_cast<std::size_t>(action);
    assert(row < std::size(kGuardedActions));
    return kGuardedActions[row];
}

bool RoleMay(Role role, Action action) {
    return role == Role::Responsable || Garde(action).role == role;
}

}  // namespace vantor
