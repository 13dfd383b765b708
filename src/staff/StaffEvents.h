#pragma once

// The types of the event log's lines about the staff, in one place: the
// writers use them and the start-up looks for them.
namespace vantor::staff_events {

inline constexpr const char* kActivee = "Gestion du personnel activée";
inline constexpr const char* kDesactivee = "Gestion du personnel désactivée";
inline constexpr const char* kFichierDisparu = "Fichier du personnel disparu";
inline constexpr const char* kFichierIllisible = "Fichier du personnel illisible";
inline constexpr const char* kConnexion = "Connexion";
inline constexpr const char* kDeconnexion = "Déconnexion";
inline constexpr const char* kVerrouillage = "Verrouillage";
inline constexpr const char* kCodeIncorrect = "Code incorrect";
inline constexpr const char* kNomBloque = "Nom bloqué";
inline constexpr const char* kAccord = "Accord";
inline constexpr const char* kAccordRefuse = "Accord refusé";
inline constexpr const char* kActionProtegee = "Action protégée";
inline constexpr const char* kPersonneAjoutee = "Personnel ajouté";
inline constexpr const char* kPersonneRetiree = "Personnel retiré";
inline constexpr const char* kRoleModifie = "Rôle modifié";
inline constexpr const char* kCodeModifie = "Code modifié";
inline constexpr const char* kDelaiVerrouillage = "Délai de verrouillage";
inline constexpr const char* kTicketEfface = "Ticket effacé";
inline constexpr const char* kLigneSupprimee = "Ligne supprimée";

}  // namespace vantor::staff_events
