#include "sales/Motifs.h"

#include <array>

namespace vantor {

// In the order of Motif; the most frequent reason first, where the finger
// lands soonest. A reason of its own is typed ("Autre motif…").
const MotifDemande& DemandeDeMotif(Motif motif) {
    static const std::array<MotifDemande, 4> kDemandes = {{
        {"Motif de l'annulation",
         {"Erreur de saisie", "Erreur de moyen de paiement", "Client parti", "Ticket en double"}},
        {"Motif du remboursement",
         {"Article retourné", "Client mécontent", "Article défectueux", "Erreur de saisie"}},
        {"Motif de la remise",
         {"Geste commercial", "Client fidèle", "Erreur de prix", "Attente trop longue"}},
        {"Motif de l'offert",
         {"Geste commercial", "Personnel", "Attente trop longue", "Article raté", "Dégustation"}},
    }};
    return kDemandes.at(static_cast<std::size_t>(motif));
}

}  // namespace vantor
